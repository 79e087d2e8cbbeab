#pragma once

#include <QByteArray>
#include <QVector>

// One touch area as the display module reads it: eight 16-bit fields, big-endian.
// Right and bottom are inclusive pixel coordinates. Fields hold what is written (only the
// low 16 bits reach the file) or, after decoding, the unsigned value 0..65535.
struct TouchRecord
{
    int page = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int picNum = -1;
    int pressedPage = -1;
    int command = -1;

    bool operator==(const TouchRecord &other) const;
};

constexpr int touchRecordSize = 16;

// The record of an area at (x, y) of `width` x `height` pixels on `page`. Position and size
// are truncated toward zero separately: right = left + truncated width - 1.
TouchRecord touchRecordFor(int page, double x, double y, double width, double height, int picNum,
    int pressedPage, int command);

// The 16 bytes of one record.
QByteArray encodeTouchRecord(const TouchRecord &record);

// The whole device file: the records in order, then the end mark FF FF.
QByteArray encodeTouchFile(const QVector<TouchRecord> &records);

// The records of a device file, fields unsigned. Reading stops at a record whose first
// byte is 0xFF (the end mark) or when fewer than 16 bytes remain; such a rest is ignored.
QVector<TouchRecord> decodeTouchFile(const QByteArray &bytes);

// How many records that reader takes, and record `index` of them, for going through a large
// file without holding every record.
int touchRecordCount(const QByteArray &bytes);
TouchRecord touchRecordAt(const QByteArray &bytes, int index);

// A 16-bit field read as signed: 0x8000..0xFFFF give -32768..-1.
int signed16(int value);
