#pragma once

#include "picmsg.h"
#include "touchrecord.h"

#include <QByteArray>
#include <QList>
#include <QVector>

#include "drawingfwd.h"

class QGraphicsItem;

// The items of `scene` that stand for themselves in the project: in descending stacking
// order (topmost first), without group members, handles and pictures. Groups are
// included; they carry their members.
QList<QGraphicsItem *> topLevelShapes(PageScene *scene);

// The records of the touch areas on page `page`, topmost first. Groups and their members,
// handles and shapes of no width or no height give no record; rotation and scale are
// ignored.
QVector<TouchRecord> pageRecords(int page, PageScene *scene);

// The records of every page's areas, pages in ascending number.
QVector<TouchRecord> hmiConfigRecords(const PageMap &pages);

// The device file of the pages in ascending page number; just the end mark for pages
// without areas. Page numbers are not judged here (checkTouchPages).
QByteArray hmiConfigBytes(const PageMap &pages);

// Adds a touch rectangle for every record that names a page of `pages` and finds no area
// at (left + 1, top + 1) of that page already. Returns the number of areas added.
int addMissingAreas(const PageMap &pages, const QVector<TouchRecord> &records);
