#include "drawtool.h"

#include "drawscene.h"
#include "shapevisit.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPen>
#include <QtGlobal>

namespace {

// A coordinate of the pointer kept inside [0, bound]; the test is on its whole part.
qreal clampToScene(qreal value, int bound)
{
    const int whole = int(paintable(value));
    if (whole >= bound)
        return bound;
    if (whole < 1)
        return 0;
    return value;
}

} // namespace

DrawTool::DrawTool(DrawShape key)
    : key(key)
{
}

DrawTool::~DrawTool() = default;

void DrawTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    gesture.down = event->scenePos();
    gesture.last = gesture.down;
}

void DrawTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    const QPointF pos = event->scenePos();
    gesture.last = QPointF(clampToScene(pos.x(), gesture.bounds.width()),
        clampToScene(pos.y(), gesture.bounds.height()));
}

void DrawTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    if (samePoint(event->scenePos(), gesture.down))
        scene->setMode(selection);
    setViewCursor(scene, Qt::ArrowCursor);
}

void DrawTool::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    if (!scene->options().doubleClickEditsShape)
        return;
    // Handles keep their screen size, so the hit test needs the view's transform.
    QTransform deviceTransform;
    if (QWidget *viewport = event->widget()) {
        if (auto *view = qobject_cast<QGraphicsView *>(viewport->parentWidget()))
            deviceTransform = view->transform();
    }
    QGraphicsItem *top = scene->itemAt(event->scenePos(), deviceTransform);
    if (top && top->type() == ShapeType)
        emit scene->itemAttrSet();
}

QGraphicsItem *DrawTool::singleSelectedItem(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}

int DrawTool::handleAt(QGraphicsItem *item, const QPointF &scenePos)
{
    int dir = Dir_None;
    visitShape(item, [&](auto *shape) {
        const QVector<SizeHandleRect *> &handles = shape->handles();
        for (int i = handles.size() - 1; i >= 0; --i) {
            const SizeHandleRect *handle = handles.at(i);
            if (handle->shape().contains(handle->mapFromScene(scenePos))) {
                dir = handle->dir();
                return;
            }
        }
    });
    return dir;
}

bool DrawTool::samePoint(const QPointF &a, const QPointF &b)
{
    return qAbs(a.x() - b.x()) < 1e-12 && qAbs(a.y() - b.y()) < 1e-12;
}

void DrawTool::setViewCursor(QGraphicsScene *scene, const QCursor &cursor)
{
    const QList<QGraphicsView *> views = scene->views();
    for (QGraphicsView *view : views)
        view->setCursor(cursor);
}

void DrawTool::setViewDragMode(QGraphicsScene *scene, QGraphicsView::DragMode mode)
{
    const QList<QGraphicsView *> views = scene->views();
    for (QGraphicsView *view : views)
        view->setDragMode(mode);
}

DashedOutline::~DashedOutline()
{
    clear();
}

void DashedOutline::show(QGraphicsItem *item, QGraphicsScene *scene)
{
    clear();
    m_item = new QGraphicsPathItem(item->shape());
    m_item->setPen(QPen(Qt::DashLine));
    m_item->setPos(item->pos());
    m_item->setTransformOriginPoint(item->transformOriginPoint());
    m_item->setTransform(item->transform());
    m_item->setRotation(item->rotation());
    m_item->setScale(item->scale());
    m_item->setZValue(item->zValue());
    scene->addItem(m_item);
    m_scene = scene;
}

void DashedOutline::clear()
{
    // Without its scene the preview is already gone with it.
    if (m_item && m_scene)
        delete m_item;
    m_item = nullptr;
    m_scene = nullptr;
}

QGraphicsPathItem *DashedOutline::item() const
{
    return m_scene ? m_item : nullptr;
}
