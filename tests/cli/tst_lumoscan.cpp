#include "hugepicture.h"
#include "programrun.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "glyphscanner.h"

namespace {

QImage glyphs()
{
    QImage image(160, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawRect(10, 10, 30, 30);
    painter.drawEllipse(QRectF(60, 15, 30, 40));
    painter.setBrush(Qt::white);
    painter.drawRect(110, 20, 20, 45);
    painter.drawLine(140, 5, 150, 70);
    return image;
}

QByteArray expectedLines(const QString &path)
{
    QByteArray text;
    const ScanResult result = scanPictureFile(path);
    for (const QRect &rect : result.rects)
        text += QByteArray::number(rect.x()) + ' ' + QByteArray::number(rect.y()) + ' '
            + QByteArray::number(rect.width()) + ' ' + QByteArray::number(rect.height()) + '\n';
    return text;
}

} // namespace

class TestLumoScan : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void scanned_data();
    void scanned();
    void refused_data();
    void refused();
    void usage_data();
    void usage();
    void help();

private:
    ProgramRun run(const QStringList &arguments)
    {
        return runProgram(QStringLiteral(LUMO_BINARY), arguments, m_dir->path());
    }
    QString inputPath(const QString &name) const { return m_dir->filePath("in/" + name); }

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestLumoScan::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("in"));
    QVERIFY(glyphs().save(inputPath("glyphs.png"), "png"));
    QVERIFY(glyphs().save(inputPath("glyphs.jpg"), "jpg"));
    QVERIFY(glyphs().save(inputPath(QStringLiteral("图标 字库.bmp")), "bmp"));
    QImage black(20, 20, QImage::Format_RGB32);
    black.fill(Qt::black);
    QVERIFY(black.save(inputPath("black.png"), "png"));
    QFile text(inputPath("text.png"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no picture here");
    QFile huge(inputPath("huge.jpg"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(jpegClaiming(30000, 30000));
    const QByteArray whole = fileBytes(inputPath("glyphs.jpg"));
    QFile cut(inputPath("cut.jpg"));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() * 3 / 4));
}

void TestLumoScan::scanned_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("lines");
    QTest::newRow("png") << "glyphs.png" << 4;
    QTest::newRow("jpeg") << "glyphs.jpg" << 4;
    QTest::newRow("Chinese and spaces in the name") << QStringLiteral("图标 字库.bmp") << 4;
    QTest::newRow("nothing found") << "black.png" << 0;
}

void TestLumoScan::scanned()
{
    QFETCH(QString, picture);
    QFETCH(int, lines);
    const ProgramRun result = run({ "scan", inputPath(picture) });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expectedLines(inputPath(picture)));
    QCOMPARE(result.out.count('\n'), lines);
}

void TestLumoScan::refused_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "none.png"
                             << "cannot read";
    QTest::newRow("folder") << ""
                            << "cannot read";
    QTest::newRow("undecodable") << "text.png"
                                 << "cannot be decoded";
    QTest::newRow("header claims 30000 x 30000") << "huge.jpg"
                                                 << "has 30000 x 30000 pixels, more than the 8192";
    // Decoded, the part that is there would give fewer glyphs without a word.
    QTest::newRow("jpeg cut short") << "cut.jpg"
                                    << "is cut short: the JPEG has no end of picture FF D9";
}

void TestLumoScan::refused()
{
    QFETCH(QString, picture);
    QFETCH(QString, message);
    const ProgramRun result = run({ "scan", inputPath(picture) });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("lumo scan: ") && result.err.contains(message.toUtf8()),
        result.err.constData());
}

void TestLumoScan::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList { "scan" };
    QTest::newRow("two pictures") << QStringList { "scan", "in/glyphs.png", "in/black.png" };
    QTest::newRow("unknown option") << QStringList { "scan", "--sort", "in/glyphs.png" };
}

void TestLumoScan::usage()
{
    QFETCH(QStringList, arguments);
    const ProgramRun result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(result.err.contains("lumo scan --help"));
}

void TestLumoScan::help()
{
    const ProgramRun result = run({ "scan", "--help" });
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: lumo scan PICTURE\n"));
    QVERIFY(result.out.contains("x y w h"));

    const ProgramRun overview = run({ "--help" });
    QCOMPARE(overview.exitCode, 0);
    QVERIFY(overview.out.contains("  scan "));
}

QTEST_MAIN(TestLumoScan)
#include "tst_lumoscan.moc"
