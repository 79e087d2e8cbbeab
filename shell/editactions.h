#pragma once

#include "makeaction.h"

#include <QUndoStack>

// The edit and zoom commands of a drawing window, the same in both tools: object names,
// icons, shortcuts and slots. `window` has the action members and the slots named here;
// undo and redo go to `undoStack`. Each window gives them its own texts.
template <class Window> void setupEditActions(Window *window, QUndoStack *undoStack)
{
    window->actionDelete = makeAction(
        window, "actionDelete", ":/icons/delete.png", &Window::deleteItem, QKeySequence::Delete);
    window->actionCut
        = makeAction(window, "actionCut", ":/icons/cut.png", &Window::on_cut, QKeySequence::Cut);
    window->actionCopy = makeAction(
        window, "actionCopy", ":/icons/copy.png", &Window::on_copy, QKeySequence::Copy);
    window->actionPaste = makeAction(
        window, "actionPaste", ":/icons/paste.png", &Window::on_paste, QKeySequence::Paste);
    window->actionUndo = makeAction(window, "actionUndo", ":/icons/undo.png", QKeySequence::Undo);
    QObject::connect(window->actionUndo, &QAction::triggered, undoStack, &QUndoStack::undo);
    window->actionRedo = makeAction(window, "actionRedo", ":/icons/redo.png", QKeySequence::Redo);
    QObject::connect(window->actionRedo, &QAction::triggered, undoStack, &QUndoStack::redo);
    window->actionZoomIn
        = makeAction(window, "actionZoomIn", ":/icons/zoomin.png", &Window::zoomIn);
    window->actionZoomOut
        = makeAction(window, "actionZoomOut", ":/icons/zoomout.png", &Window::zoomOut);
}
