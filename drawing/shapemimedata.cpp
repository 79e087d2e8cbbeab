#include "shapemimedata.h"

#include <QApplication>
#include <QClipboard>
#include <QUndoStack>

#include "commands.h"
#include "drawscene.h"
#include "shapevisit.h"

namespace {

QGraphicsItem *cloneOf(QGraphicsItem *item)
{
    QGraphicsItem *copy = nullptr;
    visitShape(item, [&copy](auto *shape) { copy = shape->clone(); });
    return copy;
}

QList<QGraphicsItem *> clonesOf(const QList<QGraphicsItem *> &items)
{
    QList<QGraphicsItem *> copies;
    for (QGraphicsItem *item : items) {
        if (QGraphicsItem *copy = cloneOf(item))
            copies.append(copy);
    }
    return copies;
}

} // namespace

ShapeMimeData::ShapeMimeData(const QList<QGraphicsItem *> &items)
    : m_items(clonesOf(items))
{
}

ShapeMimeData::~ShapeMimeData()
{
    qDeleteAll(m_items);
}

void copyShapes(DrawScene *scene)
{
    QApplication::clipboard()->setMimeData(new ShapeMimeData(scene->selectedItems()));
}

// The copies are made before the removal, while the selection still exists.
void cutShapes(DrawScene *scene, QUndoStack *stack)
{
    const QList<QGraphicsItem *> copies = clonesOf(scene->selectedItems());
    stack->push(new RemoveShapeCommand(scene));
    if (!copies.isEmpty())
        QApplication::clipboard()->setMimeData(new ShapeMimeData(copies));
    qDeleteAll(copies);
}

void pasteShapes(DrawScene *scene, QUndoStack *stack)
{
    const auto *data = qobject_cast<const ShapeMimeData *>(QApplication::clipboard()->mimeData());
    if (!data)
        return;
    scene->clearSelection();
    for (QGraphicsItem *item : data->items()) {
        QGraphicsItem *copy = cloneOf(item);
        if (!copy)
            continue;
        copy->setSelected(true);
        stack->push(new AddShapeCommand(copy, scene));
    }
}
