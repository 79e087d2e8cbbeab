#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QPointer>
#include <QUndoCommand>

class QGraphicsItem;
class QGraphicsItemGroup;
class QGraphicsScene;

// Undo commands for the shapes of a scene. Most are pushed after the change happened
// interactively, so their first redo() only sets the text.
//
// Ownership: the scene owns its items; a command deletes an item only when, at the
// command's destruction, the item still exists and belongs to no scene (nobody else can
// own it then). Items the scene deleted are recognised and left alone.

// Records an item that was added to the scene (or is added by the first redo, for paste).
class AddShapeCommand : public QUndoCommand
{
public:
    AddShapeCommand(QGraphicsItem *item, QGraphicsScene *scene, QUndoCommand *parent = nullptr);
    ~AddShapeCommand() override;

    void undo() override;
    void redo() override;

    QGraphicsItem *item() const { return m_item; }
    QPointF initialPosition() const { return m_initialPosition; }
    // Shapes recorded by add commands since the program started.
    static int createdShapes();

private:
    QString description() const;

    QGraphicsItem *m_item;
    QPointer<QObject> m_guard;
    QGraphicsScene *m_scene;
    QPointF m_initialPosition;
};

// Takes the scene's selected items out of the scene (the first redo does it).
class RemoveShapeCommand : public QUndoCommand
{
public:
    explicit RemoveShapeCommand(QGraphicsScene *scene, QUndoCommand *parent = nullptr);
    ~RemoveShapeCommand() override;

    void undo() override;
    void redo() override;

    QList<QGraphicsItem *> items() const { return m_items; }

private:
    QGraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
    QList<QPointer<QObject>> m_guards;
};

// A move by `delta` that already happened: of one item, or of the scene's selection.
class MoveShapeCommand : public QUndoCommand
{
public:
    MoveShapeCommand(QGraphicsScene *scene, const QPointF &delta, QUndoCommand *parent = nullptr);
    MoveShapeCommand(QGraphicsItem *item, const QPointF &delta, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

    QList<QGraphicsItem *> items() const { return m_items; }
    QPointF delta() const { return m_delta; }

private:
    QGraphicsItem *m_item = nullptr;
    QGraphicsScene *m_scene = nullptr;
    QList<QGraphicsItem *> m_items;
    QPointF m_delta;
    bool m_moved = true;
};

// A resize by total factors from `handle` that already happened. Steps of one drag merge.
class ResizeShapeCommand : public QUndoCommand
{
public:
    enum { Id = 1234 };

    ResizeShapeCommand(
        QGraphicsItem *item, int handle, const QPointF &scale, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;

    int handle() const { return m_handle; }
    int flippedHandle() const { return m_flippedHandle; }
    QPointF scale() const { return m_scale; }

private:
    QGraphicsItem *m_item;
    int m_handle;
    int m_flippedHandle = 0;
    QPointF m_scale;
    QPolygonF m_base; // the geometry the drag stretches from
    bool m_resized = true;
};

// A control point (dir 9 and up) dragged from `lastPos` to `newPos`, scene coordinates.
class ControlShapeCommand : public QUndoCommand
{
public:
    enum { Id = 1235 };

    ControlShapeCommand(QGraphicsItem *item, int handle, const QPointF &newPos,
        const QPointF &lastPos, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    QGraphicsItem *m_item;
    int m_handle;
    QPointF m_lastPos;
    QPointF m_newPos;
    bool m_controlled = true;
};

// A rotation from `oldAngle` to the item's rotation at construction, in degrees.
class RotateShapeCommand : public QUndoCommand
{
public:
    RotateShapeCommand(QGraphicsItem *item, qreal oldAngle, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    QGraphicsItem *m_item;
    qreal m_oldAngle;
    qreal m_newAngle;
};

// A group the caller has already built (e.g. with DrawScene::createGroup).
// Deletes the group at destruction when it is undone (out of the scene, members released).
class GroupShapeCommand : public QUndoCommand
{
public:
    GroupShapeCommand(
        QGraphicsItemGroup *group, QGraphicsScene *scene, QUndoCommand *parent = nullptr);
    ~GroupShapeCommand() override;

    void undo() override;
    void redo() override;

private:
    QGraphicsItemGroup *m_group;
    QPointer<QObject> m_guard;
    QGraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
    bool m_undone = false;
};

// Dissolves a group; created before the group is dissolved, the first redo dissolves it.
// Deletes the group at destruction when it is done (out of the scene, members released).
class UnGroupShapeCommand : public QUndoCommand
{
public:
    UnGroupShapeCommand(
        QGraphicsItemGroup *group, QGraphicsScene *scene, QUndoCommand *parent = nullptr);
    ~UnGroupShapeCommand() override;

    void undo() override;
    void redo() override;

private:
    QGraphicsItemGroup *m_group;
    QPointer<QObject> m_guard;
    QGraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
};

// The handle that stands where `handle` was once a drag turned the box inside out
// (a negative factor mirrors it); 0 when the mirroring leaves the handle unchanged.
int mirroredHandle(int handle, qreal sx, qreal sy);
