#pragma once

#include "graphicsrectitem.h"

// An ellipse or pie, with its start and end angles as two control points.
class GraphicsEllipseItem : public GraphicsRectItem
{
    Q_OBJECT

public:
    GraphicsEllipseItem(const QRect &rect, bool flag = false, QGraphicsItem *parent = nullptr);

    QString shapeName() const override;
    void controlTo(int dir, const QPointF &scenePos) override;
    QGraphicsItem *clone() const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void placeHandles() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    int startAngle() const { return m_startAngle; }
    int spanAngle() const { return m_spanAngle; }
    void setAngles(int startAngle, int spanAngle);

protected:
    void makeHandles() override;

private:
    int m_startAngle = 40;
    int m_spanAngle = 400;
};
