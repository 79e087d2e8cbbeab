#pragma once

#include "graphicsellipseitem.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "itemxml.h"
#include "shapefactory.h"

#include <QPointF>
#include <QTransform>
#include <QXmlStreamAttributes>

#include <cmath>
#include <type_traits>
#include <utility>

// What a shape of an icon-font scene adds: the character key and the rotation centre.
// The tool draws rectangles; the other kinds come only from project files, and carry the
// same fields so that those files read and write as they stand.
struct CharacterFields
{
    virtual ~CharacterFields() = default;

    int asc = 0; // character key
    double rc_x = 0; // rotation centre, item coordinates
    double rc_y = 0;
};

// The shapes of icon-font scenes, as the drawing tools, the reader and copies make them.
const ShapeFactory &characterShapes();

// The character fields of `item`; null for an item that has none (handles, groups, the
// background).
CharacterFields *characterFields(QGraphicsItem *item);
const CharacterFields *characterFields(const QGraphicsItem *item);

// A framework shape with the character fields. Boxes (rectangles, ellipses) start with
// the rotation centre in their middle and carry it along when they are stretched.
template <typename Shape> class CharacterShape : public Shape, public CharacterFields
{
public:
    template <typename... Args>
    explicit CharacterShape(Args &&...args)
        : Shape(std::forward<Args>(args)...)
    {
        if constexpr (std::is_base_of_v<GraphicsRectItem, Shape>) {
            rc_x = this->width() / 2;
            rc_y = this->height() / 2;
            m_savedCentre = QPointF(rc_x, rc_y);
        }
    }

    const ShapeFactory &factory() const override { return characterShapes(); }

    void readToolAttributes(const QXmlStreamAttributes &attributes) override
    {
        asc = readIntAttribute(attributes, QLatin1String("asc"));
        rc_x = readRealAttribute(attributes, QLatin1String("rc_x"));
        rc_y = readRealAttribute(attributes, QLatin1String("rc_y"));
    }

    void writeToolAttributes(QXmlStreamWriter *xml) const override
    {
        writeIntAttribute(xml, QLatin1String("asc"), asc);
        writeRealAttribute(xml, QLatin1String("rc_x"), rc_x);
        writeRealAttribute(xml, QLatin1String("rc_y"), rc_y);
    }

    void copyToolFields(const GraphicsItem *original) override
    {
        if (const CharacterFields *fields = characterFields(original)) {
            asc = fields->asc;
            rc_x = fields->rc_x;
            rc_y = fields->rc_y;
        }
    }

    void setRotationCentre(const QPointF &centre) override
    {
        rc_x = centre.x();
        rc_y = centre.y();
    }

    // The rotation centre when the geometry was last captured; a resize maps it along.
    QPointF savedCentre() const { return m_savedCentre; }

protected:
    void boxStretched(const QTransform &transform) override
    {
        const QPointF centre = transform.map(m_savedCentre);
        rc_x = std::abs(centre.x());
        rc_y = std::abs(centre.y());
    }

    void boxCaptured() override { m_savedCentre = QPointF(rc_x, rc_y); }

private:
    QPointF m_savedCentre;
};

// A character as the tool draws it: a rectangle with its rotation centre marked.
class Character : public CharacterShape<GraphicsRectItem>
{
public:
    explicit Character(const QRect &rect, bool isRound = false, QGraphicsItem *parent = nullptr);

protected:
    void markBox(QPainter *painter) override;
};
