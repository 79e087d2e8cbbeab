#include "graphicsitemgroup.h"

#include "shapevisit.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsItemGroup::GraphicsItemGroup(QGraphicsItem *parent)
    : AbstractShapeType<QGraphicsItemGroup>(parent)
    , m_parent(parent)
{
    setFlag(ItemIsMovable, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemSendsGeometryChanges, true);
    setAcceptHoverEvents(true);
}

QString GraphicsItemGroup::shapeName() const
{
    return tr("group");
}

void GraphicsItemGroup::setBrushColor(const QColor &colour)
{
    m_brush.setColor(colour);
    update();
}

QList<QGraphicsItem *> GraphicsItemGroup::members() const
{
    QList<QGraphicsItem *> list;
    for (QGraphicsItem *child : childItems()) {
        if (child->type() != HandleType)
            list.append(child);
    }
    return list;
}

void GraphicsItemGroup::controlTo(int dir, const QPointF &)
{
    if (dir > 7)
        placeHandles();
}

void GraphicsItemGroup::stretchBy(int dir, double sx, double sy, const QPointF &origin)
{
    const QTransform transform = stretchTransform(dir, sx, sy, origin);
    prepareGeometryChange();
    for (QGraphicsItem *member : members()) {
        const QPointF memberOrigin = member->mapFromParent(origin);
        visitShape(member, [&](auto *shape) { shape->stretchBy(dir, sx, sy, memberOrigin); });
    }
    m_itemsRect = transform.mapRect(m_initialRect);
    m_width = m_itemsRect.width();
    m_height = m_itemsRect.height();
    placeHandles();
}

void GraphicsItemGroup::normalizeGeometry()
{
    if (m_width == 0 && m_height == 0) {
        // The members' own boxes: Qt's group box would also count their handles, which
        // exist only once a member has been selected.
        prepareGeometryChange();
        QRectF box;
        for (QGraphicsItem *member : members())
            box |= member->mapRectToParent(member->boundingRect());
        m_itemsRect = box;
    }
    if (!parentItem()) {
        // Turning about the box centre, without moving: the transform origin goes to the
        // centre and the position makes up for the shift, so members stay where they are.
        const QPointF centre = m_itemsRect.center();
        const QPointF before = mapToScene(centre);
        setTransformOriginPoint(centre);
        setPos(pos() + before - mapToScene(centre));
        placeHandles();
    }
    m_width = m_itemsRect.width();
    m_height = m_itemsRect.height();
    m_initialRect = m_itemsRect;
}

QGraphicsItem *GraphicsItemGroup::clone() const
{
    auto *copy = new GraphicsItemGroup();
    for (QGraphicsItem *member : members()) {
        QGraphicsItem *memberCopy = nullptr;
        visitShape(member, [&memberCopy](auto *shape) { memberCopy = shape->clone(); });
        if (memberCopy)
            copy->addToGroup(memberCopy);
    }
    copy->m_itemsRect = m_itemsRect;
    copyShapeTo(copy);
    copy->normalizeGeometry();
    return copy;
}

void GraphicsItemGroup::placeHandles()
{
    if (m_handlesMade)
        placeBoxHandles(m_itemsRect);
}

QRectF GraphicsItemGroup::boundingRect() const
{
    return m_itemsRect;
}

void GraphicsItemGroup::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    if (option->state & QStyle::State_Selected)
        paintSelectionOutline(this, painter, option);
}

QVariant GraphicsItemGroup::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedChange) {
        const QVariant result = shapeItemChange(change, value);
        if (result.toBool())
            normalizeGeometry();
        return result;
    }
    if (change == ItemSelectedHasChanged)
        emit selectedChange(this);
    return QGraphicsItemGroup::itemChange(change, value);
}

void GraphicsItemGroup::contextMenuEvent(QGraphicsSceneContextMenuEvent *) { }
