#pragma once

#include "drawtool.h"

class GraphicsItem;

// Places the rotation centre of the selected character where the pointer is.
class RotatePointTool : public DrawTool
{
public:
    RotatePointTool();

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;

private:
    // The topmost item under the pointer when it is a selected shape, else null.
    static GraphicsItem *selectedShapeAt(QGraphicsSceneMouseEvent *event, DrawScene *scene);
};
