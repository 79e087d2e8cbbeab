#pragma once

#include "drawingnamespace.h"

// Forward declarations of the framework's classes, in their namespace.
DRAWING_BEGIN_NAMESPACE
class DrawScene;
class DrawView;
class GraphicsItem;
class GraphicsItemGroup;
class GraphicsRectItem;
DRAWING_END_NAMESPACE
