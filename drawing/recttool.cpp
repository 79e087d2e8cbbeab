#include "recttool.h"

#include "drawscene.h"
#include "graphicsellipseitem.h"
#include "graphicsrectitem.h"
#include "selecttool.h"
#include "shapefactory.h"
#include "drawinglog.h"

#include <QGraphicsSceneMouseEvent>

namespace {

GraphicsRectItem *createShape(DrawShape key, const ShapeFactory &shapes)
{
    // A 1 x 1 box at (1, 1): its top-left handle stays put while the pointer sizes it.
    const QRect seed(1, 1, 1, 1);
    if (key == ellipse)
        return shapes.ellipse(seed, false);
    return shapes.rect(seed, key == roundrect);
}

} // namespace

RectTool::RectTool(DrawShape key)
    : DrawTool(key)
{
}

SelectTool *RectTool::selectTool(DrawScene *scene)
{
    return dynamic_cast<SelectTool *>(scene->tool(selection));
}

void RectTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    if (event->button() != Qt::LeftButton) {
        DrawTool::mousePressEvent(event, scene);
        return;
    }
    scene->clearSelection();
    DrawTool::mousePressEvent(event, scene);
    GraphicsRectItem *shape = createShape(key, scene->shapeFactory());
    gesture.down += QPointF(2, 2);
    shape->setPos(event->scenePos());
    scene->addItem(shape);
    shape->setSelected(true);
    item = shape;
    gesture.selectMode = 3;
    gesture.dragHandle = Dir_RightBottom;
    // The resize pivots on the top-left handle, (1, 1).
    if (SelectTool *select = selectTool(scene))
        select->opposite = shape->oppositeHandlePosition(Dir_RightBottom);
}

void RectTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    setViewCursor(scene, Qt::CrossCursor);
    if (SelectTool *select = selectTool(scene))
        select->mouseMoveEvent(event, scene);
}

void RectTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    if (event->button() != Qt::LeftButton)
        return;
    if (SelectTool *select = selectTool(scene))
        select->mouseReleaseEvent(event, scene);
    if (item) {
        if (samePoint(event->scenePos(), gesture.down - QPointF(2, 2))) {
            qCDebug(lumoDrawing) << "RectTool removeItem:";
            item->setSelected(false);
            scene->removeItem(item);
            delete item;
        } else {
            emit scene->itemAdded(item);
        }
        item = nullptr;
    }
    scene->setMode(selection);
}
