#include "itemxml.h"

#include "drawscene.h"
#include "graphicsellipseitem.h"
#include "graphicsitemgroup.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "shapefactory.h"
#include "shapevisit.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

using Shape = AbstractShapeType<QGraphicsItem>;

// Damaged text reads as 0; NaN and infinities would poison every later geometry step.
double readReal(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    bool ok = false;
    const double value = attributes.value(name).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

int readInt(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    bool ok = false;
    const int value = attributes.value(name).toInt(&ok, 10);
    return ok ? value : 0;
}

// The general form with 6 significant digits. Whole numbers below a million, which most
// coordinates are, print the same digits as an integer, and integers print much faster;
// negative zero keeps its sign through the general form.
QString realText(double value)
{
    if (value > -1e6 && value < 1e6 && value == std::trunc(value)
        && !(value == 0 && std::signbit(value)))
        return QString::number(qint64(value));
    return QString::number(value);
}

void writeReal(QXmlStreamWriter *xml, QLatin1String name, double value)
{
    xml->writeAttribute(name, realText(value));
}

void writeInt(QXmlStreamWriter *xml, QLatin1String name, int value)
{
    xml->writeAttribute(name, QString::number(value));
}

} // namespace

double readRealAttribute(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    return readReal(attributes, name);
}

int readIntAttribute(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    return readInt(attributes, name);
}

void writeRealAttribute(QXmlStreamWriter *xml, QLatin1String name, double value)
{
    writeReal(xml, name, value);
}

void writeIntAttribute(QXmlStreamWriter *xml, QLatin1String name, int value)
{
    writeInt(xml, name, value);
}

namespace {

struct CommonAttributes
{
    double rotate = 0;
    double x = 0;
    double y = 0;
    double z = 0;
    double width = 0;
    double height = 0;
};

CommonAttributes readCommon(const QXmlStreamAttributes &attributes)
{
    CommonAttributes common;
    common.rotate = readReal(attributes, QLatin1String("rotate"));
    common.x = readReal(attributes, QLatin1String("x"));
    common.y = readReal(attributes, QLatin1String("y"));
    common.z = readReal(attributes, QLatin1String("z"));
    common.width = readReal(attributes, QLatin1String("width"));
    common.height = readReal(attributes, QLatin1String("height"));
    return common;
}

// Everything but the size, which only the shape itself may set; the position goes last.
void applyCommon(Shape *shape, const CommonAttributes &common)
{
    shape->setZValue(common.z);
    shape->setRotation(common.rotate);
    shape->setPos(common.x, common.y);
}

void writeCommon(QXmlStreamWriter *xml, const GraphicsItem *shape)
{
    writeReal(xml, QLatin1String("rotate"), shape->rotation());
    writeReal(xml, QLatin1String("x"), shape->pos().x());
    writeReal(xml, QLatin1String("y"), shape->pos().y());
    writeReal(xml, QLatin1String("z"), shape->zValue());
    writeReal(xml, QLatin1String("width"), shape->width());
    writeReal(xml, QLatin1String("height"), shape->height());
    shape->writeToolAttributes(xml);
}

// The "point" children up to the shape's end element; every child is consumed whole.
QPolygonF readPoints(QXmlStreamReader *xml)
{
    QPolygonF points;
    while (xml->readNextStartElement()) {
        if (xml->name() == QLatin1String("point")) {
            const QXmlStreamAttributes attributes = xml->attributes();
            points.append(QPointF(readReal(attributes, QLatin1String("x")),
                readReal(attributes, QLatin1String("y"))));
        }
        xml->skipCurrentElement();
    }
    return points;
}

void writePoints(QXmlStreamWriter *xml, const QPolygonF &points)
{
    for (const QPointF &point : points) {
        xml->writeStartElement(QStringLiteral("point"));
        writeReal(xml, QLatin1String("x"), point.x());
        writeReal(xml, QLatin1String("y"), point.y());
        xml->writeEndElement();
    }
}

GraphicsItemGroup *readGroupOutsideScene(QXmlStreamReader *xml, DrawScene *scene, int depth);

// Reads the current element, outside the scene; `depth` counts the groups around it.
QGraphicsItem *readItem(QXmlStreamReader *xml, DrawScene *scene, int depth)
{
    if (xml->name() == QLatin1String("group"))
        return readGroupOutsideScene(xml, scene, depth);
    GraphicsItem *shape = scene->shapeFactory().forElement(xml->name());
    if (!shape) {
        xml->skipCurrentElement();
        return nullptr;
    }
    if (!shape->readXml(xml)) {
        delete shape;
        return nullptr;
    }
    return shape;
}

} // namespace

bool readShapes(QXmlStreamReader *xml, DrawScene *scene)
{
    QList<QGraphicsItem *> items;
    while (xml->readNextStartElement()) {
        if (QGraphicsItem *item = readItem(xml, scene, 0))
            items.append(item);
    }
    // Files list the topmost shape first, while a shape added later lies above the earlier
    // ones: adding the shapes last to first keeps the order of the file, so that saving and
    // reopening does not turn the stack upside down. Restacking them one by one instead
    // would take time quadratic in their number.
    for (int i = items.size() - 1; i >= 0; --i)
        scene->addItem(items.at(i));
    return !xml->hasError();
}

GraphicsItemGroup *readGroup(QXmlStreamReader *xml, DrawScene *scene, int depth)
{
    GraphicsItemGroup *group = readGroupOutsideScene(xml, scene, depth);
    if (group)
        scene->addItem(group);
    return group;
}

namespace {

GraphicsItemGroup *readGroupOutsideScene(QXmlStreamReader *xml, DrawScene *scene, int depth)
{
    if (depth >= MaxGroupDepth) {
        xml->skipCurrentElement();
        return nullptr;
    }
    const QXmlStreamAttributes attributes = xml->attributes();
    const double rotate = readReal(attributes, QLatin1String("rotate"));
    // Members are written relative to the group, so a top-level group's own position puts
    // them back where they were after the group was moved. A nested group's position comes
    // from joining its enclosing group, which rebuilding repeats; it cannot be moved alone.
    const QPointF position(
        readReal(attributes, QLatin1String("x")), readReal(attributes, QLatin1String("y")));
    QList<QGraphicsItem *> members;
    while (xml->readNextStartElement()) {
        if (QGraphicsItem *item = readItem(xml, scene, depth + 1))
            members.append(item);
    }
    if (members.isEmpty())
        return nullptr;
    // Outside the scene, like every shape being read; readShapes adds the outermost.
    GraphicsItemGroup *group = scene->createGroup(members, false);
    group->setRotation(rotate);
    group->normalizeGeometry();
    if (depth == 0)
        group->setPos(position);
    return group;
}

} // namespace

void writeShapes(QXmlStreamWriter *xml, const QList<QGraphicsItem *> &items)
{
    for (QGraphicsItem *item : items)
        visitShape(item, [xml](auto *shape) { shape->writeXml(xml); });
}

bool GraphicsRectItem::readXml(QXmlStreamReader *xml)
{
    const bool round = xml->name() == QLatin1String("roundrect");
    if (round != m_isRound) {
        m_isRound = round;
        // The radius handles come and go with the kind.
        if (m_handlesMade) {
            qDeleteAll(m_handles);
            m_handles.clear();
            makeHandles();
            setHandleStates(isSelected() ? 2 : 0);
        }
    }
    const QXmlStreamAttributes attributes = xml->attributes();
    if (m_isRound) {
        m_xRatio = readReal(attributes, QLatin1String("rx"));
        m_yRatio = readReal(attributes, QLatin1String("ry"));
    }
    return readBox(attributes, xml);
}

bool GraphicsRectItem::readBox(const QXmlStreamAttributes &attributes, QXmlStreamReader *xml)
{
    const CommonAttributes common = readCommon(attributes);
    prepareGeometryChange();
    m_width = common.width;
    m_height = common.height;
    readToolAttributes(attributes);
    applyCommon(this, common);
    xml->skipCurrentElement();
    normalizeGeometry();
    return true;
}

bool GraphicsRectItem::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(m_isRound ? QStringLiteral("roundrect") : QStringLiteral("rect"));
    if (m_isRound) {
        writeReal(xml, QLatin1String("rx"), m_xRatio);
        writeReal(xml, QLatin1String("ry"), m_yRatio);
    }
    writeCommon(xml, this);
    xml->writeEndElement();
    return true;
}

bool GraphicsEllipseItem::readXml(QXmlStreamReader *xml)
{
    const QXmlStreamAttributes attributes = xml->attributes();
    // Bounded so that the pie arithmetic (differences, sixteenths of a degree) cannot
    // overflow on a damaged file; drawn angles never come near the bound.
    constexpr int angleBound = 1000000;
    m_startAngle
        = qBound(-angleBound, readInt(attributes, QLatin1String("startAngle")), angleBound);
    m_spanAngle = qBound(-angleBound, readInt(attributes, QLatin1String("spanAngle")), angleBound);
    return readBox(attributes, xml);
}

bool GraphicsEllipseItem::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(QStringLiteral("ellipse"));
    writeInt(xml, QLatin1String("startAngle"), m_startAngle);
    writeInt(xml, QLatin1String("spanAngle"), m_spanAngle);
    writeCommon(xml, this);
    xml->writeEndElement();
    return true;
}

bool GraphicsPolygonItem::readXml(QXmlStreamReader *xml)
{
    const QXmlStreamAttributes attributes = xml->attributes();
    const CommonAttributes common = readCommon(attributes);
    m_width = common.width;
    m_height = common.height;
    readToolAttributes(attributes);
    applyCommon(this, common);
    // All points at once: the vertex handles follow the points when they are first needed.
    setPoints(readPoints(xml));
    normalizeGeometry();
    return true;
}

bool GraphicsPolygonItem::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(QStringLiteral("polygon"));
    writeCommon(xml, this);
    writePoints(xml, m_points);
    xml->writeEndElement();
    return true;
}

bool GraphicsBezier::readXml(QXmlStreamReader *xml)
{
    m_isBezier = xml->name() == QLatin1String("bezier");
    return GraphicsPolygonItem::readXml(xml);
}

bool GraphicsBezier::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(m_isBezier ? QStringLiteral("bezier") : QStringLiteral("polyline"));
    writeCommon(xml, this);
    writePoints(xml, m_points);
    xml->writeEndElement();
    return true;
}

bool GraphicsLineItem::readXml(QXmlStreamReader *xml)
{
    return GraphicsPolygonItem::readXml(xml);
}

bool GraphicsLineItem::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(QStringLiteral("line"));
    writeCommon(xml, this);
    writePoints(xml, m_points);
    xml->writeEndElement();
    return true;
}

// Groups are read by readGroup, which needs the scene.
bool GraphicsItemGroup::readXml(QXmlStreamReader *)
{
    return true;
}

bool GraphicsItemGroup::writeXml(QXmlStreamWriter *xml)
{
    xml->writeStartElement(QStringLiteral("group"));
    writeReal(xml, QLatin1String("x"), pos().x());
    writeReal(xml, QLatin1String("y"), pos().y());
    writeReal(xml, QLatin1String("rotate"), rotation());
    for (QGraphicsItem *member : members()) {
        visitShape(member, [xml](auto *shape) {
            shape->normalizeGeometry();
            shape->writeXml(xml);
        });
    }
    xml->writeEndElement();
    return true;
}
