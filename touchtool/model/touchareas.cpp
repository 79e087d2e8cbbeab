#include "touchareas.h"

#include "drawtypes.h"
#include "pagescene.h"
#include "toucharea.h"
#include "touchlog.h"

namespace {

bool isGroupMember(const QGraphicsItem *item)
{
    return dynamic_cast<QGraphicsItemGroup *>(item->parentItem()) != nullptr;
}

// Handles and the scene's hidden empty rectangle share the plain rectangle type; neither
// is a touch area.
bool hasAreaAt(PageScene *scene, const QPointF &point)
{
    const QList<QGraphicsItem *> found
        = scene->items(point, Qt::IntersectsItemShape, Qt::DescendingOrder, QTransform());
    for (const QGraphicsItem *item : found) {
        if (item->type() != HandleType)
            return true;
    }
    return false;
}

TouchArea *newArea(const TouchRecord &record)
{
    auto *area = new TouchArea(
        QRect(QPoint(record.left, record.top), QPoint(record.right, record.bottom)), false);
    area->picNum = signed16(record.picNum);
    area->pressedPage = signed16(record.pressedPage);
    area->command = record.command;
    return area;
}

} // namespace

QList<QGraphicsItem *> topLevelShapes(PageScene *scene)
{
    QList<QGraphicsItem *> shapes;
    const QList<QGraphicsItem *> items = scene->items(Qt::DescendingOrder);
    for (QGraphicsItem *item : items) {
        if (!isGroupMember(item) && (item->type() == ShapeType || item->type() == GroupType))
            shapes.append(item);
    }
    return shapes;
}

QVector<TouchRecord> pageRecords(int page, PageScene *scene)
{
    QVector<TouchRecord> records;
    const QList<QGraphicsItem *> items = scene->items(Qt::DescendingOrder);
    for (QGraphicsItem *item : items) {
        if (isGroupMember(item) || item->type() == HandleType)
            continue;
        const auto *shape = dynamic_cast<const GraphicsItem *>(item);
        const TouchFields *fields = touchFields(item);
        if (!shape || !fields || shape->width() <= 0 || shape->height() <= 0)
            continue;
        records.append(touchRecordFor(page, shape->pos().x(), shape->pos().y(), shape->width(),
            shape->height(), fields->picNum, fields->pressedPage, fields->command));
    }
    return records;
}

QVector<TouchRecord> hmiConfigRecords(const PageMap &pages)
{
    QVector<TouchRecord> records;
    for (auto it = pages.constBegin(); it != pages.constEnd(); ++it)
        records += pageRecords(it.key(), it.value()->scene);
    return records;
}

QByteArray hmiConfigBytes(const PageMap &pages)
{
    return encodeTouchFile(hmiConfigRecords(pages));
}

int addMissingAreas(const PageMap &pages, const QVector<TouchRecord> &records)
{
    int added = 0;
    for (const TouchRecord &record : records) {
        // A record for a page the project lacks is skipped; it must not make an empty page.
        const auto page = pages.constFind(record.page);
        if (page == pages.constEnd())
            continue;
        PageScene *scene = page.value()->scene;
        if (hasAreaAt(scene, QPointF(record.left + 1, record.top + 1)))
            continue;
        qCDebug(touchLog).noquote()
            << QStringLiteral("该点没有控件: ") << record.left << "," << record.top;
        TouchArea *area = newArea(record);
        qCDebug(touchLog) << "w=" << area->width() << " , h=" << area->height();
        scene->addItem(area);
        area->normalizeGeometry();
        ++added;
    }
    return added;
}
