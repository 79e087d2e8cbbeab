#pragma once

#include "drawingnamespace.h"

#include <QList>

class QGraphicsItem;
class QXmlStreamReader;
class QXmlStreamWriter;

DRAWING_BEGIN_NAMESPACE

class DrawScene;
class GraphicsItemGroup;

// Groups nested deeper than this in a file are skipped whole, so that a damaged or hostile
// file cannot exhaust the stack.
constexpr int MaxGroupDepth = 32;

// Reads the shape elements inside the current element (the reader on its start element)
// into the scene, up to and including its end element; unknown elements are skipped. The
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

DRAWING_END_NAMESPACE
