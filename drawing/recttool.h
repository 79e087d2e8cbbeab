#pragma once

#include "drawtool.h"

class QGraphicsItem;

class SelectTool;

// Creates a rectangle (key 3), a rounded rectangle (4) or an ellipse (5) by dragging from
// the press position; the selection tool's resize logic sizes it.
class RectTool : public DrawTool
{
public:
    explicit RectTool(DrawShape key);

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;

    QGraphicsItem *item = nullptr; // the shape being created

private:
    static SelectTool *selectTool(DrawScene *scene);
};
