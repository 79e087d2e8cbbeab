#include "dlgpreview.h"

#include "pagescene.h"
#include "projectinfo.h"
#include "touchlog.h"

#include <QCloseEvent>
#include <QGraphicsView>
#include <QHBoxLayout>

DlgPreview::DlgPreview(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("预览"));
    resize(1000, 600);
    m_view = new QGraphicsView(this);
    m_view->setObjectName(QStringLiteral("graphicsView"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_view);
}

DlgPreview::~DlgPreview()
{
    stop();
}

void DlgPreview::start(const PageMap &pages, int page)
{
    m_pages = pages;
    auto shown = m_pages.constFind(page);
    if (shown == m_pages.constEnd())
        shown = m_pages.constBegin();
    if (shown != m_pages.constEnd())
        m_view->setScene(shown.value()->scene);

    setItemsEditable(false);
    // A press in the preview must not draw a new area, whatever tool the editor had.
    m_savedTools.clear();
    for (PicMsg *page : qAsConst(m_pages)) {
        m_savedTools.insert(page->scene, page->scene->mode());
        page->scene->setMode(selection);
    }
    ProjectInfo *info = ProjectInfo::instance();
    info->setAnimationPressed(false);
    info->setPreviewRunning(true);
    info->pages = m_pages;
    m_running = true;
}

void DlgPreview::jumpToPage(int page)
{
    qCDebug(touchLog) << "jump to " << page;
    const auto target = m_pages.constFind(page);
    if (target == m_pages.constEnd())
        return;
    // The pressed area grabbed the mouse of the page it sits on; the release goes to the new
    // page, so the grab would outlive the press and catch the next press on the old page.
    if (QGraphicsScene *old = m_view->scene()) {
        if (QGraphicsItem *grabber = old->mouseGrabberItem())
            grabber->ungrabMouse();
    }
    m_view->setScene(target.value()->scene);
}

void DlgPreview::done(int result)
{
    stop();
    QDialog::done(result);
}

void DlgPreview::closeEvent(QCloseEvent *event)
{
    stop();
    QDialog::closeEvent(event);
}

void DlgPreview::setItemsEditable(bool editable)
{
    for (PicMsg *page : qAsConst(m_pages)) {
        const QList<QGraphicsItem *> items = page->scene->items();
        for (QGraphicsItem *item : items) {
            const QGraphicsItem *parent = item->parentItem();
            if (item->type() == HandleType || (parent && parent->type() == GroupType))
                continue;
            item->setFlag(QGraphicsItem::ItemIsMovable, editable);
            item->setFlag(QGraphicsItem::ItemIsSelectable, editable);
        }
    }
}

void DlgPreview::stop()
{
    if (!m_running)
        return;
    m_running = false;
    setItemsEditable(true);
    for (auto it = m_savedTools.constBegin(); it != m_savedTools.constEnd(); ++it)
        it.key()->setMode(it.value());
    m_savedTools.clear();
    ProjectInfo *info = ProjectInfo::instance();
    info->setPreviewRunning(false);
    info->setAnimationPressed(false);
    // The pages may be deleted once the preview is over; nobody may reach them through here.
    info->pages.clear();
    qCDebug(touchLog) << "preview closed";
}

void runPreview(QWidget *parent, const PageMap &pages, int page)
{
    DlgPreview dialog(parent);
    dialog.start(pages, page);
    QObject::connect(
        ProjectInfo::instance(), &ProjectInfo::jumpToPage, &dialog, &DlgPreview::jumpToPage);
    dialog.exec();
}
