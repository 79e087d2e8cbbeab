#include "kpxbuilder.h"

#include "inttobytes.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTranslator>

#include <algorithm>

namespace {

// Diagnostics only: quiet unless QT_LOGGING_RULES asks for them.
Q_LOGGING_CATEGORY(kpxLog, "lumo.kpx", QtInfoMsg)

constexpr char continuationMark = '\xFE';
constexpr int touchBlockSize = 16;
constexpr int maximumTouchPages = 4096; // the page number of a record has 12 bits
constexpr int blockHeaderSize = 32;

int byteAt(const QByteArray &data, int position)
{
    return static_cast<quint8>(data.at(position));
}

int recordPage(const QByteArray &touch, int position)
{
    return (byteAt(touch, position) & 0x0F) * 256 + byteAt(touch, position + 1);
}

// A record is its first block and up to three continuation blocks.
int recordLength(const QByteArray &touch, int position)
{
    int length = touchBlockSize;
    while (length < 4 * touchBlockSize && touch.size() > position + length
        && touch.at(position + length) == continuationMark)
        length += touchBlockSize;
    return length;
}

void putBigEndian(QByteArray *bytes, int offset, int value, int count)
{
    bytes->replace(offset, count, intToBytes(value, count, 0));
}

QByteArray soundField(const KpxSettings &settings)
{
    switch (settings.sound) {
    case KpxSound::Buzzer:
        return QByteArray(4, '\xFF');
    case KpxSound::Silent:
        return QByteArrayLiteral("\xFE\xFF\xFF\xFF");
    case KpxSound::Speaker:
        break;
    }
    return intToBytes(settings.audioFileId, 2, 0) + intToBytes(settings.audioId, 2, 0);
}

QByteArray header(
    const KpxSettings &settings, const QDateTime &stamp, quint32 totalLength, int highestPage)
{
    QByteArray bytes(kpxHeaderSize, '\xFF');
    bytes.replace(0, 10, QByteArrayLiteral("ORBI_3\x15KPX"));
    putBigEndian(&bytes, 10, static_cast<int>(totalLength), 4);
    putBigEndian(&bytes, 14, qMax(highestPage, 0), 2);
    bytes[16] = 0x10;
    bytes[17] = 0x10;
    const QDate date = stamp.date();
    const QTime time = stamp.time();
    bytes[18] = static_cast<char>(date.year() % 100);
    bytes[19] = static_cast<char>(date.month());
    bytes[20] = static_cast<char>(date.day());
    bytes[21] = static_cast<char>(time.hour());
    bytes[22] = static_cast<char>(time.minute());
    bytes[23] = static_cast<char>(time.second());
    putBigEndian(&bytes, 24, settings.pageFileId, 2);
    putBigEndian(&bytes, 26, settings.startPageId, 2);
    bytes.replace(28, 4, soundField(settings));
    return bytes;
}

int indexLength(int highestPage)
{
    return (8 * (highestPage + 1) + 255) / 256 * 256;
}

} // namespace

int highestTouchPage(const QByteArray &touch)
{
    int highest = 0;
    for (int position = 0; position + touchBlockSize <= touch.size(); position += touchBlockSize) {
        if (touch.at(position) != continuationMark)
            highest = qMax(highest, recordPage(touch, position));
    }
    return highest;
}

KpxPages::KpxPages(const QByteArray &touch, const QByteArray &variables)
    : m_touch(touch)
    , m_variables(variables)
    , m_firstRecord(maximumTouchPages + 1, 0)
{
    // A counting sort by page keeps each page's records in file order.
    QVector<Record> inFileOrder;
    QVector<int> pages;
    inFileOrder.reserve(touch.size() / touchBlockSize + 1);
    pages.reserve(touch.size() / touchBlockSize + 1);
    for (int position = 0; position < touch.size() - 2;) {
        const int length = recordLength(touch, position);
        const int page = recordPage(touch, position);
        inFileOrder.append({ position, qMin(length, touch.size() - position) });
        pages.append(page);
        ++m_firstRecord[page + 1];
        position += length;
    }
    for (int page = 0; page < maximumTouchPages; ++page)
        m_firstRecord[page + 1] += m_firstRecord[page];
    m_records.resize(inFileOrder.size());
    QVector<int> next(m_firstRecord.constBegin(), m_firstRecord.constEnd() - 1);
    for (int i = 0; i < inFileOrder.size(); ++i)
        m_records[next[pages[i]]++] = inFileOrder[i];
}

int KpxPages::appendPageBlock(int page, QByteArray *out) const
{
    int variableCount = 0;
    int variableStart = 0;
    int variableBytes = 0;
    const int entry = 16 + 4 * page;
    // A page past the end of the variable file's page table has no variable records.
    if (!m_variables.isEmpty() && entry + 4 <= m_variables.size()) {
        variableCount = byteAt(m_variables, entry);
        variableStart = (byteAt(m_variables, entry + 1) << 16)
            | (byteAt(m_variables, entry + 2) << 8) | byteAt(m_variables, entry + 3);
        const int available = qMax(0, m_variables.size() - variableStart);
        variableBytes = qMin(32 * variableCount, available);
    }

    int touchCount = 0;
    int touchBytes = 0;
    const int firstRecord = page < maximumTouchPages ? m_firstRecord[page] : 0;
    const int endRecord = page < maximumTouchPages ? m_firstRecord[page + 1] : 0;
    for (int i = firstRecord; i < endRecord; ++i) {
        touchBytes += m_records[i].length;
        ++touchCount;
    }

    if (variableCount == 0 && touchCount == 0)
        return 0;

    const int start = out->size();
    const int length = qMin(blockHeaderSize + variableBytes + touchBytes, kpxBlockLimit);
    out->append(QByteArrayLiteral("\x5A\xA5"));
    out->append(intToBytes(page, 2, 0));
    out->append(intToBytes(variableCount, 2, 0));
    out->append(intToBytes(blockHeaderSize, 2, 0));
    out->append(intToBytes(variableBytes, 2, 0));
    out->append(intToBytes(touchCount, 2, 0));
    out->append(intToBytes(variableBytes + blockHeaderSize, 2, 0));
    out->append(intToBytes(touchBytes, 2, 0));
    out->append(6, '\0');
    out->append(10, '\xFF');

    // Only the first 16384 bytes are kept, so stop copying once they are there.
    const int end = start + length;
    auto appendCut = [out, end](const char *data, int count) {
        out->append(data, qMin(count, end - out->size()));
    };
    if (variableBytes > 0)
        appendCut(m_variables.constData() + variableStart, variableBytes);
    for (int i = firstRecord; i < endRecord && out->size() < end; ++i) {
        qCDebug(kpxLog) << "touch record length" << m_records[i].length;
        appendCut(m_touch.constData() + m_records[i].position, m_records[i].length);
    }
    return length;
}

KpxBuild buildKpx(const KpxSources &sources, const KpxSettings &settings, const QDateTime &stamp)
{
    KpxBuild build;
    const QByteArray touch = sources.touchIncluded ? sources.touch : QByteArray();
    const QByteArray variables = sources.variablesIncluded ? sources.variables : QByteArray();

    if (sources.variablesIncluded) {
        if (variables.size() < kpxMinimumVariablesSize) {
            build.refusal = KpxRefusal::VariablesTooShort;
            return build;
        }
        build.highestPage = (byteAt(variables, 8) << 8) | byteAt(variables, 9);
    }
    if (sources.touchIncluded) {
        build.highestTouchPage = highestTouchPage(touch);
        build.highestPage = qMax(build.highestPage, build.highestTouchPage);
    }
    qCDebug(kpxLog) << "highest page" << build.highestPage << "highest touch page"
                    << build.highestTouchPage;

    // Header first as a placeholder: the total length is known only at the end.
    QByteArray bytes(kpxHeaderSize, '\xFF');
    if (sources.touchIncluded || sources.variablesIncluded) {
        const int indexStart = bytes.size();
        bytes.append(indexLength(build.highestPage), '\xFF');
        bytes.reserve(bytes.size() + touch.size() + variables.size()
            + blockHeaderSize * (build.highestPage + 1));
        const KpxPages pages(touch, variables);
        for (int page = 0; page <= build.highestPage; ++page) {
            const int offset = bytes.size();
            const int length = pages.appendPageBlock(page, &bytes);
            if (length == 0)
                continue;
            if (offset > kpxLargestBlockOffset) {
                build.refusal = KpxRefusal::LayoutTooLarge;
                build.refusedPage = page;
                build.refusedOffset = offset;
                return build;
            }
            QByteArray entry = QByteArrayLiteral("\x5A");
            entry += intToBytes(length, 2, 0);
            entry += intToBytes(offset, 3, 0);
            entry += QByteArrayLiteral("\xFF\xFF");
            bytes.replace(indexStart + 8 * page, 8, entry);
        }
    }
    bytes.replace(0, kpxHeaderSize,
        header(settings, stamp, static_cast<quint32>(bytes.size()), build.highestPage));
    build.bytes = bytes;
    return build;
}

namespace {

// `words` with `first` and `second` for %1 and %2; a wording that names the limit takes
// `limit` as %3, the Chinese one has the number written in.
QString withLimit(const QString &words, const QString &first, const QString &second, qint64 limit)
{
    const QString text = words.arg(first).arg(second);
    return words.contains(QLatin1String("%3")) ? text.arg(limit) : text;
}

} // namespace

QString kpxRefusalText(const KpxBuild &build, const QString &variablesPath, int variablesSize)
{
    switch (build.refusal) {
    case KpxRefusal::VariablesTooShort:
        return withLimit(QCoreApplication::translate("KpxBuilder",
                             "14变量文件%1只有%2字节，缺少最高页面字段，未生成KPX文件！"),
            variablesPath, QString::number(variablesSize), kpxMinimumVariablesSize);
    case KpxRefusal::LayoutTooLarge:
        return withLimit(
            QCoreApplication::translate("KpxBuilder",
                "第%1页的数据块起始于第%2字节，超出KPX页面索引可描述的范围（16777215），"
                "未生成KPX文件！"),
            QString::number(build.refusedPage), QString::number(build.refusedOffset),
            kpxLargestBlockOffset);
    case KpxRefusal::None:
        break;
    }
    return QString();
}

bool loadKpxBuilderCommandLineCatalogue(QTranslator *translator)
{
    Q_INIT_RESOURCE(kpx_format_lumo);
    return translator->load(QStringLiteral(":/lumo/kpxbuilder_en.qm"));
}
