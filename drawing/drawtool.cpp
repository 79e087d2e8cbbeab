#include "drawtool.h"

#include "drawscene.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QtGlobal>

namespace {

// A function-local list, so that tools made as statics in any translation unit find it
// constructed, and it outlives every one of them.
QList<DrawTool *> &registry()
{
    static QList<DrawTool *> list;
    return list;
}

// A coordinate of the pointer kept inside [0, bound]; the test is on its whole part.
qreal clampToScene(qreal value, int bound)
{
    const int whole = int(value);
    if (whole >= bound)
        return bound;
    if (whole < 1)
        return 0;
    return value;
}

} // namespace

DrawShape DrawTool::c_drawShape = selection;
QPointF DrawTool::c_down;
QPointF DrawTool::c_last;
int DrawTool::dragHandle = 0;
int DrawTool::selectMode = 0;
int DrawTool::sceneWidth = 0;
int DrawTool::sceneHeight = 0;

DrawTool::DrawTool(DrawShape key) : key(key)
{
    registry().append(this);
}

DrawTool::~DrawTool()
{
    registry().removeOne(this);
}

DrawTool *DrawTool::findTool(DrawShape key)
{
    for (DrawTool *tool : qAsConst(registry())) {
        if (tool->key == key)
            return tool;
    }
    return nullptr;
}

const QList<DrawTool *> &DrawTool::tools()
{
    return registry();
}

void DrawTool::mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *)
{
    c_down = event->scenePos();
    c_last = c_down;
}

void DrawTool::mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *)
{
    const QPointF pos = event->scenePos();
    c_last = QPointF(clampToScene(pos.x(), sceneWidth), clampToScene(pos.y(), sceneHeight));
}

void DrawTool::mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
    const QPointF pos = event->scenePos();
    if (qAbs(pos.x() - c_down.x()) < 1e-12 && qAbs(pos.y() - c_down.y()) < 1e-12)
        c_drawShape = selection;
    const QList<QGraphicsView *> views = scene->views();
    for (QGraphicsView *view : views)
        view->setCursor(Qt::ArrowCursor);
}

void DrawTool::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene)
{
#ifdef DRAWING_ZAF
    // Handles keep their screen size, so the hit test needs the view's transform.
    QTransform deviceTransform;
    if (QWidget *viewport = event->widget()) {
        if (auto *view = qobject_cast<QGraphicsView *>(viewport->parentWidget()))
            deviceTransform = view->transform();
    }
    QGraphicsItem *top = scene->itemAt(event->scenePos(), deviceTransform);
    if (top && top->type() == ShapeType)
        emit scene->itemAttrSet();
#else
    Q_UNUSED(event)
    Q_UNUSED(scene)
#endif
}
