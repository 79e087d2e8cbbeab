#include "rotationtool.h"

#include "drawinglog.h"
#include "drawscene.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QPixmap>

#include <cmath>

namespace {

const QCursor &rotateCursor()
{
    // Hot spot in the picture's centre; a missing picture leaves the cross.
    static const QCursor cursor = [] {
        const QPixmap picture(QStringLiteral(":/icons/rotate.png"));
        return picture.isNull() ? QCursor(Qt::CrossCursor) : QCursor(picture);
    }();
    return cursor;
}

// Degrees of `point` about the centre of the item's box; 3.1416 as the tools have always
// used.
double angleAbout(QGraphicsItem *item, const QPointF &point)
{
    const QPointF centre = item->mapRectToScene(item->boundingRect()).center();
    return std::atan2(point.y() - centre.y(), point.x() - centre.x()) * 180 / 3.1416;
}

} // namespace

RotationTool::RotationTool()
    : DrawTool(rotation)
{
}

void RotationTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton)
        return;
    if (!hoverHandle)
        scene->mouseEvent(event);
    QGraphicsItem *item = singleSelectedItem(scene);
    gesture.dragHandle = item ? handleAt(item, gesture.down) : Dir_None;
    if (gesture.dragHandle != Dir_None) {
        startAngle = angleAbout(item, gesture.last);
        gesture.selectMode = 4;
        outline.show(item, scene);
        setViewCursor(scene, rotateCursor());
        return;
    }
    scene->setMode(selection);
    if (DrawTool *select = scene->tool(selection))
        select->mousePressEvent(event, scene);
}

qreal RotationTool::rotationFor(QGraphicsItem *item, DrawScene *scene) const
{
    const ToolState &gesture = scene->toolState();
    qreal r = item->rotation() + int(angleAbout(item, gesture.last) - startAngle);
    if (r > 360)
        r -= 360;
    else if (r < -360)
        r += 360;
    return r;
}

void RotationTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    DrawTool::mouseMoveEvent(event, scene);
    QGraphicsItem *item = singleSelectedItem(scene);
    if (item && gesture.selectMode == 4 && gesture.dragHandle != Dir_None) {
        if (QGraphicsPathItem *preview = outline.item())
            preview->setRotation(rotationFor(item, scene));
        setViewCursor(scene, rotateCursor());
    } else if (item && handleAt(item, event->scenePos()) != Dir_None) {
        setViewCursor(scene, rotateCursor());
        hoverHandle = true;
    } else {
        setViewCursor(scene, Qt::ArrowCursor);
        hoverHandle = false;
    }
    scene->mouseEvent(event);
}

void RotationTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    ToolState &gesture = scene->toolState();
    if (event->button() != Qt::LeftButton)
        return;
    QGraphicsItem *item = singleSelectedItem(scene);
    if (item && gesture.selectMode == 4 && gesture.dragHandle != Dir_None) {
        const qreal oldAngle = item->rotation();
        item->setRotation(rotationFor(item, scene));
        emit scene->itemRotate(item, oldAngle);
        qCDebug(lumoDrawing) << "rotate:" << item->boundingRect();
    }
    setViewCursor(scene, Qt::ArrowCursor);
    gesture.selectMode = 0;
    gesture.dragHandle = Dir_None;
    hoverHandle = false;
    startAngle = 0;
    outline.clear();
    scene->mouseEvent(event);
}
