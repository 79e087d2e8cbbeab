#pragma once

#include "abstractshapetype.h"

#include <QGraphicsItemGroup>
#include <QObject>

// A group of shapes that is moved, resized and rotated as one.
class GraphicsItemGroup : public QObject, public AbstractShapeType<QGraphicsItemGroup>
{
    Q_OBJECT
    Q_PROPERTY(QColor pen READ penColor WRITE setPenColor)
    Q_PROPERTY(QColor brush READ brushColor WRITE setBrushColor)
    Q_PROPERTY(qreal width READ width WRITE setWidth)
    Q_PROPERTY(qreal height READ height WRITE setHeight)
    Q_PROPERTY(QPointF position READ pos WRITE setPos)

public:
    enum { Type = GroupType };

    explicit GraphicsItemGroup(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    QGraphicsItem *parentAtConstruction() const { return m_parent; }

    QString shapeName() const override;
    void controlTo(int dir, const QPointF &scenePos) override;
    void stretchBy(int dir, double sx, double sy, const QPointF &origin) override;
    void normalizeGeometry() override;
    QGraphicsItem *clone() const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void placeHandles() override;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QRectF itemsRect() const { return m_itemsRect; }
    QRectF initialRect() const { return m_initialRect; }
    // The grouped shapes, handles left out.
    QList<QGraphicsItem *> members() const;

    QColor penColor() const { return m_pen.color(); }
    void setPenColor(const QColor &colour) { setPen(QPen(colour)); }
    QColor brushColor() const { return m_brush.color(); }
    void setBrushColor(const QColor &colour);

signals:
    void selectedChange(QGraphicsItem *item);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;

private:
    QGraphicsItem *m_parent;
    QRectF m_itemsRect;
    QRectF m_initialRect;
};
