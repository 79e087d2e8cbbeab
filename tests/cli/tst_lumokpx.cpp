#include "programrun.h"
#include "unwritable.h"

#include <initializer_list>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

// The touch file of the worked example: one block of page 0.
QByteArray exampleTouch()
{
    return bytes({ 0x00, 0x00 }) + QByteArrayLiteral("touch block 0.");
}

// The 560-byte file of the worked example, written out field by field.
QByteArray exampleFile()
{
    QByteArray header = QByteArrayLiteral("ORBI_3") + bytes({ 0x15 }) + QByteArrayLiteral("KPX");
    header += bytes({ 0x00, 0x00, 0x02, 0x30 }); // total length 560
    header += bytes({ 0x00, 0x00 }); // highest page
    header += bytes({ 0x10, 0x10 });
    header += bytes({ 0x1A, 0x03, 0x01, 0x09, 0x05, 0x07 }); // 2026-03-01 09:05:07
    header += bytes({ 0x00, 0x20 }); // page file ID 32
    header += bytes({ 0x00, 0x00 }); // start page 0
    header += bytes({ 0x00, 0x00, 0x00, 0x00 }); // speaker, audio file 0, audio 0
    header += QByteArray(224, '\xFF');
    const QByteArray index
        = bytes({ 0x5A, 0x00, 0x30, 0x00, 0x02, 0x00, 0xFF, 0xFF }) + QByteArray(248, '\xFF');
    const QByteArray block = bytes({ 0x5A, 0xA5, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00,
                                 0x00, 0x01, 0x00, 0x20, 0x00, 0x10 })
        + QByteArray(6, '\0') + QByteArray(10, '\xFF') + exampleTouch();
    return header + index + block;
}

// Highest page 3, no variable records.
QByteArray smallVariables()
{
    QByteArray data(16 + 4 * 4, '\0');
    data[9] = 3;
    return data;
}

// Every page of 0 to 2100 has 255 records at offset 0, so each block is 8192 bytes and the
// block of page 2046 would start at 256 + 16896 + 2046 * 8192 = 16777984.
QByteArray oversizedVariables()
{
    const int highestPage = 2100;
    QByteArray data(16 + 4 * (highestPage + 1), '\0');
    data[8] = static_cast<char>(highestPage >> 8);
    data[9] = static_cast<char>(highestPage & 0xFF);
    for (int page = 0; page <= highestPage; ++page)
        data[16 + 4 * page] = static_cast<char>(255);
    return data;
}

} // namespace

class TestLumoKpx : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void workedExample_data();
    void workedExample();
    void settingsReachHeader_data();
    void settingsReachHeader();
    void timeStamp_data();
    void timeStamp();
    void stampDefaultsToLocalTimeNow();
    void refused_data();
    void refused();
    void writeFailure_data();
    void writeFailure();
    void help_data();
    void help();
    void standardOutputAsTarget();
    void deviceTargets_data();
    void deviceTargets();
    void standardOutputFailure_data();
    void standardOutputFailure();

private:
    // Runs lumo in a clean environment: SOURCE_DATE_EPOCH only when `epoch` is not null.
    ProgramRun run(const QStringList &arguments, const QString &epoch = QString(),
        const QString &zone = QString());
    QStringList expand(QStringList texts) const;
    QString inputPath(const QString &name) const { return m_dir->filePath("in/" + name); }
    QString outputPath() const { return m_dir->filePath("out/out.KPX"); }
    QStringList outputEntries() const;
    QByteArray readOutput() const;
    void writeInput(const QString &name, const QByteArray &data);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestLumoKpx::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("in"));
    QVERIFY(QDir(m_dir->path()).mkpath("out"));
    writeInput("touch.bin", exampleTouch());
    writeInput("short.bin", QByteArray(9, '\0'));
    writeInput("empty.bin", QByteArray());
    writeInput("vars.bin", smallVariables());
    writeInput("oversized.bin", oversizedVariables());
    // Inputs no reader may take: a FIFO nobody writes to, and a sparse 3 GiB file.
    QVERIFY(::mkfifo(QFile::encodeName(inputPath("fifo")).constData(), 0600) == 0);
    QFile huge(inputPath("huge.bin"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(qint64(3) << 30));
}

ProgramRun TestLumoKpx::run(const QStringList &arguments, const QString &epoch, const QString &zone)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("SOURCE_DATE_EPOCH");
    if (!epoch.isNull())
        environment.insert("SOURCE_DATE_EPOCH", epoch);
    if (!zone.isNull())
        environment.insert("TZ", zone);
    return runProgram(QStringLiteral(LUMO_BINARY), arguments, m_dir->path(), environment);
}

QStringList TestLumoKpx::expand(QStringList texts) const
{
    return expandFolders(texts, *m_dir);
}

QStringList TestLumoKpx::outputEntries() const
{
    return QDir(m_dir->filePath("out"))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray TestLumoKpx::readOutput() const
{
    QFile file(outputPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestLumoKpx::writeInput(const QString &name, const QByteArray &data)
{
    QFile file(inputPath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), qint64(data.size()));
}

void TestLumoKpx::workedExample_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("every setting given") << QStringList { "kpx", "--touch", "@in/touch.bin",
        "--rpl", "32", "--start", "0", "--sound", "speaker", "--zva", "0", "--audio", "0", "--time",
        "2026-03-01T09:05:07", "-o", "@out/out.KPX" };
    QTest::newRow("defaults") << QStringList { "kpx", "-o", "@out/out.KPX", "--time",
        "2026-03-01T09:05:07", "--touch", "@in/touch.bin" };
}

void TestLumoKpx::workedExample()
{
    QFETCH(QStringList, arguments);
    const QByteArray expected = exampleFile();
    QCOMPARE(expected.size(), 560);

    const ProgramRun result = run(expand(arguments));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(readOutput(), expected);
    QCOMPARE(outputEntries(), QStringList { "out.KPX" });
}

void TestLumoKpx::settingsReachHeader_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("page file and start page")
        << QStringList { "--rpl", "258", "--start", "772" } << 24 << bytes({ 1, 2, 3, 4 });
    QTest::newRow("page file and start page at their largest") << QStringList { "--rpl", "65535",
        "--start", "65535" } << 24 << bytes({ 0xFF, 0xFF, 0xFF, 0xFF });
    QTest::newRow("buzzer ignores the audio") << QStringList { "--sound", "buzzer", "--zva", "7",
        "--audio", "9" } << 28 << bytes({ 0xFF, 0xFF, 0xFF, 0xFF });
    QTest::newRow("silent") << QStringList { "--sound", "silent" } << 28
                            << bytes({ 0xFE, 0xFF, 0xFF, 0xFF });
    QTest::newRow("speaker without audio file")
        << QStringList { "--zva", "-1", "--audio", "5" } << 28 << bytes({ 0xFF, 0xFF, 0x00, 0x05 });
    QTest::newRow("speaker, negative value attached")
        << QStringList { "--zva=-1" } << 28 << bytes({ 0xFF, 0xFF, 0x00, 0x00 });
    QTest::newRow("speaker at the largest IDs") << QStringList { "--sound", "speaker", "--zva",
        "65534", "--audio", "65535" } << 28 << bytes({ 0xFF, 0xFE, 0xFF, 0xFF });
    QTest::newRow("variable file included: length 512, highest page 3") << QStringList { "--var",
        "@in/vars.bin" } << 10 << bytes({ 0x00, 0x00, 0x02, 0x00, 0x00, 0x03 });
}

void TestLumoKpx::settingsReachHeader()
{
    QFETCH(QStringList, options);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);

    const ProgramRun result = run(expand(
        QStringList { "kpx", "--time", "2026-03-01T09:05:07", "-o", "@out/out.KPX" } + options));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(readOutput().mid(offset, expected.size()), expected);
}

void TestLumoKpx::timeStamp_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("expected");
    // 1772355907 seconds after the epoch is 2026-03-01T09:05:07Z.
    QTest::newRow("SOURCE_DATE_EPOCH in UTC, not the local zone")
        << QStringList() << "1772355907"
        << "XYZ-8" << bytes({ 0x1A, 0x03, 0x01, 0x09, 0x05, 0x07 });
    QTest::newRow("SOURCE_DATE_EPOCH at the epoch")
        << QStringList() << "0"
        << "XYZ+5" << bytes({ 0x46, 0x01, 0x01, 0x00, 0x00, 0x00 });
    QTest::newRow("--time wins over SOURCE_DATE_EPOCH")
        << QStringList { "--time", "2026-03-01T09:05:07" } << "0" << QString()
        << bytes({ 0x1A, 0x03, 0x01, 0x09, 0x05, 0x07 });
    QTest::newRow("--time wins over a SOURCE_DATE_EPOCH that is not a number")
        << QStringList { "--time", "2026-03-01T09:05:07" } << "soon" << QString()
        << bytes({ 0x1A, 0x03, 0x01, 0x09, 0x05, 0x07 });
    QTest::newRow("--time written as given in any zone")
        << QStringList { "--time", "2030-12-31T23:59:59" } << QString() << "XYZ-8"
        << bytes({ 0x1E, 0x0C, 0x1F, 0x17, 0x3B, 0x3B });
}

void TestLumoKpx::timeStamp()
{
    QFETCH(QStringList, options);
    QFETCH(QString, epoch);
    QFETCH(QString, zone);
    QFETCH(QByteArray, expected);

    const ProgramRun result
        = run(expand(QStringList { "kpx", "-o", "@out/out.KPX" } + options), epoch, zone);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(readOutput().mid(18, 6), expected);
}

void TestLumoKpx::stampDefaultsToLocalTimeNow()
{
    QDateTime before = QDateTime::currentDateTime();
    before = before.addMSecs(-before.time().msec());
    const ProgramRun result = run(expand({ "kpx", "-o", "@out/out.KPX" }));
    const QDateTime after = QDateTime::currentDateTime();
    QCOMPARE(result.exitCode, 0);

    const QByteArray file = readOutput();
    QCOMPARE(file.size(), 256);
    auto field = [&file](int offset) { return static_cast<quint8>(file.at(offset)); };
    const QDateTime stamp(
        QDate(2000 + field(18), field(19), field(20)), QTime(field(21), field(22), field(23)));
    QVERIFY2(before <= stamp && stamp <= after, qPrintable(stamp.toString(Qt::ISODate)));
}

void TestLumoKpx::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("messageParts");

    const QString out = "@out/out.KPX";
    const auto usage = [&out](const char *name, QStringList options, QStringList parts,
                           const QString &epoch = QString()) {
        QTest::newRow(name) << QStringList { "kpx", "-o", out } + options << epoch << 2 << parts;
    };
    usage("stray argument", { "extra" }, { "extra" });
    usage("unknown option", { "--bogus" }, { "bogus" });
    usage("option without its value", { "--rpl" }, { "rpl" });
    usage("page file ID below range", { "--rpl", "-1" }, { "--rpl", "-1" });
    usage("page file ID above range", { "--rpl", "65536" }, { "--rpl", "65536" });
    usage("page file ID not a number", { "--rpl", "abc" }, { "abc" });
    usage("page file ID with a fraction", { "--rpl", "1.5" }, { "1.5" });
    usage("page file ID in hexadecimal", { "--rpl", "0x20" }, { "0x20" });
    usage("page file ID with a space", { "--rpl", " 32" }, { "--rpl" });
    usage("page file ID empty", { "--rpl", "" }, { "--rpl" });
    usage("start page above range", { "--start", "65536" }, { "--start" });
    usage("audio file ID below range", { "--zva", "-2" }, { "--zva", "-2" });
    usage("audio file ID above range", { "--zva", "65535" }, { "--zva", "65535" });
    usage("audio ID below range", { "--audio", "-1" }, { "--audio" });
    usage("audio ID above range", { "--audio", "65536" }, { "--audio" });
    usage("unknown sound", { "--sound", "loud" }, { "loud" });
    usage("sound in capitals", { "--sound", "Speaker" }, { "Speaker" });
    usage("time with a space", { "--time", "2026-03-01 09:05:07" }, { "--time" });
    usage("time without seconds", { "--time", "2026-03-01T09:05" }, { "--time" });
    usage("time on 30 February", { "--time", "2026-02-30T09:05:07" }, { "--time" });
    usage("time at hour 24", { "--time", "2026-03-01T24:00:00" }, { "--time" });
    usage("SOURCE_DATE_EPOCH not a number", {}, { "SOURCE_DATE_EPOCH" }, "soon");
    usage("SOURCE_DATE_EPOCH empty", {}, { "SOURCE_DATE_EPOCH" }, "");
    usage("SOURCE_DATE_EPOCH with a fraction", {}, { "SOURCE_DATE_EPOCH" }, "1772355907.5");
    QTest::newRow("no output") << QStringList { "kpx", "--touch", "@in/touch.bin" } << QString()
                               << 2 << QStringList { "-o" };
    QTest::newRow("empty output") << QStringList { "kpx", "-o", "" } << QString() << 2
                                  << QStringList { "-o" };
    QTest::newRow("unknown subcommand")
        << QStringList { "kpz", "-o", out } << QString() << 2 << QStringList { "kpz" };
    QTest::newRow("no subcommand")
        << QStringList() << QString() << 2 << QStringList { "subcommand" };
    QTest::newRow("option before the subcommand") << QStringList { "--touch", "@in/touch.bin",
        "kpx", "-o", out } << QString() << 2 << QStringList { "touch" };

    const auto refusal = [&out](const char *name, QStringList options, QStringList parts) {
        QTest::newRow(name) << QStringList { "kpx", "-o", out } + options << QString() << 1
                            << parts;
    };
    refusal("touch file missing", { "--touch", "@in/missing.bin" },
        { "@in/missing.bin", "No such file" });
    refusal("touch file is a folder", { "--touch", "@in" }, { "'@in'", "directory" });
    refusal("touch file name empty", { "--touch", "" }, { "touch" });
    refusal("touch file a device", { "--touch", "/dev/zero" }, { "/dev/zero", "regular file" });
    refusal("touch file a FIFO", { "--touch", "@in/fifo" }, { "@in/fifo", "regular file" });
    refusal("touch file of 3 GiB", { "--touch", "@in/huge.bin" },
        { "@in/huge.bin", "268435456 bytes" });
    refusal("variable file of 3 GiB", { "--var", "@in/huge.bin" },
        { "@in/huge.bin", "268435456 bytes" });
    refusal("variable file missing", { "--touch", "@in/touch.bin", "--var", "@in/missing.bin" },
        { "@in/missing.bin", "No such file" });
    refusal("variable file empty", { "--var", "@in/empty.bin" }, { "@in/empty.bin", "0 bytes" });
    refusal("variable file shorter than 10 bytes", { "--var", "@in/short.bin" },
        { "@in/short.bin", "9 bytes" });
    refusal("block past the reach of the page index", { "--var", "@in/oversized.bin" },
        { "page 2046", "16777984" });
    QTest::newRow("output folder missing")
        << QStringList { "kpx", "-o", "@out/missing/out.KPX" } << QString() << 1
        << QStringList { "@out/missing/out.KPX", "No such file" };
}

// Nothing is written, neither when there is no output file yet nor over an existing one.
void TestLumoKpx::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, epoch);
    QFETCH(int, exitCode);
    QFETCH(QStringList, messageParts);

    for (bool existing : { false, true }) {
        const QByteArray previous = "an earlier build";
        if (existing) {
            QFile file(outputPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(previous);
        }
        const ProgramRun result = run(expand(arguments), epoch);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray());
        QVERIFY(!result.err.isEmpty());
        for (const QString &part : expand(messageParts))
            QVERIFY2(QString::fromLocal8Bit(result.err).contains(part), result.err.constData());
        QCOMPARE(outputEntries(), existing ? QStringList { "out.KPX" } : QStringList());
        if (existing)
            QCOMPARE(readOutput(), previous);
    }
}

void TestLumoKpx::writeFailure_data()
{
    addUnwritableRows();
}

void TestLumoKpx::writeFailure()
{
    QFETCH(Unwritable, destination);
    UnwritableDestination target(destination, m_dir->filePath("out"), QStringLiteral("out.KPX"));
    target.block();
    const ProgramRun result
        = run({ "kpx", "--touch", inputPath("touch.bin"), "-o", target.path() });
    target.unblock();
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(QString::fromLocal8Bit(result.err).contains(target.path()), result.err.constData());
    QCOMPARE(target.changes(), QString());
}

void TestLumoKpx::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("lumo --help") << QStringList { "--help" }
                                 << QStringList { "kpx", "lumo SUBCOMMAND --help", "--version" };
    QTest::newRow("lumo kpx --help")
        << QStringList { "kpx", "--help" }
        << QStringList { "Usage: lumo kpx", "--touch <file>", "--var <file>", "--rpl <n>",
               "--start <n>", "--sound <mode>", "buzzer", "--zva <n>", "--audio <n>",
               "--time <stamp>", "SOURCE_DATE_EPOCH", "-o, --output <file>" };
    QTest::newRow("lumo --version")
        << QStringList { "--version" } << QStringList { "lumo " LUMO_VERSION };
}

void TestLumoKpx::help()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, parts);

    const ProgramRun result = run(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    for (const QString &part : parts)
        QVERIFY2(QString::fromLocal8Bit(result.out).contains(part), qPrintable(part));
}

void TestLumoKpx::standardOutputAsTarget()
{
    const ProgramRun result = run(
        { "kpx", "--touch", inputPath("touch.bin"), "--time", "2026-03-01T09:05:07", "-o", "-" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, exampleFile());
    QCOMPARE(outputEntries(), QStringList());
}

void TestLumoKpx::deviceTargets_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("/dev/null") << QStringLiteral("/dev/null") << 0 << QString();
    QTest::newRow("/dev/full") << QStringLiteral("/dev/full") << 1
                               << QStringLiteral("No space left on device");
}

// A device is written to, never replaced by a new file renamed over it.
void TestLumoKpx::deviceTargets()
{
    QFETCH(QString, device);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    if (!QFileInfo::exists(device))
        QSKIP("this system has no such device");
    const ProgramRun result = run({ "kpx", "--touch", inputPath("touch.bin"), "-o", device });
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(QString::fromLocal8Bit(result.err).contains(message), result.err.constData());
    const QFileInfo after(device);
    QVERIFY(after.exists());
    QVERIFY(!after.isFile());
}

void TestLumoKpx::standardOutputFailure_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("dump") << QStringList { "dump", "@out/out.KPX" };
    QTest::newRow("help") << QStringList { "kpx", "--help" };
}

// Standard output that cannot take what is printed is a failure, said on standard error.
void TestLumoKpx::standardOutputFailure()
{
    QFETCH(QStringList, arguments);
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("this system has no /dev/full");
    QCOMPARE(run({ "kpx", "--touch", inputPath("touch.bin"), "-o", outputPath() }).exitCode, 0);
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(LUMO_BINARY), expand(arguments));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(
        err.contains("cannot write standard output: No space left on device"), err.constData());
}

QTEST_GUILESS_MAIN(TestLumoKpx)

#include "tst_lumokpx.moc"
