// lumo zaf against the window's generate command, and against the file layout itself.
#include "filebytes.h"
#include "programrun.h"
#include "unwritable.h"
#include "zaffixtures.h"
#include "zafworkspace.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

quint32 bigEndian(const QByteArray &bytes, int offset, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

// One character as the file must hold it: x, y, width, height, rc_x, rc_y.
using Entry = QVector<quint32>;

Entry entry(const QByteArray &file, int font, int key)
{
    Entry fields;
    const int start = 4096 * (font + 1) + 16 + 12 * key;
    for (int field = 0; field < 6; ++field)
        fields.append(bigEndian(file, start + 2 * field, 2));
    return fields;
}

} // namespace

class TestLumoZaf : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sameBytesAsGenerateCommand();
    void refusedProjects_data();
    void refusedProjects();
    void decoderRemarks();
    void damagedProjects_data();
    void damagedProjects();
    void writeFailure_data();
    void writeFailure();
    void usageErrors_data();
    void usageErrors();

private:
    // Font images 4 and 9, characters keyed; 9 unscrambled. Saved as the project file.
    void makeProject();
    ProgramRun lumo(const QStringList &arguments)
    {
        return runProgram(QStringLiteral(LUMO_BINARY), arguments, m_p->dir.path());
    }
    QString path(const QString &name) const { return m_p->dir.filePath(name); }

    QScopedPointer<ZafTestProject> m_p;
};

void TestLumoZaf::init()
{
    m_p.reset(new ZafTestProject);
}

void TestLumoZaf::cleanup()
{
    m_p.reset();
}

void TestLumoZaf::makeProject()
{
    m_p->open();
    writePicture(m_p->source(QStringLiteral("9.png")), QSize(40, 30));
    m_p->add({ QStringLiteral("9.png"), QStringLiteral("4.png") });
    addChar(m_p->scene(4), QRect(1, 2, 5, 4), 0x41);
    GraphicsRectItem *centred = addChar(m_p->scene(4), QRect(8, 2, 6, 7), 0x0A);
    characterFields(centred)->rc_x = 1.5;
    characterFields(centred)->rc_y = 6;
    addChar(m_p->scene(9), QRect(20, 10, 10, 10), 0xFF);
    m_p->scene(9)->encryptionKey = 0;
    m_p->scene(9)->filter = 5;
    QVERIFY(m_p->ws.save());
}

void TestLumoZaf::sameBytesAsGenerateCommand()
{
    makeProject();
    const QString fromWindow = path(QStringLiteral("window.ZAF"));
    m_p->prompt.answer(fromWindow);
    m_p->ws.getZAF();
    QVERIFY(messages(m_p->prompt).contains(QStringLiteral("information|提示|ZAF文件生成完成！")));

    const QString fromLumo = path(QStringLiteral("lumo.ZAF"));
    const ProgramRun run
        = lumo({ QStringLiteral("zaf"), m_p->ws.projectFile, QStringLiteral("-o"), fromLumo });
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.out, QByteArray());
    const QByteArray file = fileBytes(fromLumo);
    QCOMPARE(file, fileBytes(fromWindow));

    // The layout read directly: header, index, descriptors and character entries.
    QCOMPARE(file.left(10), QByteArray("ORBI_3\x17ZAF"));
    QCOMPARE(bigEndian(file, 10, 4), quint32(file.size()));
    QCOMPARE(bigEndian(file, 14, 2), 2u);
    QCOMPARE(bigEndian(file, 16, 4), 0x5A001000u);
    QCOMPARE(bigEndian(file, 20, 4), 0x5A002000u);
    QCOMPARE(bigEndian(file, 24, 4), 0u);
    QCOMPARE(file.mid(4096, 3), QByteArray("\x5A\x01\x20"));
    QCOMPARE(file.mid(8192, 3), QByteArray("\x5A\x00\x05", 3));
    const quint32 firstPicture = bigEndian(file, 4096 + 3, 4);
    const quint32 firstLength = bigEndian(file, 4096 + 7, 3);
    QCOMPARE(firstPicture, 3u * 4096);
    QCOMPARE(bigEndian(file, 8192 + 3, 4), firstPicture + firstLength);
    QCOMPARE(bigEndian(file, 8192 + 3, 4) + bigEndian(file, 8192 + 7, 3), quint32(file.size()));
    QCOMPARE(file.mid(int(firstPicture), 2), QByteArray("\xFF\xD8"));
    QCOMPARE(entry(file, 0, 0x41), Entry({ 1, 2, 5, 4, 2, 2 }));
    QCOMPARE(entry(file, 0, 0x0A), Entry({ 8, 2, 6, 7, 1, 6 }));
    QCOMPARE(entry(file, 0, 0x42), Entry(6, 0xFFFF));
    QCOMPARE(entry(file, 1, 0xFF), Entry({ 20, 10, 10, 10, 5, 5 }));
}

void TestLumoZaf::refusedProjects_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("key conflict") << "key"
                                  << "the characters at (30, 0) and (1, 2) both have the key 0x41";
    QTest::newRow("overlap") << "overlap"
                             << "overlap";
    QTest::newRow("damaged file") << "truncate"
                                  << "is damaged at line";
    QTest::newRow("missing picture") << "picture"
                                     << "cannot read";
    QTest::newRow("missing project") << "project"
                                     << "cannot read";
    QTest::newRow("project a device") << "device project"
                                      << "'/dev/zero': Not a regular file";
    QTest::newRow("project a FIFO") << "fifo project"
                                    << "none.fifo': Not a regular file";
    QTest::newRow("picture a device") << "device picture"
                                      << "9.jpg): cannot read the picture: Not a regular file";
    QTest::newRow("empty project") << "empty project"
                                   << "no font image in the project";
    QTest::newRow("garbage project") << "garbage project"
                                     << "is damaged at line 1";
    QTest::newRow("empty picture") << "empty picture"
                                   << "9.jpg): no baseline start-of-frame";
    QTest::newRow("truncated picture") << "truncated picture"
                                       << "9.jpg): no start-of-scan";
    QTest::newRow("garbage picture") << "garbage picture"
                                     << "9.jpg): no baseline start-of-frame";
    QTest::newRow("picture without its start marker")
        << "headless picture"
        << "9.jpg): does not start with the start-of-image marker FF D8";
    QTest::newRow("oversized picture") << "oversized picture"
                                       << "9.jpg): the prepared picture has";
}

void TestLumoZaf::refusedProjects()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    makeProject();
    QString project = m_p->ws.projectFile;
    if (damage == QLatin1String("key"))
        addChar(m_p->scene(4), QRect(30, 0, 4, 4), 0x41);
    else if (damage == QLatin1String("overlap"))
        addChar(m_p->scene(9), QRect(25, 15, 4, 4), 0x01);
    else if (damage == QLatin1String("picture"))
        QVERIFY(QFile::remove(m_p->ws.imagePath + QStringLiteral("/9.jpg")));
    else if (damage == QLatin1String("project"))
        project = path(QStringLiteral("none.prozaf"));
    else if (damage == QLatin1String("device project"))
        project = QStringLiteral("/dev/zero");
    else if (damage == QLatin1String("fifo project")) {
        project = path(QStringLiteral("none.fifo"));
        QVERIFY(::mkfifo(QFile::encodeName(project).constData(), 0600) == 0);
    } else if (damage == QLatin1String("device picture")) {
        // Replaced by a link to a device: reading it would never end.
        const QString stored = m_p->ws.imagePath + QStringLiteral("/9.jpg");
        QVERIFY(QFile::remove(stored));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), stored));
    }
    if (damage == QLatin1String("key") || damage == QLatin1String("overlap"))
        QVERIFY(m_p->ws.save());
    const QString picture = m_p->ws.imagePath + QStringLiteral("/9.jpg");
    QByteArray pictureBytes = fileBytes(picture);
    QString damageError;
    if (damage == QLatin1String("empty project"))
        QVERIFY(writeWholeFile(project, QByteArray(), &damageError));
    else if (damage == QLatin1String("garbage project"))
        QVERIFY(writeWholeFile(project, QByteArray("\x01\x9C\xFF<\x00scenes", 11), &damageError));
    else if (damage == QLatin1String("empty picture"))
        QVERIFY(writeWholeFile(picture, QByteArray(), &damageError));
    else if (damage == QLatin1String("truncated picture"))
        QVERIFY(writeWholeFile(
            picture, pictureBytes.left(pictureBytes.indexOf("\xFF\xDA")), &damageError));
    else if (damage == QLatin1String("headless picture"))
        QVERIFY(writeWholeFile(picture, pictureBytes.mid(2), &damageError));
    else if (damage == QLatin1String("garbage picture"))
        QVERIFY(writeWholeFile(picture, QByteArray(5000, '\x5A'), &damageError));
    else if (damage == QLatin1String("oversized picture"))
        QVERIFY(
            writeWholeFile(picture, pictureBytes.append(QByteArray(1 << 24, '\0')), &damageError));
    if (damage == QLatin1String("truncate")) {
        const QByteArray text = fileBytes(project);
        QString error;
        QVERIFY(writeWholeFile(project, text.left(text.size() - 40), &error));
    }
    const QString out = path(QStringLiteral("out.ZAF"));
    QString error;
    QVERIFY(writeWholeFile(out, "old", &error));

    const ProgramRun run = lumo({ QStringLiteral("zaf"), project, QStringLiteral("-o"), out });
    QCOMPARE(run.exitCode, 1);
    // One line, lumo's own: what the picture decoder remarked on the way is not repeated.
    QVERIFY2(run.err.count('\n') == 1 && run.err.startsWith("lumo zaf: ")
            && run.err.contains(message.toUtf8()),
        run.err.constData());
    QCOMPARE(fileBytes(out), QByteArray("old"));
}

// A picture whose Huffman table the decoder calls bogus is stored as the window stores it;
// the decoder's words reach the user as lumo's warning, naming itself, once.
void TestLumoZaf::decoderRemarks()
{
    makeProject();
    const QString picture = m_p->ws.imagePath + QStringLiteral("/9.jpg");
    QByteArray bytes = fileBytes(picture);
    const int table = bytes.indexOf("\xFF\xC4");
    QVERIFY(table > 0);
    bytes[table + 5] = char(bytes.at(table + 5) ^ 0xFF);
    QString error;
    QVERIFY(writeWholeFile(picture, bytes, &error));
    const ProgramRun run = lumo(
        { QStringLiteral("zaf"), m_p->ws.projectFile, QStringLiteral("-o"), path("out.ZAF") });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray("lumo zaf: warning: Bogus Huffman table definition\n"));
}

// One damage each to the project the window saved; every one would make lumo write a file
// other than the one the user made, so each is refused at its own line.
void TestLumoZaf::damagedProjects_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QString crowded = QStringLiteral("asc=\"65\"");
    for (int i = 0; i < 70; ++i)
        crowded += QStringLiteral(" a%1=\"0\"").arg(i);
    QTest::newRow("key not a number") << "asc=\"65\""
                                      << "asc=\"4h\""
                                      << "asc=\"4h\" is not a number";
    QTest::newRow("key beyond a byte") << "asc=\"65\""
                                       << "asc=\"256\""
                                       << "asc=\"256\" is outside 0 ... 255";
    QTest::newRow("encryption key not a number") << "secury=\"0\""
                                                 << "secury=\"1x\""
                                                 << "secury=\"1x\" is not a number";
    QTest::newRow("x beyond 16 bits") << " x=\"1\" "
                                      << " x=\"70011\" "
                                      << "x=\"70011\" is outside -32768 ... 65535";
    QTest::newRow("rotation centre beyond 16 bits")
        << "rc_x=\"1.5\""
        << "rc_x=\"65536.5\""
        << "rc_x=\"65536.5\" is outside -32768 ... 65535";
    QTest::newRow("width negative") << "width=\"5\""
                                    << "width=\"-5\""
                                    << "width=\"-5\" is outside 0 ... 65535";
    QTest::newRow("rect misspelt") << "<rect rotate=\"0\" x=\"1\""
                                   << "<rekt rotate=\"0\" x=\"1\""
                                   << "unknown element rekt";
    QTest::newRow("attribute misspelt") << "asc=\"65\""
                                        << "aqc=\"65\""
                                        << "unknown attribute aqc of rect";
    QTest::newRow("two canvases, one key") << "key=\"9\""
                                           << "key=\"4\""
                                           << "a second canvas with key 4 replaces the one at line";
    QTest::newRow("junk after the root") << "</scenes>"
                                         << "</scenes>junk"
                                         << "Extra content at end of document";
    QTest::newRow("text between shapes") << "<rect rotate=\"0\" x=\"1\""
                                         << "= <rect rotate=\"0\" x=\"1\""
                                         << "text \"=\" between elements is ignored";
    QTest::newRow("element with too many attributes")
        << "asc=\"65\"" << crowded << "an element with more than 64 attributes";
}

void TestLumoZaf::damagedProjects()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    makeProject();
    const QString project = m_p->ws.projectFile;
    QString text = QString::fromUtf8(fileBytes(project));
    const int at = text.lastIndexOf(from);
    QVERIFY2(at >= 0, qPrintable(text));
    text.replace(at, from.size(), to);
    const int line = text.left(at).count(QLatin1Char('\n')) + 1;
    QString error;
    QVERIFY(writeWholeFile(project, text.toUtf8(), &error));
    const QString out = path(QStringLiteral("out.ZAF"));
    QVERIFY(writeWholeFile(out, "old", &error));

    const ProgramRun run = lumo({ QStringLiteral("zaf"), project, QStringLiteral("-o"), out });
    QCOMPARE(run.exitCode, 1);
    const QString first = QString::fromUtf8(run.err.split('\n').first());
    const QRegularExpression place(QStringLiteral("^lumo zaf: '(.+)' is damaged at line (\\d+), "
                                                  "column (\\d+): (.+)$"));
    const QRegularExpressionMatch match = place.match(first);
    QVERIFY2(match.hasMatch(), run.err.constData());
    QCOMPARE(match.captured(1), project);
    QCOMPARE(match.captured(2).toInt(), line);
    QVERIFY(match.captured(3).toInt() > 0);
    QVERIFY2(match.captured(4).contains(message), run.err.constData());
    QCOMPARE(fileBytes(out), QByteArray("old"));
}

void TestLumoZaf::writeFailure_data()
{
    addUnwritableRows();
}

void TestLumoZaf::writeFailure()
{
    QFETCH(Unwritable, destination);
    makeProject();
    const QString folder = path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    UnwritableDestination target(destination, folder, QStringLiteral("out.ZAF"));
    target.block();
    const ProgramRun run
        = lumo({ QStringLiteral("zaf"), m_p->ws.projectFile, QStringLiteral("-o"), target.path() });
    target.unblock();
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("lumo zaf: ") && run.err.contains(target.path().toUtf8()),
        run.err.constData());
    // The system's reason, also when the disk took part of the file before it filled.
    QVERIFY2(!run.err.contains("Unknown error"), run.err.constData());
    if (destination == Unwritable::DiskFull)
        QVERIFY2(run.err.contains("File too large"), run.err.constData());
    QCOMPARE(target.changes(), QString());
}

void TestLumoZaf::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no output") << QStringList({ "zaf", "p.prozaf" });
    QTest::newRow("no project") << QStringList({ "zaf", "-o", "out.ZAF" });
    QTest::newRow("two projects") << QStringList(
        { "zaf", "a.prozaf", "b.prozaf", "-o", "out.ZAF" });
    QTest::newRow("unknown option")
        << QStringList({ "zaf", "p.prozaf", "-o", "out.ZAF", "--fast" });
}

void TestLumoZaf::usageErrors()
{
    QFETCH(QStringList, arguments);
    const ProgramRun run = lumo(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("Try 'lumo zaf --help'"));
    QVERIFY(!QFile::exists(path(QStringLiteral("out.ZAF"))));
}

QTEST_MAIN(TestLumoZaf)
#include "tst_lumozaf.moc"
