#include "polygontool.h"

#include "drawscene.h"
#include "graphicspolygonitem.h"

#include <QGraphicsSceneMouseEvent>

DRAWING_BEGIN_NAMESPACE

namespace {

GraphicsPolygonItem *createShape(DrawShape key)
{
    switch (key) {
    case polygon: return new GraphicsPolygonItem();
    case bezier: return new GraphicsBezier(true);
    case polyline: return new GraphicsBezier(false);
    default: return new GraphicsLineItem();
    }
}

} // namespace

PolygonTool::PolygonTool(DrawShape key) : DrawTool(key) { }

void PolygonTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton)
        return;
    if (!item) {
        item = createShape(key);
        item->setPos(event->scenePos());
        scene->addItem(item);
        initialPos = c_down;
        item->appendPoint(c_down);
        item->setSelected(true);
        ++pointCount;
    }
    // The point that follows the pointer until the next press.
    item->appendPoint(c_down + QPointF(1, 0));
    ++pointCount;
    selectMode = 3;
    dragHandle = item->handleTotal();
}

void PolygonTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mouseMoveEvent(event, scene);
    setViewCursor(scene, Qt::CrossCursor);
    if (item && dragHandle != Dir_None && selectMode == 3)
        item->controlTo(dragHandle, c_last);
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
    item->finishPoint();
    item->normalizeGeometry();
    emit scene->itemAdded(item);
    item = nullptr;
    pointCount = 0;
    selectMode = 0;
    c_drawShape = selection;
}

DRAWING_END_NAMESPACE
