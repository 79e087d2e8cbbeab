#include "toucharea.h"

#include "fieldshapefactory.h"

#include "previewstate.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

const ShapeFactory &touchShapes()
{
    static const FieldShapeFactory<TouchArea, TouchShape> factory;
    return factory;
}

TouchFields *touchFields(QGraphicsItem *item)
{
    return dynamic_cast<TouchFields *>(item);
}

const TouchFields *touchFields(const QGraphicsItem *item)
{
    return dynamic_cast<const TouchFields *>(item);
}

void pressArea(QGraphicsItem *area, const TouchFields &fields)
{
    PreviewState *preview = PreviewState::current();
    if (!preview || !preview->previewRunning())
        return;
    if (fields.picNum != -1)
        preview->requestJump(fields.picNum);
    if (fields.pressedPage != -1)
        preview->setAnimationPressed(true);
    if (area->scene())
        area->scene()->update();
}

TouchArea::TouchArea(const QRect &rect, bool isRound, QGraphicsItem *parent)
    : TouchShape<GraphicsRectItem>(rect, isRound, parent)
{
}

void TouchArea::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const PreviewState *preview = PreviewState::current();
    if (preview && preview->animationPressed() && pressedPage >= 0) {
        // The pressed look: the same region of the animation page's picture.
        const QPixmap picture = preview->pagePicture(pressedPage);
        if (!picture.isNull()) {
            const QPointF at = scenePos();
            painter->drawPixmap(0, 0,
                picture.copy(static_cast<int>(paintable(at.x())),
                    static_cast<int>(paintable(at.y())), qRound(paintable(width())),
                    qRound(paintable(height()))));
        }
        return;
    }
    if (preview && preview->previewRunning())
        return;
    paintRect(painter);
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}
