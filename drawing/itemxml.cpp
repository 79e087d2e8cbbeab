// Reading and writing shapes as XML elements: filled in with the item XML.
#include "graphicsellipseitem.h"
#include "graphicsitemgroup.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"

bool GraphicsRectItem::readXml(QXmlStreamReader *) { return false; }
bool GraphicsRectItem::writeXml(QXmlStreamWriter *) { return false; }
bool GraphicsEllipseItem::readXml(QXmlStreamReader *) { return false; }
bool GraphicsEllipseItem::writeXml(QXmlStreamWriter *) { return false; }
bool GraphicsPolygonItem::readXml(QXmlStreamReader *) { return false; }
bool GraphicsPolygonItem::writeXml(QXmlStreamWriter *) { return false; }
bool GraphicsBezier::readXml(QXmlStreamReader *) { return false; }
bool GraphicsBezier::writeXml(QXmlStreamWriter *) { return false; }
bool GraphicsLineItem::readXml(QXmlStreamReader *) { return false; }
bool GraphicsLineItem::writeXml(QXmlStreamWriter *) { return false; }
bool GraphicsItemGroup::readXml(QXmlStreamReader *) { return false; }
bool GraphicsItemGroup::writeXml(QXmlStreamWriter *) { return false; }
