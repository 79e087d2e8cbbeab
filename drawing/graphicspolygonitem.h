#pragma once

#include "graphicsitem.h"

#include <QPolygonF>

// A closed polygon; the base of the bezier, polyline and line shapes.
class GraphicsPolygonItem : public GraphicsItem
{
    Q_OBJECT

public:
    explicit GraphicsPolygonItem(QGraphicsItem *parent = nullptr);

    QString shapeName() const override;
    void controlTo(int dir, const QPointF &scenePos) override;
    void stretchBy(int dir, double sx, double sy, const QPointF &origin) override;
    void normalizeGeometry() override;
    QGraphicsItem *clone() const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void placeHandles() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Appends the scene point as a new vertex with its handle (dir 8 + point count).
    virtual void appendPoint(const QPointF &scenePos);
    // Ends drawing: drops a last point that repeats the one before it (or lies one unit to
    // its right) with its handle, then captures the points.
    void finishPoint();

    QPolygonF points() const { return m_points; }
    QPolygonF initialPoints() const { return m_initialPoints; }
    // Replaces the vertices (item coordinates), e.g. when a shape is read back.
    void setPoints(const QPolygonF &points);

protected:
    void makeHandles() override;
    virtual bool vertexHandleIsControl(int index) const;
    // The path without the pen's stroke.
    virtual QPainterPath outlinePath() const;
    void updateRectFromPoints();
    void copyPolygonTo(GraphicsPolygonItem *copy) const;

    QPolygonF m_points;
    QPolygonF m_initialPoints;
};

// A bezier curve (cubic segments) or, with isBezier false, an open polyline.
class GraphicsBezier : public GraphicsPolygonItem
{
    Q_OBJECT

public:
    explicit GraphicsBezier(bool isBezier = true, QGraphicsItem *parent = nullptr);

    QString shapeName() const override;
    QGraphicsItem *clone() const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    bool isBezier() const { return m_isBezier; }

protected:
    QPainterPath outlinePath() const override;

private:
    bool m_isBezier;
};

// A straight line between its first two points; its handles are its vertices only.
class GraphicsLineItem : public GraphicsPolygonItem
{
    Q_OBJECT

public:
    explicit GraphicsLineItem(QGraphicsItem *parent = nullptr);

    QString shapeName() const override;
    QGraphicsItem *clone() const override;
    int handleTotal() const override;
    QPointF oppositeHandlePosition(int dir) const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void placeHandles() override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void makeHandles() override;
    bool vertexHandleIsControl(int index) const override;
    QPainterPath outlinePath() const override;
};
