#include "rotationtool.h"

#include "drawscene.h"

#include <QDebug>
#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QPixmap>

#include <cmath>

DRAWING_BEGIN_NAMESPACE

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

RotationTool::RotationTool() : DrawTool(rotation) { }

void RotationTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mousePressEvent(event, scene);
    if (event->button() != Qt::LeftButton)
        return;
    if (!hoverHandle)
        scene->mouseEvent(event);
    QGraphicsItem *item = singleSelectedItem(scene);
    dragHandle = item ? handleAt(item, c_down) : Dir_None;
    if (dragHandle != Dir_None) {
        startAngle = angleAbout(item, c_last);
        selectMode = 4;
        outline.show(item, scene);
        setViewCursor(scene, rotateCursor());
        return;
    }
    c_drawShape = selection;
    if (DrawTool *select = findTool(selection))
        select->mousePressEvent(event, scene);
}

qreal RotationTool::rotationFor(QGraphicsItem *item) const
{
    qreal r = item->rotation() + int(angleAbout(item, c_last) - startAngle);
    if (r > 360)
        r -= 360;
    else if (r < -360)
        r += 360;
    return r;
}

void RotationTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    DrawTool::mouseMoveEvent(event, scene);
    QGraphicsItem *item = singleSelectedItem(scene);
    if (item && selectMode == 4 && dragHandle != Dir_None) {
        if (QGraphicsPathItem *preview = outline.item())
            preview->setRotation(rotationFor(item));
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
    if (event->button() != Qt::LeftButton)
        return;
    QGraphicsItem *item = singleSelectedItem(scene);
    if (item && selectMode == 4 && dragHandle != Dir_None) {
        const qreal oldAngle = item->rotation();
        item->setRotation(rotationFor(item));
        emit scene->itemRotate(item, oldAngle);
#ifdef DRAWING_TOUCH
        qDebug() << "rotate:" << item->boundingRect();
#endif
    }
    setViewCursor(scene, Qt::ArrowCursor);
    selectMode = 0;
    dragHandle = Dir_None;
    hoverHandle = false;
    startAngle = 0;
    outline.clear();
    scene->mouseEvent(event);
}

DRAWING_END_NAMESPACE
