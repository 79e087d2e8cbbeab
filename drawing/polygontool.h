#pragma once

#include "drawtool.h"

class GraphicsPolygonItem;

// Creates a line (key 2), bezier (6), polygon (7) or polyline (8) one point per press; a
// line ends at the release, the others at a double click.
class PolygonTool : public DrawTool
{
public:
    explicit PolygonTool(DrawShape key);

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override;

    GraphicsPolygonItem *item = nullptr; // the shape being created
    QPointF initialPos;
    int pointCount = 0;

private:
    void finish(DrawScene *scene);
};
