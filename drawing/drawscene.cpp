#include "drawscene.h"

#include "drawinglog.h"
#include "graphicsitemgroup.h"
#include "polygontool.h"
#include "recttool.h"
#include "rotatepointtool.h"
#include "rotationtool.h"
#include "selecttool.h"
#include "shapefactory.h"
#include "shapevisit.h"

#include <algorithm>

#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

Q_LOGGING_CATEGORY(lumoDrawing, "lumo.drawing", QtInfoMsg)

namespace {

bool isGroupMember(const QGraphicsItem *item)
{
    return dynamic_cast<QGraphicsItemGroup *>(item->parentItem()) != nullptr;
}

bool isZero(const QPointF &delta)
{
    return delta.x() == 0.0 && delta.y() == 0.0;
}

// The nearest item that holds every one of `items`; null when they share none.
QGraphicsItem *closestCommonAncestor(const QList<QGraphicsItem *> &items)
{
    if (items.isEmpty())
        return nullptr;
    for (QGraphicsItem *ancestor = items.first()->parentItem(); ancestor;
         ancestor = ancestor->parentItem()) {
        const bool holdsAll = std::all_of(items.begin() + 1, items.end(),
            [ancestor](const QGraphicsItem *item) { return ancestor->isAncestorOf(item); });
        if (holdsAll)
            return ancestor;
    }
    return nullptr;
}

// The logical size of a shape; an invalid size for anything that is not one.
QSizeF shapeSize(QGraphicsItem *item)
{
    QSizeF size(-1, -1);
    visitShape(item, [&size](auto *shape) { size = QSizeF(shape->width(), shape->height()); });
    return size;
}

// Resizes a shape to the reference's width (mode 9), height (10) or both (11), keeping the
// opposite edge in place; returns the handle dir of the resize, 0 when nothing changed.
int equaliseSize(QGraphicsItem *item, int mode, const QSizeF &refSize, QPointF *scale)
{
    int dir = 0;
    visitShape(item, [&](auto *shape) {
        const bool needsWidth = mode != 10;
        const bool needsHeight = mode != 9;
        // A collapsed side has no factor that would give it the reference's size.
        if ((needsWidth && shape->width() == 0) || (needsHeight && shape->height() == 0))
            return;
        const double sx = needsWidth ? refSize.width() / shape->width() : 1;
        const double sy = needsHeight ? refSize.height() / shape->height() : 1;
        if (sx == 1 && sy == 1)
            return;
        dir = mode == 9 ? Dir_Right : mode == 10 ? Dir_Bottom : Dir_RightBottom;
        shape->stretchBy(dir, sx, sy, shape->oppositeHandlePosition(dir));
        shape->normalizeGeometry();
        *scale = QPointF(sx, sy);
    });
    return dir;
}

} // namespace

DrawScene::DrawScene(QObject *parent)
    : DrawScene(SceneOptions(), parent)
{
}

DrawScene::DrawScene(const SceneOptions &options, QObject *parent)
    : QGraphicsScene(parent)
    , m_options(options)
{
    m_tools.emplace_back(new SelectTool);
    m_tools.emplace_back(new RectTool(rectangle));
    m_tools.emplace_back(new RectTool(roundrect));
    m_tools.emplace_back(new RectTool(ellipse));
    m_tools.emplace_back(new PolygonTool(line));
    m_tools.emplace_back(new PolygonTool(polygon));
    m_tools.emplace_back(new PolygonTool(bezier));
    m_tools.emplace_back(new PolygonTool(polyline));
    m_tools.emplace_back(new RotationTool);
    if (options.rotationPointTool)
        m_tools.emplace_back(new RotatePointTool);
    m_emptyItem = new QGraphicsRectItem();
    m_emptyItem->setAcceptHoverEvents(true);
    addItem(m_emptyItem);
}

// The tools' previews are items of this scene; they go with it.
DrawScene::~DrawScene() = default;

const ShapeFactory &DrawScene::shapeFactory() const
{
    return m_options.shapes ? *m_options.shapes : ShapeFactory::plain();
}

QList<DrawTool *> DrawScene::tools() const
{
    QList<DrawTool *> list;
    for (const auto &tool : m_tools)
        list.append(tool.get());
    return list;
}

DrawTool *DrawScene::tool(DrawShape key) const
{
    for (const auto &tool : m_tools) {
        if (tool->key == key)
            return tool.get();
    }
    return nullptr;
}

void DrawScene::align(int mode)
{
    if (selectedItems().isEmpty())
        return;
    if (mode == 7 || mode == 8)
        distributeItems(mode);
    else
        alignItems(mode);
}

void DrawScene::alignItems(int mode)
{
    const QList<QGraphicsItem *> selected = selectedItems();
    QGraphicsItem *reference = selected.first();
    const QRectF R = reference->sceneBoundingRect();
    const QPointF c = R.center();
    const int icx = int(paintable(c.x()));
    const int icy = int(paintable(c.y()));
    const QSizeF refSize = shapeSize(reference);

    for (QGraphicsItem *item : selected) {
        if (isGroupMember(item))
            continue;
        const QRectF r = item->sceneBoundingRect();
        const QPointF e = r.center();
        qreal tx = e.x();
        qreal ty = e.y();
        switch (mode) {
        case 0:
            ty = icy + (r.height() - R.height()) / 2;
            break;
        case 1:
            ty = c.y();
            break;
        case 2:
            tx = c.x();
            break;
        case 3:
            ty = icy - (r.height() - R.height()) / 2;
            break;
        case 4:
            tx = icx - (R.width() - r.width()) / 2;
            break;
        case 5:
            tx = icx + (R.width() - r.width()) / 2;
            break;
        case 6:
            tx = c.x();
            ty = c.y();
            break;
        case 9:
        case 10:
        case 11: {
            QPointF scale;
            if (!refSize.isValid())
                break;
            if (const int dir = equaliseSize(item, mode, refSize, &scale))
                emit itemResize(item, dir, scale);
            break;
        }
        default:
            break;
        }
        const QPointF delta(tx - e.x(), ty - e.y());
        if (!isZero(delta)) {
            item->setPos(item->pos() + delta);
            emit itemMoved(item, delta);
        }
    }
}

void DrawScene::distributeItems(int mode)
{
    struct Span
    {
        QGraphicsItem *item;
        qreal start;
        qreal size;
    };
    const bool horizontal = mode == 7;
    QList<Span> spans;
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected) {
        if (isGroupMember(item))
            continue;
        const QRectF r = item->sceneBoundingRect();
        spans.append(
            horizontal ? Span { item, r.x(), r.width() } : Span { item, r.y(), r.height() });
    }
    if (spans.size() < 2)
        return;
    std::stable_sort(spans.begin(), spans.end(),
        [](const Span &a, const Span &b) { return a.start + a.size / 2 < b.start + b.size / 2; });

    qreal total = 0;
    for (const Span &span : qAsConst(spans))
        total += span.size;
    const qreal extent = spans.last().start + spans.last().size - spans.first().start;
    const float gap = float(extent - total) / float(spans.size() - 1);

    qreal v = spans.first().start;
    for (const Span &span : qAsConst(spans)) {
        const qreal shift = v - span.start;
        // An item already in place is not reported: no empty undo steps.
        if (shift != 0) {
            const QPointF delta = horizontal ? QPointF(shift, 0) : QPointF(0, shift);
            span.item->setPos(span.item->pos() + delta);
            emit itemMoved(span.item, delta);
        }
        v += span.size + gap;
    }
}

GraphicsItemGroup *DrawScene::createGroup(const QList<QGraphicsItem *> &items, bool addToScene)
{
    QGraphicsItem *ancestor = closestCommonAncestor(items);
    auto *group = new GraphicsItemGroup(ancestor);
    if (!ancestor && addToScene)
        addItem(group);
    for (QGraphicsItem *item : items) {
        item->setSelected(false);
        if (!isGroupMember(item))
            group->addToGroup(item);
    }
    group->normalizeGeometry();
    return group;
}

void DrawScene::destroyGroup(QGraphicsItemGroup *group)
{
    group->setSelected(false);
    const QList<QGraphicsItem *> children = group->childItems();
    for (QGraphicsItem *child : children) {
        if (child->type() == HandleType)
            continue;
        // A member refuses selection while it is inside the group, so it leaves first.
        group->removeFromGroup(child);
        child->setSelected(true);
    }
    if (group->scene() == this)
        removeItem(group);
    delete group;
}

void DrawScene::mouseEvent(QGraphicsSceneMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        QGraphicsScene::mousePressEvent(event);
        break;
    case QEvent::GraphicsSceneMouseMove:
        QGraphicsScene::mouseMoveEvent(event);
        break;
    case QEvent::GraphicsSceneMouseRelease:
        QGraphicsScene::mouseReleaseEvent(event);
        break;
    default:
        break;
    }
}

void DrawScene::keyPressEvent(QKeyEvent *event)
{
    nudged = false;
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = QPointF(-1, 0);
        nudged = true;
        break;
    case Qt::Key_Up:
        step = QPointF(0, -1);
        nudged = true;
        break;
    case Qt::Key_Right:
        step = QPointF(1, 0);
        nudged = true;
        break;
    case Qt::Key_Down:
        step = QPointF(0, 1);
        nudged = true;
        break;
    default:
        break;
    }
    if (nudged) {
        nudgeDelta += step;
        const QList<QGraphicsItem *> selected = selectedItems();
        for (QGraphicsItem *item : selected)
            item->setPos(item->pos() + step);
    }
    QGraphicsScene::keyPressEvent(event);
}

void DrawScene::keyReleaseEvent(QKeyEvent *event)
{
    // Some window systems send a release before every auto-repeated press; the gesture
    // ends only with the real release, so held keys give one undoable move.
    if (!event->isAutoRepeat()) {
        if (nudged && !selectedItems().isEmpty())
            emit itemMoved(nullptr, nudgeDelta);
        nudgeDelta = QPointF();
    }
    QGraphicsScene::keyReleaseEvent(event);
}

void DrawScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (DrawTool *tool = currentTool())
        tool->mousePressEvent(event, this);
}

void DrawScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    const QPointF at = event->scenePos();
    emit positionChange(int(paintable(at.x())), int(paintable(at.y())));
    if (DrawTool *tool = currentTool())
        tool->mouseMoveEvent(event, this);
}

void DrawScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (DrawTool *tool = currentTool())
        tool->mouseReleaseEvent(event, this);
}

void DrawScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (DrawTool *tool = currentTool())
        tool->mouseDoubleClickEvent(event, this);
}
