#pragma once

#include "graphicsitem.h"
#include "graphicsitemgroup.h"

// Calls `visit` with the item as its shape class (GraphicsItem* or GraphicsItemGroup*), so
// that code can use the shared shape operations on either. Returns false for any other
// item (handles, pictures).
template <typename Visit> bool visitShape(QGraphicsItem *item, Visit &&visit)
{
    if (auto *shape = dynamic_cast<GraphicsItem *>(item)) {
        visit(shape);
        return true;
    }
    if (auto *group = dynamic_cast<GraphicsItemGroup *>(item)) {
        visit(group);
        return true;
    }
    return false;
}
