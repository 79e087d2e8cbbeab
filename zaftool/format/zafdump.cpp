#include "zafdump.h"

namespace {

constexpr int kMaxFonts = 1020;
constexpr int kBlock = 4096;
constexpr int kIndexStart = 16;
constexpr int kTableStart = 16;
constexpr int kEntrySize = 12;

const QByteArray &identification()
{
    static const QByteArray bytes = QByteArrayLiteral("ORBI_3\x17ZAF");
    return bytes;
}

class ZafReader : public DumpReader
{
public:
    ZafReader(const QByteArray &bytes, const DumpLineSink &sink)
        : DumpReader(bytes, sink)
    {
    }

    ZafDump read();

private:
    bool header();
    bool index();
    bool font(int font);
    void characters(int font, qint64 table);
    bool picture(int font, qint64 descriptor);
    bool end();

    int m_fonts = 0;
    qint64 m_running = 0; // where the next picture belongs
};

ZafDump ZafReader::read()
{
    addLine(QStringLiteral("format zaf"));
    if (header() && index()) {
        m_running = qint64(m_fonts + 1) * kBlock;
        // In file order: every descriptor, then the pictures they point at.
        bool sound = true;
        for (int i = 0; sound && i < m_fonts; ++i)
            sound = font(i);
        for (int i = 0; sound && i < m_fonts; ++i)
            sound = picture(i, qint64(kBlock) * (i + 1));
        if (sound)
            end();
    }
    return m_dump;
}

bool ZafReader::header()
{
    if (!checkIdentification(identification(), QStringLiteral("\"ORBI_3\" 0x17 \"ZAF\"")))
        return false;
    line(QStringLiteral("header.magic"), QStringLiteral("ORBI_3"));
    line(QStringLiteral("header.id"), hex(0x17, 2));
    line(QStringLiteral("header.type"), QStringLiteral("ZAF"));
    if (!need(10, 4, QStringLiteral("the header's size field")))
        return false;
    line(QStringLiteral("header.size"), value(10, 4));
    if (!need(14, 2, QStringLiteral("the header's font count")))
        return false;
    m_fonts = int(value(14, 2));
    line(QStringLiteral("header.fonts"), m_fonts);
    if (m_fonts > kMaxFonts)
        return fail(
            14, QStringLiteral("%1 fonts, the index holds at most %2").arg(m_fonts).arg(kMaxFonts));
    return true;
}

bool ZafReader::index()
{
    for (int i = 0; i < kMaxFonts; ++i) {
        const qint64 at = kIndexStart + 4 * i;
        if (!need(at, 4, QStringLiteral("index entry %1").arg(i)))
            return false;
        if (i >= m_fonts) {
            if (value(at, 4) != 0)
                return fail(at,
                    QStringLiteral("index entry %1 lies beyond the %2 fonts but is not empty")
                        .arg(i)
                        .arg(m_fonts));
            continue;
        }
        if (value(at, 1) != 0x5A)
            return fail(at, QStringLiteral("index entry %1 lacks the mark 0x5A").arg(i));
        const qint64 descriptor = value(at + 1, 3);
        line(QStringLiteral("index[%1].descriptor").arg(i), descriptor);
        // Descriptors follow the index one block each, in font order; a file cut short is
        // found when the descriptor is read.
        const qint64 expected = qint64(kBlock) * (i + 1);
        if (descriptor != expected && descriptor >= size())
            return fail(at + 1,
                QStringLiteral("index entry %1 points at %2, past the end of the file (%3 bytes)")
                    .arg(i)
                    .arg(descriptor)
                    .arg(size()));
        if (descriptor != expected)
            return fail(at + 1,
                QStringLiteral("index entry %1 points at %2, the descriptor of font %1 lies at %3")
                    .arg(i)
                    .arg(descriptor)
                    .arg(expected));
    }
    return true;
}

bool ZafReader::font(int font)
{
    const qint64 at = qint64(kBlock) * (font + 1);
    const QString name = QStringLiteral("font[%1].").arg(font);
    if (!need(at, kBlock, QStringLiteral("the descriptor of font %1").arg(font)))
        return false;
    if (value(at, 1) != 0x5A)
        return fail(at, QStringLiteral("the descriptor of font %1 lacks the mark 0x5A").arg(font));
    line(name + QStringLiteral("secury"), hex(value(at + 1, 1), 2));
    line(name + QStringLiteral("filter"), hex(value(at + 2, 1), 2));
    line(name + QStringLiteral("picture.offset"), value(at + 3, 4));
    line(name + QStringLiteral("picture.length"), value(at + 7, 3));
    line(name + QStringLiteral("picture.scan"), value(at + 10, 2));
    characters(font, at + kTableStart);
    return true;
}

void ZafReader::characters(int font, qint64 table)
{
    QStringList found;
    for (int key = 0; key < 256; ++key) {
        const qint64 at = table + kEntrySize * key;
        // A key without a character keeps the fill bytes.
        if (m_bytes.mid(int(at), kEntrySize).count('\xFF') == kEntrySize)
            continue;
        found.append(QStringLiteral("font[%1].char[%2] x=%3 y=%4 w=%5 h=%6 rc_x=%7 rc_y=%8")
                         .arg(font)
                         .arg(hex(quint32(key), 2))
                         .arg(value(at, 2))
                         .arg(value(at + 2, 2))
                         .arg(value(at + 4, 2))
                         .arg(value(at + 6, 2))
                         .arg(value(at + 8, 2))
                         .arg(value(at + 10, 2)));
    }
    line(QStringLiteral("font[%1].chars").arg(font), found.size());
    for (const QString &character : found)
        addLine(character);
}

bool ZafReader::picture(int font, qint64 descriptor)
{
    const qint64 offset = value(descriptor + 3, 4);
    const qint64 length = value(descriptor + 7, 3);
    const qint64 scan = value(descriptor + 10, 2);
    if (offset >= size())
        return fail(descriptor + 3,
            QStringLiteral(
                "the picture of font %1 starts at %2, past the end of the file (%3 bytes)")
                .arg(font)
                .arg(offset)
                .arg(size()));
    if (offset + length > size())
        return fail(descriptor + 7,
            QStringLiteral("the picture of font %1 (%2 bytes from %3) runs past the end of the "
                           "file (%4 bytes)")
                .arg(font)
                .arg(length)
                .arg(offset)
                .arg(size()));
    // Pictures follow the descriptors back to back, in font order.
    if (offset != m_running)
        return fail(descriptor + 3,
            QStringLiteral("the picture of font %1 starts at %2, it belongs at %3")
                .arg(font)
                .arg(offset)
                .arg(m_running));
    if (length % 4 != 0)
        return fail(descriptor + 7,
            QStringLiteral("the picture of font %1 has %2 bytes, not a multiple of 4")
                .arg(font)
                .arg(length));
    if (scan % 4 != 0 || scan >= length)
        return fail(descriptor + 10,
            QStringLiteral(
                "the scan data of font %1 starts at %2, not a multiple of 4 inside its %3 bytes")
                .arg(font)
                .arg(scan)
                .arg(length));
    if (length < 2 || value(offset, 2) != 0xFFD8)
        return fail(offset,
            QStringLiteral("the picture of font %1 does not start with the JPEG marker FF D8")
                .arg(font));
    m_running += length;
    return true;
}

bool ZafReader::end()
{
    return checkEnd(m_running, QStringLiteral("last picture"));
}

} // namespace

bool isZafFile(const QByteArray &bytes)
{
    return bytes.startsWith(identification());
}

ZafDump dumpZaf(const QByteArray &bytes, const DumpLineSink &sink)
{
    return ZafReader(bytes, sink).read();
}
