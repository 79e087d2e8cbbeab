#pragma once

#include "touchrecord.h"

#include <QString>
#include <QVector>

// The page numbers a record can carry. Every field holds 16 bits; a record whose first byte
// is FF reads as the end mark FF FF, so an area's page stays below 0xFF00. The jump and
// pressed-look pages are read back as signed, so they run up to 32767, or -1 for none.
constexpr int touchLargestAreaPage = 0xFEFF;
constexpr int touchLargestTargetPage = 0x7FFF;
constexpr int touchNoTargetPage = -1;

// A page number of one record that the file cannot hold.
struct TouchPageRefusal
{
    enum Field {
        None,
        AreaPage, // the page that holds the area
        JumpPage, // picNum
        PressedPage, // catoonNum
    };
    Field field = None;
    int index = -1; // of the record, in file order
    TouchRecord record;
    int value() const;
    bool ok() const { return field == None; }
};

// The first page number of `records`, in file order, that the file cannot hold.
TouchPageRefusal checkTouchPages(const QVector<TouchRecord> &records);

// The wording of `refusal`, naming the page and the area's top-left corner; translated in
// the context "TouchPages".
QString touchPageRefusalText(const TouchPageRefusal &refusal);
