#include "toucharea.h"
#include "pagescene.h"
#include "testfiles.h"
#include "programrun.h"
#include "unwritable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "drawscene.h"
#include "graphicsrectitem.h"
#include "scriptedprompt.h"
#include "touchworkspace.h"

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

GraphicsRectItem *addArea(PageScene *scene, const QRectF &box, int picNum, int pressedPage,
    int command, bool round = false)
{
    auto *area = new TouchArea(QRect(0, 0, 1, 1), round);
    area->setWidth(box.width());
    area->setHeight(box.height());
    area->setPos(box.topLeft());
    touchFields(area)->picNum = picNum;
    touchFields(area)->pressedPage = pressedPage;
    touchFields(area)->command = command;
    scene->addItem(area);
    return area;
}

// Pages 7, 2 and 40 with areas of every kind the device file treats apart.
void drawProject(TouchWorkspace *ws)
{
    PageScene *two = ws->pages.value(2)->scene;
    addArea(two, QRectF(10.7, 20.2, 30.9, 5.5), 4, 0, 0x1234);
    addArea(two, QRectF(-3.5, 100.25, 50, 20), 7, -1, -1, true);
    addArea(two, QRectF(0, 0, 0, 12), 1, 1, 1);
    GraphicsRectItem *low = addArea(two, QRectF(200, 10, 60.4, 60.6), 40, 2, 0xFFFF);
    low->setZValue(-1);
    PageScene *seven = ws->pages.value(7)->scene;
    GraphicsRectItem *a = addArea(seven, QRectF(1, 1, 10, 10), 2, -1, 10);
    GraphicsRectItem *b = addArea(seven, QRectF(20, 1, 10, 10), 2, -1, 11);
    seven->createGroup({ a, b });
    addArea(seven, QRectF(300, 200, 100, 50), 100, 100, 0x00FF)->setRotation(45);
}

} // namespace

class TestLumoHmi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sameBytesAsGenerate();
    void workedExample();
    void picturesNeedNotExist();
    void refused_data();
    void refused();
    void pageNumbers_data();
    void pageNumbers();
    void damaged_data();
    void damaged();
    void writeFailure_data();
    void writeFailure();
    void usage_data();
    void usage();
    void help();

private:
    ProgramRun run(const QStringList &arguments)
    {
        return runProgram(QStringLiteral(LUMO_BINARY), arguments, m_dir->path());
    }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void makeProject(const QList<int> &numbers);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    QScopedPointer<TouchWorkspace> m_ws;
};

void TestLumoHmi::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("project"));
    m_prompt.reset(new ScriptedPrompt);
    m_ws.reset(new TouchWorkspace);
}

void TestLumoHmi::cleanup()
{
    QCoreApplication::processEvents();
    m_ws.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestLumoHmi::makeProject(const QList<int> &numbers)
{
    m_ws->createPro(QString(), QString(), path("project"));
    QStringList files;
    for (int number : numbers) {
        files.append(path(QStringLiteral("%1.png").arg(number)));
        QImage picture(480, 272, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(files.last()));
    }
    int wrong = 0;
    m_ws->addPic(files, wrong);
    m_ws->copyPic(m_ws->pages);
}

void TestLumoHmi::sameBytesAsGenerate()
{
    makeProject({ 7, 2, 40 });
    drawProject(m_ws.data());
    m_ws->save();
    m_ws->getHmiConfig();
    const QByteArray generated = fileBytes(path("project/HmiConfig.bin"));
    QCOMPARE(generated.size(), 4 * 16 + 2);

    const ProgramRun result = run({ "hmi", "project/LMprj.hmi", "-o", "out.bin" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(fileBytes(path("out.bin")), generated);

    // The tool's own reading of the saved project writes the same bytes again.
    m_ws->openByPath(path("project/LMprj.hmi"));
    m_ws->getHmiConfig();
    QCOMPARE(fileBytes(path("project/HmiConfig.bin")), generated);
}

void TestLumoHmi::workedExample()
{
    makeProject({ 3 });
    addArea(m_ws->pages.value(3)->scene, QRectF(10.7, 20.2, 30.9, 5.5), 4, 0, 0x1234);
    m_ws->save();
    const ProgramRun result = run({ "hmi", "project/LMprj.hmi", "--output", "HmiConfig.bin" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(fileBytes(path("HmiConfig.bin")),
        QByteArray::fromHex("0003000A001400270018000400001234FFFF"));
}

void TestLumoHmi::picturesNeedNotExist()
{
    writeFile(path("gone.hmi"),
        "<!DOCTYPE Lumo_ZAF_Tool><scenes>"
        "<canvas width=\"480\" height=\"272\" file=\"/nowhere/1.png\" key=\"1\">"
        "<rect rotate=\"0\" x=\"1\" y=\"2\" z=\"0\" width=\"3\" height=\"4\" picNum=\"5\" "
        "catoonNum=\"6\" commond=\"7\"/></canvas>"
        "<canvas width=\"480\" height=\"272\" file=\"/nowhere/2.png\" key=\"2\"/></scenes>");
    const ProgramRun result = run({ "hmi", "gone.hmi", "-o", "out.bin" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(
        fileBytes(path("out.bin")), QByteArray::fromHex("00010001000200030005000500060007FFFF"));
}

void TestLumoHmi::refused_data()
{
    QTest::addColumn<QByteArray>("project"); // null: no project file at all
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    const QByteArray onePage = "<scenes><canvas file=\"\" key=\"1\"/></scenes>";
    QTest::newRow("missing") << QByteArray() << "out.bin"
                             << "cannot read project file";
    QTest::newRow("damaged") << QByteArray("<scenes><canvas key=\"1\"><rect x=></canvas>")
                             << "out.bin"
                             << "is damaged at line 1, column";
    QTest::newRow("no pages") << QByteArray("<scenes/>") << "out.bin"
                              << "has no pages";
    QTest::newRow("empty file") << QByteArray("") << "out.bin"
                                << "has no pages";
    QTest::newRow("truncated") << onePage.left(30) << "out.bin"
                               << "is damaged at line 1, column";
    QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10) << "out.bin"
                             << "is damaged at line 1, column";
    QTest::newRow("output is a folder") << onePage << "folder"
                                        << "cannot write";
}

void TestLumoHmi::refused()
{
    QFETCH(QByteArray, project);
    QFETCH(QString, output);
    QFETCH(QString, message);
    if (!project.isNull())
        writeFile(path("in.hmi"), project);
    QVERIFY(QDir(m_dir->path()).mkpath("folder/kept"));
    const ProgramRun result = run({ "hmi", "in.hmi", "-o", output });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("lumo hmi: ") && result.err.contains(message.toUtf8()),
        result.err.constData());
    QVERIFY(!QFile::exists(path("out.bin")));
    QVERIFY(QFileInfo(path("folder/kept")).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
        project.isNull() ? QStringList() : QStringList { "in.hmi" });
}

void TestLumoHmi::pageNumbers_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("picNum");
    QTest::addColumn<int>("catoonNum");
    QTest::addColumn<QString>("refusal"); // empty: written, and read back the same
    const QString area = QStringLiteral("Page %1, area at (10, 20): ");
    const QString pageRange = QStringLiteral("the page number %1 cannot be stored. Pages with "
                                             "touch areas run from 0 to 65279 (0xFEFF)");
    const QString jumpRange = QStringLiteral("the jump page %1 cannot be stored. Jump pages run "
                                             "from 0 to 32767, or -1 for none");
    const QString pressedRange = QStringLiteral("the animation page %1 cannot be stored. "
                                                "Animation pages run from 0 to 32767, or -1 "
                                                "for none");
    QTest::newRow("page 0") << "0" << 0 << 0 << QString();
    QTest::newRow("page 0xFEFF") << "65279" << 32767 << 32767 << QString();
    QTest::newRow("no targets") << "3" << -1 << -1 << QString();
    QTest::newRow("page 0xFF00") << "65280" << 1 << 1 << area.arg(65280) + pageRange.arg(65280);
    QTest::newRow("page 0xFFFF") << "65535" << 1 << 1 << area.arg(65535) + pageRange.arg(65535);
    // Numbers beyond the 16 bits of a field are refused already as damage to the project.
    const QString beyond
        = QStringLiteral("%1=\"%2\" is outside %3 ... 65535, which the file can hold");
    QTest::newRow("page -1") << "-1" << 1 << 1 << beyond.arg("key", "-1", "0");
    QTest::newRow("page 99999") << "99999" << 1 << 1 << beyond.arg("key", "99999", "0");
    QTest::newRow("jump 32768") << "3" << 32768 << -1 << area.arg(3) + jumpRange.arg(32768);
    QTest::newRow("jump 99999") << "3" << 99999 << -1 << beyond.arg("picNum", "99999", "-32768");
    QTest::newRow("jump 0xFF00") << "3" << 0xFF00 << -1 << area.arg(3) + jumpRange.arg(65280);
    QTest::newRow("jump -2") << "3" << -2 << -1 << area.arg(3) + jumpRange.arg(-2);
    QTest::newRow("pressed 99999")
        << "3" << -1 << 99999 << beyond.arg("catoonNum", "99999", "-32768");
    QTest::newRow("pressed -32768") << "3" << 5 << -32768 << area.arg(3) + pressedRange.arg(-32768);
}

void TestLumoHmi::pageNumbers()
{
    QFETCH(QString, page);
    QFETCH(int, picNum);
    QFETCH(int, catoonNum);
    QFETCH(QString, refusal);
    writeFile(path("in.hmi"),
        QStringLiteral("<scenes><canvas file=\"\" key=\"1\"><rect x=\"0\" y=\"0\" width=\"5\" "
                       "height=\"5\"/></canvas><canvas file=\"\" key=\"%1\"><rect x=\"10.5\" "
                       "y=\"20\" width=\"30\" height=\"40\" picNum=\"%2\" catoonNum=\"%3\" "
                       "commond=\"7\"/></canvas></scenes>")
            .arg(page)
            .arg(picNum)
            .arg(catoonNum)
            .toUtf8());
    const ProgramRun result = run({ "hmi", "in.hmi", "-o", "out.bin" });
    if (!refusal.isEmpty()) {
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith("lumo hmi: project file 'in.hmi'")
                && result.err.contains(refusal.toUtf8()),
            result.err.constData());
        if (refusal.contains(QLatin1String("cannot be stored")))
            QVERIFY(result.err.endsWith("No touch configuration file is written.\n"));
        QVERIFY(!QFile::exists(path("out.bin")));
        return;
    }
    QCOMPARE(result.exitCode, 0);
    const ProgramRun dump = run({ "dump", "out.bin" });
    QCOMPARE(dump.exitCode, 0);
    const QByteArray expected = QStringLiteral("page=%1 left=10 top=20 right=39 bottom=59 "
                                               "picNum=%2 catoonNum=%3 commond=0x0007")
                                    .arg(page)
                                    .arg(picNum)
                                    .arg(catoonNum)
                                    .toUtf8();
    QVERIFY2(dump.out.contains(expected), dump.out.constData());
}

// A project that lumo hmi turns into a file when it is sound, damaged once in each row.
const char soundProject[]
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE Lumo_ZAF_Tool>\n"
      "<scenes>\n"
      "    <canvas width=\"480\" height=\"272\" file=\"/nowhere/1.png\" key=\"1\">\n"
      "        <rect rotate=\"0\" x=\"10\" y=\"20\" z=\"0\" width=\"30\" height=\"5\" "
      "picNum=\"4\" catoonNum=\"-1\" commond=\"4660\"/>\n"
      "    </canvas>\n"
      "    <canvas width=\"480\" height=\"272\" file=\"/nowhere/2.png\" key=\"2\"/>\n"
      "</scenes>\n";

void TestLumoHmi::damaged_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QString crowded = QStringLiteral("picNum=\"4\"");
    for (int i = 0; i < 70; ++i)
        crowded += QStringLiteral(" a%1=\"0\"").arg(i);
    QTest::newRow("sound") << QString() << QString() << QString();
    QTest::newRow("jump page not a number") << "picNum=\"4\""
                                            << "picNum=\"4h\""
                                            << "picNum=\"4h\" is not a number";
    QTest::newRow("command beyond 16 bits") << "commond=\"4660\""
                                            << "commond=\"70000\""
                                            << "commond=\"70000\" is outside -32768 ... 65535";
    QTest::newRow("x beyond 16 bits") << "x=\"10\""
                                      << "x=\"70011\""
                                      << "x=\"70011\" is outside -32768 ... 65535";
    QTest::newRow("page key not a number") << "key=\"2\""
                                           << "key=\"2x\""
                                           << "key=\"2x\" is not a number";
    QTest::newRow("rect misspelt") << "<rect"
                                   << "<rekt"
                                   << "unknown element rekt";
    QTest::newRow("attribute misspelt") << "commond"
                                        << "commonb"
                                        << "unknown attribute commonb of rect";
    QTest::newRow("two canvases, one key")
        << "key=\"2\""
        << "key=\"1\""
        << "a second canvas with key 1 replaces the one at line 4";
    QTest::newRow("junk after the root") << "</scenes>"
                                         << "</scenes>junk"
                                         << "Extra content at end of document";
    QTest::newRow("element with too many attributes")
        << "picNum=\"4\"" << crowded << "an element with more than 64 attributes";
}

void TestLumoHmi::damaged()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    QString text = QString::fromLatin1(soundProject);
    const int at = from.isEmpty() ? -1 : text.indexOf(from);
    if (at >= 0)
        text.replace(at, from.size(), to);
    const int line = text.left(at).count(QLatin1Char('\n')) + 1;
    writeFile(path("in.hmi"), text.toUtf8());

    const ProgramRun result = run({ "hmi", "in.hmi", "-o", "out.bin" });
    if (from.isEmpty()) {
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fileBytes(path("out.bin")),
            QByteArray::fromHex("0001000A0014002700180004FFFF1234FFFF"));
        return;
    }
    QCOMPARE(result.exitCode, 1);
    const QString first = QString::fromUtf8(result.err.split('\n').first());
    const QRegularExpression place(QStringLiteral(
        "^lumo hmi: project file 'in.hmi' is damaged at line (\\d+), column (\\d+): (.+)$"));
    const QRegularExpressionMatch match = place.match(first);
    QVERIFY2(match.hasMatch(), result.err.constData());
    QCOMPARE(match.captured(1).toInt(), line);
    QVERIFY(match.captured(2).toInt() > 0);
    QVERIFY2(match.captured(3).contains(message), result.err.constData());
    QVERIFY(!QFile::exists(path("out.bin")));
}

void TestLumoHmi::writeFailure_data()
{
    addUnwritableRows();
}

void TestLumoHmi::writeFailure()
{
    QFETCH(Unwritable, destination);
    writeFile(path("in.hmi"),
        "<scenes><canvas file=\"\" key=\"1\"><rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" "
        "picNum=\"2\"/></canvas></scenes>");
    QVERIFY(QDir(m_dir->path()).mkpath("out"));
    UnwritableDestination target(destination, path("out"), QStringLiteral("HmiConfig.bin"));
    target.block();
    const ProgramRun result = run({ "hmi", "in.hmi", "-o", target.path() });
    target.unblock();
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("lumo hmi: ") && result.err.contains(target.path().toUtf8()),
        result.err.constData());
    QCOMPARE(target.changes(), QString());
}

void TestLumoHmi::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList { "hmi" };
    QTest::newRow("no output") << QStringList { "hmi", "in.hmi" };
    QTest::newRow("two projects") << QStringList { "hmi", "a.hmi", "b.hmi", "-o", "out.bin" };
    QTest::newRow("unknown option") << QStringList { "hmi", "--pages", "in.hmi", "-o", "out.bin" };
}

void TestLumoHmi::usage()
{
    QFETCH(QStringList, arguments);
    const ProgramRun result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(result.err.contains("lumo hmi --help"));
}

void TestLumoHmi::help()
{
    const ProgramRun result = run({ "hmi", "--help" });
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: lumo hmi PROJECT.hmi -o HmiConfig.bin\n"));
    QVERIFY(result.out.contains("FF FF"));

    const ProgramRun overview = run({ "--help" });
    QCOMPARE(overview.exitCode, 0);
    QVERIFY(overview.out.contains("  hmi "));
}

QTEST_MAIN(TestLumoHmi)
#include "tst_lumohmi.moc"
