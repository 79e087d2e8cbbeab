#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "zafwriter.h"

Q_DECLARE_METATYPE(ZafProblem)
Q_DECLARE_METATYPE(ZafChar)
Q_DECLARE_METATYPE(ZafFontInput)

namespace {

int byteAt(const QByteArray &bytes, int at)
{
    return static_cast<unsigned char>(bytes.at(at));
}

int word(const QByteArray &bytes, int at)
{
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

qint64 bigEndian(const QByteArray &bytes, int at, int count)
{
    qint64 value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | byteAt(bytes, at + i);
    return value;
}

QByteArray segment(int marker, const QByteArray &body)
{
    const int length = body.size() + 2;
    QByteArray bytes;
    bytes += '\xFF';
    bytes += static_cast<char>(marker);
    bytes += static_cast<char>(length >> 8);
    bytes += static_cast<char>(length & 0xFF);
    return bytes + body;
}

// A marker sequence shaped like a baseline JPEG: SOI, SOF0, Huffman tables, an optional
// comment that moves the scan data to `scanStart`, SOS, scan data, EOI.
struct MiniJpeg
{
    int width = 64;
    QVector<QByteArray> tables;
    int scanStart = 0; // 0: wherever it falls
    int length = 0; // 0: as short as it comes; else the scan data is lengthened to fit

    QByteArray bytes() const
    {
        QByteArray head = QByteArray::fromHex("FFD8");
        head += segment(0xC0,
            QByteArray::fromHex("080010") + char(width >> 8) + char(width & 0xFF)
                + QByteArray::fromHex("01011100"));
        for (const QByteArray &table : tables)
            head += segment(0xC4, table);
        const QByteArray sos = segment(0xDA, QByteArray::fromHex("010100003F00"));
        if (scanStart != 0) {
            const int filler = scanStart - head.size() - sos.size();
            Q_ASSERT(filler == 0 || filler >= 4);
            if (filler > 0)
                head += segment(0xFE, QByteArray(filler - 4, 'c'));
        }
        head += sos;
        QByteArray scan = QByteArray::fromHex("12345678");
        const QByteArray end = QByteArray::fromHex("FFD9");
        if (length != 0)
            scan = QByteArray(length - head.size() - end.size(), '\x55');
        return head + scan + end;
    }
};

QByteArray qtJpeg(int width, int height, bool progressive = false)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

struct Segment
{
    int at; // position of the FF of the marker
    int marker;
    int length;
};

// Marker segments from SOI up to and including SOS, walked by their length fields.
QVector<Segment> segments(const QByteArray &jpeg)
{
    QVector<Segment> found;
    int at = 2;
    while (at + 4 <= jpeg.size() && byteAt(jpeg, at) == 0xFF) {
        found.append({ at, byteAt(jpeg, at + 1), word(jpeg, at + 2) });
        if (found.last().marker == 0xDA)
            break;
        at += 2 + found.last().length;
    }
    return found;
}

// The prepared picture as the rules read: narrow pad, table bodies rewritten, scan data
// aligned with 0xFF, length aligned with 0x00. Good for JPEGs whose rewritten tables hold
// no FF C4.
QByteArray expectedPrepared(const QByteArray &jpeg, int key, int *scanStart)
{
    QByteArray bytes = jpeg;
    const QVector<Segment> parts = segments(jpeg);
    for (const Segment &part : parts) {
        if (part.marker == 0xC0 && word(jpeg, part.at + 7) <= 47)
            bytes += QByteArray(8, '\0');
        if (part.marker != 0xC4 || key == 0)
            continue;
        int previous = 0;
        for (int i = 0; i < part.length - 2; ++i) {
            const int c = byteAt(jpeg, part.at + 4 + i) == 0 ? 0xFF : byteAt(jpeg, part.at + 4 + i);
            const int t = (c * 19 + key) % 256;
            previous = i == 0 ? t : (t ^ previous);
            bytes[part.at + 4 + i] = static_cast<char>(previous);
        }
    }
    *scanStart = parts.last().at + 2 + parts.last().length;
    if (*scanStart % 4 != 0) {
        const int pad = 4 - *scanStart % 4;
        bytes.insert(*scanStart, QByteArray(pad, '\xFF'));
        *scanStart += pad;
    }
    if (bytes.size() % 4 != 0)
        bytes += QByteArray(4 - bytes.size() % 4, '\0');
    return bytes;
}

ZafFontInput font(int number, const QByteArray &jpeg, QVector<ZafChar> chars = {})
{
    ZafFontInput input;
    input.number = number;
    input.file = QStringLiteral("/p/images/%1.jpg").arg(number);
    input.jpeg = jpeg;
    input.chars = chars;
    return input;
}

QVector<ZafFontInput> fontsOf(int count, const QByteArray &jpeg)
{
    QVector<ZafFontInput> fonts;
    for (int i = 0; i < count; ++i)
        fonts.append(font(i, jpeg));
    return fonts;
}

const QByteArray kUnused = QByteArray(12, '\xFF');

} // namespace

class TestZafWriter : public QObject
{
    Q_OBJECT

private slots:
    void characterEntry_data();
    void characterEntry();
    void descriptorOfOneFont_data();
    void descriptorOfOneFont();
    void indexEntries_data();
    void indexEntries();
    void headerAndPictureOffsets();
    void fontsInAscendingNumber();
    void narrowPictures_data();
    void narrowPictures();
    void scrambling_data();
    void scrambling();
    void scramblingRealJpeg_data();
    void scramblingRealJpeg();
    void scanDataAlignment_data();
    void scanDataAlignment();
    void lengthAlignment_data();
    void lengthAlignment();
    void readPicture();
    void picturesReadByTheWriter();
    void refusals_data();
    void refusals();
    void limitsAccepted_data();
    void limitsAccepted();
    void refusalWording_data();
    void refusalWording();
};

void TestZafWriter::characterEntry_data()
{
    QTest::addColumn<ZafChar>("character");
    QTest::addColumn<QByteArray>("entry"); // empty: the table stays all 0xFF

    QTest::newRow("key 0x41") << ZafChar { 0x41, 10, 20, 30, 40, 15, 20 }
                              << QByteArray::fromHex("000A0014001E0028000F0014");
    QTest::newRow("key 0") << ZafChar { 0, 1, 2, 3, 4, 5, 6 }
                           << QByteArray::fromHex("000100020003000400050006");
    QTest::newRow("key 255") << ZafChar { 255, 0, 0, 1, 1, 0, 0 }
                             << QByteArray::fromHex("000000000001000100000000");
    QTest::newRow("negative") << ZafChar { 7, -3, -1, 5, 5, -2, -32768 }
                              << QByteArray::fromHex("FFFDFFFF00050005FFFE8000");
    QTest::newRow("truncated toward zero") << ZafChar { 7, 10.9, -3.7, 30.5, 0.99, 15.5, -0.5 }
                                           << QByteArray::fromHex("000AFFFD001E0000000F0000");
    QTest::newRow("cut to 16 bits") << ZafChar { 7, 65535, 65536, 70000, 32768, 0, 0 }
                                    << QByteArray::fromHex("FFFF000011708000"
                                                           "00000000");
    QTest::newRow("key 256 left out") << ZafChar { 256, 1, 2, 3, 4, 5, 6 } << QByteArray();
    QTest::newRow("key -1 left out") << ZafChar { -1, 1, 2, 3, 4, 5, 6 } << QByteArray();
}

void TestZafWriter::characterEntry()
{
    QFETCH(ZafChar, character);
    QFETCH(QByteArray, entry);

    const QByteArray table = getLut({ character });
    QCOMPARE(table.size(), 3072);
    for (int k = 0; k < 256; ++k) {
        const QByteArray expected = !entry.isEmpty() && k == character.asc ? entry : kUnused;
        QCOMPARE(table.mid(12 * k, 12).toHex(' '), expected.toHex(' '));
    }
}

void TestZafWriter::descriptorOfOneFont_data()
{
    QTest::addColumn<int>("secury");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("settings");

    QTest::newRow("defaults") << 1 << 32 << QByteArray::fromHex("0120");
    QTest::newRow("off") << 0 << 0 << QByteArray::fromHex("0000");
    QTest::newRow("highest") << 255 << 63 << QByteArray::fromHex("FF3F");
}

void TestZafWriter::descriptorOfOneFont()
{
    QFETCH(int, secury);
    QFETCH(int, filter);
    QFETCH(QByteArray, settings);

    MiniJpeg mini;
    mini.scanStart = 40;
    mini.length = 100;
    ZafFontInput input = font(3, mini.bytes(), { ZafChar { 0x41, 10, 20, 30, 40, 15, 20 } });
    input.encryptionKey = secury;
    input.filter = filter;
    const ZafResult result = buildZaf({ input });
    QVERIFY(result.ok());
    QCOMPARE(result.bytes.size(), 2 * 4096 + 100);

    const QByteArray d = result.bytes.mid(4096, 4096);
    QCOMPARE(d.left(16).toHex(' '),
        (QByteArray::fromHex("5A") + settings
            + QByteArray::fromHex("00002000"
                                  "000064"
                                  "0028"
                                  "FFFFFFFF"))
            .toHex(' '));
    for (int k = 0; k < 256; ++k) {
        const QByteArray expected
            = k == 0x41 ? QByteArray::fromHex("000A0014001E0028000F0014") : kUnused;
        QCOMPARE(d.mid(16 + 12 * k, 12).toHex(' '), expected.toHex(' '));
    }
    QCOMPARE(d.mid(3088), QByteArray(1008, '\xFF'));
}

void TestZafWriter::indexEntries_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("font 0 of 1") << 1 << 0 << QByteArray::fromHex("5A001000");
    QTest::newRow("entry 1 of 1") << 1 << 1 << QByteArray::fromHex("00000000");
    QTest::newRow("last entry of 1") << 1 << 1019 << QByteArray::fromHex("00000000");
    QTest::newRow("font 0 of 2") << 2 << 0 << QByteArray::fromHex("5A001000");
    QTest::newRow("font 1 of 2") << 2 << 1 << QByteArray::fromHex("5A002000");
    QTest::newRow("entry 2 of 2") << 2 << 2 << QByteArray::fromHex("00000000");
    QTest::newRow("font 15 of 16") << 16 << 15 << QByteArray::fromHex("5A010000");
    QTest::newRow("font 1019 of 1020") << 1020 << 1019 << QByteArray::fromHex("5A3FC000");
}

void TestZafWriter::indexEntries()
{
    QFETCH(int, count);
    QFETCH(int, entry);
    QFETCH(QByteArray, bytes);

    MiniJpeg mini;
    const ZafResult result = buildZaf(fontsOf(count, mini.bytes()));
    QVERIFY(result.ok());
    QCOMPARE(result.bytes.mid(16 + 4 * entry, 4).toHex(' '), bytes.toHex(' '));
}

void TestZafWriter::headerAndPictureOffsets()
{
    MiniJpeg first;
    first.scanStart = 100;
    first.length = 1000;
    MiniJpeg second;
    second.scanStart = 200;
    second.length = 2048;
    const ZafResult result = buildZaf({ font(1, first.bytes()), font(2, second.bytes()) });
    QVERIFY(result.ok());

    QCOMPARE(result.bytes.size(), 15336);
    QCOMPARE(result.bytes.left(16).toHex(' '),
        QByteArray("ORBI_3\x17ZAF"
                   "\x00\x00\x3B\xE8"
                   "\x00\x02",
            16)
            .toHex(' '));
    QCOMPARE(bigEndian(result.bytes, 4096 + 3, 4), 12288);
    QCOMPARE(bigEndian(result.bytes, 4096 + 7, 3), 1000);
    QCOMPARE(bigEndian(result.bytes, 4096 + 10, 2), 100);
    QCOMPARE(bigEndian(result.bytes, 8192 + 3, 4), 13288);
    QCOMPARE(bigEndian(result.bytes, 8192 + 7, 3), 2048);
    QCOMPARE(bigEndian(result.bytes, 8192 + 10, 2), 200);
    QCOMPARE(result.bytes.mid(12288, 1000), first.bytes());
    QCOMPARE(result.bytes.mid(13288), second.bytes());
}

void TestZafWriter::fontsInAscendingNumber()
{
    MiniJpeg nine;
    nine.scanStart = 32;
    nine.length = 64;
    MiniJpeg two;
    two.scanStart = 32;
    two.length = 128;
    ZafFontInput high = font(9, nine.bytes(), { ZafChar { 9, 9, 9, 9, 9, 9, 9 } });
    ZafFontInput low = font(2, two.bytes(), { ZafChar { 2, 2, 2, 2, 2, 2, 2 } });
    const ZafResult result = buildZaf({ high, low });
    QVERIFY(result.ok());
    QCOMPARE(bigEndian(result.bytes, 4096 + 7, 3), 128);
    QCOMPARE(result.bytes.mid(4096 + 16 + 12 * 2, 2).toHex(), QByteArray("0002"));
    QCOMPARE(bigEndian(result.bytes, 8192 + 7, 3), 64);
    QCOMPARE(result.bytes.mid(8192 + 16 + 12 * 9, 2).toHex(), QByteArray("0009"));
    QCOMPARE(result.bytes.mid(3 * 4096, 128), two.bytes());
    QCOMPARE(result.bytes.mid(3 * 4096 + 128), nine.bytes());
}

void TestZafWriter::narrowPictures_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<int>("zeros"); // -1: as the reading of the rules gives

    for (int width : { 0, 1, 47, 48, 49, 640 }) {
        MiniJpeg mini;
        mini.width = width;
        mini.scanStart = 40;
        mini.length = 120;
        QTest::addRow("markers, %d wide", width) << mini.bytes() << (width <= 47 ? 8 : 0);
    }
    QTest::newRow("picture 47 wide") << qtJpeg(47, 20) << -1;
    QTest::newRow("picture 48 wide") << qtJpeg(48, 20) << -1;
}

void TestZafWriter::narrowPictures()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(int, zeros);

    int scanStart = 0;
    const QByteArray expected = expectedPrepared(jpeg, 0, &scanStart);
    const PreparedJpeg prepared = getJpg(jpeg, 8192, 0);
    QCOMPARE(prepared.problem, ZafProblem::None);
    QCOMPARE(prepared.bytes.toHex(' '), expected.toHex(' '));
    QCOMPARE(prepared.fileLen, expected.size());
    QCOMPARE(prepared.fileHeadLen, scanStart);
    QCOMPARE(prepared.filePt, 8192);
    if (zeros >= 0)
        QCOMPARE(prepared.bytes, jpeg + QByteArray(zeros, '\0'));
}

void TestZafWriter::scrambling_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QVector<QByteArray>>("tables");
    QTest::addColumn<QByteArray>("rewritten"); // the table segments after preparation

    const QVector<QByteArray> one { QByteArray::fromHex("000102") };
    QTest::newRow("key 0") << 0 << one << QByteArray::fromHex("FFC40005000102");
    QTest::newRow("key 256 is 0") << 256 << one << QByteArray::fromHex("FFC40005000102");
    // 0x00 enters as 0xFF: (255·19 + 1) mod 256 = 0xEE; 0x14 ^ 0xEE = 0xFA; 0x27 ^ 0xFA = 0xDD.
    QTest::newRow("key 1") << 1 << one << QByteArray::fromHex("FFC40005EEFADD");
    // (16·19 + 255) mod 256 = 0x2F
    QTest::newRow("key 0xFF, one byte") << 255 << QVector<QByteArray> { QByteArray::fromHex("10") }
                                        << QByteArray::fromHex("FFC400032F");
    // Each table restarts the chain: 0x13 + 0x5A = 0x6D; 0x26 + 0x5A = 0x80, ^ 0x6D = 0xED.
    QTest::newRow("two tables") << 0x5A
                                << QVector<QByteArray> { QByteArray::fromHex("0102"),
                                       QByteArray::fromHex("01") }
                                << QByteArray::fromHex("FFC400046DED"
                                                       "FFC400036D");
    QTest::newRow("empty body") << 7 << QVector<QByteArray> { QByteArray() }
                                << QByteArray::fromHex("FFC40002");
    // The rewritten body reads FF C4 00 04 12 34, which is taken up again as a table of
    // two bytes: 0x12 → 0x57, 0x34 → 0xDD ^ 0x57 = 0x8A.
    QTest::newRow("rewritten body holds FF C4")
        << 1 << QVector<QByteArray> { QByteArray::fromHex("CA1E915137E7") }
        << QByteArray::fromHex("FFC40008"
                               "FFC40004578A");
}

void TestZafWriter::scrambling()
{
    QFETCH(int, key);
    QFETCH(QVector<QByteArray>, tables);
    QFETCH(QByteArray, rewritten);

    MiniJpeg mini;
    mini.tables = tables;
    mini.scanStart = 64;
    mini.length = 96;
    const QByteArray jpeg = mini.bytes();
    const PreparedJpeg prepared = getJpg(jpeg, 4096, key);
    QCOMPARE(prepared.problem, ZafProblem::None);
    QCOMPARE(prepared.bytes.size(), jpeg.size());
    const int tablesAt = 2 + 13;
    QCOMPARE(prepared.bytes.mid(tablesAt, rewritten.size()).toHex(' '), rewritten.toHex(' '));
    QCOMPARE(prepared.bytes.left(tablesAt), jpeg.left(tablesAt));
    QCOMPARE(
        prepared.bytes.mid(tablesAt + rewritten.size()), jpeg.mid(tablesAt + rewritten.size()));
}

void TestZafWriter::scramblingRealJpeg_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<int>("key");

    const QByteArray picture = qtJpeg(64, 48);
    for (int key : { 0, 1, 0x5A, 0xFF })
        QTest::addRow("64 x 48, key %d", key) << picture << key;
    QTest::newRow("40 x 30, key 3") << qtJpeg(40, 30) << 3;
}

void TestZafWriter::scramblingRealJpeg()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(int, key);

    QVERIFY(jpeg.contains(QByteArray::fromHex("FFC0")));
    int scanStart = 0;
    const QByteArray expected = expectedPrepared(jpeg, key, &scanStart);
    const PreparedJpeg prepared = getJpg(jpeg, 0, key);
    QCOMPARE(prepared.problem, ZafProblem::None);
    QCOMPARE(prepared.bytes.toHex(' '), expected.toHex(' '));
    QCOMPARE(prepared.fileHeadLen, scanStart);
    QCOMPARE(prepared.fileLen % 4, 0);
}

void TestZafWriter::scanDataAlignment_data()
{
    QTest::addColumn<int>("scanStart");
    QTest::addColumn<int>("stored");

    QTest::newRow("620") << 620 << 620;
    QTest::newRow("621") << 621 << 624;
    QTest::newRow("622") << 622 << 624;
    QTest::newRow("623") << 623 << 624;
    QTest::newRow("624") << 624 << 624;
}

void TestZafWriter::scanDataAlignment()
{
    QFETCH(int, scanStart);
    QFETCH(int, stored);

    MiniJpeg mini;
    mini.scanStart = scanStart;
    mini.length = 700;
    const QByteArray jpeg = mini.bytes();
    const PreparedJpeg prepared = getJpg(jpeg, 0, 0);
    QCOMPARE(prepared.fileHeadLen, stored);
    const int inserted = stored - scanStart;
    QCOMPARE(prepared.bytes.left(scanStart), jpeg.left(scanStart));
    QCOMPARE(prepared.bytes.mid(scanStart, inserted), QByteArray(inserted, '\xFF'));
    QCOMPARE(prepared.bytes.mid(stored, jpeg.size() - scanStart), jpeg.mid(scanStart));
    QCOMPARE(prepared.fileLen, 700 + inserted + (4 - (700 + inserted) % 4) % 4);

    const ZafResult result = buildZaf({ font(0, jpeg) });
    QVERIFY(result.ok());
    QCOMPARE(bigEndian(result.bytes, 4096 + 10, 2), stored);
}

void TestZafWriter::lengthAlignment_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("zeros");

    QTest::newRow("multiple of 4") << 400 << 0;
    QTest::newRow("one over") << 401 << 3;
    QTest::newRow("two over") << 402 << 2;
    QTest::newRow("three over") << 403 << 1;
}

void TestZafWriter::lengthAlignment()
{
    QFETCH(int, length);
    QFETCH(int, zeros);

    MiniJpeg mini;
    mini.scanStart = 80;
    mini.length = length;
    const QByteArray jpeg = mini.bytes();
    const PreparedJpeg prepared = getJpg(jpeg, 0, 0);
    QCOMPARE(prepared.fileLen, length + zeros);
    QCOMPARE(prepared.bytes, jpeg + QByteArray(zeros, '\0'));
}

void TestZafWriter::readPicture()
{
    QTemporaryDir dir;
    const QByteArray jpeg = qtJpeg(50, 50);
    QFile file(dir.filePath("5.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(jpeg);
    file.close();

    ZafFontInput input;
    input.file = file.fileName();
    QVERIFY(readZafPicture(&input));
    QVERIFY(!input.readFailed);
    QCOMPARE(input.jpeg, jpeg);

    input.file = dir.filePath("missing.jpg");
    QVERIFY(!readZafPicture(&input));
    QVERIFY(input.readFailed);
    QVERIFY(!input.readError.isEmpty());
    QVERIFY(input.jpeg.isEmpty());
}

// The writer reading each picture itself gives the file built from pictures in memory:
// narrow, wide, scrambled and plain pictures, out of number order.
void TestZafWriter::picturesReadByTheWriter()
{
    QTemporaryDir dir;
    const QVector<QByteArray> pictures { qtJpeg(40, 30), qtJpeg(97, 61), qtJpeg(64, 64),
        MiniJpeg().bytes() };
    const int numbers[] = { 12, 3, 7, 0 };
    QVector<ZafFontInput> inMemory;
    QVector<ZafFontInput> inFiles;
    for (int i = 0; i < pictures.size(); ++i) {
        ZafFontInput input = font(numbers[i], pictures[i], { { 0x41 + i, 1, 2, 3, 4, 1.5, 2 } });
        input.encryptionKey = i % 2 ? 0 : 0x5C + i;
        input.file = dir.filePath(QStringLiteral("%1.jpg").arg(numbers[i]));
        QFile file(input.file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pictures[i]);
        file.close();
        inMemory.append(input);
        input.jpeg.clear();
        input.pictureInFile = true;
        inFiles.append(input);
    }
    const ZafResult expected = buildZaf(inMemory);
    QVERIFY(expected.ok());
    QCOMPARE(buildZaf(inFiles).bytes, expected.bytes);

    inFiles[2].file = dir.filePath(QStringLiteral("missing.jpg"));
    const ZafResult missing = buildZaf(inFiles);
    QCOMPARE(missing.refusal.problem, ZafProblem::Unreadable);
    QCOMPARE(missing.refusal.number, numbers[2]);
    QVERIFY(!missing.refusal.detail.isEmpty());
    QVERIFY(missing.bytes.isEmpty());
}

void TestZafWriter::refusals_data()
{
    QTest::addColumn<QVector<ZafFontInput>>("fonts");
    QTest::addColumn<ZafProblem>("problem");
    QTest::addColumn<int>("number");
    QTest::addColumn<qint64>("value");

    const QByteArray good = MiniJpeg().bytes();
    const auto withBad = [&good](const QByteArray &bad) {
        return QVector<ZafFontInput> { font(9, good), font(7, bad), font(2, good) };
    };

    QTest::newRow("no font image")
        << QVector<ZafFontInput>() << ZafProblem::NoFontImages << -1 << qint64(0);
    QTest::newRow("1021 font images")
        << fontsOf(1021, good) << ZafProblem::TooManyFontImages << 1020 << qint64(1021);

    ZafFontInput unreadable = font(7, QByteArray());
    unreadable.readFailed = true;
    unreadable.readError = QStringLiteral("No such file or directory");
    QTest::newRow("unreadable") << QVector<ZafFontInput> { font(2, good), unreadable }
                                << ZafProblem::Unreadable << 7 << qint64(0);

    const QByteArray progressive = qtJpeg(64, 64, true);
    QVERIFY(!progressive.contains(QByteArray::fromHex("FFC0")));
    QTest::newRow("progressive") << withBad(progressive) << ZafProblem::NoFrameMarker << 7
                                 << qint64(0);
    QTest::newRow("empty file") << withBad(QByteArray()) << ZafProblem::NoFrameMarker << 7
                                << qint64(0);
    QByteArray noScan = good;
    noScan.replace(QByteArray::fromHex("FFDA"), QByteArray::fromHex("FFDB"));
    QTest::newRow("no FF DA") << withBad(noScan) << ZafProblem::NoScanMarker << 7 << qint64(0);
    QTest::newRow("frame cut short") << withBad(QByteArray::fromHex("FFD8FFC000110800"))
                                     << ZafProblem::TruncatedMarker << 7 << qint64(0);
    QTest::newRow("scan header past the end")
        << withBad(good.left(good.indexOf(QByteArray::fromHex("FFDA")) + 6))
        << ZafProblem::TruncatedMarker << 7 << qint64(0);
    const int scan = good.indexOf(QByteArray::fromHex("FFDA"));
    const int scanData = scan + 2 + (uchar(good.at(scan + 2)) << 8 | uchar(good.at(scan + 3)));
    QTest::newRow("no scan data after the scan header")
        << withBad(good.left(scanData)) << ZafProblem::TruncatedMarker << 7 << qint64(0);
    QTest::newRow("cut short in the scan data") << withBad(good.left((scanData + good.size()) / 2))
                                                << ZafProblem::NoEndMarker << 7 << qint64(0);
    QTest::newRow("no FF D8 at the start")
        << withBad(good.mid(2)) << ZafProblem::NoStartMarker << 7 << qint64(0);
    QTest::newRow("a byte before FF D8")
        << withBad(QByteArray(1, '\0') + good) << ZafProblem::NoStartMarker << 7 << qint64(0);

    MiniJpeg big;
    big.scanStart = 32;
    big.length = 16 * 1024 * 1024;
    QTest::newRow("picture of 16 MiB")
        << withBad(big.bytes()) << ZafProblem::PictureTooLarge << 7 << qint64(16 * 1024 * 1024);
    big.length = 16 * 1024 * 1024 - 3;
    QTest::newRow("picture padded to 16 MiB")
        << withBad(big.bytes()) << ZafProblem::PictureTooLarge << 7 << qint64(16 * 1024 * 1024);

    MiniJpeg longHead;
    longHead.scanStart = 65533;
    longHead.length = 65600;
    QTest::newRow("scan data aligned to 64 KiB")
        << withBad(longHead.bytes()) << ZafProblem::HeaderTooLarge << 7 << qint64(65536);
    longHead.scanStart = 65540;
    QTest::newRow("scan data past 64 KiB")
        << withBad(longHead.bytes()) << ZafProblem::HeaderTooLarge << 7 << qint64(65540);

    // One shared picture just below 16 MiB: the 256th of 260 reaches 4 GiB.
    const qint64 largest = 16 * 1024 * 1024 - 4;
    big.length = static_cast<int>(largest);
    const QByteArray huge = big.bytes();
    QTest::newRow("4 GiB") << fontsOf(260, huge) << ZafProblem::FileTooLarge << 255
                           << (261 * 4096 + 256 * largest);
    QTest::newRow("beyond one byte array") << fontsOf(130, huge) << ZafProblem::TooLargeForMemory
                                           << -1 << (131 * 4096 + 130 * largest);
}

void TestZafWriter::refusals()
{
    QFETCH(QVector<ZafFontInput>, fonts);
    QFETCH(ZafProblem, problem);
    QFETCH(int, number);
    QFETCH(qint64, value);

    const ZafResult result = buildZaf(fonts);
    QVERIFY(!result.ok());
    QVERIFY(result.bytes.isEmpty());
    QCOMPARE(result.refusal.problem, problem);
    QCOMPARE(result.refusal.number, number);
    QCOMPARE(result.refusal.value, value);
    if (number >= 0 && problem != ZafProblem::TooManyFontImages) {
        QCOMPARE(result.refusal.file, QStringLiteral("/p/images/%1.jpg").arg(number));
        QVERIFY(zafRefusalText(result.refusal).contains(result.refusal.file));
    }
    if (problem == ZafProblem::Unreadable)
        QCOMPARE(result.refusal.detail, QStringLiteral("No such file or directory"));
    QVERIFY(!zafRefusalText(result.refusal).isEmpty());
}

void TestZafWriter::limitsAccepted_data()
{
    QTest::addColumn<QVector<ZafFontInput>>("fonts");
    QTest::addColumn<qint64>("size");

    MiniJpeg small;
    small.scanStart = 32;
    small.length = 64;
    QTest::newRow("1020 font images")
        << fontsOf(1020, small.bytes()) << qint64(1021 * 4096 + 1020 * 64);

    MiniJpeg big;
    big.scanStart = 32;
    big.length = 16 * 1024 * 1024 - 4;
    QTest::newRow("picture just below 16 MiB")
        << fontsOf(1, big.bytes()) << qint64(2 * 4096 + big.length);

    MiniJpeg longHead;
    longHead.scanStart = 65532;
    longHead.length = 65600;
    QTest::newRow("scan data at 65532") << fontsOf(1, longHead.bytes()) << qint64(2 * 4096 + 65600);
}

void TestZafWriter::limitsAccepted()
{
    QFETCH(QVector<ZafFontInput>, fonts);
    QFETCH(qint64, size);

    const ZafResult result = buildZaf(fonts);
    QVERIFY(result.ok());
    QCOMPARE(result.bytes.size(), size);
    QCOMPARE(bigEndian(result.bytes, 10, 4), size);
    QCOMPARE(bigEndian(result.bytes, 14, 2), fonts.size());
}

// Untranslated, a refusal reads as the icon-font tool shows it; with the command line's
// catalogue, as lumo prints it.
void TestZafWriter::refusalWording_data()
{
    QTest::addColumn<ZafProblem>("problem");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");

    const QString cn = QStringLiteral("第7张图片（/p/images/7.jpg）：");
    const QString en = QStringLiteral("font image 7 (/p/images/7.jpg): ");
    QTest::newRow("no font image")
        << ZafProblem::NoFontImages << qint64(0) << QStringLiteral("未选择图片")
        << QStringLiteral("no font image in the project");
    QTest::newRow("too many")
        << ZafProblem::TooManyFontImages << qint64(1021)
        << QStringLiteral("共有1021张图片，ZAF文件最多容纳1020张（从第7张图片起放不下）")
        << QStringLiteral("1021 font images, the icon-font file holds at most 1020 (font image 7 "
                          "is the first that does not fit)");
    QTest::newRow("unreadable") << ZafProblem::Unreadable << qint64(0)
                                << cn + QStringLiteral("无法读取图片：Permission denied")
                                << en
            + QStringLiteral("cannot read the picture: Permission denied");
    QTest::newRow("no frame") << ZafProblem::NoFrameMarker << qint64(0)
                              << cn
            + QStringLiteral("缺少基线帧标记 FF C0（渐进式或损坏的JPEG图片）")
                              << en
            + QStringLiteral(
                "no baseline start-of-frame marker FF C0 (progressive or damaged JPEG)");
    QTest::newRow("no scan") << ZafProblem::NoScanMarker << qint64(0)
                             << cn + QStringLiteral("缺少扫描开始标记 FF DA（损坏的JPEG图片）")
                             << en + QStringLiteral("no start-of-scan marker FF DA (damaged JPEG)");
    QTest::newRow("truncated marker")
        << ZafProblem::TruncatedMarker << qint64(0)
        << cn + QStringLiteral("标记超出图片末尾（损坏的JPEG图片）")
        << en + QStringLiteral("a marker runs past the end of the picture (damaged JPEG)");
    QTest::newRow("no end") << ZafProblem::NoEndMarker << qint64(0)
                            << cn
            + QStringLiteral("扫描数据后缺少图片结束标记 FF D9（JPEG图片不完整）")
                            << en
            + QStringLiteral("no end-of-picture marker FF D9 after the scan data (truncated JPEG)");
    QTest::newRow("no start") << ZafProblem::NoStartMarker << qint64(0)
                              << cn
            + QStringLiteral("不以JPEG图片开始标记 FF D8 开头（不是JPEG图片或已损坏）")
                              << en
            + QStringLiteral(
                "does not start with the start-of-image marker FF D8 (not a JPEG, or damaged)");
    QTest::newRow("picture too large")
        << ZafProblem::PictureTooLarge << qint64(16777216)
        << cn + QStringLiteral("处理后的图片有16777216字节，必须小于16 MiB")
        << en + QStringLiteral("the prepared picture has 16777216 bytes, it must be below 16 MiB");
    QTest::newRow("header too large")
        << ZafProblem::HeaderTooLarge << qint64(65536)
        << cn + QStringLiteral("扫描数据从第65536字节开始，必须小于64 KiB")
        << en + QStringLiteral("the scan data starts at byte 65536, it must start below 64 KiB");
    QTest::newRow("file too large")
        << ZafProblem::FileTooLarge << qint64(4294967296)
        << cn + QStringLiteral("文件达到4294967296字节，必须小于4 GiB")
        << en + QStringLiteral("the file reaches 4294967296 bytes, it must stay below 4 GiB");
    QTest::newRow("too large for memory")
        << ZafProblem::TooLargeForMemory << qint64(3000000000)
        << QStringLiteral("文件将有3000000000字节，超出内存中能生成的大小")
        << QStringLiteral("the file would have 3000000000 bytes, more than can be built in memory");
    QTest::newRow("none") << ZafProblem::None << qint64(0) << QString() << QString();
}

void TestZafWriter::refusalWording()
{
    QFETCH(ZafProblem, problem);
    QFETCH(qint64, value);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    ZafRefusal refusal;
    refusal.problem = problem;
    refusal.number = 7;
    refusal.file = QStringLiteral("/p/images/7.jpg");
    refusal.value = value;
    refusal.detail = QStringLiteral("Permission denied");
    QCOMPARE(zafRefusalText(refusal), chinese);

    QTranslator translator;
    QVERIFY(loadZafWriterCommandLineCatalogue(&translator));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = zafRefusalText(refusal);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, english);
}

QTEST_MAIN(TestZafWriter)
#include "tst_zafwriter.moc"
