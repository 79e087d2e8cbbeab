#pragma once

#include "drawtool.h"

// Rotates the single selected item by dragging one of its handles about the centre of its
// bounding rectangle; a press elsewhere goes back to the selection tool.
class RotationTool : public DrawTool
{
public:
    RotationTool();

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;

    double startAngle = 0; // degrees, of the press about the item's centre
    DashedOutline outline; // the item at the angle it would get

private:
    // The item's angle after the drag so far, in whole degrees, folded once into
    // [-360, 360].
    qreal rotationFor(QGraphicsItem *item, DrawScene *scene) const;
};
