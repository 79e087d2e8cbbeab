#include "character.h"

#include <QPainter>

namespace {

class CharacterShapeFactory : public ShapeFactory
{
public:
    GraphicsRectItem *rect(const QRect &box, bool isRound) const override
    {
        return new Character(box, isRound);
    }
    GraphicsEllipseItem *ellipse(const QRect &box, bool isRound) const override
    {
        return new CharacterShape<GraphicsEllipseItem>(box, isRound);
    }
    GraphicsPolygonItem *polygon() const override
    {
        return new CharacterShape<GraphicsPolygonItem>();
    }
    GraphicsBezier *bezier(bool isBezier) const override
    {
        return new CharacterShape<GraphicsBezier>(isBezier);
    }
    GraphicsLineItem *line() const override { return new CharacterShape<GraphicsLineItem>(); }
};

} // namespace

const ShapeFactory &characterShapes()
{
    static const CharacterShapeFactory factory;
    return factory;
}

CharacterFields *characterFields(QGraphicsItem *item)
{
    return dynamic_cast<CharacterFields *>(item);
}

const CharacterFields *characterFields(const QGraphicsItem *item)
{
    return dynamic_cast<const CharacterFields *>(item);
}

Character::Character(const QRect &rect, bool isRound, QGraphicsItem *parent)
    : CharacterShape<GraphicsRectItem>(rect, isRound, parent)
{
}

void Character::markBox(QPainter *painter)
{
    paintCross(painter, QPointF(rc_x, rc_y), Qt::red);
}
