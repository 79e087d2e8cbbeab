#include "touchdump.h"

#include "touchrecord.h"

namespace {

const char endMark[] = "\xFF\xFF";

constexpr int kLargestExtent = 0x8000;

// Inclusive extent from `first` to `last`, wrapping as 16-bit fields do.
int extent(int first, int last)
{
    return (last - first + 1) & 0xFFFF;
}

bool plausible(const TouchRecord &record)
{
    return extent(record.left, record.right) <= kLargestExtent
        && extent(record.top, record.bottom) <= kLargestExtent;
}

QString recordLine(int index, const TouchRecord &record)
{
    return QStringLiteral("record[%1] page=%2 left=%3 top=%4 right=%5 bottom=%6 picNum=%7 "
                          "catoonNum=%8 commond=0x%9")
        .arg(index)
        .arg(record.page)
        .arg(record.left)
        .arg(record.top)
        .arg(record.right)
        .arg(record.bottom)
        .arg(signed16(record.picNum))
        .arg(signed16(record.pressedPage))
        .arg(QString::number(record.command, 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

// What is wrong with what follows the whole records, starting at `at`; empty when it is
// exactly the end mark. Looks at the rest in place: it may be most of a large file.
QString restProblem(const QByteArray &bytes, int at, qint64 *offset)
{
    const int rest = bytes.size() - at;
    const auto byteAt = [&](int i) { return static_cast<unsigned char>(bytes.at(at + i)); };
    const bool endMarkFirst = rest >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFF;
    *offset = at;
    if (endMarkFirst && rest == 2)
        return QString();
    if (rest == 0)
        return QStringLiteral("the file ends without the end mark FF FF");
    if (endMarkFirst) {
        *offset = at + 2;
        return QStringLiteral("%1 bytes follow the end mark FF FF").arg(rest - 2);
    }
    if (byteAt(0) == 0xFF) {
        return rest == 1
            ? QStringLiteral("the end mark FF FF is cut short")
            : QStringLiteral("record %1 has the page number 0x%2, which the reader takes for "
                             "the end mark")
                  .arg(at / touchRecordSize)
                  .arg(QString::number(byteAt(1) | 0xFF00, 16).toUpper());
    }
    return QStringLiteral("record %1 is cut short: %2 of %3 bytes")
        .arg(at / touchRecordSize)
        .arg(rest)
        .arg(touchRecordSize);
}

} // namespace

bool looksLikeTouchFile(const QByteArray &bytes)
{
    // The end mark and the size first: content of another kind mostly fails there, before
    // a record is read.
    if (!bytes.endsWith(endMark) || (bytes.size() - 2) % touchRecordSize != 0)
        return false;
    const int records = touchRecordCount(bytes);
    qint64 offset = 0;
    if (!restProblem(bytes, records * touchRecordSize, &offset).isEmpty())
        return false;
    for (int i = 0; i < records; ++i) {
        if (!plausible(touchRecordAt(bytes, i)))
            return false;
    }
    return true;
}

TouchDump dumpTouchFile(const QByteArray &bytes, const DumpLineSink &sink)
{
    TouchDump dump;
    const auto addLine = [&](const QString &text) {
        if (sink)
            sink(text);
        else
            dump.lines.append(text);
    };
    addLine(QStringLiteral("format hmi"));
    // The tool's own reader: it stops at a first byte 0xFF or a short rest.
    const int records = touchRecordCount(bytes);
    for (int i = 0; i < records; ++i)
        addLine(recordLine(i, touchRecordAt(bytes, i)));
    const int end = records * touchRecordSize;
    qint64 offset = 0;
    const QString problem = restProblem(bytes, end, &offset);
    if (!problem.isEmpty()) {
        dump.errorOffset = offset;
        dump.error = problem;
        return dump;
    }
    addLine(QStringLiteral("records %1").arg(records));
    addLine(QStringLiteral("end_mark.offset %1").arg(end));
    return dump;
}
