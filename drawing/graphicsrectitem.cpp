#include "graphicsrectitem.h"

#include "shapefactory.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace {

int wholeOrOne(qreal size)
{
    const int whole = static_cast<int>(paintable(size));
    return whole == 0 ? 1 : whole;
}

} // namespace

GraphicsRectItem::GraphicsRectItem(const QRect &rect, bool isRound, QGraphicsItem *parent)
    : GraphicsItem(parent)
    , m_isRound(isRound)
{
    m_width = rect.width();
    m_height = rect.height();
    m_localRect = QRectF(rect.left(), rect.top(), m_width, m_height);
    m_initialRect = m_localRect;
    placeHandles();
}

QString GraphicsRectItem::shapeName() const
{
    return GraphicsItem::tr("rectangle");
}

void GraphicsRectItem::makeHandles()
{
    GraphicsItem::makeHandles();
    if (m_isRound) {
        addHandle(Dir_Control, true);
        addHandle(Dir_Control + 1, true);
    }
}

void GraphicsRectItem::setRatios(double xRatio, double yRatio)
{
    prepareGeometryChange();
    m_xRatio = xRatio;
    m_yRatio = yRatio;
    placeHandles();
}

double GraphicsRectItem::radiusX() const
{
    return m_xRatio > 0 ? m_xRatio * m_width + 0.5 : 0;
}

double GraphicsRectItem::radiusY() const
{
    return m_yRatio > 0 ? m_yRatio * m_height + 0.5 : 0;
}

void GraphicsRectItem::controlTo(int dir, const QPointF &scenePos)
{
    const QPointF p = mapFromParent(scenePos);
    const QRectF box = localRect();
    if (dir == Dir_Control + 1) {
        const double x = qBound(box.center().x(), double(static_cast<int>(p.x())), box.right());
        m_xRatio = std::abs(box.right() - x) / wholeOrOne(m_width);
    } else if (dir == Dir_Control) {
        const double y = qBound(box.top(), double(static_cast<int>(p.y())), box.center().y());
        m_yRatio = std::abs(y - box.top()) / wholeOrOne(m_height);
    }
    prepareGeometryChange();
    placeHandles();
}

void GraphicsRectItem::stretchBy(int dir, double sx, double sy, const QPointF &origin)
{
    const QTransform transform = stretchTransform(dir, sx, sy, origin);
    prepareGeometryChange();
    m_originMark = origin;
    m_localRect = transform.mapRect(m_initialRect);
    m_width = m_localRect.width();
    m_height = m_localRect.height();
    boxStretched(transform);
    placeHandles();
}

void GraphicsRectItem::normalizeGeometry()
{
    if (!parentItem()) {
        const QPointF origin = mapToScene(transformOriginPoint());
        const QPointF topLeft = mapToScene(localRect().topLeft());
        const QPointF delta = origin - topLeft;
        if (isUntransformed() && std::isfinite(delta.x()) && std::isfinite(delta.y())) {
            // The two translations below cancel exactly, so only the move is left; skipping
            // them makes adding many areas several times faster.
            prepareGeometryChange();
            m_localRect = QRectF(0, 0, m_width, m_height);
            setTransformOriginPoint(0, 0);
            setPos(pos() - delta);
            m_originMark = QPointF();
            placeHandles();
            m_initialRect = localRect();
            boxCaptured();
            return;
        }
        prepareGeometryChange();
        m_localRect = QRectF(0, 0, m_width, m_height);
        setTransform(transform().translate(delta.x(), delta.y()));
        setTransformOriginPoint(0, 0);
        setPos(pos() - delta);
        setTransform(transform().translate(-delta.x(), -delta.y()));
        m_originMark = QPointF();
        placeHandles();
    }
    m_initialRect = localRect();
    boxCaptured();
}

bool GraphicsRectItem::isUntransformed() const
{
    return transform().isIdentity() && rotation() == 0 && scale() == 1
        && transformations().isEmpty();
}

void GraphicsRectItem::translateBy(const QPointF &delta)
{
    setPos(pos() + delta);
}

void GraphicsRectItem::copyRectFieldsTo(GraphicsRectItem *copy) const
{
    copyShapeTo(copy);
    copy->m_isRound = m_isRound;
    copy->m_xRatio = m_xRatio;
    copy->m_yRatio = m_yRatio;
    copy->copyToolFields(this);
}

QGraphicsItem *GraphicsRectItem::clone() const
{
    const QRectF box = localRect();
    GraphicsRectItem *copy = factory().rect(roundedAway(box), m_isRound);
    copyRectFieldsTo(copy);
    copy->normalizeGeometry();
    return copy;
}

void GraphicsRectItem::placeHandles()
{
    if (!m_handlesMade)
        return;
    const QRectF box = boundingRect();
    placeBoxHandles(box);
    if (m_isRound && m_handles.size() >= 10) {
        m_handles[8]->move(QPointF(box.x() + box.width(), box.y() + box.height() * m_yRatio));
        m_handles[9]->move(QPointF(box.x() + box.width() - box.width() * m_xRatio, box.y()));
    }
}

QRectF GraphicsRectItem::boundingRect() const
{
    return m_localRect;
}

QPainterPath GraphicsRectItem::shape() const
{
    QPainterPath path;
    if (m_isRound)
        path.addRoundedRect(localRect(), radiusX(), radiusY());
    else
        path.addRect(localRect());
    return path;
}

void GraphicsRectItem::paintRect(QPainter *painter)
{
    painter->setPen(pen());
    painter->setBrush(brush());
    const QRectF box = localRect();
    if (m_isRound)
        painter->drawRoundedRect(box, radiusX(), radiusY());
    else
        painter->drawRect(QRect(qRound(paintable(box.x())), qRound(paintable(box.y())),
            qRound(paintable(box.width())), qRound(paintable(box.height()))));
    paintCross(painter, m_originMark, Qt::blue);
    markBox(painter);
}

void GraphicsRectItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    paintRect(painter);
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}
