#pragma once

#include <QPixmap>

// What a touch area asks of the touch project while its preview runs. The project
// implements it; the touch areas and page scenes read it.
class PreviewState
{
public:
    virtual ~PreviewState();

    virtual bool previewRunning() const = 0;
    // Set from a press on an area with an animation until the next mouse release.
    virtual bool animationPressed() const = 0;
    virtual void setAnimationPressed(bool pressed) = 0;
    // An area with a jump target was pressed during the preview.
    virtual void requestJump(int page) = 0;
    // The picture of `page`; a null pixmap when the project has no such page.
    virtual QPixmap pagePicture(int page) const = 0;

    // The state in force; null until the touch tool installs one (nothing is previewed).
    static PreviewState *current();
    static void install(PreviewState *state);
};
