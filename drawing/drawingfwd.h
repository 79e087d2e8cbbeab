#pragma once

// Forward declarations of the framework's classes.
class DrawScene;
class DrawView;
class GraphicsItem;
class GraphicsItemGroup;
class GraphicsRectItem;
class ShapeFactory;
