#include "glyphscene.h"

#include <QGraphicsPixmapItem>

#include "character.h"
#include "fontscene.h"

namespace {

// The items of `items` that no other item of the list contains: deleting those deletes
// the rest with them, and nothing twice.
QList<QGraphicsItem *> outermost(const QList<QGraphicsItem *> &items)
{
    QList<QGraphicsItem *> result;
    for (QGraphicsItem *item : items) {
        QGraphicsItem *ancestor = item->parentItem();
        while (ancestor && !items.contains(ancestor))
            ancestor = ancestor->parentItem();
        if (!ancestor)
            result.append(item);
    }
    return result;
}

} // namespace

Character *addCharacter(FontScene *scene, const QRect &rect)
{
    auto *item = new Character(rect, false);
    scene->addItem(item);
    item->normalizeGeometry();
    return item;
}

void reDrawRect(FontScene *scene, const QVector<QRect> &rects)
{
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        // Children (handles, members of a group) go with their parent.
        if (item == scene->background || item == scene->emptyItem() || item->parentItem())
            continue;
        delete item;
    }
    for (const QRect &rect : rects)
        addCharacter(scene, rect);
    scene->update();
}

void mergeItems(FontScene *scene)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    const QGraphicsItem *first = selected.constFirst();
    int left = int(first->x());
    int top = int(first->y());
    int right = int(first->x() + first->boundingRect().width());
    int bottom = int(first->y() + first->boundingRect().height());
    for (QGraphicsItem *item : selected) {
        left = qMin(left, int(item->x()));
        top = qMin(top, int(item->y()));
        right = qMax(right, int(item->x() + item->boundingRect().width()));
        bottom = qMax(bottom, int(item->y() + item->boundingRect().height()));
    }
    qDeleteAll(outermost(selected));
    addCharacter(scene, QRect(left, top, right - left, bottom - top));
    scene->update();
}
