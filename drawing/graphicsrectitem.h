#pragma once

#include "graphicsitem.h"

class QXmlStreamAttributes;

// A rectangle, plain or rounded; the editors derive their characters and touch areas
// from it.
class GraphicsRectItem : public GraphicsItem
{
    Q_OBJECT

public:
    // Size from the integer corners (right - left + 1).
    GraphicsRectItem(const QRect &rect, bool isRound, QGraphicsItem *parent = nullptr);

    QString shapeName() const override;
    void controlTo(int dir, const QPointF &scenePos) override;
    void stretchBy(int dir, double sx, double sy, const QPointF &origin) override;
    void normalizeGeometry() override;
    void translateBy(const QPointF &delta) override;
    QGraphicsItem *clone() const override;
    bool readXml(QXmlStreamReader *xml) override;
    bool writeXml(QXmlStreamWriter *xml) override;
    void placeHandles() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    bool isRound() const { return m_isRound; }
    double xRatio() const { return m_xRatio; }
    double yRatio() const { return m_yRatio; }
    void setRatios(double xRatio, double yRatio);
    QRectF initialRect() const { return m_initialRect; }
    QPointF originMark() const { return m_originMark; }

protected:
    void makeHandles() override;
    // The corner radii of a rounded rectangle, absolute; 0 for a ratio that is not positive.
    double radiusX() const;
    double radiusY() const;
    void copyRectFieldsTo(GraphicsRectItem *copy) const;
    // Reads the common attributes and the size, ends the element and re-anchors the box.
    bool readBox(const QXmlStreamAttributes &attributes, QXmlStreamReader *xml);
    // The box, its origin mark and what a kind adds (markBox), without the selection.
    void paintRect(QPainter *painter);
    // Drawn over the box, under the selection outline.
    virtual void markBox(QPainter *painter) { Q_UNUSED(painter) }

    bool m_isRound;
    double m_yRatio = 1 / 3.0;
    double m_xRatio = 0.1;
    QRectF m_initialRect;
    QPointF m_originMark;

private:
    // No transform, rotation or scale: scene and parent coordinates differ by pos() only.
    bool isUntransformed() const;
};
