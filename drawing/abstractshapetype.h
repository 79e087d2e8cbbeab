#pragma once

#include "drawtypes.h"
#include "sizehandlerect.h"

#include <QBrush>
#include <QGraphicsItem>
#include <QPen>
#include <QTransform>
#include <QVector>

class QXmlStreamReader;
class QXmlStreamWriter;

// The data and virtual operations every shape shares, on top of a Qt item class
// (QGraphicsItem for shapes, QGraphicsItemGroup for groups).
//
// Handles are made on first use, not at construction: a shape with its handles costs
// about nine times the memory of one without, and a project may hold a quarter of a
// million characters of which only the selected ones ever show handles.
// Stretching about `origin` by total factors; edge handles scale one axis only.
inline QTransform stretchTransform(int dir, double sx, double sy, const QPointF &origin)
{
    if (dir == Dir_Top || dir == Dir_Bottom)
        sx = 1;
    if (dir == Dir_Right || dir == Dir_Left)
        sy = 1;
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(sx, sy);
    transform.translate(-origin.x(), -origin.y());
    return transform;
}

template <typename BaseType> class AbstractShapeType : public BaseType
{
public:
    explicit AbstractShapeType(QGraphicsItem *parent = nullptr)
        : BaseType(parent)
    {
        m_pen.setStyle(Qt::SolidLine);
        m_pen.setWidth(1);
        m_brush = QBrush(QColor(12, 12, 111, 100));
    }
    ~AbstractShapeType() override = default;

    virtual QString shapeName() const { return QStringLiteral("AbstractType"); }
    virtual void controlTo(int dir, const QPointF &scenePos)
    {
        Q_UNUSED(dir)
        Q_UNUSED(scenePos)
    }
    // Scales the geometry captured by the last normalizeGeometry() by total factors.
    virtual void stretchBy(int dir, double sx, double sy, const QPointF &origin)
    {
        Q_UNUSED(dir)
        Q_UNUSED(sx)
        Q_UNUSED(sy)
        Q_UNUSED(origin)
    }
    virtual QRectF localRect() const { return m_localRect; }
    // Moves the item's origin while keeping its scene geometry; ends a resize.
    virtual void normalizeGeometry() { }
    virtual void translateBy(const QPointF &delta) { Q_UNUSED(delta) }
    // A new item of the same kind (the caller owns it), or null.
    virtual QGraphicsItem *clone() const { return nullptr; }
    virtual int handleTotal() const { return handles().size(); }
    virtual bool readXml(QXmlStreamReader *xml) = 0;
    virtual bool writeXml(QXmlStreamWriter *xml) = 0;

    // Position of the last handle with this dir, in item coordinates; (0, 0) if none.
    virtual QPointF handlePosition(int dir) const
    {
        const QVector<SizeHandleRect *> &list = handles();
        for (int i = list.size() - 1; i >= 0; --i) {
            if (list.at(i)->dir() == dir)
                return list.at(i)->pos();
        }
        return QPointF();
    }
    virtual QPointF oppositeHandlePosition(int dir) const
    {
        if (dir < Dir_LeftTop || dir > Dir_Left)
            return QPointF();
        return handlePosition(oppositeDir(dir));
    }
    // Puts the handles at their places on the current geometry.
    virtual void placeHandles() { }

    // The handles in index order (box handles 1..8 first, then control points).
    const QVector<SizeHandleRect *> &handles() const
    {
        if (!m_handlesMade) {
            auto *self = const_cast<AbstractShapeType *>(this);
            self->m_handlesMade = true;
            self->makeHandles();
            self->placeHandles();
            if (self->isSelected())
                self->setHandleStates(2);
        }
        return m_handles;
    }
    bool handlesMade() const { return m_handlesMade; }

    QPen pen() const { return m_pen; }
    void setPen(const QPen &pen)
    {
        m_pen = pen;
        this->update();
    }
    QBrush brush() const { return m_brush; }
    void setBrush(const QBrush &brush)
    {
        m_brush = brush;
        this->update();
    }
    qreal width() const { return m_width; }
    qreal height() const { return m_height; }
    void setWidth(qreal width)
    {
        m_width = width;
        normalizeGeometry();
    }
    void setHeight(qreal height)
    {
        m_height = height;
        normalizeGeometry();
    }

protected:
    // Creates the handle objects of this kind; the default is the eight box handles.
    virtual void makeHandles()
    {
        for (int dir = Dir_LeftTop; dir <= Dir_Left; ++dir)
            addHandle(dir, false);
    }
    SizeHandleRect *addHandle(int dir, bool isControl)
    {
        auto *handle = new SizeHandleRect(this, dir, isControl);
        m_handles.append(handle);
        return handle;
    }
    // What every clone takes over: size, placement, pen, brush, transform; z raised by 0.1.
    void copyShapeTo(AbstractShapeType *copy) const
    {
        copy->m_width = m_width;
        copy->m_height = m_height;
        copy->setPos(this->pos());
        copy->setPen(m_pen);
        copy->setBrush(m_brush);
        copy->setTransform(this->transform());
        copy->setTransformOriginPoint(this->transformOriginPoint());
        copy->setRotation(this->rotation());
        copy->setScale(this->scale());
        copy->setZValue(this->zValue() + 0.1);
    }
    void setHandleStates(int state)
    {
        for (SizeHandleRect *handle : qAsConst(m_handles))
            handle->setState(state);
    }
    // Box handles 1..8 at the corners and edge midpoints of `box`.
    void placeBoxHandles(const QRectF &box)
    {
        const qreal x = box.x(), y = box.y(), w = box.width(), h = box.height();
        for (SizeHandleRect *handle : qAsConst(m_handles)) {
            switch (handle->dir()) {
            case Dir_LeftTop:
                handle->move(QPointF(x, y));
                break;
            case Dir_Top:
                handle->move(QPointF(x + w / 2, y));
                break;
            case Dir_RightTop:
                handle->move(QPointF(x + w, y));
                break;
            case Dir_Right:
                handle->move(QPointF(x + w, y + h / 2));
                break;
            case Dir_RightBottom:
                handle->move(QPointF(x + w, y + h));
                break;
            case Dir_Bottom:
                handle->move(QPointF(x + w / 2, y + h));
                break;
            case Dir_LeftBottom:
                handle->move(QPointF(x, y + h));
                break;
            case Dir_Left:
                handle->move(QPointF(x, y + h / 2));
                break;
            default:
                break;
            }
        }
    }
    // Selection: handles follow, and members of a group refuse to be selected alone.
    QVariant shapeItemChange(QGraphicsItem::GraphicsItemChange change, const QVariant &value)
    {
        if (change == QGraphicsItem::ItemSelectedChange) {
            if (dynamic_cast<QGraphicsItemGroup *>(this->parentItem()))
                return false;
            const bool selected = value.toBool();
            if (selected)
                handles();
            setHandleStates(selected ? 2 : 0);
        }
        return value;
    }

    QVector<SizeHandleRect *> m_handles;
    bool m_handlesMade = false;
    QPen m_pen;
    QBrush m_brush;
    QRectF m_localRect;
    qreal m_width = 0;
    qreal m_height = 0;
};
