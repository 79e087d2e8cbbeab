#include "touchdump.h"

#include <QVector>

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
// exactly the end mark.
QString restProblem(const QByteArray &bytes, int at, qint64 *offset)
{
    const QByteArray rest = bytes.mid(at);
    *offset = at;
    if (rest == QByteArray(endMark))
        return QString();
    if (rest.isEmpty())
        return QStringLiteral("the file ends without the end mark FF FF");
    if (rest.startsWith(endMark)) {
        *offset = at + 2;
        return QStringLiteral("%1 bytes follow the end mark FF FF").arg(rest.size() - 2);
    }
    if (static_cast<unsigned char>(rest.at(0)) == 0xFF) {
        return rest.size() == 1
            ? QStringLiteral("the end mark FF FF is cut short")
            : QStringLiteral("record %1 has the page number 0x%2, which the reader takes for "
                             "the end mark")
                  .arg(at / touchRecordSize)
                  .arg(QString::number(static_cast<unsigned char>(rest.at(1)) | 0xFF00, 16)
                           .toUpper());
    }
    return QStringLiteral("record %1 is cut short: %2 of %3 bytes")
        .arg(at / touchRecordSize)
        .arg(rest.size())
        .arg(touchRecordSize);
}

} // namespace

bool looksLikeTouchFile(const QByteArray &bytes)
{
    const QVector<TouchRecord> records = decodeTouchFile(bytes);
    qint64 offset = 0;
    if (!restProblem(bytes, records.size() * touchRecordSize, &offset).isEmpty())
        return false;
    for (const TouchRecord &record : records) {
        if (!plausible(record))
            return false;
    }
    return true;
}

TouchDump dumpTouchFile(const QByteArray &bytes)
{
    TouchDump dump;
    dump.lines.append(QStringLiteral("format hmi"));
    // The tool's own reader: it stops at a first byte 0xFF or a short rest.
    const QVector<TouchRecord> records = decodeTouchFile(bytes);
    for (int i = 0; i < records.size(); ++i)
        dump.lines.append(recordLine(i, records.at(i)));
    const int end = records.size() * touchRecordSize;
    qint64 offset = 0;
    const QString problem = restProblem(bytes, end, &offset);
    if (!problem.isEmpty()) {
        dump.errorOffset = offset;
        dump.error = problem;
        return dump;
    }
    dump.lines.append(QStringLiteral("records %1").arg(records.size()));
    dump.lines.append(QStringLiteral("end_mark.offset %1").arg(end));
    return dump;
}
