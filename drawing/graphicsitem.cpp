#include "graphicsitem.h"

#include "shapefactory.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

GraphicsItem::GraphicsItem(QGraphicsItem *parent)
    : AbstractShapeType<QGraphicsItem>(parent)
{
    setFlag(ItemIsMovable, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemSendsGeometryChanges, true);
    setAcceptHoverEvents(true);
}

void GraphicsItem::setBrushColor(const QColor &colour)
{
    m_brush.setColor(colour);
    update();
}

const ShapeFactory &GraphicsItem::factory() const
{
    return ShapeFactory::plain();
}

// A cross of 12-pixel arms around the point, on whole pixels.
void paintCross(QPainter *painter, const QPointF &point, const QColor &colour)
{
    const int x = static_cast<int>(paintable(point.x()));
    const int y = static_cast<int>(paintable(point.y()));
    painter->setPen(QPen(colour));
    painter->drawLine(x - 6, y, x + 6, y);
    painter->drawLine(x, y - 6, x, y + 6);
}

QPixmap GraphicsItem::previewPixmap()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    setPen(QPen(Qt::black));
    setBrush(QBrush(Qt::white));
    QStyleOptionGraphicsItem option;
    paint(&painter, &option, nullptr);
    return pixmap;
}

QVariant GraphicsItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedChange)
        return shapeItemChange(change, value);
    if (change == ItemSelectedHasChanged)
        emit selectedChange(this);
    return QGraphicsItem::itemChange(change, value);
}

void GraphicsItem::contextMenuEvent(QGraphicsSceneContextMenuEvent *) { }

void paintSelectionOutline(
    QGraphicsItem *item, QPainter *painter, const QStyleOptionGraphicsItem *option, qreal pad)
{
    const QRectF unit = painter->transform().mapRect(QRectF(0, 0, 1, 1));
    if (qMax(unit.width(), unit.height()) <= 1e-12)
        return;
    const QRectF box = item->boundingRect();
    const QRectF onDevice = painter->transform().mapRect(box);
    if (qMin(onDevice.width(), onDevice.height()) < 1)
        return;

    const QColor text = option->palette.windowText().color();
    const QColor inverse(
        text.red() < 128 ? 255 : 0, text.green() < 128 ? 255 : 0, text.blue() < 128 ? 255 : 0);
    const QRectF outline = box.adjusted(pad, pad, -pad, -pad);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(inverse, 0, Qt::SolidLine));
    painter->drawRect(outline);
    painter->setPen(QPen(QColor(QStringLiteral("lightskyblue")), 0, Qt::SolidLine));
    painter->drawRect(outline);
}

QRect roundedAway(const QRectF &box)
{
    auto away = [](qreal value) { return static_cast<int>(std::round(paintable(value))); };
    return QRect(away(box.x()), away(box.y()), away(box.width()), away(box.height()));
}

qreal paintable(qreal value)
{
    constexpr qreal farthest = 1 << 29;
    return std::isnan(value) ? 0 : qBound(-farthest, value, farthest);
}

QPainterPath shapeFromPath(const QPainterPath &path, const QPen &pen)
{
    if (path == QPainterPath() || pen.style() == Qt::NoPen)
        return path;
    QPainterPathStroker stroker;
    stroker.setCapStyle(pen.capStyle());
    stroker.setWidth(pen.widthF() <= 0.0 ? 0.00000001 : pen.widthF());
    stroker.setJoinStyle(pen.joinStyle());
    stroker.setMiterLimit(pen.miterLimit());
    QPainterPath shape = stroker.createStroke(path);
    shape.addPath(path);
    return shape;
}
