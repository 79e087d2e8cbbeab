#include "graphicsellipseitem.h"

#include "shapefactory.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

} // namespace

GraphicsEllipseItem::GraphicsEllipseItem(const QRect &rect, bool flag, QGraphicsItem *parent)
    : GraphicsRectItem(rect, flag, parent)
{
    placeHandles();
}

QString GraphicsEllipseItem::shapeName() const
{
    return GraphicsItem::tr("ellipse");
}

void GraphicsEllipseItem::makeHandles()
{
    GraphicsRectItem::makeHandles();
    addHandle(Dir_Control, true);
    addHandle(Dir_Control + 1, true);
}

void GraphicsEllipseItem::setAngles(int startAngle, int spanAngle)
{
    prepareGeometryChange();
    m_startAngle = startAngle;
    m_spanAngle = spanAngle;
    placeHandles();
}

void GraphicsEllipseItem::controlTo(int dir, const QPointF &scenePos)
{
    const QPointF p = mapFromScene(scenePos);
    const QPointF centre = localRect().center();
    const int angle
        = static_cast<int>(-std::atan2(p.y() - centre.y(), p.x() - centre.x()) * 180 / pi);
    if (dir == Dir_Control)
        m_startAngle = angle;
    else if (dir == Dir_Control + 1)
        m_spanAngle = angle;
    if (m_spanAngle < m_startAngle) {
        m_startAngle -= 360;
        if (m_spanAngle < m_startAngle)
            std::swap(m_startAngle, m_spanAngle);
    }
    if (std::abs(m_spanAngle - m_startAngle) > 360) {
        m_startAngle = 40;
        m_spanAngle = 400;
    }
    prepareGeometryChange();
    placeHandles();
}

QGraphicsItem *GraphicsEllipseItem::clone() const
{
    const QRectF box = localRect();
    GraphicsEllipseItem *copy = factory().ellipse(roundedAway(box), m_isRound);
    copyRectFieldsTo(copy);
    copy->m_startAngle = m_startAngle;
    copy->m_spanAngle = m_spanAngle;
    copy->normalizeGeometry();
    return copy;
}

void GraphicsEllipseItem::placeHandles()
{
    if (!m_handlesMade)
        return;
    placeBoxHandles(boundingRect());
    if (m_handles.size() < 10)
        return;
    const QRectF box = localRect();
    const QPointF centre(box.x() + box.width() / 2, box.y() + box.height() / 2);
    auto onEllipse = [&box, &centre](int angle) {
        const double a = -angle * pi / 180;
        return QPointF(box.width() / 2 * std::cos(a) + centre.x(),
            box.height() / 2 * std::sin(a) + centre.y());
    };
    // Indexes 8 and 9 are the angle handles (a rounded ellipse keeps two more after them).
    m_handles[8]->move(onEllipse(m_startAngle));
    m_handles[9]->move(onEllipse(m_spanAngle));
}

QRectF GraphicsEllipseItem::boundingRect() const
{
    return shape().controlPointRect();
}

QPainterPath GraphicsEllipseItem::shape() const
{
    QPainterPath path;
    const QRectF box = localRect();
    if (box.width() == 0 && box.height() == 0)
        return path;
    const int low = qMin(m_startAngle, m_spanAngle);
    const int sweep = qMin(std::abs(m_spanAngle - m_startAngle), 360);
    if (sweep % 360 != 0) {
        path.moveTo(box.center());
        path.arcTo(box, low, sweep);
        path.closeSubpath();
    } else {
        path.addEllipse(box);
    }
    return path;
}

void GraphicsEllipseItem::paint(
    QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    painter->setPen(pen());
    painter->setBrush(QBrush(brush().color()));
    const int low = qMin(m_startAngle, m_spanAngle);
    const int sweep = qMin(std::abs(m_spanAngle - m_startAngle), 360);
    if (sweep % 360 != 0)
        painter->drawPie(localRect(), low * 16, sweep * 16);
    else
        painter->drawEllipse(localRect());
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}
