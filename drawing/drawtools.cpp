#include "drawtools.h"

#include "polygontool.h"
#include "recttool.h"
#include "rotationtool.h"
#include "selecttool.h"
#ifdef DRAWING_ZAF
#include "rotatepointtool.h"
#endif

DRAWING_BEGIN_NAMESPACE

void installDrawTools()
{
    // Made here rather than as file statics: a static library leaves out object files that
    // nothing references, and their tools would never register.
    static SelectTool selectTool;
    static RectTool rectTool(rectangle);
    static RectTool roundRectTool(roundrect);
    static RectTool ellipseTool(ellipse);
    static PolygonTool lineTool(line);
    static PolygonTool polygonTool(polygon);
    static PolygonTool bezierTool(bezier);
    static PolygonTool polylineTool(polyline);
    static RotationTool rotationTool;
#ifdef DRAWING_ZAF
    static RotatePointTool rotatePointTool;
#endif
}

DRAWING_END_NAMESPACE
