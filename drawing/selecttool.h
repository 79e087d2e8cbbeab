#pragma once

#include "drawtool.h"

// Selects, moves, resizes and edits the control points of shapes; the tool every other
// tool returns to.
class SelectTool : public DrawTool
{
public:
    SelectTool();

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;

    QPointF startPos; // position of the single selected item at the press
    QPointF opposite; // resize origin, item coordinates
    DashedOutline outline; // where a single dragged item would land

private:
    void resize(QGraphicsItem *item, DrawScene *scene);
    void hover(QGraphicsItem *item, const QPointF &scenePos, DrawScene *scene);
    void drop(QGraphicsItem *item, DrawScene *scene);
};
