#pragma once

#include "drawtypes.h"

#include <QCursor>
#include <QGraphicsView>
#include <QList>
#include <QPointer>
#include <QPointF>
#include <QSize>

class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsSceneMouseEvent;

class DrawScene;

// The state of the gesture in progress on one scene, shared by the scene's tools.
struct ToolState
{
    DrawShape shape = selection; // the current tool
    QPointF down; // scene position of the last press
    QPointF last; // scene position of the last move, kept inside the bounds
    int dragHandle = 0; // dir of the handle being dragged, 0 for none
    int selectMode = 0; // 0 none, 1 rubber band, 2 move, 3 resize, 4 rotate,
                        // 5 control point, 6 rotation point
    QSize bounds; // the pointer and dropped items are held inside
};

// An interactive tool: turns the scene's mouse events into edits. Each scene has one tool
// of each kind and forwards its events to the current one (ToolState::shape).
class DrawTool
{
public:
    explicit DrawTool(DrawShape key);
    virtual ~DrawTool();

    virtual void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);
    virtual void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene);

    const DrawShape key;
    bool hoverHandle = false;

protected:
    // The one selected item; null when none or several are selected.
    static QGraphicsItem *singleSelectedItem(QGraphicsScene *scene);
    // Dir of the handle of `item` under the scene point, trying the handles from the last
    // to the first; 0 when none is hit or the item is not a shape.
    static int handleAt(QGraphicsItem *item, const QPointF &scenePos);
    // The two points are the same within 1e-12 in both coordinates.
    static bool samePoint(const QPointF &a, const QPointF &b);
    static void setViewCursor(QGraphicsScene *scene, const QCursor &cursor);
    static void setViewDragMode(QGraphicsScene *scene, QGraphicsView::DragMode mode);
};

// The dashed preview of an item being moved or rotated. It lives in the item's scene; a
// scene that is destroyed first takes the preview with it.
class DashedOutline
{
public:
    DashedOutline() = default;
    DashedOutline(const DashedOutline &) = delete;
    DashedOutline &operator=(const DashedOutline &) = delete;
    ~DashedOutline();

    // Replaces any previous preview by one of `item`'s shape and placement.
    void show(QGraphicsItem *item, QGraphicsScene *scene);
    void clear();
    // The preview in its scene, or null.
    QGraphicsPathItem *item() const;

private:
    QGraphicsPathItem *m_item = nullptr;
    QPointer<QGraphicsScene> m_scene;
};
