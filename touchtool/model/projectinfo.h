#pragma once

#include "picmsg.h"
#include "previewstate.h"

#include <QObject>

// The preview state of the touch tool, shared by the preview dialog, the touch areas and the
// page scenes. One process-wide object, created on first use and never destroyed.
class ProjectInfo : public QObject, public PreviewState
{
    Q_OBJECT

public:
    // The object, installed as the drawing framework's preview state on first use.
    static ProjectInfo *instance();

    bool previewRunning() const override { return m_previewRunning; }
    void setPreviewRunning(bool running) { m_previewRunning = running; }
    bool animationPressed() const override { return m_animationPressed; }
    void setAnimationPressed(bool pressed) override { m_animationPressed = pressed; }
    // Emits jumpToPage.
    void requestJump(int page) override;
    // The picture of `page` in `pages`; null when there is no such page.
    QPixmap pagePicture(int page) const override;

    // A copy of the project's pages, taken when a preview starts; not owned.
    PageMap pages;

signals:
    // A touch area with a jump target was pressed during the preview.
    void jumpToPage(int page);

private:
    ProjectInfo() = default;

    bool m_previewRunning = false;
    bool m_animationPressed = false;
};
