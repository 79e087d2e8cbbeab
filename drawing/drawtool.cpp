#include "drawtool.h"

#include "drawscene.h"
#include "shapevisit.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPen>
#include <QtGlobal>

DRAWING_BEGIN_NAMESPACE

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
    const int whole = int(paintable(value));
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
    if (samePoint(event->scenePos(), c_down))
        c_drawShape = selection;
    setViewCursor(scene, Qt::ArrowCursor);
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

QGraphicsItem *DrawTool::singleSelectedItem(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}

int DrawTool::handleAt(QGraphicsItem *item, const QPointF &scenePos)
{
    int dir = Dir_None;
    visitShape(item, [&](auto *shape) {
        const QVector<SizeHandleRect *> &handles = shape->handles();
        for (int i = handles.size() - 1; i >= 0; --i) {
            const SizeHandleRect *handle = handles.at(i);
            if (handle->shape().contains(handle->mapFromScene(scenePos))) {
                dir = handle->dir();
                return;
            }
        }
    });
    return dir;
}

bool DrawTool::samePoint(const QPointF &a, const QPointF &b)
{
    return qAbs(a.x() - b.x()) < 1e-12 && qAbs(a.y() - b.y()) < 1e-12;
}

void DrawTool::setViewCursor(QGraphicsScene *scene, const QCursor &cursor)
{
    const QList<QGraphicsView *> views = scene->views();
    for (QGraphicsView *view : views)
        view->setCursor(cursor);
}

void DrawTool::setViewDragMode(QGraphicsScene *scene, QGraphicsView::DragMode mode)
{
    const QList<QGraphicsView *> views = scene->views();
    for (QGraphicsView *view : views)
        view->setDragMode(mode);
}

DashedOutline::~DashedOutline()
{
    clear();
}

void DashedOutline::show(QGraphicsItem *item, QGraphicsScene *scene)
{
    clear();
    m_item = new QGraphicsPathItem(item->shape());
    m_item->setPen(QPen(Qt::DashLine));
    m_item->setPos(item->pos());
    m_item->setTransformOriginPoint(item->transformOriginPoint());
    m_item->setTransform(item->transform());
    m_item->setRotation(item->rotation());
    m_item->setScale(item->scale());
    m_item->setZValue(item->zValue());
    scene->addItem(m_item);
    m_scene = scene;
}

void DashedOutline::clear()
{
    // Without its scene the preview is already gone with it.
    if (m_item && m_scene)
        delete m_item;
    m_item = nullptr;
    m_scene = nullptr;
}

QGraphicsPathItem *DashedOutline::item() const
{
    return m_scene ? m_item : nullptr;
}

DRAWING_END_NAMESPACE
