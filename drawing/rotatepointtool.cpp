#include "rotatepointtool.h"

#include "drawscene.h"
#include "graphicsitem.h"

#include <QDebug>
#include <QGraphicsSceneMouseEvent>

DRAWING_BEGIN_NAMESPACE

RotatePointTool::RotatePointTool() : DrawTool(rotationPoint) { }

GraphicsItem *RotatePointTool::selectedShapeAt(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    // Handles keep their screen size, so the lookup needs the view's transform.
    QTransform deviceTransform;
    if (QWidget *viewport = event->widget()) {
        if (auto *view = qobject_cast<QGraphicsView *>(viewport->parentWidget()))
            deviceTransform = view->transform();
    }
    QGraphicsItem *top = scene->itemAt(event->scenePos(), deviceTransform);
    if (!top || top->type() != ShapeType || !top->isSelected())
        return nullptr;
    return dynamic_cast<GraphicsItem *>(top);
}

void RotatePointTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    qDebug() << "设置旋转点工具点击了。。。";
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton) {
        c_drawShape = selection;
        return;
    }
    if (scene->selectedItems().size() != 1)
        return;
    selectMode = 6;
    GraphicsItem *shape = selectedShapeAt(event, scene);
    if (shape) {
        const QPointF centre = shape->mapFromScene(event->scenePos());
        shape->rc_x = centre.x();
        shape->rc_y = centre.y();
    }
    emit scene->rotatePointChange(shape);
    scene->update();
}

void RotatePointTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mouseMoveEvent(event, scene);
    if (selectMode != 6)
        return;
    if (GraphicsItem *shape = selectedShapeAt(event, scene)) {
        const QPointF centre = shape->mapFromScene(event->scenePos());
        shape->rc_x = centre.x();
        shape->rc_y = centre.y();
        emit scene->rotatePointChange(shape);
    }
    scene->update();
}

void RotatePointTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *, DrawScene *)
{
    selectMode = 0;
}

DRAWING_END_NAMESPACE
