#include "shapefactory.h"

#include "graphicsellipseitem.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"

ShapeFactory::~ShapeFactory() = default;

GraphicsRectItem *ShapeFactory::rect(const QRect &box, bool isRound) const
{
    return new GraphicsRectItem(box, isRound);
}

GraphicsEllipseItem *ShapeFactory::ellipse(const QRect &box, bool isRound) const
{
    return new GraphicsEllipseItem(box, isRound);
}

GraphicsPolygonItem *ShapeFactory::polygon() const
{
    return new GraphicsPolygonItem();
}

GraphicsBezier *ShapeFactory::bezier(bool isBezier) const
{
    return new GraphicsBezier(isBezier);
}

GraphicsLineItem *ShapeFactory::line() const
{
    return new GraphicsLineItem();
}

GraphicsItem *ShapeFactory::forElement(const QStringRef &name) const
{
    const QRect placeholder(0, 0, 1, 1);
    if (name == QLatin1String("rect"))
        return rect(placeholder, false);
    if (name == QLatin1String("roundrect"))
        return rect(placeholder, true);
    if (name == QLatin1String("ellipse"))
        return ellipse(placeholder, false);
    if (name == QLatin1String("polygon"))
        return polygon();
    if (name == QLatin1String("bezier"))
        return bezier(true);
    if (name == QLatin1String("polyline"))
        return bezier(false);
    if (name == QLatin1String("line"))
        return line();
    return nullptr;
}

const ShapeFactory &ShapeFactory::plain()
{
    static const ShapeFactory factory;
    return factory;
}
