#pragma once

#include "graphicsellipseitem.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "shapefactory.h"

// The factory of an editor whose shapes are the framework's with the editor's fields mixed
// in (`WithFields<Shape>`), and whose rectangle is a class of its own (`Rect`, made from a
// box and the rounded flag).
template <typename Rect, template <typename> class WithFields>
class FieldShapeFactory : public ShapeFactory
{
public:
    GraphicsRectItem *rect(const QRect &box, bool isRound) const override
    {
        return new Rect(box, isRound);
    }
    GraphicsEllipseItem *ellipse(const QRect &box, bool isRound) const override
    {
        return new WithFields<GraphicsEllipseItem>(box, isRound);
    }
    GraphicsPolygonItem *polygon() const override { return new WithFields<GraphicsPolygonItem>(); }
    GraphicsBezier *bezier(bool isBezier) const override
    {
        return new WithFields<GraphicsBezier>(isBezier);
    }
    GraphicsLineItem *line() const override { return new WithFields<GraphicsLineItem>(); }
};
