// What the icon-font writer writes, its own reader reads: font images with pictures and
// characters from the input; an accepted file must dump sound and give back every font's
// key, filter and character table.
#include "fuzzsupport.h"

#include "zafdump.h"
#include "zafwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QMap>

namespace {

constexpr int kMaxFonts = 4;
constexpr int kMaxChars = 12;

// A coordinate as a scene holds it: whole pixels, now and then with a fraction or negative.
qreal coordinate(FuzzInput *input)
{
    const int flags = input->takeByte();
    qreal value = input->takeShort();
    if (flags & 1)
        value = -value;
    if (flags & 2)
        value += 0.75;
    if (flags & 4)
        value *= 3;
    return value;
}

// The file keeps the value truncated toward zero, cut to its low 16 bits.
quint32 stored(qreal value)
{
    return static_cast<quint32>(static_cast<qint64>(std::trunc(value)) & 0xFFFF);
}

// As the dump writes a byte: "0x" and two upper-case digits.
QString hexByte(int value)
{
    return QStringLiteral("0x")
        + QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QString charLine(int font, int key, const ZafChar &c)
{
    return QStringLiteral("font[%1].char[%2] x=%3 y=%4 w=%5 h=%6 rc_x=%7 rc_y=%8")
        .arg(font)
        .arg(hexByte(key))
        .arg(stored(c.x))
        .arg(stored(c.y))
        .arg(stored(c.width))
        .arg(stored(c.height))
        .arg(stored(c.rcX))
        .arg(stored(c.rcY));
}

void expect(bool holds, const char *what)
{
    if (!holds) {
        qWarning("the file read back differs: %s", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int count = input.takeByte() % kMaxFonts + 1;
    QVector<ZafFontInput> fonts;
    for (int i = 0; i < count; ++i) {
        ZafFontInput font;
        font.number = input.takeByte();
        font.encryptionKey = input.takeByte();
        font.filter = input.takeByte();
        font.file = QStringLiteral("%1.jpg").arg(font.number);
        const int chars = input.takeByte() % (kMaxChars + 1);
        for (int c = 0; c < chars; ++c) {
            ZafChar character;
            character.asc = input.takeByte() | (input.takeByte() & 0x01) << 8;
            character.x = coordinate(&input);
            character.y = coordinate(&input);
            character.width = coordinate(&input);
            character.height = coordinate(&input);
            character.rcX = coordinate(&input);
            character.rcY = coordinate(&input);
            font.chars.append(character);
        }
        // The last picture takes the rest of the input.
        font.jpeg = i + 1 < count ? input.take(input.takeShort()) : input.rest();
        fonts.append(font);
    }

    const ZafResult result = buildZaf(fonts);
    if (!result.ok())
        return 0;
    const ZafDump dump = dumpZaf(result.bytes);
    if (!dump.sound())
        qFatal("the file written reads back damaged at %lld: %s", dump.errorOffset,
            qPrintable(dump.error));

    QVector<int> order;
    for (int i = 0; i < fonts.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(),
        [&fonts](int a, int b) { return fonts[a].number < fonts[b].number; });
    const QStringList &lines = dump.lines;
    expect(lines.contains(QStringLiteral("header.fonts %1").arg(count)), "font count");
    for (int position = 0; position < order.size(); ++position) {
        const ZafFontInput &font = fonts[order[position]];
        const QString name = QStringLiteral("font[%1].").arg(position);
        expect(lines.contains(name + QStringLiteral("secury ") + hexByte(font.encryptionKey)),
            "secury");
        expect(lines.contains(name + QStringLiteral("filter ") + hexByte(font.filter)), "filter");
        // Of two characters with one key the later one is stored.
        QMap<int, ZafChar> table;
        for (const ZafChar &c : font.chars) {
            if (c.asc >= 0 && c.asc <= 255)
                table.insert(c.asc, c);
        }
        int listed = 0;
        for (auto it = table.constBegin(); it != table.constEnd(); ++it) {
            const QString line = charLine(position, it.key(), it.value());
            // A character whose six fields are all FF FF reads as no character.
            const bool blank = line.count(QLatin1String("=65535")) == 6;
            expect(blank || lines.contains(line), "a character");
            listed += blank ? 0 : 1;
        }
        expect(lines.contains(name + QStringLiteral("chars %1").arg(listed)), "character count");
    }
    return 0;
}
