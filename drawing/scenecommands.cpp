#include "scenecommands.h"

#include <QGraphicsItem>
#include <QUndoStack>

#include "commands.h"
#include "drawscene.h"

void recordSceneChanges(DrawScene *scene, QUndoStack *stack, RecordedChanges which)
{
    QObject::connect(scene, &DrawScene::itemAdded, stack,
        [scene, stack](QGraphicsItem *item) { stack->push(new AddShapeCommand(item, scene)); });
    QObject::connect(scene, &DrawScene::itemMoved, stack,
        [scene, stack](QGraphicsItem *item, const QPointF &delta) {
            // Arrow keys move the whole selection and report no item.
            if (item)
                stack->push(new MoveShapeCommand(item, delta));
            else
                stack->push(new MoveShapeCommand(scene, delta));
        });
    QObject::connect(scene, &DrawScene::itemResize, stack,
        [stack](QGraphicsItem *item, int handle, const QPointF &scale) {
            stack->push(new ResizeShapeCommand(item, handle, scale));
        });
    if (which == RecordedChanges::Shapes)
        return;
    QObject::connect(
        scene, &DrawScene::itemRotate, stack, [stack](QGraphicsItem *item, qreal oldAngle) {
            // A click of the rotation tool reports a rotation that changed nothing.
            if (!qFuzzyCompare(item->rotation(), oldAngle))
                stack->push(new RotateShapeCommand(item, oldAngle));
        });
    QObject::connect(scene, &DrawScene::itemControl, stack,
        [stack](QGraphicsItem *item, int handle, const QPointF &newPos, const QPointF &lastPos) {
            stack->push(new ControlShapeCommand(item, handle, newPos, lastPos));
        });
}
