#include "rotatepointtool.h"

#include "drawinglog.h"
#include "drawscene.h"
#include "graphicsitem.h"

#include <QGraphicsSceneMouseEvent>

RotatePointTool::RotatePointTool()
    : DrawTool(rotationPoint)
{
}

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
    ToolState &gesture = scene->toolState();
    qCDebug(lumoDrawing) << "设置旋转点工具点击了。。。";
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton) {
        scene->setMode(selection);
        return;
    }
    if (scene->selectedItems().size() != 1)
        return;
    gesture.selectMode = 6;
    GraphicsItem *shape = selectedShapeAt(event, scene);
    if (shape) {
        shape->setRotationCentre(shape->mapFromScene(event->scenePos()));
    }
    emit scene->rotatePointChange(shape);
    scene->update();
}

void RotatePointTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mouseMoveEvent(event, scene);
    if (gesture.selectMode != 6)
        return;
    if (GraphicsItem *shape = selectedShapeAt(event, scene)) {
        shape->setRotationCentre(shape->mapFromScene(event->scenePos()));
        emit scene->rotatePointChange(shape);
    }
    scene->update();
}

void RotatePointTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    gesture.selectMode = 0;
}
