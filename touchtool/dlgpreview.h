#pragma once

#include "picmsg.h"

#include <QDialog>
#include <QHash>

#include "drawtypes.h"

class QGraphicsView;

// The preview: the project's own page scenes with their touch areas hidden, reacting to a
// press on an area as the module reacts to a touch.
class DlgPreview : public QDialog
{
    Q_OBJECT

public:
    explicit DlgPreview(QWidget *parent = nullptr);
    // A preview still running when the dialog goes makes the areas editable again.
    ~DlgPreview() override;

    // Shows `page` of `pages` (the first page when there is no such page) and makes every
    // area of every page fixed and invisible.
    void start(const PageMap &pages, int page);
    QGraphicsView *view() const { return m_view; }

    // Ends the preview however the dialog is closed (Escape does not send a close event).
    void done(int result) override;

public slots:
    // Shows page `page`; a page the project does not have is ignored.
    void jumpToPage(int page);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setItemsEditable(bool editable);
    void stop();

    PageMap m_pages;
    QGraphicsView *m_view = nullptr;
    bool m_running = false;
    QHash<PageScene *, DrawShape> m_savedTools; // the editor's tool on each page
};

// Runs the preview of `pages` from `page` modally over `parent`.
void runPreview(QWidget *parent, const PageMap &pages, int page);
