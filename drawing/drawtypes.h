#pragma once

#include <QGraphicsItem>

// Item type numbers: every shape reports ShapeType, groups GroupType; resize handles and
// the scene's hidden empty rectangle are plain rectangle items of HandleType.
constexpr int ShapeType = QGraphicsItem::UserType + 1;
constexpr int GroupType = QGraphicsItem::UserType + 2;
constexpr int HandleType = 3;

// Resize handle directions; 9 and above are control points.
enum HandleDir {
    Dir_None = 0,
    Dir_LeftTop = 1,
    Dir_Top = 2,
    Dir_RightTop = 3,
    Dir_Right = 4,
    Dir_RightBottom = 5,
    Dir_Bottom = 6,
    Dir_LeftBottom = 7,
    Dir_Left = 8,
    Dir_Control = 9,
};

// The current tool kind, also the key under which a tool is registered.
enum DrawShape {
    selection = 0,
    rotation = 1,
    line = 2,
    rectangle = 3,
    roundrect = 4,
    ellipse = 5,
    bezier = 6,
    polygon = 7,
    polyline = 8,
    rotationPoint = 9,
};

// The opposite box handle of dir 1..8: 1 and 5, 2 and 6, 3 and 7, 4 and 8.
inline int oppositeDir(int dir)
{
    return (dir + 3) % 8 + 1;
}
