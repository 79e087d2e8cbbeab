#pragma once

#include "abstractshapetype.h"

#include <QObject>
#include <QPixmap>

class QStyleOptionGraphicsItem;
class QXmlStreamAttributes;
class ShapeFactory;

// Base of every shape that is not a group: a QObject, so that its colours, size and
// position can be edited as properties.
class GraphicsItem : public QObject, public AbstractShapeType<QGraphicsItem>
{
    Q_OBJECT
    Q_PROPERTY(QColor pen READ penColor WRITE setPenColor)
    Q_PROPERTY(QColor brush READ brushColor WRITE setBrushColor)
    Q_PROPERTY(qreal width READ width WRITE setWidth)
    Q_PROPERTY(qreal height READ height WRITE setHeight)
    Q_PROPERTY(QPointF position READ pos WRITE setPos)

public:
    enum { Type = ShapeType };

    explicit GraphicsItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    QColor penColor() const { return m_pen.color(); }
    void setPenColor(const QColor &colour) { setPen(QPen(colour)); }
    QColor brushColor() const { return m_brush.color(); }
    void setBrushColor(const QColor &colour);

    // A 64 x 64 picture of the shape in black on white, for lists of shapes.
    QPixmap previewPixmap();

    // What an editor adds to the shapes it makes. The factory that made this kind of
    // shape, so that copies are of the same kind.
    virtual const ShapeFactory &factory() const;
    // The editor's own attributes, read with the common ones and written after them.
    virtual void readToolAttributes(const QXmlStreamAttributes &attributes) { Q_UNUSED(attributes) }
    virtual void writeToolAttributes(QXmlStreamWriter *xml) const { Q_UNUSED(xml) }
    // Takes over the editor's own fields of `original`, a shape of the same kind.
    virtual void copyToolFields(const GraphicsItem *original) { Q_UNUSED(original) }
    // The rotation-point tool placed the shape's rotation centre (item coordinates).
    virtual void setRotationCentre(const QPointF &centre) { Q_UNUSED(centre) }

signals:
    void selectedChange(QGraphicsItem *item);

protected:
    // A box shape was stretched by `transform` from its captured geometry.
    virtual void boxStretched(const QTransform &transform) { Q_UNUSED(transform) }
    // A box shape's geometry was captured as the start of the next resize.
    virtual void boxCaptured() { }

    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;
};

// Draws the selection outline of a shape: the box shrunk by `pad`, in the inverse of the
// window-text colour and then in light sky blue.
void paintSelectionOutline(QGraphicsItem *item, QPainter *painter,
    const QStyleOptionGraphicsItem *option, qreal pad = 0.5);

// `box` with x, y, width and height each rounded half away from zero (-2.5 gives -3).
QRect roundedAway(const QRectF &box);

// A coordinate that can be made a whole pixel: values beyond half a billion pixels (a shape
// read from a damaged file) are held there, where integer sums cannot overflow; NaN gives 0.
qreal paintable(qreal value);

// A cross of 12-pixel arms around the point, on whole pixels.
void paintCross(QPainter *painter, const QPointF &point, const QColor &colour);

// The shape of `path` as stroked by `pen`, plus the path itself.
QPainterPath shapeFromPath(const QPainterPath &path, const QPen &pen);
