#include "polygontool.h"

#include "drawscene.h"
#include "graphicspolygonitem.h"
#include "shapefactory.h"

#include <QGraphicsSceneMouseEvent>

namespace {

GraphicsPolygonItem *createShape(DrawShape key, const ShapeFactory &shapes)
{
    switch (key) {
    case polygon:
        return shapes.polygon();
    case bezier:
        return shapes.bezier(true);
    case polyline:
        return shapes.bezier(false);
    default:
        return shapes.line();
    }
}

} // namespace

PolygonTool::PolygonTool(DrawShape key)
    : DrawTool(key)
{
}

void PolygonTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton)
        return;
    if (!item) {
        item = createShape(key, scene->shapeFactory());
        item->setPos(event->scenePos());
        scene->addItem(item);
        initialPos = gesture.down;
        item->appendPoint(gesture.down);
        item->setSelected(true);
        ++pointCount;
    }
    // The point that follows the pointer until the next press.
    item->appendPoint(gesture.down + QPointF(1, 0));
    ++pointCount;
    gesture.selectMode = 3;
    gesture.dragHandle = item->handleTotal();
}

void PolygonTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mouseMoveEvent(event, scene);
    setViewCursor(scene, Qt::CrossCursor);
    if (item && gesture.dragHandle != Dir_None && gesture.selectMode == 3)
        item->controlTo(gesture.dragHandle, gesture.last);
}

void PolygonTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The next press continues from where the button was let go.
    DrawTool::mousePressEvent(event, scene);
    if (key == line && item)
        finish(scene);
}

void PolygonTool::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mouseDoubleClickEvent(event, scene);
    if (item)
        finish(scene);
}

void PolygonTool::finish(DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    item->finishPoint();
    item->normalizeGeometry();
    emit scene->itemAdded(item);
    item = nullptr;
    pointCount = 0;
    gesture.selectMode = 0;
    scene->setMode(selection);
}
