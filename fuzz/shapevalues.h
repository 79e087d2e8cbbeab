#pragma once

// The values of a scene's shapes as a project file holds them, to compare what was read
// with what reading the written file gives.
#include "drawtypes.h"
#include "graphicsitem.h"
#include "graphicsitemgroup.h"

#include <functional>

#include <QGraphicsScene>
#include <QStringList>

// Reals to the 6 significant digits the file keeps.
inline QString fileReal(double value)
{
    return QString::number(value, 'g', 6);
}

// One line per shape and group in stacking order; `toolFields` adds the editor's own.
inline QStringList shapeValues(
    const QGraphicsScene *scene, const std::function<QString(const QGraphicsItem *)> &toolFields)
{
    QStringList lines;
    for (const QGraphicsItem *item : scene->items()) {
        if (item->type() != ShapeType && item->type() != GroupType)
            continue;
        QString line = QStringLiteral("%1 %2 %3 %4 %5 %6")
                           .arg(item->type())
                           .arg(item->parentItem() ? 1 : 0)
                           .arg(fileReal(item->pos().x()), fileReal(item->pos().y()),
                               fileReal(item->rotation()), fileReal(item->zValue()));
        if (const auto *shape = dynamic_cast<const GraphicsItem *>(item))
            line += QStringLiteral(" %1 %2 %3")
                        .arg(fileReal(shape->width()), fileReal(shape->height()), toolFields(item));
        lines.append(line);
    }
    return lines;
}
