#include "touchrecord.h"

#include "inttobytes.h"

#include <climits>
#include <cmath>

namespace {

// Toward zero, as the module's tools always stored geometry. A value outside the 32-bit
// range gives INT_MIN, what the conversion instruction of the original platform gives,
// instead of undefined behaviour.
int truncated(double value)
{
    if (std::isnan(value) || value >= 2147483648.0 || value <= -2147483649.0)
        return INT_MIN;
    return static_cast<int>(value);
}

// Sums in modular 32-bit arithmetic: only the low 16 bits are written anyway.
int wrappingEdge(int start, int size)
{
    return static_cast<int>(static_cast<unsigned>(start) + static_cast<unsigned>(size) - 1u);
}

int field(const QByteArray &bytes, int offset)
{
    return (static_cast<unsigned char>(bytes.at(offset)) << 8)
        | static_cast<unsigned char>(bytes.at(offset + 1));
}

} // namespace

bool TouchRecord::operator==(const TouchRecord &other) const
{
    return page == other.page && left == other.left && top == other.top && right == other.right
        && bottom == other.bottom && picNum == other.picNum && pressedPage == other.pressedPage
        && command == other.command;
}

TouchRecord touchRecordFor(int page, double x, double y, double width, double height, int picNum,
    int pressedPage, int command)
{
    TouchRecord record;
    record.page = page;
    record.left = truncated(x);
    record.top = truncated(y);
    record.right = wrappingEdge(record.left, truncated(width));
    record.bottom = wrappingEdge(record.top, truncated(height));
    record.picNum = picNum;
    record.pressedPage = pressedPage;
    record.command = command;
    return record;
}

QByteArray encodeTouchRecord(const TouchRecord &record)
{
    QByteArray bytes;
    bytes.reserve(touchRecordSize);
    for (int value : { record.page, record.left, record.top, record.right, record.bottom,
             record.picNum, record.pressedPage, record.command })
        bytes += intToBytes(value, 2, 0);
    return bytes;
}

QByteArray encodeTouchFile(const QVector<TouchRecord> &records)
{
    QByteArray bytes;
    bytes.reserve(records.size() * touchRecordSize + 2);
    for (const TouchRecord &record : records)
        bytes += encodeTouchRecord(record);
    bytes += intToBytes(0xFFFF, 2, 0);
    return bytes;
}

int touchRecordCount(const QByteArray &bytes)
{
    int at = 0;
    while (bytes.size() - at >= touchRecordSize && static_cast<unsigned char>(bytes.at(at)) != 0xFF)
        at += touchRecordSize;
    return at / touchRecordSize;
}

TouchRecord touchRecordAt(const QByteArray &bytes, int index)
{
    const int at = index * touchRecordSize;
    TouchRecord record;
    record.page = field(bytes, at);
    record.left = field(bytes, at + 2);
    record.top = field(bytes, at + 4);
    record.right = field(bytes, at + 6);
    record.bottom = field(bytes, at + 8);
    record.picNum = field(bytes, at + 10);
    record.pressedPage = field(bytes, at + 12);
    record.command = field(bytes, at + 14);
    return record;
}

QVector<TouchRecord> decodeTouchFile(const QByteArray &bytes)
{
    const int count = touchRecordCount(bytes);
    QVector<TouchRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records.append(touchRecordAt(bytes, i));
    return records;
}

int signed16(int value)
{
    return static_cast<qint16>(static_cast<quint16>(value));
}
