#include "character.h"

#include "fieldshapefactory.h"

#include <QPainter>

const ShapeFactory &characterShapes()
{
    static const FieldShapeFactory<Character, CharacterShape> factory;
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
