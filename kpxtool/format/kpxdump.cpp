#include "kpxdump.h"

#include <algorithm>

#include <QVector>

#include "kpxbuilder.h"

namespace {

constexpr int kEntrySize = 8;
constexpr int kBlockHeaderSize = 32;

const QByteArray &identification()
{
    static const QByteArray bytes = QByteArrayLiteral("ORBI_3\x15KPX");
    return bytes;
}

struct Block
{
    int page;
    qint64 length;
    qint64 offset;
};

class KpxReader : public DumpReader
{
public:
    KpxReader(const QByteArray &bytes, const DumpLineSink &sink)
        : DumpReader(bytes, sink)
    {
    }

    KpxDump read();

private:
    bool header();
    void sound();
    bool index();
    bool entry(int page, qint64 at);
    bool block(const Block &block);
    bool end();

    int m_highestPage = 0;
    qint64 m_running = kpxHeaderSize; // where the next block belongs
    QVector<Block> m_blocks;
};

KpxDump KpxReader::read()
{
    addLine(QStringLiteral("format kpx"));
    if (header() && index()) {
        bool sound = true;
        for (int i = 0; sound && i < m_blocks.size(); ++i)
            sound = block(m_blocks.at(i));
        if (sound)
            end();
    }
    return m_dump;
}

bool KpxReader::header()
{
    if (!checkIdentification(identification(), QStringLiteral("\"ORBI_3\" 0x15 \"KPX\"")))
        return false;
    line(QStringLiteral("header.magic"), QStringLiteral("ORBI_3"));
    line(QStringLiteral("header.id"), hex(0x15, 2));
    line(QStringLiteral("header.type"), QStringLiteral("KPX"));
    if (!need(10, 22, QStringLiteral("the header's fields")))
        return false;
    line(QStringLiteral("header.size"), value(10, 4));
    m_highestPage = int(value(14, 2));
    line(QStringLiteral("header.highest_page"), m_highestPage);
    line(QStringLiteral("header.fixed"),
        hex(value(16, 1), 2) + QLatin1Char(' ') + hex(value(17, 1), 2));
    // Plain numbers, the year without its century.
    line(QStringLiteral("header.time"),
        QStringLiteral("%1-%2-%3T%4:%5:%6")
            .arg(value(18, 1), 2, 10, QLatin1Char('0'))
            .arg(value(19, 1), 2, 10, QLatin1Char('0'))
            .arg(value(20, 1), 2, 10, QLatin1Char('0'))
            .arg(value(21, 1), 2, 10, QLatin1Char('0'))
            .arg(value(22, 1), 2, 10, QLatin1Char('0'))
            .arg(value(23, 1), 2, 10, QLatin1Char('0')));
    line(QStringLiteral("header.rpl"), value(24, 2));
    line(QStringLiteral("header.start_page"), value(26, 2));
    sound();
    return need(32, kpxHeaderSize - 32, QStringLiteral("the header"));
}

void KpxReader::sound()
{
    const quint32 field = value(28, 4);
    if (field == 0xFFFFFFFFu) {
        line(QStringLiteral("header.sound"), QStringLiteral("buzzer"));
    } else if (field == 0xFEFFFFFFu) {
        line(QStringLiteral("header.sound"), QStringLiteral("silent"));
    } else {
        line(QStringLiteral("header.sound"), QStringLiteral("speaker"));
        // The audio file ID runs from 0 to 65534; FF FF stands for -1.
        const quint32 zva = value(28, 2);
        line(QStringLiteral("header.zva"), zva == 0xFFFF ? -1 : qint64(zva));
        line(QStringLiteral("header.audio"), value(30, 2));
    }
}

bool KpxReader::index()
{
    // Without pages the file is the header alone.
    if (m_highestPage == 0 && size() <= kpxHeaderSize) {
        line(QStringLiteral("index.size"), 0);
        return true;
    }
    const qint64 length = (qint64(kEntrySize) * (m_highestPage + 1) + 255) / 256 * 256;
    line(QStringLiteral("index.size"), length);
    m_running = kpxHeaderSize + length;
    for (int page = 0; page <= m_highestPage; ++page) {
        if (!entry(page, kpxHeaderSize + qint64(kEntrySize) * page))
            return false;
    }
    return need(kpxHeaderSize, length, QStringLiteral("the page index"));
}

bool KpxReader::entry(int page, qint64 at)
{
    if (!need(at, kEntrySize, QStringLiteral("index entry %1").arg(page)))
        return false;
    const quint32 mark = value(at, 1);
    if (mark == 0xFF)
        return true;
    if (mark != 0x5A)
        return fail(at,
            QStringLiteral("index entry %1 is neither in use (0x5A) nor empty (0xFF)").arg(page));
    const Block block { page, value(at + 1, 2), value(at + 3, 3) };
    const QString name = QStringLiteral("index[%1].").arg(page);
    line(name + QStringLiteral("length"), block.length);
    line(name + QStringLiteral("offset"), block.offset);
    if (block.length < kBlockHeaderSize || block.length > kpxBlockLimit)
        return fail(at + 1,
            QStringLiteral("the block of page %1 has %2 bytes, a block has %3 to %4")
                .arg(page)
                .arg(block.length)
                .arg(kBlockHeaderSize)
                .arg(kpxBlockLimit));
    // Blocks follow the index back to back, in page order; a file cut short is found when
    // the block is read.
    if (block.offset != m_running && block.offset >= size())
        return fail(at + 3,
            QStringLiteral("the block of page %1 starts at %2, past the end of the file (%3 bytes)")
                .arg(page)
                .arg(block.offset)
                .arg(size()));
    if (block.offset != m_running)
        return fail(at + 3,
            QStringLiteral("the block of page %1 starts at %2, it belongs at %3")
                .arg(page)
                .arg(block.offset)
                .arg(m_running));
    m_running += block.length;
    m_blocks.append(block);
    return true;
}

bool KpxReader::block(const Block &block)
{
    const qint64 at = block.offset;
    const int page = block.page;
    if (!need(at, kBlockHeaderSize, QStringLiteral("the header of the block of page %1").arg(page)))
        return false;
    if (value(at, 2) != 0x5AA5)
        return fail(at, QStringLiteral("the block of page %1 lacks the mark 5A A5").arg(page));
    if (int(value(at + 2, 2)) != page)
        return fail(at + 2,
            QStringLiteral("the block of page %1 gives the page number %2")
                .arg(page)
                .arg(value(at + 2, 2)));
    const QString name = QStringLiteral("page[%1].").arg(page);
    const qint64 variables = value(at + 8, 2);
    const qint64 touches = value(at + 14, 2);
    line(name + QStringLiteral("variable_records"), value(at + 4, 2));
    line(name + QStringLiteral("variable_offset"), value(at + 6, 2));
    line(name + QStringLiteral("variable_bytes"), variables);
    line(name + QStringLiteral("touch_records"), value(at + 10, 2));
    line(name + QStringLiteral("touch_offset"), value(at + 12, 2));
    line(name + QStringLiteral("touch_bytes"), touches);
    if (value(at + 6, 2) != kBlockHeaderSize)
        return fail(at + 6,
            QStringLiteral("the variable records of page %1 start at %2 instead of %3")
                .arg(page)
                .arg(value(at + 6, 2))
                .arg(kBlockHeaderSize));
    if (variables > 32 * qint64(value(at + 4, 2)))
        return fail(at + 8,
            QStringLiteral(
                "page %1 has %2 bytes of variable records, more than its %3 records hold")
                .arg(page)
                .arg(variables)
                .arg(value(at + 4, 2)));
    if (value(at + 12, 2) != kBlockHeaderSize + variables)
        return fail(at + 12,
            QStringLiteral("the touch records of page %1 start at %2 instead of %3")
                .arg(page)
                .arg(value(at + 12, 2))
                .arg(kBlockHeaderSize + variables));
    const qint64 whole = kBlockHeaderSize + variables + touches;
    if (std::min<qint64>(whole, kpxBlockLimit) != block.length)
        return fail(at + 8,
            QStringLiteral("the block of page %1 holds %2 bytes, the index gives %3")
                .arg(page)
                .arg(whole)
                .arg(block.length));
    return need(at, block.length, QStringLiteral("the block of page %1").arg(page));
}

bool KpxReader::end()
{
    return checkEnd(m_running, QStringLiteral("last block"));
}

} // namespace

bool isKpxFile(const QByteArray &bytes)
{
    return bytes.startsWith(identification());
}

KpxDump dumpKpx(const QByteArray &bytes, const DumpLineSink &sink)
{
    return KpxReader(bytes, sink).read();
}
