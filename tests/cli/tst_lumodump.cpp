// lumo dump on files made by the writers: every field printed, damaged files read as far as
// they are sound.
#include "programrun.h"

#include <initializer_list>

#include <cstdio>

#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "kpxbuilder.h"
#include "touchrecord.h"
#include "zafwriter.h"

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

QByteArray jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "JPG").write(image);
    return data;
}

ZafFontInput font(
    int number, int secury, int filter, const QByteArray &picture, const QVector<ZafChar> &chars)
{
    ZafFontInput input;
    input.number = number;
    input.encryptionKey = secury;
    input.filter = filter;
    input.file = QStringLiteral("%1.jpg").arg(number);
    input.jpeg = picture;
    input.chars = chars;
    return input;
}

// Font images 9 and 4 (placed 4 first): a narrow scrambled picture with two characters
// and a wider plain one with a character dragged off its left edge.
struct ZafSample
{
    QVector<ZafFontInput> fonts { font(9, 0, 5, jpeg(64, 32), { { 0xFF, -3, 10, 10, 10, 5, 5 } }),
        font(4, 1, 0x20, jpeg(40, 30),
            { { 0x41, 1, 2, 5, 4, 2, 2 }, { 0x0A, 8, 2, 6.9, 7, 1.5, 6 } }) };
    QByteArray file = buildZaf(fonts).bytes;

    // What lumo dump must print, picture places taken from the writer's own preparation.
    QStringList lines() const
    {
        const PreparedJpeg first = getJpg(fonts[1].jpeg, 3 * 4096, 1);
        const PreparedJpeg second = getJpg(fonts[0].jpeg, first.filePt + first.fileLen, 0);
        return QStringList {
            "format zaf",
            "header.magic ORBI_3",
            "header.id 0x17",
            "header.type ZAF",
            QStringLiteral("header.size %1").arg(second.filePt + second.fileLen),
            "header.fonts 2",
            "index[0].descriptor 4096",
            "index[1].descriptor 8192",
            "font[0].secury 0x01",
            "font[0].filter 0x20",
            QStringLiteral("font[0].picture.offset %1").arg(first.filePt),
            QStringLiteral("font[0].picture.length %1").arg(first.fileLen),
            QStringLiteral("font[0].picture.scan %1").arg(first.fileHeadLen),
            "font[0].chars 2",
            "font[0].char[0x0A] x=8 y=2 w=6 h=7 rc_x=1 rc_y=6",
            "font[0].char[0x41] x=1 y=2 w=5 h=4 rc_x=2 rc_y=2",
            "font[1].secury 0x00",
            "font[1].filter 0x05",
            QStringLiteral("font[1].picture.offset %1").arg(second.filePt),
            QStringLiteral("font[1].picture.length %1").arg(second.fileLen),
            QStringLiteral("font[1].picture.scan %1").arg(second.fileHeadLen),
            "font[1].chars 1",
            "font[1].char[0xFF] x=65533 y=10 w=10 h=10 rc_x=5 rc_y=5",
        };
    }
};

QDateTime stamp()
{
    return QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7));
}

// Touch records of pages 0 and 2 (the second with one continuation block) and one variable
// record of page 1.
QByteArray kpxSample()
{
    KpxSources sources;
    sources.touchIncluded = true;
    sources.touch = bytes({ 0x00, 0x00 }) + QByteArray(14, 't') + bytes({ 0x00, 0x02 })
        + QByteArray(14, 'u') + bytes({ 0xFE }) + QByteArray(15, 'v');
    sources.variablesIncluded = true;
    sources.variables = QByteArray(28, '\0') + QByteArray(32, 'w');
    sources.variables[9] = 2;
    sources.variables[20] = 1; // page 1: one record at offset 28
    sources.variables[23] = 28;
    KpxSettings settings;
    settings.startPageId = 1;
    settings.audioFileId = -1;
    settings.audioId = 5;
    return buildKpx(sources, settings, stamp()).bytes;
}

QByteArray kpxHeaderOnly(KpxSound sound)
{
    KpxSettings settings;
    settings.pageFileId = 7;
    settings.sound = sound;
    return buildKpx(KpxSources(), settings, stamp()).bytes;
}

QByteArray kpxSpeakerOnly(int audioFileId, int audioId)
{
    KpxSettings settings;
    settings.pageFileId = 7;
    settings.audioFileId = audioFileId;
    settings.audioId = audioId;
    return buildKpx(KpxSources(), settings, stamp()).bytes;
}

QStringList kpxHeaderLines(int size, int page, int rpl, int start)
{
    return { "format kpx", "header.magic ORBI_3", "header.id 0x15", "header.type KPX",
        QStringLiteral("header.size %1").arg(size),
        QStringLiteral("header.highest_page %1").arg(page), "header.fixed 0x10 0x10",
        "header.time 26-03-01T09:05:07", QStringLiteral("header.rpl %1").arg(rpl),
        QStringLiteral("header.start_page %1").arg(start) };
}

// A file without pages: the header alone.
QStringList headerOnly(const QString &sound)
{
    return kpxHeaderLines(256, 0, 7, 0)
        + QStringList { QStringLiteral("header.sound ") + sound, "index.size 0" };
}

QStringList kpxSampleLines()
{
    return kpxHeaderLines(688, 2, 32, 1)
        + QStringList { "header.sound speaker", "header.zva -1", "header.audio 5", "index.size 256",
              "index[0].length 48", "index[0].offset 512", "index[1].length 64",
              "index[1].offset 560", "index[2].length 64", "index[2].offset 624",
              "page[0].variable_records 0", "page[0].variable_offset 32",
              "page[0].variable_bytes 0", "page[0].touch_records 1", "page[0].touch_offset 32",
              "page[0].touch_bytes 16", "page[1].variable_records 1", "page[1].variable_offset 32",
              "page[1].variable_bytes 32", "page[1].touch_records 0", "page[1].touch_offset 64",
              "page[1].touch_bytes 0", "page[2].variable_records 0", "page[2].variable_offset 32",
              "page[2].variable_bytes 0", "page[2].touch_records 1", "page[2].touch_offset 32",
              "page[2].touch_bytes 32" };
}

// An area dragged off the left edge, jump page -1 as the window stores "none", and the
// largest command; then an area of page 3.
QByteArray touchSample()
{
    return encodeTouchFile({ touchRecordFor(0, -3, 5, 20, 10, -1, 0, 0xFFFF),
        touchRecordFor(3, 10.7, 20.2, 30.9, 5.5, 4, 0, 0x1234) });
}

const char touchLine0[]
    = "record[0] page=0 left=65533 top=5 right=16 bottom=14 picNum=-1 catoonNum=0 commond=0xFFFF";
const char touchLine1[]
    = "record[1] page=3 left=10 top=20 right=39 bottom=24 picNum=4 catoonNum=0 commond=0x1234";

QByteArray patched(QByteArray file, int at, const QByteArray &replacement)
{
    return file.replace(at, replacement.size(), replacement);
}

QStringList lines(const QByteArray &out)
{
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestLumoDump : public QObject
{
    Q_OBJECT

private slots:
    void zafFile();
    void kpxFiles_data();
    void kpxFiles();
    void touchFiles_data();
    void touchFiles();
    void damagedFiles_data();
    void damagedFiles();
    void recognition_data();
    void recognition();
    void usageErrors_data();
    void usageErrors();
    void namesOutsideTheEncoding_data();
    void namesOutsideTheEncoding();

private:
    ProgramRun dump(const QByteArray &file, const QStringList &options = {});

    QTemporaryDir m_dir;
};

ProgramRun TestLumoDump::dump(const QByteArray &file, const QStringList &options)
{
    const QString path = m_dir.filePath(QStringLiteral("file.bin"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return {};
    out.close();
    return runProgram(QStringLiteral(LUMO_BINARY),
        QStringList { QStringLiteral("dump"), path } + options, m_dir.path());
}

void TestLumoDump::zafFile()
{
    const ZafSample sample;
    QVERIFY(!sample.file.isEmpty());
    const ProgramRun run = dump(sample.file);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(lines(run.out), sample.lines());
}

void TestLumoDump::kpxFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("pages and variables") << kpxSample() << kpxSampleLines();
    QTest::newRow("buzzer, no pages") << kpxHeaderOnly(KpxSound::Buzzer) << headerOnly("buzzer");
    QTest::newRow("silent, no pages") << kpxHeaderOnly(KpxSound::Silent) << headerOnly("silent");
    // The audio file ID is unsigned but for FF FF, which stands for -1.
    for (int zva : { 32768, 65534 })
        QTest::newRow(qPrintable(QStringLiteral("audio file %1").arg(zva)))
            << kpxSpeakerOnly(zva, 3)
            << kpxHeaderLines(256, 0, 7, 0)
                + QStringList { "header.sound speaker", QStringLiteral("header.zva %1").arg(zva),
                      "header.audio 3", "index.size 0" };
}

void TestLumoDump::kpxFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    const ProgramRun run = dump(file);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(lines(run.out), expected);
}

void TestLumoDump::touchFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two records") << touchSample()
                                 << QStringList { "format hmi", touchLine0, touchLine1, "records 2",
                                        "end_mark.offset 32" };
    QTest::newRow("no areas") << encodeTouchFile({})
                              << QStringList { "format hmi", "records 0", "end_mark.offset 0" };
}

void TestLumoDump::touchFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    const ProgramRun run = dump(file);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(lines(run.out), expected);
}

void TestLumoDump::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("lastLine"); // the last sound field printed

    const ZafSample zaf;
    const QByteArray z = zaf.file;
    const QString font0 = zaf.lines().at(15);
    const QString font1 = zaf.lines().last();
    const QStringList none;
    QTest::newRow("zaf header cut short")
        << z.left(12) << none << "error at offset 12: the file ends inside the header's size"
        << "header.type ZAF";
    QTest::newRow("zaf index outside the file")
        << patched(z, 21, bytes({ 0xFF, 0xFF, 0xFF })) << none
        << "error at offset 21: index entry 1 points at 16777215, past the end"
        << "index[1].descriptor 16777215";
    QTest::newRow("zaf descriptor without 5A")
        << patched(z, 8192, bytes({ 0x00 })) << none
        << "error at offset 8192: the descriptor of font 1 lacks the mark 0x5A" << font0;
    QTest::newRow("zaf cut in a descriptor")
        << z.left(8292) << none
        << "error at offset 8292: the file ends inside the descriptor of font 1" << font0;
    QTest::newRow("zaf picture beyond the end")
        << patched(z, 8199, bytes({ 0x00, 0x10, 0x00 })) << none
        << "error at offset 8199: the picture of font 1 (4096 bytes from" << font1;
    QTest::newRow("zaf picture cut short")
        << z.left(z.size() - 4) << none << "error at offset 8199: the picture of font 1" << font1;
    QTest::newRow("zaf size field") << patched(z, 10, bytes({ 0x00, 0x00, 0x00, 0x01 })) << none
                                    << "error at offset 10: the header gives the size 1" << font1;
    QTest::newRow("zaf bytes after the pictures")
        << z + QByteArray(4, '\0') << none
        << QStringLiteral("error at offset %1: 4 bytes follow the last picture").arg(z.size())
        << font1;

    const QByteArray k = kpxSample();
    QTest::newRow("kpx header cut short")
        << k.left(100) << none << "error at offset 100: the file ends inside the header"
        << "header.audio 5";
    QTest::newRow("kpx block outside the file")
        << patched(k, 256 + 16 + 3, bytes({ 0xFF, 0xFF, 0xFF })) << none
        << "error at offset 275: the block of page 2 starts at 16777215, past the end"
        << "index[2].offset 16777215";
    QTest::newRow("kpx block without 5A A5")
        << patched(k, 560, bytes({ 0x00 })) << none
        << "error at offset 560: the block of page 1 lacks the mark 5A A5"
        << "page[0].touch_bytes 16";
    QTest::newRow("kpx cut in a block")
        << k.left(680) << none << "error at offset 680: the file ends inside the block of page 2"
        << "page[2].touch_bytes 32";
    QTest::newRow("kpx size field") << patched(k, 13, bytes({ 0xB1 })) << none
                                    << "error at offset 10: the header gives the size 689"
                                    << "page[2].touch_bytes 32";

    const QByteArray t = touchSample();
    const QStringList hmi { QStringLiteral("--as"), QStringLiteral("hmi") };
    QTest::newRow("hmi cut mid-record")
        << t.left(21) << hmi << "error at offset 16: record 1 is cut short: 5 of 16" << touchLine0;
    QTest::newRow("hmi without end mark")
        << t.left(32) << hmi << "error at offset 32: the file ends without the end mark"
        << touchLine1;
    QTest::newRow("hmi bytes after the end mark")
        << t + bytes({ 0x00, 0x01 }) << hmi << "error at offset 34: 2 bytes follow the end mark"
        << touchLine1;
    QTest::newRow("hmi record read as the end")
        << patched(t, 16, bytes({ 0xFF })) << hmi
        << "error at offset 16: record 1 has the page number 0xFF03" << touchLine0;
}

void TestLumoDump::damagedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(QString, lastLine);
    const ProgramRun run = dump(file, options);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    QCOMPARE(lines(run.out).last(), lastLine);
}

void TestLumoDump::recognition_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("message");

    const QStringList none;
    const QString unknown = QStringLiteral("is neither an icon-font file");
    QTest::newRow("text") << QByteArray("not a resource file\n") << none << 1 << QString()
                          << unknown;
    QTest::newRow("empty") << QByteArray() << none << 1 << QString() << unknown;
    // Right 10 left of left 100: an area of 65447 pixels, not one the touch tool draws.
    QTest::newRow("implausible area")
        << encodeTouchFile({ { 0, 100, 0, 10, 5, 0, 0, 0 } }) << none << 1 << QString() << unknown;
    QTest::newRow("touch file cut short")
        << touchSample().left(21) << none << 1 << QString() << unknown;
    QTest::newRow("implausible area as hmi")
        << encodeTouchFile({ { 0, 100, 0, 10, 5, 0, 0, 0 } }) << QStringList { "--as", "hmi" } << 0
        << "format hmi" << QString();
    QTest::newRow("touch file as kpx")
        << touchSample() << QStringList { "--as", "kpx" } << 1 << "format kpx"
        << "error at offset 0: the identification is not \"ORBI_3\" 0x15 \"KPX\"";
    QTest::newRow("kpx as zaf") << kpxSample() << QStringList { "--as", "zaf" } << 1 << "format zaf"
                                << "error at offset 6: the identification";
}

void TestLumoDump::recognition()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);
    QFETCH(QString, message);
    const ProgramRun run = dump(file, options);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(lines(run.out).value(0), firstLine);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
}

void TestLumoDump::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList { "dump" } << 2 << "no file given";
    QTest::newRow("two files") << QStringList { "dump", "a", "b" } << 2
                               << "unexpected argument 'b'";
    QTest::newRow("unknown format") << QStringList { "dump", "a", "--as", "bmp" } << 2
                                    << "--as takes zaf, kpx or hmi, not 'bmp'";
    QTest::newRow("missing file") << QStringList { "dump", "missing.bin" } << 1
                                  << "cannot read 'missing.bin'";
}

void TestLumoDump::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const ProgramRun run = runProgram(QStringLiteral(LUMO_BINARY), arguments, m_dir.path());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
}

void TestLumoDump::namesOutsideTheEncoding_data()
{
    QTest::addColumn<QString>("arguments");
    // "测" in GBK, as an archive made on another system unpacks it.
    QTest::newRow("existing input") << "dump \"$(printf '\\262\\342.bin')\"";
    QTest::newRow("output") << "jpeg dot.png -o \"$(printf '\\262\\342.jpg')\"";
}

// Decoded under a UTF-8 locale, such a name would be another file: nothing is read or
// written under it.
void TestLumoDump::namesOutsideTheEncoding()
{
    QFETCH(QString, arguments);
    QTemporaryDir dir;
    const QByteArray gbkName = QFile::encodeName(dir.path()) + "/\xB2\xE2.bin";
    QFile input;
    QVERIFY(input.open(
        std::fopen(gbkName.constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    input.write(touchSample());
    input.close();
    // Qt cannot name it to remove it.
    const auto removeInput = qScopeGuard([&gbkName] { ::unlink(gbkName.constData()); });
    QVERIFY(QImage(1, 1, QImage::Format_RGB32).save(dir.filePath("dot.png")));
    const int entries = QDir(dir.path()).count();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const ProgramRun run = runProgram(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + arguments,
            QStringLiteral(LUMO_BINARY) },
        dir.path(), environment);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("cannot be represented in this system's character encoding (UTF-8)"),
        run.err.constData());
    QCOMPARE(QDir(dir.path()).count(), uint(entries));
}

QTEST_GUILESS_MAIN(TestLumoDump)
#include "tst_lumodump.moc"
