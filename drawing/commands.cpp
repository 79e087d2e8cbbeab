#include "commands.h"

#include <QGraphicsItemGroup>
#include <QGraphicsScene>

#include "drawtypes.h"
#include "graphicsitemgroup.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "shapevisit.h"

namespace {

int s_createdShapes = 0;

// Shapes are QObjects: the guard tells whether the scene deleted the item meanwhile.
QPointer<QObject> guardOf(QGraphicsItem *item)
{
    return dynamic_cast<QObject *>(item);
}

// Deletes an item that still exists and that no scene owns any more. Items that are not
// QObjects cannot be checked and are left alone.
void deleteOrphan(QGraphicsItem *item, const QPointer<QObject> &guard)
{
    if (guard && !item->scene())
        delete item;
}

bool isGroupMember(const QGraphicsItem *item)
{
    return dynamic_cast<QGraphicsItemGroup *>(item->parentItem()) != nullptr;
}

void repaint(QGraphicsScene *scene)
{
    if (scene)
        scene->update();
}

void normalize(QGraphicsItem *item)
{
    visitShape(item, [](auto *shape) { shape->normalizeGeometry(); });
}

void stretch(QGraphicsItem *item, int dir, qreal sx, qreal sy)
{
    visitShape(item, [&](auto *shape) {
        shape->stretchBy(dir, sx, sy, shape->oppositeHandlePosition(dir));
        shape->normalizeGeometry();
    });
    item->update();
}

void control(QGraphicsItem *item, int dir, const QPointF &scenePos)
{
    visitShape(item, [&](auto *shape) {
        shape->controlTo(dir, scenePos);
        shape->normalizeGeometry();
    });
    item->update();
}

// The geometry a resize stretches from; it changes only when a drag ends (normalised), so
// two resize steps with the same base belong to the same drag.
QPolygonF resizeBase(QGraphicsItem *item)
{
    if (auto *rect = dynamic_cast<GraphicsRectItem *>(item))
        return QPolygonF(rect->initialRect());
    if (auto *polygon = dynamic_cast<GraphicsPolygonItem *>(item))
        return polygon->initialPoints();
    if (auto *group = dynamic_cast<GraphicsItemGroup *>(item))
        return QPolygonF(group->initialRect());
    return QPolygonF();
}

QList<QGraphicsItem *> membersOf(const QGraphicsItemGroup *group)
{
    QList<QGraphicsItem *> list;
    for (QGraphicsItem *child : group->childItems()) {
        if (child->type() != HandleType)
            list.append(child);
    }
    return list;
}

// Members leave before they are selected: inside a group they refuse selection.
void releaseMembers(
    QGraphicsItemGroup *group, const QList<QGraphicsItem *> &members, bool normalizeMembers)
{
    group->setSelected(false);
    for (QGraphicsItem *member : members) {
        if (member->parentItem() != group)
            continue;
        group->removeFromGroup(member);
        member->setSelected(true);
        if (normalizeMembers)
            normalize(member);
    }
}

// The group goes back first, so members join a group that is in their scene.
void regroupMembers(
    QGraphicsItemGroup *group, QGraphicsScene *scene, const QList<QGraphicsItem *> &members)
{
    if (!group->scene() && scene)
        scene->addItem(group);
    for (QGraphicsItem *member : members) {
        member->setSelected(false);
        if (!isGroupMember(member))
            group->addToGroup(member);
    }
}

void restoreGroup(QGraphicsItemGroup *group, QGraphicsScene *scene)
{
    if (!group->scene() && scene)
        scene->addItem(group);
    group->setSelected(true);
    repaint(scene);
}

void dropGroup(QGraphicsItemGroup *group, QGraphicsScene *scene)
{
    if (group->scene())
        group->scene()->removeItem(group);
    repaint(scene);
}

QString factor(qreal value)
{
    return QStringLiteral("%1").arg(value, 8, 'f', 2);
}

} // namespace

int mirroredHandle(int handle, qreal sx, qreal sy)
{
    static const int leftRight[] = { 0, 3, 2, 1, 8, 7, 6, 5, 4 };
    static const int topBottom[] = { 0, 7, 6, 5, 4, 3, 2, 1, 8 };
    if (handle < Dir_LeftTop || handle > Dir_Left)
        return 0;
    int mirrored = handle;
    if (sx < 0)
        mirrored = leftRight[mirrored];
    if (sy < 0)
        mirrored = topBottom[mirrored];
    return mirrored == handle ? 0 : mirrored;
}

AddShapeCommand::AddShapeCommand(QGraphicsItem *item, QGraphicsScene *scene, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_item(item)
    , m_guard(guardOf(item))
    , m_scene(scene)
    , m_initialPosition(item->pos())
{
    ++s_createdShapes;
}

AddShapeCommand::~AddShapeCommand()
{
    deleteOrphan(m_item, m_guard);
}

int AddShapeCommand::createdShapes()
{
    return s_createdShapes;
}

QString AddShapeCommand::description() const
{
    return QObject::tr("Item at (%1, %2)").arg(m_initialPosition.x()).arg(m_initialPosition.y());
}

void AddShapeCommand::undo()
{
    if (m_item->scene())
        m_item->scene()->removeItem(m_item);
    repaint(m_scene);
    setText(QObject::tr("Undo Add %1").arg(description()));
}

void AddShapeCommand::redo()
{
    if (!m_item->scene())
        m_scene->addItem(m_item);
    m_item->setPos(m_initialPosition);
    repaint(m_scene);
    setText(QObject::tr("Redo Add %1").arg(description()));
}

RemoveShapeCommand::RemoveShapeCommand(QGraphicsScene *scene, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_scene(scene)
    , m_items(scene->selectedItems())
{
    for (QGraphicsItem *item : qAsConst(m_items))
        m_guards.append(guardOf(item));
}

// Done, the command is the last holder of the items it took out of the scene.
RemoveShapeCommand::~RemoveShapeCommand()
{
    for (int i = 0; i < m_items.size(); ++i)
        deleteOrphan(m_items.at(i), m_guards.at(i));
}

void RemoveShapeCommand::undo()
{
    for (QGraphicsItem *item : qAsConst(m_items)) {
        if (!isGroupMember(item) && !item->scene())
            m_scene->addItem(item);
    }
    repaint(m_scene);
    setText(QObject::tr("Undo Delete %1").arg(m_items.size()));
}

void RemoveShapeCommand::redo()
{
    for (QGraphicsItem *item : qAsConst(m_items)) {
        if (!isGroupMember(item) && item->scene() == m_scene)
            m_scene->removeItem(item);
    }
    repaint(m_scene);
    setText(QObject::tr("Redo Delete %1").arg(m_items.size()));
}

MoveShapeCommand::MoveShapeCommand(
    QGraphicsScene *scene, const QPointF &delta, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_scene(scene)
    , m_items(scene->selectedItems())
    , m_delta(delta)
{
}

MoveShapeCommand::MoveShapeCommand(QGraphicsItem *item, const QPointF &delta, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_item(item)
    , m_items { item }
    , m_delta(delta)
{
}

void MoveShapeCommand::undo()
{
    for (QGraphicsItem *item : qAsConst(m_items))
        item->setPos(item->pos() - m_delta);
    m_moved = false;
    setText(QObject::tr("Undo Move %1,%2").arg(-m_delta.x()).arg(-m_delta.y()));
}

void MoveShapeCommand::redo()
{
    if (!m_moved) {
        for (QGraphicsItem *item : qAsConst(m_items))
            item->setPos(item->pos() + m_delta);
        repaint(m_scene ? m_scene : m_item->scene());
    }
    setText(QObject::tr("Redo Move %1,%2").arg(m_delta.x()).arg(m_delta.y()));
}

// The flipped handle is known from the start: a single step may already cross the
// opposite side, and undo must then stretch from the mirrored handle.
ResizeShapeCommand::ResizeShapeCommand(
    QGraphicsItem *item, int handle, const QPointF &scale, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_item(item)
    , m_handle(handle)
    , m_flippedHandle(mirroredHandle(handle, scale.x(), scale.y()))
    , m_scale(scale)
    , m_base(resizeBase(item))
{
}

void ResizeShapeCommand::undo()
{
    const int dir = m_flippedHandle != 0 ? m_flippedHandle : m_handle;
    const qreal sx = 1 / m_scale.x();
    const qreal sy = 1 / m_scale.y();
    stretch(m_item, dir, sx, sy);
    m_resized = false;
    setText(QObject::tr("Undo Resize %1,%2 ,handle:%3").arg(factor(sx), factor(sy)).arg(dir));
}

void ResizeShapeCommand::redo()
{
    if (!m_resized)
        stretch(m_item, m_handle, m_scale.x(), m_scale.y());
    setText(QObject::tr("Redo Resize %1,%2 ,handle:%3")
                .arg(factor(m_scale.x()), factor(m_scale.y()))
                .arg(m_handle));
}

bool ResizeShapeCommand::mergeWith(const QUndoCommand *other)
{
    if (other->id() != Id)
        return false;
    const auto *resize = static_cast<const ResizeShapeCommand *>(other);
    // Each drag reports total factors since its own press: a later drag is a new command,
    // or undo would only take back the last one.
    if (resize->m_item != m_item || resize->m_handle != m_handle || resize->m_base != m_base)
        return false;
    m_scale = resize->m_scale;
    m_flippedHandle = mirroredHandle(m_handle, m_scale.x(), m_scale.y());
    setText(QObject::tr(" mergeWith Resize %1,%2,%3,%4")
                .arg(factor(m_scale.x()), factor(m_scale.y()))
                .arg(m_handle)
                .arg(m_flippedHandle));
    return true;
}

ControlShapeCommand::ControlShapeCommand(QGraphicsItem *item, int handle, const QPointF &newPos,
    const QPointF &lastPos, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_item(item)
    , m_handle(handle)
    , m_lastPos(lastPos)
    , m_newPos(newPos)
{
}

void ControlShapeCommand::undo()
{
    control(m_item, m_handle, m_lastPos);
    m_controlled = false;
    setText(QObject::tr("Undo Control %1,%2").arg(m_lastPos.x()).arg(m_lastPos.y()));
}

void ControlShapeCommand::redo()
{
    if (!m_controlled)
        control(m_item, m_handle, m_newPos);
    setText(QObject::tr("Redo Control %1,%2").arg(m_newPos.x()).arg(m_newPos.y()));
}

bool ControlShapeCommand::mergeWith(const QUndoCommand *other)
{
    if (other->id() != Id)
        return false;
    const auto *controlled = static_cast<const ControlShapeCommand *>(other);
    // Steps of one drag share its press position; a later drag is a new command, so that
    // undo returns to where each drag began.
    if (controlled->m_item != m_item || controlled->m_handle != m_handle
        || controlled->m_lastPos != m_lastPos)
        return false;
    m_lastPos = controlled->m_lastPos;
    m_newPos = controlled->m_newPos;
    setText(QObject::tr(" mergeWith Control %1,%2,%3")
                .arg(m_newPos.x())
                .arg(m_newPos.y())
                .arg(m_handle));
    return true;
}

RotateShapeCommand::RotateShapeCommand(QGraphicsItem *item, qreal oldAngle, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_item(item)
    , m_oldAngle(oldAngle)
    , m_newAngle(item->rotation())
{
}

void RotateShapeCommand::undo()
{
    m_item->setRotation(m_oldAngle);
    repaint(m_item->scene());
    setText(QObject::tr("Undo Rotate %1").arg(m_newAngle));
}

void RotateShapeCommand::redo()
{
    m_item->setRotation(m_newAngle);
    m_item->update();
    setText(QObject::tr("Redo Rotate %1").arg(m_newAngle));
}

GroupShapeCommand::GroupShapeCommand(
    QGraphicsItemGroup *group, QGraphicsScene *scene, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_group(group)
    , m_guard(guardOf(group))
    , m_scene(scene)
    , m_items(membersOf(group))
{
}

GroupShapeCommand::~GroupShapeCommand()
{
    if (m_undone)
        deleteOrphan(m_group, m_guard);
}

void GroupShapeCommand::undo()
{
    releaseMembers(m_group, m_items, false);
    dropGroup(m_group, m_scene);
    m_undone = true;
    setText(QObject::tr("Undo Group %1").arg(m_items.size()));
}

void GroupShapeCommand::redo()
{
    if (m_undone)
        regroupMembers(m_group, m_scene, m_items);
    m_undone = false;
    restoreGroup(m_group, m_scene);
    setText(QObject::tr("Redo Group %1").arg(m_items.size()));
}

UnGroupShapeCommand::UnGroupShapeCommand(
    QGraphicsItemGroup *group, QGraphicsScene *scene, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_group(group)
    , m_guard(guardOf(group))
    , m_scene(scene)
    , m_items(membersOf(group))
{
}

UnGroupShapeCommand::~UnGroupShapeCommand()
{
    if (m_guard && membersOf(m_group).isEmpty())
        deleteOrphan(m_group, m_guard);
}

void UnGroupShapeCommand::undo()
{
    regroupMembers(m_group, m_scene, m_items);
    restoreGroup(m_group, m_scene);
    setText(QObject::tr("Undo UnGroup %1").arg(m_items.size()));
}

void UnGroupShapeCommand::redo()
{
    releaseMembers(m_group, m_items, true);
    dropGroup(m_group, m_scene);
    setText(QObject::tr("Redo UnGroup %1").arg(m_items.size()));
}
