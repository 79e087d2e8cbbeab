#include "selecttool.h"

#include "drawscene.h"
#include "shapevisit.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QtGlobal>

namespace {

Qt::CursorShape boxHandleCursor(int dir)
{
    switch (dir) {
    case Dir_LeftTop:
    case Dir_RightBottom:
        return Qt::SizeFDiagCursor;
    case Dir_Top:
    case Dir_Bottom:
        return Qt::SizeVerCursor;
    case Dir_RightTop:
    case Dir_LeftBottom:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeHorCursor;
    }
}

// The opposite handle of `dir`; a coordinate of exactly 0 counts as 1.
QPointF resizeOrigin(QGraphicsItem *item, int dir)
{
    QPointF origin;
    visitShape(item, [&](auto *shape) { origin = shape->oppositeHandlePosition(dir); });
    if (origin.x() == 0.0)
        origin.setX(1);
    if (origin.y() == 0.0)
        origin.setY(1);
    return origin;
}

// Total factor along one axis; an axis that an edge handle does not scale, or a pointer
// that started on the origin's line, gives 1 rather than a meaningless quotient.
double axisFactor(double last, double down, double origin, bool scaled)
{
    const double span = down - origin;
    return scaled && span != 0.0 ? (last - origin) / span : 1.0;
}

// A touch area takes a press without Qt's click selection; select it the way Qt selects
// every other shape, so that dragging it moves it and not the previous selection. Areas
// made unselectable (the preview) are left alone.
void selectGrabbedShape(QGraphicsScene *scene, const QGraphicsSceneMouseEvent *event)
{
    QGraphicsItem *grabber = scene->mouseGrabberItem();
    if (!grabber || grabber->isSelected() || !(grabber->flags() & QGraphicsItem::ItemIsSelectable)
        || (event->modifiers() & Qt::ControlModifier))
        return;
    if (grabber->type() != ShapeType && grabber->type() != GroupType)
        return;
    scene->clearSelection();
    grabber->setSelected(true);
}

bool moved(const QPointF &delta)
{
    return qAbs(delta.x()) > 1e-12 || qAbs(delta.y()) > 1e-12;
}

} // namespace

SelectTool::SelectTool()
    : DrawTool(selection)
{
}

void SelectTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton)
        return;
    if (!hoverHandle) {
        scene->mouseEvent(event);
        if (scene->options().pressSelectsShape)
            selectGrabbedShape(scene, event);
    }
    gesture.dragHandle = Dir_None;
    gesture.selectMode = 0;

    const int selectedCount = scene->selectedItems().size();
    QGraphicsItem *item = singleSelectedItem(scene);
    if (item) {
        gesture.dragHandle = handleAt(item, gesture.down);
        if (gesture.dragHandle >= Dir_Control) {
            gesture.selectMode = 5;
            return;
        }
        if (gesture.dragHandle != Dir_None) {
            gesture.selectMode = 3;
            opposite = resizeOrigin(item, gesture.dragHandle);
        } else {
            gesture.selectMode = 2;
        }
    } else if (selectedCount > 1) {
        gesture.selectMode = 2;
    }
    if (gesture.selectMode == 0) {
        gesture.selectMode = 1;
        setViewDragMode(scene, QGraphicsView::RubberBandDrag);
    }
    if (item && gesture.selectMode == 2) {
        outline.show(item, scene);
        startPos = item->pos();
    }
}

void SelectTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mouseMoveEvent(event, scene);
    const int selectedCount = scene->selectedItems().size();
    if (QGraphicsItem *item = singleSelectedItem(scene)) {
        if (gesture.selectMode == 3 && gesture.dragHandle != Dir_None) {
            resize(item, scene);
        } else if (gesture.selectMode == 5) {
            visitShape(item,
                [&gesture](auto *shape) { shape->controlTo(gesture.dragHandle, gesture.last); });
            emit scene->itemControl(item, gesture.dragHandle, gesture.last, gesture.down);
        } else {
            hover(item, event->scenePos(), scene);
        }
    }
    if (gesture.selectMode == 2) {
        setViewCursor(scene, Qt::CrossCursor);
        if (QGraphicsPathItem *preview = outline.item())
            preview->setPos(startPos + (gesture.last - gesture.down));
    }
    if (gesture.selectMode != 3 && selectedCount > 1)
        scene->mouseEvent(event);
}

void SelectTool::resize(QGraphicsItem *item, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    const QPointF last = item->mapFromScene(gesture.last);
    const QPointF down = item->mapFromScene(gesture.down);
    const bool scalesX = gesture.dragHandle != Dir_Top && gesture.dragHandle != Dir_Bottom;
    const bool scalesY = gesture.dragHandle != Dir_Right && gesture.dragHandle != Dir_Left;
    const double sx = axisFactor(last.x(), down.x(), opposite.x(), scalesX);
    const double sy = axisFactor(last.y(), down.y(), opposite.y(), scalesY);
    const int dir = gesture.dragHandle;
    const QPointF origin = opposite;
    visitShape(item, [&](auto *shape) { shape->stretchBy(dir, sx, sy, origin); });
    emit scene->itemResize(item, dir, QPointF(sx, sy));
}

void SelectTool::hover(QGraphicsItem *item, const QPointF &scenePos, DrawScene *scene)
{
    const int dir = handleAt(item, scenePos);
    if (dir >= Dir_LeftTop && dir <= Dir_Left) {
        setViewCursor(scene, boxHandleCursor(dir));
        hoverHandle = true;
    } else if (dir >= Dir_Control) {
        hoverHandle = true;
    } else {
        setViewCursor(scene, Qt::ArrowCursor);
        hoverHandle = false;
    }
}

void SelectTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    if (event->button() != Qt::LeftButton)
        return;
    DrawTool::mouseReleaseEvent(event, scene);
    const QPointF delta = gesture.last - gesture.down;
    const int selectedCount = scene->selectedItems().size();
    if (QGraphicsItem *item = singleSelectedItem(scene)) {
        if (gesture.selectMode == 2 && moved(delta))
            drop(item, scene);
        else if ((gesture.selectMode == 3 || gesture.selectMode == 5) && moved(delta))
            visitShape(item, [](auto *shape) { shape->normalizeGeometry(); });
    } else if (selectedCount > 1 && gesture.selectMode == 2 && moved(delta)) {
        // Qt has moved the items along with the pointer already.
        emit scene->itemMoved(nullptr, delta);
    }
    if (gesture.selectMode == 1)
        setViewDragMode(scene, QGraphicsView::NoDrag);

    outline.clear();
    hoverHandle = false;
    gesture.selectMode = 0;
    gesture.dragHandle = Dir_None;
    opposite = QPointF();
    scene->mouseEvent(event);
}

void SelectTool::drop(QGraphicsItem *item, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    const QPointF delta = gesture.last - gesture.down;
    QSizeF size;
    visitShape(item, [&](auto *shape) { size = QSizeF(shape->width(), shape->height()); });
    QPointF pos = startPos + delta;
    // The picture's edges hold the item; the upper bounds first, so that 0 wins for an
    // item larger than the picture.
    pos.setX(qMax<qreal>(qMin<qreal>(pos.x(), gesture.bounds.width() - size.width()), 0));
    pos.setY(qMax<qreal>(qMin<qreal>(pos.y(), gesture.bounds.height() - size.height()), 0));
    item->setPos(pos);
    emit scene->itemMoved(item, delta);
}
