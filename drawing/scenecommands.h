#pragma once

#include "drawingnamespace.h"

class QUndoStack;

DRAWING_BEGIN_NAMESPACE

class DrawScene;

// Turns the scene's reports of finished user changes (added, moved and resized shapes;
// in the icon-font tool also rotations and control points) into undo commands on `stack`,
// for as long as both live.
void recordSceneChanges(DrawScene *scene, QUndoStack *stack);

DRAWING_END_NAMESPACE
