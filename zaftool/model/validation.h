#pragma once

#include "fontimage.h"

#include <QString>

class QGraphicsItem;
class QGraphicsScene;

// Two characters of one scene that break a rule: `first` is the shape being checked,
// `second` the one it clashes with. Both null when there is none.
struct ShapePair
{
    QGraphicsItem *first = nullptr;
    QGraphicsItem *second = nullptr;

    bool isValid() const { return first != nullptr; }
};

// The first conflict of a project and the message the window shows for it.
struct FontConflict
{
    FontImage *fontImage = nullptr; // null when the project passed
    int key = -1; // the shared key; -1 for an overlap
    ShapePair shapes;
    QString title;
    QString text;

    bool isValid() const { return fontImage != nullptr; }
};

// Shapes are the items of type ShapeType; handles, the hidden rectangle and the
// background are not. Stacking order is QGraphicsScene::items(), topmost first.

// The first shape in stacking order whose key another shape shares, and the first such
// other shape. Leaves the scene untouched.
ShapePair firstKeyClash(QGraphicsScene *scene);
// The pair the all-pairs loop reports: the first shape A in stacking order that collides
// (Qt::IntersectsItemShape) with another, and the first such B. Candidates come from the
// scene's spatial index. Leaves the selection untouched.
ShapePair firstOverlap(QGraphicsScene *scene);

// False when another shape has the key of `item`; then exactly those two are selected.
// Clears the selection of a scene with two or more items when `item` is a shape.
bool checkSceneAsc(QGraphicsItem *item, QGraphicsScene *scene);
// True when two shapes overlap; then exactly the pair of firstOverlap() is selected.
// Clears the selection of a scene with two or more items.
bool checkSceneCollide(QGraphicsScene *scene);

// The key check over all font images in ascending number, with the selection effects of
// checkSceneAsc() on every scene it visits. Shows nothing.
FontConflict findKeyConflict(const FontImageList &images);
// The overlap check likewise, with the effects of checkSceneCollide().
FontConflict findOverlapConflict(const FontImageList &images);

// The message texts, translated in the context "Validation".
QString keyConflictTitle();
QString keyConflictText(int number, int key);
QString overlapConflictTitle();
QString overlapConflictText(int number);
