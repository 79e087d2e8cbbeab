#include "testfiles.h"
#include "hugepicture.h"
#include "programrun.h"

#include <csignal>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "glyphencoder.h"

namespace {

QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(21);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
    return image;
}

QImage halfTransparent()
{
    QImage image(24, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 12; ++y)
        for (int x = 12; x < 24; ++x)
            image.setPixel(x, y, qRgba(200, 30, 30, 255));
    return image;
}

} // namespace

class TestLumoJpeg : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void converted_data();
    void converted();
    void copied();
    void toStandardOutput_data();
    void toStandardOutput();
    void refused_data();
    void refused();
    void usage_data();
    void usage();
    void help();
    void stoppedBySignal_data();
    void stoppedBySignal();

private:
    ProgramRun run(const QStringList &arguments);
    QStringList expand(QStringList texts) const;
    QString inputPath(const QString &name) const { return m_dir->filePath("in/" + name); }
    QString outputPath() const { return m_dir->filePath("out/out.jpg"); }
    QStringList outputEntries() const
    {
        return QDir(m_dir->filePath("out"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestLumoJpeg::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("in"));
    QVERIFY(QDir(m_dir->path()).mkpath("out"));
    QVERIFY(halfTransparent().save(inputPath("clear.PNG"), "png"));
    QVERIFY(halfTransparent().save(inputPath("clear.bmp"), "bmp"));
    QVERIFY(noise(400, 300).save(inputPath("noise.png"), "png"));
    QVERIFY(noise(40, 30).save(inputPath("photo.jpeg"), "jpg"));
    QString error;
    QVERIFY(writeWholeFile(inputPath("random.png"), QByteArray(3000, '\x5A'), &error));
    QVERIFY(writeWholeFile(inputPath("picture.tif"), QByteArray(100, '\0'), &error));
    QVERIFY(writeWholeFile(inputPath("empty.jpg"), QByteArray(), &error));
    QVERIFY(writeWholeFile(inputPath("huge.jpg"), jpegClaiming(30000, 30000), &error));
    QVERIFY(writeWholeFile(inputPath("huge.png"), jpegClaiming(20000, 20000), &error));
    QVERIFY(writeWholeFile(inputPath("text.jpg"), QByteArray("not a picture"), &error));
    const QByteArray photo = fileBytes(inputPath("photo.jpeg"));
    QVERIFY(writeWholeFile(inputPath("cut.jpg"), photo.left(photo.size() * 3 / 4), &error));
    // A picture of one pixel.
    const QByteArray gif
        = QByteArrayLiteral("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xFF\xFF"
                            "\xFF,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                            "D\x01\x00;");
    QVERIFY(writeWholeFile(inputPath("dot.gif"), gif, &error));
    QVERIFY(writeWholeFile(inputPath("cut.gif"), gif.left(gif.size() - 3), &error));
    const QByteArray png = fileBytes(inputPath("noise.png"));
    QVERIFY(writeWholeFile(inputPath("cut.png"), png.left(png.size() - 12), &error));
}

ProgramRun TestLumoJpeg::run(const QStringList &arguments)
{
    return runProgram(QStringLiteral(LUMO_BINARY), arguments, m_dir->path());
}

QStringList TestLumoJpeg::expand(QStringList texts) const
{
    return expandFolders(texts, *m_dir);
}

void TestLumoJpeg::converted_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("transparent PNG") << "clear.PNG";
    QTest::newRow("BMP") << "clear.bmp";
    QTest::newRow("GIF") << "dot.gif";
    QTest::newRow("noise: quality loop") << "noise.png";
}

void TestLumoJpeg::converted()
{
    QFETCH(QString, picture);
    const ProgramRun result = run({ "jpeg", inputPath(picture), "-o", outputPath() });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());

    QTemporaryDir reference;
    const GlyphResult expected = convertPicture(
        inputPath(picture), reference.filePath("temp.bmp"), reference.filePath("expected.jpg"));
    QCOMPARE(expected.status, GlyphStatus::Converted);
    QCOMPARE(result.out, QByteArray::number(expected.quality) + "\n");
    QCOMPARE(fileBytes(outputPath()), fileBytes(expected.storedPath));
    QCOMPARE(outputEntries(), QStringList { "out.jpg" });
    if (picture == "noise.png")
        QVERIFY(expected.quality < 100);
}

void TestLumoJpeg::copied()
{
    const ProgramRun result = run({ "jpeg", inputPath("photo.jpeg"), "-o", outputPath() });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("copied\n"));
    QCOMPARE(fileBytes(outputPath()), fileBytes(inputPath("photo.jpeg")));
}

void TestLumoJpeg::toStandardOutput_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("converted") << "noise.png";
    QTest::newRow("copied") << "photo.jpeg";
}

// With "-o -" the picture goes to standard output, byte for byte as into a file, and the
// quality line to standard error.
void TestLumoJpeg::toStandardOutput()
{
    QFETCH(QString, picture);
    const ProgramRun toFile = run({ "jpeg", inputPath(picture), "-o", outputPath() });
    QCOMPARE(toFile.exitCode, 0);
    const ProgramRun toOut = run({ "jpeg", inputPath(picture), "-o", "-" });
    QCOMPARE(toOut.exitCode, 0);
    QCOMPARE(toOut.out, fileBytes(outputPath()));
    QCOMPARE(toOut.err, toFile.out);
    QCOMPARE(outputEntries(), QStringList { "out.jpg" });
}

void TestLumoJpeg::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused suffix")
        << QStringList { "jpeg", "@in/picture.tif", "-o", "@out/out.jpg" } << "refused";
    QTest::newRow("undecodable") << QStringList { "jpeg", "@in/random.png", "-o", "@out/out.jpg" }
                                 << "cannot be decoded";
    QTest::newRow("missing png") << QStringList { "jpeg", "@in/none.png", "-o", "@out/out.jpg" }
                                 << "cannot read";
    QTest::newRow("missing jpg") << QStringList { "jpeg", "@in/none.jpg", "-o", "@out/out.jpg" }
                                 << "cannot read";
    QTest::newRow("copied, header claims 30000 x 30000") << QStringList { "jpeg", "@in/huge.jpg",
        "-o", "@out/out.jpg" } << "has 30000 x 30000 pixels, more than the 8192 x 8192";
    QTest::newRow("converted, header claims 20000 x 20000") << QStringList { "jpeg", "@in/huge.png",
        "-o", "@out/out.jpg" } << "has 20000 x 20000 pixels, more than the 8192 x 8192";
    QTest::newRow("empty jpg") << QStringList { "jpeg", "@in/empty.jpg", "-o", "@out/out.jpg" }
                               << "does not start with the start-of-image marker FF D8";
    QTest::newRow("text named jpg")
        << QStringList { "jpeg", "@in/text.jpg", "-o", "@out/out.jpg" } << "marker FF D8";
    QTest::newRow("jpg cut short") << QStringList { "jpeg", "@in/cut.jpg", "-o", "@out/out.jpg" }
                                   << "no end-of-picture marker FF D9";
    QTest::newRow("gif cut short") << QStringList { "jpeg", "@in/cut.gif", "-o", "@out/out.jpg" }
                                   << "is cut short: the GIF ends before its trailer 3B";
    QTest::newRow("png cut short") << QStringList { "jpeg", "@in/cut.png", "-o", "@out/out.jpg" }
                                   << "is cut short: the PNG ends before its IEND chunk";
    QTest::newRow("unwritable converted")
        << QStringList { "jpeg", "@in/clear.PNG", "-o", "@out/no/out.jpg" } << "cannot write";
    QTest::newRow("unwritable copied")
        << QStringList { "jpeg", "@in/photo.jpeg", "-o", "@out/no/out.jpg" } << "cannot write";
}

void TestLumoJpeg::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    // A refusal leaves an existing output as it was.
    QString error;
    QVERIFY(writeWholeFile(outputPath(), "old", &error));
    const ProgramRun result = run(expand(arguments));
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("lumo jpeg: ") && result.err.contains(message.toUtf8()),
        result.err.constData());
    QCOMPARE(fileBytes(outputPath()), QByteArray("old"));
    QCOMPARE(outputEntries(), QStringList { "out.jpg" });
}

void TestLumoJpeg::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList { "jpeg" };
    QTest::newRow("no output") << QStringList { "jpeg", "@in/clear.PNG" };
    QTest::newRow("empty output") << QStringList { "jpeg", "@in/clear.PNG", "-o", "" };
    QTest::newRow("no picture") << QStringList { "jpeg", "-o", "@out/out.jpg" };
    QTest::newRow("two pictures") << QStringList { "jpeg", "@in/clear.PNG", "@in/clear.bmp", "-o",
        "@out/out.jpg" };
    QTest::newRow("unknown option")
        << QStringList { "jpeg", "--quality", "80", "@in/clear.PNG", "-o", "@out/out.jpg" };
}

void TestLumoJpeg::usage()
{
    QFETCH(QStringList, arguments);
    const ProgramRun result = run(expand(arguments));
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(result.err.contains("lumo jpeg --help"));
    QCOMPARE(outputEntries(), QStringList());
}

void TestLumoJpeg::help()
{
    const ProgramRun result = run({ "jpeg", "--help" });
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: lumo jpeg PICTURE -o OUT.jpg\n"));
    QVERIFY(result.out.contains("--output <file>"));
    QVERIFY(result.out.contains("copied"));

    const ProgramRun overview = run({ "--help" });
    QCOMPARE(overview.exitCode, 0);
    QVERIFY(overview.out.contains("  jpeg "));
}

void TestLumoJpeg::stoppedBySignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

// A conversion stopped half-way leaves neither its intermediate BMP nor its folder.
void TestLumoJpeg::stoppedBySignal()
{
    QFETCH(int, signal);
    // Large enough that the quality loop is still at work when the signal comes.
    QVERIFY(noise(3000, 3000).save(inputPath("large.png"), "png"));
    QTemporaryDir temporary;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    QProcess lumo;
    lumo.setProcessEnvironment(environment);
    lumo.start(QStringLiteral(LUMO_BINARY), { "jpeg", inputPath("large.png"), "-o", outputPath() });
    QVERIFY(lumo.waitForStarted());
    const auto bmpWritten = [&temporary] {
        QDirIterator files(
            temporary.path(), { "temp.bmp" }, QDir::Files, QDirIterator::Subdirectories);
        return files.hasNext();
    };
    QTRY_VERIFY_WITH_TIMEOUT(bmpWritten() || lumo.state() == QProcess::NotRunning, 60000);
    QVERIFY2(lumo.state() == QProcess::Running, "the conversion ended before the signal");
    ::kill(pid_t(lumo.processId()), signal);
    QVERIFY(lumo.waitForFinished(60000));
    QCOMPARE(lumo.exitStatus(), QProcess::CrashExit);
    QCOMPARE(
        QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
    QCOMPARE(outputEntries(), QStringList());
}

QTEST_MAIN(TestLumoJpeg)
#include "tst_lumojpeg.moc"
