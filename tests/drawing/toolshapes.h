#pragma once

// The shapes and scenes of the editor a drawing test runs with: the icon-font tool's
// (WITH_CHARACTER_SHAPES) or the touch tool's (WITH_TOUCH_SHAPES).

#include "drawscene.h"

#if defined(WITH_CHARACTER_SHAPES)
#include "character.h"
#include "fontscene.h"
using ToolFields = CharacterFields;
template <typename Shape> using ToolShape = CharacterShape<Shape>;
using ToolRect = Character;
inline const ShapeFactory &toolShapes()
{
    return characterShapes();
}
inline SceneOptions toolSceneOptions()
{
    SceneOptions options;
    options.shapes = &characterShapes();
    options.rotationPointTool = true;
    options.doubleClickEditsShape = true;
    return options;
}
#elif defined(WITH_TOUCH_SHAPES)
#include "pagescene.h"
#include "toucharea.h"

#include <QFileInfo>
using ToolFields = TouchFields;
template <typename Shape> using ToolShape = TouchShape<Shape>;
using ToolRect = TouchArea;
inline const ShapeFactory &toolShapes()
{
    return touchShapes();
}
inline SceneOptions toolSceneOptions()
{
    SceneOptions options;
    options.shapes = &touchShapes();
    options.pressSelectsShape = true;
    return options;
}
#else
#error "Build the drawing tests WITH_CHARACTER_SHAPES or WITH_TOUCH_SHAPES"
#endif

using ToolEllipse = ToolShape<GraphicsEllipseItem>;
using ToolPolygon = ToolShape<GraphicsPolygonItem>;
using ToolBezier = ToolShape<GraphicsBezier>;
using ToolLine = ToolShape<GraphicsLineItem>;

// The editor's fields of a shape; null for an item without them.
inline ToolFields *fieldsOf(QGraphicsItem *item)
{
    return dynamic_cast<ToolFields *>(item);
}
inline const ToolFields *fieldsOf(const QGraphicsItem *item)
{
    return dynamic_cast<const ToolFields *>(item);
}

// A scene as the editor makes it, without a picture.
class ToolScene : public DrawScene
{
public:
    explicit ToolScene(QObject *parent = nullptr)
        : DrawScene(toolSceneOptions(), parent)
    {
    }
};
