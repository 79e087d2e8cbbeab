#pragma once

#include "graphicsellipseitem.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "itemxml.h"
#include "shapefactory.h"

#include <QGraphicsSceneMouseEvent>
#include <QXmlStreamAttributes>

#include <type_traits>
#include <utility>

// What a shape of a touch page adds: where a press leads. The tool draws rectangles; the
// other kinds come only from project files and carry the same fields, so that those files
// read and write as they stand.
struct TouchFields
{
    virtual ~TouchFields() = default;

    int picNum = -1; // page to jump to; -1 none
    int pressedPage = -1; // page shown under the area while pressed; -1 none
    int command = -1; // 16-bit touch command; -1 until set
};

// The shapes of touch pages, as the drawing tools, the reader and copies make them.
const ShapeFactory &touchShapes();

// The touch fields of `item`; null for an item that has none (handles, groups).
TouchFields *touchFields(QGraphicsItem *item);
const TouchFields *touchFields(const QGraphicsItem *item);

// During the preview a press on a box area jumps to its page and shows its pressed look;
// it is never handed on, so that the area neither moves nor takes Qt's click selection.
void pressArea(QGraphicsItem *area, const TouchFields &fields);

// A framework shape with the touch fields. Boxes (rectangles, ellipses) take the press.
template <typename Shape> class TouchShape : public Shape, public TouchFields
{
public:
    template <typename... Args>
    explicit TouchShape(Args &&...args)
        : Shape(std::forward<Args>(args)...)
    {
    }

    const ShapeFactory &factory() const override { return touchShapes(); }

    void readToolAttributes(const QXmlStreamAttributes &attributes) override
    {
        picNum = readIntAttribute(attributes, QLatin1String("picNum"));
        pressedPage = readIntAttribute(attributes, QLatin1String("catoonNum"));
        command = readIntAttribute(attributes, QLatin1String("commond"));
    }

    void writeToolAttributes(QXmlStreamWriter *xml) const override
    {
        writeIntAttribute(xml, QLatin1String("picNum"), picNum);
        writeIntAttribute(xml, QLatin1String("catoonNum"), pressedPage);
        writeIntAttribute(xml, QLatin1String("commond"), command);
    }

    void copyToolFields(const GraphicsItem *original) override
    {
        if (const TouchFields *fields = touchFields(original)) {
            picNum = fields->picNum;
            pressedPage = fields->pressedPage;
            command = fields->command;
        }
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override
    {
        if constexpr (std::is_base_of_v<GraphicsRectItem, Shape>)
            pressArea(this, *this);
        else
            Shape::mousePressEvent(event);
    }
};

// A touch area as the tool draws it: a rectangle that shows, while pressed in the
// preview, the same region of its pressed-look page.
class TouchArea : public TouchShape<GraphicsRectItem>
{
public:
    explicit TouchArea(const QRect &rect, bool isRound = false, QGraphicsItem *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};
