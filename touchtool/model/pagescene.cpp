#include "pagescene.h"

#include <QFileInfo>
#include <QImageReader>

PageScene::PageScene(const QFileInfo &picture, QObject *parent)
    : DrawScene(parent)
{
    file = picture.absoluteFilePath();
    // The size of what decodes: a damaged picture paints nothing, so it has no size either.
    if (!file.isEmpty())
        m_pageSize = QImageReader(file).read().size();
    setSceneRect(0, 0, m_pageSize.width(), m_pageSize.height());
}

QSize pageSize(const DrawScene *scene)
{
    if (const auto *page = dynamic_cast<const PageScene *>(scene))
        return page->pageSize();
    return scene->sceneRect().size().toSize();
}
