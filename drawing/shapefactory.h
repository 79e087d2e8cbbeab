#pragma once

#include <QRect>
#include <QStringRef>

class GraphicsBezier;
class GraphicsEllipseItem;
class GraphicsItem;
class GraphicsLineItem;
class GraphicsPolygonItem;
class GraphicsRectItem;

// Makes the shapes of one editor. The framework's own shapes carry geometry only; an
// editor derives its shapes from them (the icon-font character, the touch area) and
// hands its factory to its scenes, so that the drawing tools, the item XML reader and
// every copy make the editor's kind. The caller owns what is made.
class ShapeFactory
{
public:
    virtual ~ShapeFactory();

    // Size from the integer corners, as the shapes' constructors take it.
    virtual GraphicsRectItem *rect(const QRect &box, bool isRound) const;
    virtual GraphicsEllipseItem *ellipse(const QRect &box, bool isRound) const;
    virtual GraphicsPolygonItem *polygon() const;
    virtual GraphicsBezier *bezier(bool isBezier) const;
    virtual GraphicsLineItem *line() const;

    // A new, unread shape for an item XML element name; null for names that are not
    // shapes.
    GraphicsItem *forElement(const QStringRef &name) const;

    // The framework's own shapes.
    static const ShapeFactory &plain();
};
