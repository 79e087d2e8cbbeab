#include "validation.h"

#include "character.h"

#include <algorithm>
#include <numeric>

#include <QCoreApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHash>
#include <QPainterPath>
#include <QVector>

namespace {

bool isShape(const QGraphicsItem *item)
{
    return item->type() == ShapeType;
}

int keyOf(const QGraphicsItem *item)
{
    const CharacterFields *fields = characterFields(item);
    return fields ? fields->asc : 0;
}

QVector<QGraphicsItem *> shapesOf(const QList<QGraphicsItem *> &items)
{
    QVector<QGraphicsItem *> shapes;
    for (QGraphicsItem *item : items) {
        if (isShape(item))
            shapes.append(item);
    }
    return shapes;
}

bool holds(const QRectF &outer, const QRectF &inner)
{
    return inner.left() >= outer.left() && inner.right() <= outer.right()
        && inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

// A bounding-rectangle query finds every shape this shape can collide with: the index
// skips hidden, transparent, clipped-away and untransformed items, and knows only the
// bounding rectangle, which must then hold the shape.
bool isPlain(const QGraphicsItem *item)
{
    if (!item->isVisible() || item->effectiveOpacity() < 0.01)
        return false;
    for (const QGraphicsItem *p = item; p; p = p->parentItem()) {
        if (p->flags() & QGraphicsItem::ItemIgnoresTransformations)
            return false;
        if (p != item && (p->flags() & QGraphicsItem::ItemClipsChildrenToShape))
            return false;
    }
    return holds(item->boundingRect(), item->shape().controlPointRect());
}

// Every point the shape of `item` can share with another lies strictly inside; the margin
// covers Qt's widening of empty rectangles and the path clipper's tolerance.
QRectF queryRect(const QGraphicsItem *item)
{
    const qreal margin = 0.01;
    const QRectF local = item->boundingRect() | item->shape().controlPointRect();
    return item->sceneTransform()
        .mapRect(local.adjusted(-margin, -margin, margin, margin))
        .adjusted(-margin, -margin, margin, margin);
}

// An area query builds a stale index first; doing it here keeps that out of the loop.
void buildIndex(QGraphicsScene *scene)
{
    scene->itemsBoundingRect();
    scene->items(QRectF(0, 0, 1, 1));
}

void selectPair(const ShapePair &pair)
{
    pair.first->setSelected(true);
    pair.second->setSelected(true);
}

// One visit of checkSceneAsc() per shape comes down to clearing once, then selecting.
ShapePair checkSceneKeys(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> items = scene->items();
    if (items.size() < 2 || std::none_of(items.begin(), items.end(), isShape))
        return {};
    scene->clearSelection();
    const ShapePair pair = firstKeyClash(scene);
    if (pair.isValid())
        selectPair(pair);
    return pair;
}

ShapePair collideScene(QGraphicsScene *scene)
{
    if (scene->items().size() < 2)
        return {};
    scene->clearSelection();
    const ShapePair pair = firstOverlap(scene);
    if (pair.isValid())
        selectPair(pair);
    return pair;
}

} // namespace

ShapePair firstKeyClash(QGraphicsScene *scene)
{
    const QVector<QGraphicsItem *> shapes = shapesOf(scene->items());
    QHash<int, int> counts;
    for (const QGraphicsItem *shape : shapes)
        ++counts[keyOf(shape)];
    // The first shape with a shared key is the first of its key, so its partner is the next.
    const auto first = std::find_if(shapes.begin(), shapes.end(),
        [&counts](QGraphicsItem *s) { return counts.value(keyOf(s)) > 1; });
    if (first == shapes.end())
        return {};
    const int key = keyOf(*first);
    const auto second = std::find_if(
        first + 1, shapes.end(), [key](QGraphicsItem *s) { return keyOf(s) == key; });
    return { *first, *second };
}

ShapePair firstOverlap(QGraphicsScene *scene)
{
    const QVector<QGraphicsItem *> shapes = shapesOf(scene->items());
    if (shapes.size() < 2)
        return {};
    QHash<const QGraphicsItem *, int> rank;
    rank.reserve(shapes.size());
    QVector<int> unindexed;
    for (int i = 0; i < shapes.size(); ++i) {
        rank.insert(shapes[i], i);
        if (!isPlain(shapes[i]))
            unindexed.append(i);
    }
    buildIndex(scene);

    QVector<int> candidates;
    for (int a = 0; a < shapes.size(); ++a) {
        QGraphicsItem *shapeA = shapes[a];
        candidates = unindexed;
        if (isPlain(shapeA)) {
            const QList<QGraphicsItem *> near
                = scene->items(queryRect(shapeA), Qt::IntersectsItemBoundingRect);
            for (const QGraphicsItem *item : near) {
                const auto it = rank.constFind(item);
                if (it != rank.constEnd())
                    candidates.append(*it);
            }
        } else {
            candidates.resize(shapes.size());
            std::iota(candidates.begin(), candidates.end(), 0);
        }
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
        for (int b : qAsConst(candidates)) {
            if (b != a && shapeA->collidesWithItem(shapes[b], Qt::IntersectsItemShape))
                return { shapeA, shapes[b] };
        }
    }
    return {};
}

bool checkSceneAsc(QGraphicsItem *item, QGraphicsScene *scene)
{
    if (!isShape(item))
        return true;
    QList<QGraphicsItem *> items = scene->items();
    if (items.size() < 2)
        return true;
    scene->clearSelection();
    items.removeAll(item);
    const int key = keyOf(item);
    for (QGraphicsItem *other : qAsConst(items)) {
        if (isShape(other) && keyOf(other) == key) {
            selectPair({ other, item });
            return false;
        }
    }
    return true;
}

bool checkSceneCollide(QGraphicsScene *scene)
{
    return collideScene(scene).isValid();
}

FontConflict findKeyConflict(const FontImageList &images)
{
    for (const auto &entry : images) {
        FontImage *image = entry.second.get();
        const ShapePair pair = checkSceneKeys(image->scene);
        if (!pair.isValid())
            continue;
        const int key = keyOf(pair.first);
        return { image, key, pair, keyConflictTitle(), keyConflictText(image->number, key) };
    }
    return {};
}

FontConflict findOverlapConflict(const FontImageList &images)
{
    for (const auto &entry : images) {
        FontImage *image = entry.second.get();
        const ShapePair pair = collideScene(image->scene);
        if (pair.isValid())
            return { image, -1, pair, overlapConflictTitle(), overlapConflictText(image->number) };
    }
    return {};
}

QString keyConflictTitle()
{
    return QCoreApplication::translate("Validation", "键值冲突");
}

QString keyConflictText(int number, int key)
{
    return QCoreApplication::translate("Validation", "第%1张图片 %2 键值冲突")
        .arg(QString::number(number), QString::number(key, 16));
}

QString overlapConflictTitle()
{
    return QCoreApplication::translate("Validation", "重叠冲突");
}

QString overlapConflictText(int number)
{
    return QCoreApplication::translate("Validation", "第%1张图片，重叠冲突").arg(number);
}
