#pragma once

#include <QRect>
#include <QVector>

#include "drawingfwd.h"

class Character;
class FontScene;

// Adds a character with the geometry of `rect` to `scene`: key 0, rotation centre in the
// middle, position the rectangle's top-left corner.
Character *addCharacter(FontScene *scene, const QRect &rect);

// Replaces every character of `scene` by one new rectangle per entry of `rects` (key 0,
// rotation centre in the middle, position the rectangle's top-left corner). The picture
// and the scene's hidden empty item stay. Not recorded for undo.
void reDrawRect(FontScene *scene, const QVector<QRect> &rects);

// Replaces the selected items of `scene` by one rectangle around all of them, from their
// positions and bounding sizes truncated to integers. Nothing happens without a selection.
// Not recorded for undo.
void mergeItems(FontScene *scene);
