#pragma once

#include "drawtypes.h"

#include <QList>
#include <QPointF>

class DrawScene;
class QGraphicsSceneMouseEvent;

// An interactive tool: turns the scene's mouse events into edits. Exactly one tool is
// current for the whole program, chosen by the current shape kind.
class DrawTool
{
public:
    // Registers the tool under `key`; the first tool registered for a key wins a lookup.
    explicit DrawTool(DrawShape key);
    virtual ~DrawTool();

    virtual void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);

    static DrawTool *findTool(DrawShape key);
    static const QList<DrawTool *> &tools();

    DrawShape key;
    bool hoverHandle = false;

    // Shared interaction state of the program.
    static DrawShape c_drawShape; // the current shape kind
    static QPointF c_down;        // scene position of the last press
    static QPointF c_last;        // scene position of the last move, kept inside the scene
    static int dragHandle;        // dir of the handle being dragged, 0 for none
    static int selectMode;        // 0 none, 1 rubber band, 2 move, 3 resize, 4 rotate,
                                  // 5 control point, 6 rotation point
    static int sceneWidth;        // bounds for c_last and for moves, from the shown scene
    static int sceneHeight;
};
