#include "graphicspolygonitem.h"

#include "shapefactory.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsPolygonItem::GraphicsPolygonItem(QGraphicsItem *parent)
    : GraphicsItem(parent)
{
    m_pen = QPen(Qt::black);
    m_pen.setStyle(Qt::SolidLine);
}

QString GraphicsPolygonItem::shapeName() const
{
    return GraphicsItem::tr("polygon");
}

void GraphicsPolygonItem::makeHandles()
{
    GraphicsItem::makeHandles();
    for (int i = 0; i < m_points.size(); ++i)
        addHandle(Dir_LeftTop + Dir_Left + i, vertexHandleIsControl(i));
}

bool GraphicsPolygonItem::vertexHandleIsControl(int) const
{
    return true;
}

void GraphicsPolygonItem::appendPoint(const QPointF &scenePos)
{
    handles(); // the new vertex handle joins the existing ones
    m_points.append(mapFromScene(scenePos));
    SizeHandleRect *handle
        = addHandle(Dir_Left + m_points.size(), vertexHandleIsControl(m_points.size() - 1));
    handle->setState(2);
    updateRectFromPoints();
    placeHandles();
}

void GraphicsPolygonItem::finishPoint()
{
    const int count = m_points.size();
    if (count > 2) {
        const QPointF last = m_points.at(count - 1);
        const QPointF before = m_points.at(count - 2);
        if (last == before || last == before + QPointF(1, 0)) {
            prepareGeometryChange();
            m_points.removeLast();
            if (m_handlesMade && !m_handles.isEmpty()) {
                delete m_handles.takeLast();
            }
            updateRectFromPoints();
            placeHandles();
        }
    }
    m_initialPoints = m_points;
}

void GraphicsPolygonItem::setPoints(const QPolygonF &points)
{
    prepareGeometryChange();
    m_points = points;
    m_initialPoints = points;
    if (m_handlesMade) {
        qDeleteAll(m_handles);
        m_handles.clear();
        makeHandles();
        if (isSelected())
            setHandleStates(2);
    }
    updateRectFromPoints();
    placeHandles();
}

void GraphicsPolygonItem::updateRectFromPoints()
{
    prepareGeometryChange();
    m_localRect = m_points.boundingRect();
    m_width = m_localRect.width();
    m_height = m_localRect.height();
}

void GraphicsPolygonItem::controlTo(int dir, const QPointF &scenePos)
{
    const int index = dir - Dir_Control;
    if (dir <= Dir_Left || index >= m_points.size())
        return;
    m_points[index] = mapFromScene(scenePos);
    updateRectFromPoints();
    m_initialPoints = m_points;
    placeHandles();
}

void GraphicsPolygonItem::stretchBy(int dir, double sx, double sy, const QPointF &origin)
{
    const QTransform transform = stretchTransform(dir, sx, sy, origin);
    prepareGeometryChange();
    m_points = transform.map(m_initialPoints);
    updateRectFromPoints();
    placeHandles();
}

void GraphicsPolygonItem::normalizeGeometry()
{
    if (!parentItem()) {
        const QPointF origin = mapToScene(transformOriginPoint());
        const QPointF centre = mapToScene(boundingRect().center());
        const QPointF delta = origin - centre;
        prepareGeometryChange();
        for (QPointF &point : m_points)
            point = mapFromScene(mapToScene(point) + delta);
        updateRectFromPoints();
        setTransform(transform().translate(delta.x(), delta.y()));
        setPos(pos() - delta);
        setTransform(transform().translate(-delta.x(), -delta.y()));
        placeHandles();
    }
    m_initialPoints = m_points;
}

void GraphicsPolygonItem::copyPolygonTo(GraphicsPolygonItem *copy) const
{
    copy->setPoints(m_points);
    copyShapeTo(copy);
}

QGraphicsItem *GraphicsPolygonItem::clone() const
{
    GraphicsPolygonItem *copy = factory().polygon();
    copyPolygonTo(copy);
    copy->normalizeGeometry();
    return copy;
}

void GraphicsPolygonItem::placeHandles()
{
    if (!m_handlesMade)
        return;
    placeBoxHandles(boundingRect());
    for (int i = 0; i < m_points.size() && i + 8 < m_handles.size(); ++i)
        m_handles[i + 8]->move(m_points.at(i));
}

QPainterPath GraphicsPolygonItem::outlinePath() const
{
    QPainterPath path;
    path.addPolygon(m_points);
    path.closeSubpath();
    return path;
}

QPainterPath GraphicsPolygonItem::shape() const
{
    return shapeFromPath(outlinePath(), pen());
}

QRectF GraphicsPolygonItem::boundingRect() const
{
    return shape().controlPointRect();
}

void GraphicsPolygonItem::paint(
    QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const QRectF box = boundingRect();
    const QColor colour = brush().color();
    QLinearGradient gradient(box.topLeft(), box.topRight());
    gradient.setColorAt(0, colour.darker(150));
    gradient.setColorAt(0.5, colour.lighter(200));
    gradient.setColorAt(1, colour.darker(150));
    painter->setPen(pen());
    painter->setBrush(gradient);
    painter->drawPolygon(m_points, Qt::OddEvenFill);
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}

GraphicsBezier::GraphicsBezier(bool isBezier, QGraphicsItem *parent)
    : GraphicsPolygonItem(parent)
    , m_isBezier(isBezier)
{
    m_brush = QBrush(Qt::NoBrush);
}

QString GraphicsBezier::shapeName() const
{
    return GraphicsItem::tr("bezier");
}

QGraphicsItem *GraphicsBezier::clone() const
{
    GraphicsBezier *copy = factory().bezier(m_isBezier);
    copyPolygonTo(copy);
    copy->normalizeGeometry();
    return copy;
}

QPainterPath GraphicsBezier::outlinePath() const
{
    QPainterPath path;
    if (m_points.isEmpty())
        return path;
    path.moveTo(m_points.at(0));
    int i = 1;
    while (m_isBezier && i + 2 < m_points.size()) {
        path.cubicTo(m_points.at(i), m_points.at(i + 1), m_points.at(i + 2));
        i += 3;
    }
    for (; i < m_points.size(); ++i)
        path.lineTo(m_points.at(i));
    return path;
}

void GraphicsBezier::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    painter->setPen(pen());
    painter->setBrush(brush());
    painter->drawPath(outlinePath());
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(Qt::lightGray, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawPolyline(m_points);
        paintSelectionOutline(this, painter, option);
    }
}

GraphicsLineItem::GraphicsLineItem(QGraphicsItem *parent)
    : GraphicsPolygonItem(parent)
{
    m_pen = QPen(Qt::black);
}

QString GraphicsLineItem::shapeName() const
{
    return GraphicsItem::tr("line");
}

void GraphicsLineItem::makeHandles()
{
    // A line has no box: one handle per point.
    for (int i = 0; i < m_points.size(); ++i)
        addHandle(Dir_Control + i, vertexHandleIsControl(i));
}

bool GraphicsLineItem::vertexHandleIsControl(int index) const
{
    return index > 0;
}

QGraphicsItem *GraphicsLineItem::clone() const
{
    GraphicsLineItem *copy = factory().line();
    copyPolygonTo(copy);
    copy->normalizeGeometry();
    return copy;
}

int GraphicsLineItem::handleTotal() const
{
    return handles().size() + 8;
}

QPointF GraphicsLineItem::oppositeHandlePosition(int dir) const
{
    const QVector<SizeHandleRect *> &list = handles();
    switch (dir) {
    case Dir_LeftTop:
    case Dir_Top:
    case Dir_RightTop:
    case Dir_Right:
    case Dir_Left:
        return list.size() > 1 ? list.at(1)->pos() : QPointF();
    case Dir_RightBottom:
    case Dir_Bottom:
    case Dir_LeftBottom:
        return list.isEmpty() ? QPointF() : list.at(0)->pos();
    default:
        return QPointF();
    }
}

void GraphicsLineItem::placeHandles()
{
    if (!m_handlesMade)
        return;
    for (int i = 0; i < m_points.size() && i < m_handles.size(); ++i)
        m_handles[i]->move(m_points.at(i));
}

QPainterPath GraphicsLineItem::outlinePath() const
{
    QPainterPath path;
    if (m_points.size() >= 2) {
        path.moveTo(m_points.at(0));
        path.lineTo(m_points.at(1));
    }
    return path;
}

void GraphicsLineItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    painter->setPen(pen());
    if (m_points.size() >= 2)
        painter->drawLine(m_points.at(0), m_points.at(1));
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}
