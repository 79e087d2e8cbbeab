#pragma once

#include <QLatin1String>
#include <QList>

class QGraphicsItem;
class QXmlStreamAttributes;
class QXmlStreamReader;
class QXmlStreamWriter;

class DrawScene;
class GraphicsItemGroup;

// Groups nested deeper than this in a file are skipped whole, so that a damaged or hostile
// file cannot exhaust the stack.
constexpr int MaxGroupDepth = 32;

// Attributes as the shapes read and write them, for an editor's own attributes: damaged
// or missing numbers read as 0; reals are written in the general form with 6 significant
// digits.
double readRealAttribute(const QXmlStreamAttributes &attributes, QLatin1String name);
int readIntAttribute(const QXmlStreamAttributes &attributes, QLatin1String name);
void writeRealAttribute(QXmlStreamWriter *xml, QLatin1String name, double value);
void writeIntAttribute(QXmlStreamWriter *xml, QLatin1String name, int value);

// Reads the shape elements inside the current element (the reader on its start element)
// into the scene, as the scene's shape factory makes them, up to and including its end
// element; unknown elements are skipped. The
// first element becomes the topmost shape, as writeShapes() lists them.
// Returns false when the XML itself is broken (the caller reports xml->errorString()).
bool readShapes(QXmlStreamReader *xml, DrawScene *scene);

// Reads one "group" element (the reader on its start element): its members join the scene
// and are grouped there. `depth` is the number of groups around this one; at MaxGroupDepth
// the group is skipped. Null when nothing was read into it.
GraphicsItemGroup *readGroup(QXmlStreamReader *xml, DrawScene *scene, int depth = 0);

// Writes one element per shape of `items`; other items (handles, pictures) are left out.
// The caller picks the items (top-level ones: a group writes its own members).
void writeShapes(QXmlStreamWriter *xml, const QList<QGraphicsItem *> &items);
