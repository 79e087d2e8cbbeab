#pragma once

#include "drawtool.h"

#include <QGraphicsScene>
#include <QPointF>

#include <memory>
#include <vector>

class QGraphicsRectItem;
class QGraphicsSceneMouseEvent;

class GraphicsItemGroup;
class ShapeFactory;

// What differs between the two editors, chosen when a scene is made.
struct SceneOptions
{
    // The editor's shapes, for the drawing tools and the item XML reader; null for the
    // framework's own. The factory must outlive the scene.
    const ShapeFactory *shapes = nullptr;
    // The tool that places a shape's rotation centre (rotationPoint).
    bool rotationPointTool = false;
    // The shapes take a press themselves (touch areas), so the selection tool selects the
    // pressed shape as Qt would.
    bool pressSelectsShape = false;
    // A double click on a shape asks for its editor (itemAttrSet).
    bool doubleClickEditsShape = false;
};

// The shapes of one picture: forwards mouse events to the current tool, nudges the
// selection with the arrow keys, aligns, groups, and reports every finished user change
// by signal for the main window to turn into undo commands.
class DrawScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit DrawScene(QObject *parent = nullptr);
    explicit DrawScene(const SceneOptions &options, QObject *parent = nullptr);
    ~DrawScene() override;

    const SceneOptions &options() const { return m_options; }
    const ShapeFactory &shapeFactory() const;

    // The tools, one of each kind in their order: selection, rectangle, rounded
    // rectangle, ellipse, line, polygon, bezier, polyline, rotation and, where chosen,
    // rotation point. Mouse events go to the current one.
    QList<DrawTool *> tools() const;
    // The tool of that kind; null when the scene has none. The first tool of a kind wins.
    DrawTool *tool(DrawShape key) const;
    // Adds a tool of the caller's making after the others; the scene owns it.
    void addTool(DrawTool *tool) { m_tools.emplace_back(tool); }
    DrawShape mode() const { return m_toolState.shape; }
    void setMode(DrawShape shape) { m_toolState.shape = shape; }
    ToolState &toolState() { return m_toolState; }
    const ToolState &toolState() const { return m_toolState; }
    // Where the pointer and dropped items are held: the picture's size.
    void setToolBounds(const QSize &bounds) { m_toolState.bounds = bounds; }

    // Aligns (0-6), distributes (7, 8) or equalises (9-11) the selected items against the
    // first selected one.
    void align(int mode);
    GraphicsItemGroup *createGroup(const QList<QGraphicsItem *> &items, bool addToScene = true);
    void destroyGroup(QGraphicsItemGroup *group);
    // Qt's own scene handling of a press, move or release, for tools that want it.
    void mouseEvent(QGraphicsSceneMouseEvent *event);

    // The hidden empty rectangle every scene carries; never drawn, never selected.
    QGraphicsRectItem *emptyItem() const { return m_emptyItem; }

    QPointF nudgeDelta; // arrow-key steps since the last key release
    bool nudged = false; // the last key press was an arrow key

signals:
    // `oldPosition` is the distance moved, not a position; null item for arrow keys.
    void itemMoved(QGraphicsItem *item, const QPointF &oldPosition);
    void itemRotate(QGraphicsItem *item, const qreal oldAngle);
    void itemAdded(QGraphicsItem *item);
    void itemResize(QGraphicsItem *item, int handle, const QPointF &scale);
    void itemControl(
        QGraphicsItem *item, int handle, const QPointF &newPos, const QPointF &lastPos_);
    void positionChange(int x, int y);
    void rotatePointChange(QGraphicsItem *item);
    void itemAttrSet();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void alignItems(int mode);
    void distributeItems(int mode);

    DrawTool *currentTool() const { return tool(m_toolState.shape); }

    SceneOptions m_options;
    ToolState m_toolState;
    std::vector<std::unique_ptr<DrawTool>> m_tools;
    QGraphicsRectItem *m_emptyItem = nullptr;
};
