#include "kpxbuilder.h"
#include "kpxreference.h"

#include <QRandomGenerator>
#include <QTranslator>
#include <QtTest>

namespace {

const QDateTime firstOfMarch(QDate(2026, 3, 1), QTime(9, 5, 7));

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A 16-byte touch block: page in the first two bytes, a recognisable filler after.
QByteArray touchBlock(int page, char filler = '\x11')
{
    QByteArray block(16, filler);
    block[0] = static_cast<char>((page >> 8) & 0x0F);
    block[1] = static_cast<char>(page & 0xFF);
    return block;
}

QByteArray continuation(char second = '\x22')
{
    QByteArray block(16, '\x33');
    block[0] = '\xFE';
    block[1] = second;
    return block;
}

// A variable file: highest page at 8, then (count, offset) per page as given.
QByteArray variableFile(int highest, const QVector<QPair<int, int>> &entries, int size = 0)
{
    QByteArray data(qMax(size, 16 + 4 * entries.size()), '\0');
    data[8] = static_cast<char>(highest >> 8);
    data[9] = static_cast<char>(highest & 0xFF);
    for (int p = 0; p < entries.size(); ++p) {
        data[16 + 4 * p] = static_cast<char>(entries[p].first);
        data[17 + 4 * p] = static_cast<char>(entries[p].second >> 16);
        data[18 + 4 * p] = static_cast<char>(entries[p].second >> 8);
        data[19 + 4 * p] = static_cast<char>(entries[p].second);
    }
    return data;
}

int be(const QByteArray &bytes, int offset, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + i));
    return value;
}

KpxSources touchOnly(const QByteArray &touch)
{
    KpxSources sources;
    sources.touchIncluded = true;
    sources.touch = touch;
    return sources;
}

} // namespace

Q_DECLARE_METATYPE(KpxSources)

class TestKpxBuilder : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void header_data();
    void header();
    void indexLength_data();
    void indexLength();
    void touchRecords();
    void fourContinuationsStartANewRecord();
    void longBlockIsCut();
    void variableRecords();
    void variableEntryBeyondData();
    void shortVariableFileIsRefused();
    void layoutBeyondIndexIsRefused();
    void agreesWithPlainReading();
    void refusalWording_data();
    void refusalWording();
};

void TestKpxBuilder::workedExample()
{
    const QByteArray touch = hex("0000 0102030405060708090A0B0C0D0E");
    const KpxBuild build = buildKpx(touchOnly(touch), KpxSettings(), firstOfMarch);
    QCOMPARE(build.refusal, KpxRefusal::None);

    QByteArray expected("ORBI_3\x15KPX", 10);
    expected += hex("00000230 0000 1010 1A0301090507 0020 0000 00000000");
    expected += QByteArray(224, '\xFF');
    expected += hex("5A0030000200FFFF");
    expected += QByteArray(248, '\xFF');
    expected += hex("5AA50000000000200000000100200010 000000000000");
    expected += QByteArray(10, '\xFF');
    expected += touch;
    QCOMPARE(expected.size(), 560);
    QCOMPARE(build.bytes.toHex(' '), expected.toHex(' '));
}

void TestKpxBuilder::header_data()
{
    QTest::addColumn<KpxSources>("sources");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("audioFileId");
    QTest::addColumn<int>("audioId");
    QTest::addColumn<QByteArray>("expected"); // bytes 10 to 31

    const QByteArray stampAndIds = hex("1010 1A0301090507 1234 0102");
    QTest::newRow("no inputs") << KpxSources() << int(KpxSound::Speaker) << 0 << 0
                               << hex("00000100 0000") + stampAndIds + hex("00000000");
    QTest::newRow("speaker, no audio file") << KpxSources() << int(KpxSound::Speaker) << -1 << 5
                                            << hex("00000100 0000") + stampAndIds + hex("FFFF0005");
    QTest::newRow("buzzer") << KpxSources() << int(KpxSound::Buzzer) << 7 << 8
                            << hex("00000100 0000") + stampAndIds + hex("FFFFFFFF");
    QTest::newRow("silent") << KpxSources() << int(KpxSound::Silent) << 7 << 8
                            << hex("00000100 0000") + stampAndIds + hex("FEFFFFFF");
    KpxSources variables;
    variables.variablesIncluded = true;
    variables.variables = variableFile(0x0123, {});
    QTest::newRow("highest page from the variable file")
        << variables << int(KpxSound::Speaker) << 0x4321 << 0xFFFF
        << hex("00000B00 0123") + stampAndIds + hex("4321FFFF");
}

void TestKpxBuilder::header()
{
    QFETCH(KpxSources, sources);
    QFETCH(int, sound);
    QFETCH(int, audioFileId);
    QFETCH(int, audioId);
    QFETCH(QByteArray, expected);
    KpxSettings settings;
    settings.pageFileId = 0x1234;
    settings.startPageId = 0x0102;
    settings.sound = KpxSound(sound);
    settings.audioFileId = audioFileId;
    settings.audioId = audioId;

    const QByteArray bytes = buildKpx(sources, settings, firstOfMarch).bytes;
    QCOMPARE(bytes.left(10), QByteArray("ORBI_3\x15KPX", 10));
    QCOMPARE(bytes.mid(10, 22).toHex(' '), expected.toHex(' '));
    QCOMPARE(bytes.mid(32, 224), QByteArray(224, '\xFF'));
    QCOMPARE(be(bytes, 10, 4), bytes.size());
}

void TestKpxBuilder::indexLength_data()
{
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("length");
    QTest::newRow("page 0") << 0 << 256;
    QTest::newRow("page 31") << 31 << 256;
    QTest::newRow("page 32") << 32 << 512;
    QTest::newRow("page 4095") << 4095 << 32768;
    QTest::newRow("page 65535") << 65535 << 524288;
}

void TestKpxBuilder::indexLength()
{
    QFETCH(int, highest);
    QFETCH(int, length);
    KpxSources sources;
    sources.variablesIncluded = true;
    sources.variables = variableFile(highest, {});
    const QByteArray bytes = buildKpx(sources, KpxSettings(), firstOfMarch).bytes;
    QCOMPARE(bytes.size(), 256 + length);
    QCOMPARE(bytes.mid(256), QByteArray(length, '\xFF'));
}

void TestKpxBuilder::touchRecords()
{
    const QByteArray record48 = touchBlock(2, '\x44') + continuation() + continuation();
    const QByteArray touch = touchBlock(0) + record48 + touchBlock(0, '\x55');
    const KpxBuild build = buildKpx(touchOnly(touch), KpxSettings(), firstOfMarch);
    const QByteArray &bytes = build.bytes;
    QCOMPARE(build.highestPage, 2);
    QCOMPARE(bytes.size(), 256 + 256 + (32 + 32) + (32 + 48));

    QCOMPARE(bytes.mid(256, 8).toHex(' '), hex("5A0040000200FFFF").toHex(' '));
    QCOMPARE(bytes.mid(264, 8), QByteArray(8, '\xFF'));
    QCOMPARE(bytes.mid(272, 8).toHex(' '), hex("5A0050000240FFFF").toHex(' '));

    // Page 0 holds its two records in file order; page 2 the 48-byte record whole.
    QCOMPARE(be(bytes, 512 + 10, 2), 2);
    QCOMPARE(be(bytes, 512 + 14, 2), 32);
    QCOMPARE(bytes.mid(512 + 32, 32), touchBlock(0) + touchBlock(0, '\x55'));
    QCOMPARE(be(bytes, 576 + 2, 2), 2);
    QCOMPARE(be(bytes, 576 + 10, 2), 1);
    QCOMPARE(be(bytes, 576 + 14, 2), 48);
    QCOMPARE(bytes.mid(576 + 32), record48);
}

void TestKpxBuilder::fourContinuationsStartANewRecord()
{
    const QByteArray touch
        = touchBlock(0) + continuation() + continuation() + continuation() + continuation('\x05');
    const QByteArray bytes = buildKpx(touchOnly(touch), KpxSettings(), firstOfMarch).bytes;
    QCOMPARE(be(bytes, 14, 2), 0);
    QCOMPARE(be(bytes, 512 + 14, 2), 64);
    QCOMPARE(bytes.mid(512 + 32), touch.left(64));

    // The fifth block is a record of page 0xE05, seen once the pages reach that far.
    KpxSources sources = touchOnly(touch);
    sources.variablesIncluded = true;
    sources.variables = variableFile(0xE05, {});
    const QByteArray wide = buildKpx(sources, KpxSettings(), firstOfMarch).bytes;
    const int entry = 256 + 8 * 0xE05;
    QCOMPARE(static_cast<quint8>(wide.at(entry)), quint8(0x5A));
    const int offset = be(wide, entry + 3, 3);
    QCOMPARE(be(wide, offset + 2, 2), 0xE05);
    QCOMPARE(wide.mid(offset + 32), continuation('\x05'));
}

void TestKpxBuilder::longBlockIsCut()
{
    QByteArray touch;
    for (int i = 0; i < 1100; ++i) // 17600 bytes of page-0 records
        touch += touchBlock(0, char(i));
    touch += touchBlock(1, '\x77');
    const QByteArray bytes = buildKpx(touchOnly(touch), KpxSettings(), firstOfMarch).bytes;
    QCOMPARE(be(bytes, 256 + 1, 2), 16384);
    QCOMPARE(be(bytes, 256 + 3, 3), 512);
    QCOMPARE(be(bytes, 256 + 8 + 3, 3), 512 + 16384);
    // The block header keeps the uncut figures.
    QCOMPARE(be(bytes, 512 + 10, 2), 1100);
    QCOMPARE(be(bytes, 512 + 14, 2), 17600);
    QCOMPARE(bytes.mid(512 + 32, 16384 - 32), touch.left(16384 - 32));
    QCOMPARE(bytes.mid(512 + 16384 + 32), touchBlock(1, '\x77'));
    QCOMPARE(be(bytes, 10, 4), bytes.size());
}

void TestKpxBuilder::variableRecords()
{
    QByteArray variables = variableFile(1, { { 1, 24 }, { 3, 56 } }, 72);
    for (int i = 24; i < variables.size(); ++i)
        variables[i] = char(i);
    variables += QByteArray(60, '\x66'); // page 1 asks for 96 bytes from 56: 76 remain
    KpxSources sources;
    sources.variablesIncluded = true;
    sources.variables = variables;
    const QByteArray bytes = buildKpx(sources, KpxSettings(), firstOfMarch).bytes;

    QCOMPARE(bytes.mid(512, 16).toHex(' '), hex("5AA50000000100200020000000400000").toHex(' '));
    QCOMPARE(bytes.mid(512 + 32, 32), variables.mid(24, 32));
    const int second = 512 + 64;
    QCOMPARE(bytes.mid(second, 16).toHex(' '), hex("5AA5000100030020004C0000006C0000").toHex(' '));
    QCOMPARE(bytes.mid(second + 32), variables.mid(56));
}

void TestKpxBuilder::variableEntryBeyondData()
{
    // The touch file names page 5, the variable table only reaches page 0.
    KpxSources sources = touchOnly(touchBlock(5));
    sources.variablesIncluded = true;
    sources.variables = variableFile(0, { { 0, 0 } }, 18); // entry of page 0 cut short too
    const KpxBuild build = buildKpx(sources, KpxSettings(), firstOfMarch);
    QCOMPARE(build.refusal, KpxRefusal::None);
    QCOMPARE(build.highestPage, 5);
    const QByteArray &bytes = build.bytes;
    QCOMPARE(bytes.size(), 512 + 32 + 16);
    QCOMPARE(bytes.mid(256, 40), QByteArray(40, '\xFF'));
    QCOMPARE(bytes.mid(512, 16).toHex(' '), hex("5AA50005000000200000000100200010").toHex(' '));
}

void TestKpxBuilder::shortVariableFileIsRefused()
{
    KpxSources sources = touchOnly(touchBlock(0));
    sources.variablesIncluded = true;
    sources.variables = QByteArray(9, '\0');
    const KpxBuild build = buildKpx(sources, KpxSettings(), firstOfMarch);
    QCOMPARE(build.refusal, KpxRefusal::VariablesTooShort);
    QVERIFY(build.bytes.isEmpty());

    sources.variables = QByteArray(10, '\0');
    QCOMPARE(buildKpx(sources, KpxSettings(), firstOfMarch).refusal, KpxRefusal::None);
}

void TestKpxBuilder::layoutBeyondIndexIsRefused()
{
    // Every page shares one run of 255 variable records: 8192-byte blocks from a small file.
    QVector<QPair<int, int>> entries;
    const int records = 16 + 4 * 4096;
    for (int p = 0; p < 4096; ++p)
        entries.append({ 255, records });
    KpxSources sources;
    sources.variablesIncluded = true;
    sources.variables = variableFile(4095, entries, records + 255 * 32);
    const KpxBuild build = buildKpx(sources, KpxSettings(), firstOfMarch);
    QCOMPARE(build.refusal, KpxRefusal::LayoutTooLarge);
    QVERIFY(build.bytes.isEmpty());
    const int firstBlock = 256 + 32768;
    QCOMPARE(build.refusedPage, (0xFFFFFF - firstBlock) / 8192 + 1);
    QVERIFY(build.refusedOffset > 0xFFFFFF);

    // The last block that still starts inside the 24-bit range is accepted.
    sources.variables[9] = char(build.refusedPage - 1);
    sources.variables[8] = char((build.refusedPage - 1) >> 8);
    const KpxBuild fits = buildKpx(sources, KpxSettings(), firstOfMarch);
    QCOMPARE(fits.refusal, KpxRefusal::None);
}

void TestKpxBuilder::agreesWithPlainReading()
{
    QRandomGenerator random(20261210);
    for (int round = 0; round < 400; ++round) {
        ReferenceInput reference;
        reference.stamp = QDateTime(QDate(2000 + int(random.bounded(100)),
                                        1 + int(random.bounded(12)), 1 + int(random.bounded(28))),
            QTime(int(random.bounded(24)), int(random.bounded(60)), int(random.bounded(60))));
        const int pages = 1 + int(random.bounded(round % 10 == 0 ? 300 : 12));
        reference.touchIncluded = random.bounded(5) != 0;
        reference.variablesIncluded = random.bounded(3) != 0;

        const int blocks = int(random.bounded(round % 7 == 0 ? 1500 : 40));
        for (int b = 0; b < blocks; ++b) {
            QByteArray block(16, '\0');
            for (char &c : block)
                c = char(random.bounded(256));
            if (random.bounded(3) == 0)
                block[0] = '\xFE';
            else
                block[1] = char(random.bounded(pages));
            if (random.bounded(2) == 0)
                block[0] = char(block[0] & 0xF0); // keep most pages small
            reference.touch += block;
        }
        reference.touch.chop(int(random.bounded(16))); // a ragged end now and then

        const int tablePages = int(random.bounded(pages + 3));
        QByteArray vars(16 + 4 * tablePages + int(random.bounded(600)), '\0');
        for (char &c : vars)
            c = char(random.bounded(256));
        const int highest = int(random.bounded(pages + 2));
        vars[8] = char(highest >> 8);
        vars[9] = char(highest);
        for (int p = 0; p < tablePages; ++p) {
            vars[16 + 4 * p]
                = char(random.bounded(4) == 0 ? 0 : random.bounded(round % 5 ? 8 : 256));
            const int offset = int(random.bounded(vars.size() + 40));
            vars[17 + 4 * p] = char(offset >> 16);
            vars[18 + 4 * p] = char(offset >> 8);
            vars[19 + 4 * p] = char(offset);
        }
        vars.chop(int(random.bounded(qMin(vars.size() - 9, 8))));
        reference.variables = vars;
        reference.rpl = int(random.bounded(65536));
        reference.start = int(random.bounded(65536));
        reference.sound = int(random.bounded(3));
        reference.zva = int(random.bounded(65536)) - 1;
        reference.audio = int(random.bounded(65536));

        KpxSources sources;
        sources.touchIncluded = reference.touchIncluded;
        sources.touch = reference.touch;
        sources.variablesIncluded = reference.variablesIncluded;
        sources.variables = reference.variables;
        KpxSettings settings;
        settings.pageFileId = reference.rpl;
        settings.startPageId = reference.start;
        settings.sound = reference.sound == 0 ? KpxSound::Buzzer
            : reference.sound == 2            ? KpxSound::Silent
                                              : KpxSound::Speaker;
        settings.audioFileId = reference.zva;
        settings.audioId = reference.audio;

        const KpxBuild build = buildKpx(sources, settings, reference.stamp);
        QCOMPARE(build.refusal, KpxRefusal::None);
        const QByteArray expected = referenceKpx(reference);
        if (build.bytes != expected) {
            int at = 0;
            while (
                at < qMin(build.bytes.size(), expected.size()) && build.bytes[at] == expected[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("round %1: sizes %2 and %3, first difference at %4")
                                 .arg(round)
                                 .arg(build.bytes.size())
                                 .arg(expected.size())
                                 .arg(at)));
        }
    }
}

// Untranslated, a refusal reads as the KPX tool shows it; with the command line's
// catalogue, as lumo prints it.
void TestKpxBuilder::refusalWording_data()
{
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("variables too short")
        << int(KpxRefusal::VariablesTooShort)
        << QStringLiteral("14变量文件/in/14.bin只有9字节，缺少最高页面字段，未生成KPX文件！")
        << QStringLiteral("variable file '/in/14.bin' is 9 bytes long; it needs at least 10 to "
                          "hold the highest page number");
    QTest::newRow("layout too large")
        << int(KpxRefusal::LayoutTooLarge)
        << QStringLiteral("第2046页的数据块起始于第16777984字节，超出KPX页面索引可描述的范围"
                          "（16777215），未生成KPX文件！")
        << QStringLiteral("the block of page 2046 would start at byte 16777984, past 16777215, "
                          "the largest offset the page index can hold");
    QTest::newRow("none") << int(KpxRefusal::None) << QString() << QString();
}

void TestKpxBuilder::refusalWording()
{
    QFETCH(int, refusal);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    KpxBuild build;
    build.refusal = KpxRefusal(refusal);
    build.refusedPage = 2046;
    build.refusedOffset = 16777984;
    const QString path = QStringLiteral("/in/14.bin");
    QCOMPARE(kpxRefusalText(build, path, 9), chinese);

    QTranslator translator;
    QVERIFY(loadKpxBuilderCommandLineCatalogue(&translator));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = kpxRefusalText(build, path, 9);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, english);
}

QTEST_GUILESS_MAIN(TestKpxBuilder)
#include "tst_kpxbuilder.moc"
