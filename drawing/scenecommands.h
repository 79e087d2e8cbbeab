#pragma once

class QUndoStack;

class DrawScene;

// Which of the scene's reports become undo steps.
enum class RecordedChanges {
    Shapes, // added, moved and resized shapes
    ShapesRotationsAndControlPoints // also rotations and control-point drags
};

// Turns the scene's reports of finished user changes into undo commands on `stack`, for
// as long as both live.
void recordSceneChanges(DrawScene *scene, QUndoStack *stack, RecordedChanges which);
