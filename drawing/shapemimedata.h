#pragma once

#include <QList>
#include <QMimeData>

class QGraphicsItem;
class QUndoStack;

class DrawScene;

// Clipboard contents for shapes: live copies that belong to no scene, owned and deleted
// by this object. Nothing is serialized, so other programs see no data.
class ShapeMimeData : public QMimeData
{
    Q_OBJECT

public:
    // Stores a clone of every item; the items themselves are not touched.
    explicit ShapeMimeData(const QList<QGraphicsItem *> &items);
    ~ShapeMimeData() override;

    QList<QGraphicsItem *> items() const { return m_items; }

private:
    QList<QGraphicsItem *> m_items;
};

// Puts copies of the scene's selection on the system clipboard (an empty list when
// nothing is selected).
void copyShapes(DrawScene *scene);
// Copies the selection to the clipboard and pushes a RemoveShapeCommand that takes it out
// of the scene.
void cutShapes(DrawScene *scene, QUndoStack *stack);
// Adds clones of the clipboard's shapes at their recorded positions, selected, one
// AddShapeCommand each; does nothing unless the clipboard holds shapes.
void pasteShapes(DrawScene *scene, QUndoStack *stack);
