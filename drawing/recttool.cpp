#include "recttool.h"

#include "drawscene.h"
#include "graphicsellipseitem.h"
#include "graphicsrectitem.h"
#include "selecttool.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>

DRAWING_BEGIN_NAMESPACE

namespace {

GraphicsRectItem *createShape(DrawShape key)
{
    // A 1 x 1 box at (1, 1): its top-left handle stays put while the pointer sizes it.
    const QRect seed(1, 1, 1, 1);
    if (key == ellipse)
        return new GraphicsEllipseItem(seed);
    return new GraphicsRectItem(seed, key == roundrect);
}

} // namespace

RectTool::RectTool(DrawShape key) : DrawTool(key) { }

SelectTool *RectTool::selectTool()
{
    return dynamic_cast<SelectTool *>(findTool(selection));
}

void RectTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    if (event->button() != Qt::LeftButton) {
        DrawTool::mousePressEvent(event, scene);
        return;
    }
    scene->clearSelection();
    DrawTool::mousePressEvent(event, scene);
    GraphicsRectItem *shape = createShape(key);
    c_down += QPointF(2, 2);
    shape->setPos(event->scenePos());
    scene->addItem(shape);
    shape->setSelected(true);
    item = shape;
    selectMode = 3;
    dragHandle = Dir_RightBottom;
    // The resize pivots on the top-left handle, (1, 1).
    if (SelectTool *select = selectTool())
        select->opposite = shape->oppositeHandlePosition(Dir_RightBottom);
}

void RectTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    setViewCursor(scene, Qt::CrossCursor);
    if (SelectTool *select = selectTool())
        select->mouseMoveEvent(event, scene);
}

void RectTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (SelectTool *select = selectTool())
        select->mouseReleaseEvent(event, scene);
    if (item) {
        if (samePoint(event->scenePos(), c_down - QPointF(2, 2))) {
#ifdef DRAWING_TOUCH
            qDebug() << "RectTool removeItem:";
#endif
            item->setSelected(false);
            scene->removeItem(item);
            delete item;
        } else {
            emit scene->itemAdded(item);
        }
        item = nullptr;
    }
    c_drawShape = selection;
}

DRAWING_END_NAMESPACE
