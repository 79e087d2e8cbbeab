#pragma once

#include <QColor>
#include <QGraphicsRectItem>

// A 6 x 6 handle square (or control point) on a shape; keeps its screen size at any zoom.
class SizeHandleRect : public QGraphicsRectItem
{
public:
    SizeHandleRect(QGraphicsItem *parent, int dir, bool isControl = false);

    int dir() const { return m_dir; }
    bool isControl() const { return m_isControl; }
    int state() const { return m_state; }
    QColor colour() const { return m_colour; }

    // 0 hides the handle, 1 and 2 show it; the colour goes back to white.
    void setState(int state);
    // Moves the handle's centre to `point` in the shape's coordinates.
    void move(const QPointF &point) { setPos(point); }

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    int m_dir;
    bool m_isControl;
    int m_state = 0;
    QColor m_colour;
};
