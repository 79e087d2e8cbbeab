#include "pagescene.h"

#include "picturelimit.h"
#include "previewstate.h"
#include "toucharea.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

SceneOptions pageSceneOptions()
{
    SceneOptions options;
    options.shapes = &touchShapes();
    options.pressSelectsShape = true;
    return options;
}

} // namespace

PageScene::PageScene(const QFileInfo &picture, QObject *parent)
    : DrawScene(pageSceneOptions(), parent)
{
    file = picture.absoluteFilePath();
    // The size of what decodes: a damaged picture paints nothing, so it has no size either.
    if (!file.isEmpty() && pagePictureProblem(file).isEmpty())
        m_pageSize = QImageReader(file).read().size();
    setSceneRect(0, 0, m_pageSize.width(), m_pageSize.height());
    // The select tool keeps dragged areas on the page.
    setToolBounds(m_pageSize);
}

void PageScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    // A touch area shows its pressed look only while the button is held.
    if (PreviewState *state = PreviewState::current())
        state->setAnimationPressed(false);
    update();
    DrawScene::mouseReleaseEvent(event);
}

void PageScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    DrawScene::drawBackground(painter, rect);
    // Loaded at every paint, so a page picture replaced on disk shows at once.
    const QPixmap picture = pagePicture(file);
    // In floating point: a scene grown by shapes far off the page has a rectangle that
    // whole numbers cannot hold.
    if (!picture.isNull())
        painter->drawPixmap(sceneRect(), picture, QRectF(picture.rect()));
}

QString pagePictureProblem(const QString &file)
{
    return fileSizeProblem(file, QImageReader(file).size());
}

QPixmap pagePicture(const QString &file)
{
    return pagePictureProblem(file).isEmpty() ? QPixmap(file) : QPixmap();
}

QSize pageSize(const DrawScene *scene)
{
    if (const auto *page = dynamic_cast<const PageScene *>(scene))
        return page->pageSize();
    return scene->sceneRect().size().toSize();
}
