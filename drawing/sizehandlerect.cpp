#include "sizehandlerect.h"

#include <QPainter>

SizeHandleRect::SizeHandleRect(QGraphicsItem *parent, int dir, bool isControl)
    : QGraphicsRectItem(-3, -3, 6, 6, parent)
    , m_dir(dir)
    , m_isControl(isControl)
    , m_colour(QStringLiteral("white"))
{
    setFlag(ItemIgnoresTransformations, true);
    setAcceptHoverEvents(true);
    hide();
}

void SizeHandleRect::setState(int state)
{
    if (state == m_state)
        return;
    setVisible(state != 0);
    m_colour = QColor(QStringLiteral("white"));
    m_state = state;
}

void SizeHandleRect::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    m_colour = Qt::blue;
    update();
    QGraphicsRectItem::hoverEnterEvent(event);
}

void SizeHandleRect::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    m_colour = QColor(QStringLiteral("white"));
    update();
    QGraphicsRectItem::hoverLeaveEvent(event);
}

void SizeHandleRect::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setPen(Qt::SolidLine);
    painter->setBrush(QBrush(m_colour));
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (m_isControl) {
        painter->setPen(QPen(Qt::red, 1));
        painter->setBrush(Qt::green);
        painter->drawEllipse(rect().center(), 3, 3);
    } else {
        painter->drawRect(rect());
    }
    painter->restore();
}
