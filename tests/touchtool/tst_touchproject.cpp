#include "touchworkspace.h"

#include "drawscene.h"
#include "pagescene.h"
#include "touchfixtures.h"
#include "unwritable.h"

#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString kSaved = QStringLiteral("information|save project|save ok");

QString canvas(const QString &key, const QString &file, const QString &content = QString())
{
    return QStringLiteral(
        "    <canvas width=\"1\" height=\"1\" file=\"%1\" key=\"%2\">%3</canvas>\n")
        .arg(file, key, content);
}

QString document(const QString &canvases)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE Lumo_ZAF_Tool>\n<scenes>\n%1</scenes>\n")
        .arg(canvases);
}

QString rect(int x, int command)
{
    return QStringLiteral("<rect rotate=\"0\" x=\"%1\" y=\"2\" z=\"0\" width=\"5\" height=\"6\" "
                          "picNum=\"-1\" catoonNum=\"-1\" commond=\"%2\"/>")
        .arg(x)
        .arg(command);
}

QList<int> commands(PageScene *scene)
{
    QList<int> list;
    for (QGraphicsItem *item : scene->items(Qt::DescendingOrder)) {
        if (const auto *area = dynamic_cast<const GraphicsRectItem *>(item))
            list.append(touchFields(area)->command);
    }
    return list;
}

} // namespace

class TestTouchProject : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedDocument();
    void emptyProjectDocument();
    void saveAndReopen();
    void duplicateKeyLaterWins();
    void relativePictureFromProjectFolder();
    void missingPictureGivesEmptyPage();
    void nonDecimalKeyIsPageZero_data();
    void nonDecimalKeyIsPageZero();
    void emptyOrForeignDocumentHasNoPages_data();
    void emptyOrForeignDocumentHasNoPages();
    void damagedDocumentKeepsPagesAndWarns();
    void damagedDocumentTable_data();
    void damagedDocumentTable();
    void unreadableProjectWarns();
    void createKeepsExistingProjectFile();
    void createMakesEmptyProjectFile();
    void createOnMissingFolder();
    void openCancelledKeepsProject();
    void openChosenIsRecorded();
    void saveAlwaysWritesLMprj();
    void saveFailureWarns_data();
    void saveFailureWarns();
    void saveWithoutProjectDoesNothing();

private:
    QString projectFile() const { return m_project + QStringLiteral("/LMprj.hmi"); }
    QString picture(const QString &name, const QSize &size = QSize(48, 32));
    void writeProject(const QString &text, const QString &path = QString());
    void addPages(const QStringList &names);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    QScopedPointer<TouchWorkspace> m_ws;
    QString m_project;
};

void TestTouchProject::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_project = m_dir->filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(m_project));
    m_prompt.reset(new ScriptedPrompt);
    m_ws.reset(new TouchWorkspace);
}

void TestTouchProject::cleanup()
{
    QCoreApplication::processEvents();
    m_ws.reset();
    m_prompt.reset();
    m_dir.reset();
}

QString TestTouchProject::picture(const QString &name, const QSize &size)
{
    const QString path = m_dir->filePath(name);
    writePicture(path, size);
    return path;
}

void TestTouchProject::writeProject(const QString &text, const QString &path)
{
    QFile file(path.isEmpty() ? projectFile() : path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

void TestTouchProject::addPages(const QStringList &names)
{
    m_ws->createPro(QString(), QString(), m_project);
    QStringList files;
    for (const QString &name : names)
        files.append(picture(name));
    int wrong = 0;
    m_ws->addPic(files, wrong);
    m_ws->copyPic(m_ws->pages);
}

void TestTouchProject::savedDocument()
{
    addPages({ QStringLiteral("5.png"), QStringLiteral("1.png") });
    addArea(m_ws->pages.value(1)->scene, QPointF(10, 20.5), QSizeF(30, 5), 4, -1, 0x1234);
    m_ws->save();
    const QString images = m_project + QStringLiteral("/images");
    QCOMPARE(QString::fromUtf8(fileBytes(projectFile())),
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!DOCTYPE Lumo_ZAF_Tool>\n"
                       "<scenes>\n"
                       "    <canvas width=\"48\" height=\"32\" file=\"%1/1.png\" key=\"1\">\n"
                       "        <rect rotate=\"0\" x=\"10\" y=\"20.5\" z=\"0\" width=\"30\" "
                       "height=\"5\" picNum=\"4\" catoonNum=\"-1\" commond=\"4660\"/>\n"
                       "    </canvas>\n"
                       "    <canvas width=\"48\" height=\"32\" file=\"%1/5.png\" key=\"5\"/>\n"
                       "</scenes>\n")
            .arg(images));
    QCOMPARE(messages(*m_prompt), QStringList { kSaved });
}

void TestTouchProject::emptyProjectDocument()
{
    m_ws->createPro(QString(), QString(), m_project);
    m_ws->save();
    QCOMPARE(fileBytes(projectFile()),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<!DOCTYPE Lumo_ZAF_Tool>\n<scenes/>\n"));
}

void TestTouchProject::saveAndReopen()
{
    addPages({ QStringLiteral("2.png"), QStringLiteral("7.png") });
    PageScene *scene = m_ws->pages.value(7)->scene;
    addArea(scene, QPointF(1, 2), QSizeF(3, 4), 5, 6, 7);
    GraphicsRectItem *turned = addArea(scene, QPointF(40.25, 8), QSizeF(9.5, 10), -1, 2, 65535);
    turned->setRotation(30);
    turned->setZValue(2);
    m_ws->save();
    const QByteArray saved = fileBytes(projectFile());

    QSignalSpy shown(m_ws.data(), &TouchWorkspace::pageShown);
    m_ws->openByPath(projectFile());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int>({ 2, 7 }));
    QCOMPARE(shown.last().at(0).toInt(), 2);
    QCOMPARE(m_ws->projectFile, projectFile());
    QCOMPARE(m_ws->configFile, m_project + QStringLiteral("/HmiConfig.bin"));
    QCOMPARE(commands(m_ws->pages.value(7)->scene), QList<int>({ 65535, 7 }));
    m_ws->save();
    QCOMPARE(fileBytes(projectFile()), saved);
}

void TestTouchProject::duplicateKeyLaterWins()
{
    writeProject(document(canvas("3", picture("a.png", QSize(10, 10)), rect(1, 11))
        + canvas("3", picture("b.png", QSize(20, 30)), rect(2, 22))));
    m_ws->openByPath(projectFile());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 3 });
    const PicMsg *page = m_ws->pages.value(3);
    QCOMPARE(page->file.fileName(), QStringLiteral("b.png"));
    QCOMPARE(pageSize(page->scene), QSize(20, 30));
    QCOMPARE(commands(page->scene), QList<int> { 22 });
    // The page of the earlier canvas is gone; the user is told which one.
    QCOMPARE(m_prompt->messages.size(), 1);
    QVERIFY2(m_prompt->messages.first().text.contains(
                 "a second canvas with key 3 replaces the one at line 4"),
        qPrintable(m_prompt->messages.first().text));
}

// A project made by hand may name its pictures relative to its own folder.
void TestTouchProject::relativePictureFromProjectFolder()
{
    QVERIFY(QDir(m_project).mkpath(QStringLiteral("images")));
    writePicture(m_project + QStringLiteral("/images/5.png"), QSize(30, 20));
    writeProject(document(canvas("5", QStringLiteral("images/5.png"), rect(1, 1))));
    m_ws->openByPath(projectFile());
    QCOMPARE(
        m_ws->pages.value(5)->file.absoluteFilePath(), m_project + QStringLiteral("/images/5.png"));
    QCOMPARE(pageSize(m_ws->pages.value(5)->scene), QSize(30, 20));
}

void TestTouchProject::missingPictureGivesEmptyPage()
{
    writeProject(document(canvas("4", m_dir->filePath("gone.png"), rect(1, 1))));
    m_ws->openByPath(projectFile());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 4 });
    QCOMPARE(pageSize(m_ws->pages.value(4)->scene), QSize(0, 0));
    QCOMPARE(m_ws->pageSize, QSize(0, 0));
    m_ws->save();
    QVERIFY(fileBytes(projectFile()).contains("<canvas width=\"0\" height=\"0\" file="));
}

void TestTouchProject::nonDecimalKeyIsPageZero_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("letters") << "x3";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("fraction") << "3.5";
    QTest::newRow("empty") << "";
}

void TestTouchProject::nonDecimalKeyIsPageZero()
{
    QFETCH(QString, key);
    writeProject(document(canvas(key, picture("p.png"))));
    m_ws->openByPath(projectFile());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 0 });
}

void TestTouchProject::emptyOrForeignDocumentHasNoPages_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file") << "";
    QTest::newRow("other root") << "<other>" + canvas("1", "a.png") + "</other>";
}

void TestTouchProject::emptyOrForeignDocumentHasNoPages()
{
    QFETCH(QString, text);
    writeProject(text);
    m_ws->openByPath(projectFile());
    QVERIFY(m_ws->pages.isEmpty());
    QCOMPARE(m_ws->projectPath, m_project);
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestTouchProject::damagedDocumentKeepsPagesAndWarns()
{
    writeProject(document(canvas("1", picture("1.png"), rect(1, 11))
        + "    <canvas width=\"1\" height=\"1\" file=\"\" key=\"2\">" + rect(1, 21)
        + "<rect x=\"1\" y=>\n"));
    m_ws->openByPath(projectFile());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int>({ 1, 2 }));
    QCOMPARE(commands(m_ws->pages.value(2)->scene), QList<int> { 21 });
    QCOMPARE(m_prompt->messages.size(), 1);
    const ScriptedPrompt::Message message = m_prompt->messages.first();
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QCOMPARE(message.title, QStringLiteral("Qt Drawing"));
    QVERIFY2(
        message.text.startsWith("Project file " + projectFile() + " is damaged at line 5, column "),
        qPrintable(message.text));
    QVERIFY2(message.text.endsWith("\nThe pages read before that point are open."),
        qPrintable(message.text));
}

void TestTouchProject::damagedDocumentTable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("where"); // "line L, column C" of the warning; empty for none

    const QString one = canvas("1", QString(), rect(1, 11));
    const QByteArray sound = document(one).toUtf8();
    QTest::newRow("cut inside a canvas")
        << sound.left(sound.indexOf("<rect") + 9) << 1 << "line 4, column 58";
    QTest::newRow("cut after the root")
        << sound.left(sound.indexOf("<scenes>") + 8) << 0 << "line 3, column 8";
    QTest::newRow("binary") << QByteArray("\x00\x01\xFE\xFF", 4) << 0 << "line 1, column 1";
    QString deep;
    for (int i = 0; i < 200; ++i)
        deep += QStringLiteral("<group>");
    deep += rect(1, 11);
    for (int i = 0; i < 200; ++i)
        deep += QStringLiteral("</group>");
    // Groups nested past the limit are skipped, not followed down.
    QTest::newRow("groups nested 200 deep")
        << document(canvas("3", QString(), deep)).toUtf8() << 1 << QString();
    QString many;
    for (int key = 0; key < 2000; ++key)
        many += canvas(QString::number(key), QString(), rect(1, key));
    QTest::newRow("two thousand pages") << document(many).toUtf8() << 2000 << QString();
}

// The pages before the damage are open; the file itself is left as it was.
void TestTouchProject::damagedDocumentTable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pages);
    QFETCH(QString, where);
    QFile file(projectFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    m_ws->openByPath(projectFile());
    QCOMPARE(m_ws->pages.size(), pages);
    if (where.isEmpty()) {
        QCOMPARE(messages(*m_prompt), QStringList());
    } else {
        QCOMPARE(m_prompt->messages.size(), 1);
        const ScriptedPrompt::Message message = m_prompt->messages.first();
        QCOMPARE(message.kind, QStringLiteral("warning"));
        QVERIFY2(message.text.startsWith(
                     "Project file " + projectFile() + " is damaged at " + where + ":\n"),
            qPrintable(message.text));
    }
    QCOMPARE(fileBytes(projectFile()), bytes);
}

void TestTouchProject::unreadableProjectWarns()
{
    addPages({ QStringLiteral("1.png") });
    const QString missing = m_dir->filePath("none.hmi");
    m_ws->openByPath(missing);
    QCOMPARE(messages(*m_prompt),
        QStringList {
            "warning|Qt Drawing|Cannot read file " + missing + ":\nNo such file or directory." });
    // The project was closed before the file was tried.
    QVERIFY(m_ws->projectPath.isEmpty());
    QVERIFY(m_ws->pages.isEmpty());
}

void TestTouchProject::createKeepsExistingProjectFile()
{
    const QString text = document(canvas("1", picture("1.png")));
    writeProject(text);
    QSignalSpy status(m_ws.data(), &TouchWorkspace::statusChanged);
    QSignalSpy recorded(m_ws.data(), &TouchWorkspace::recordOpened);
    m_ws->createPro(QStringLiteral("480x272"), QStringLiteral("16"), m_project);
    QCOMPARE(QString::fromUtf8(fileBytes(projectFile())), text);
    QVERIFY(m_ws->pages.isEmpty());
    QVERIFY(QFileInfo(m_project + QStringLiteral("/images")).isDir());
    QCOMPARE(m_ws->projectFile, projectFile());
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toString(), projectFile());
    QCOMPARE(recorded.count(), 1);
    QCOMPARE(recorded.at(0).at(0).toString(), projectFile());
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestTouchProject::createMakesEmptyProjectFile()
{
    m_ws->createPro(QString(), QString(), m_project);
    QVERIFY(QFile::exists(projectFile()));
    QCOMPARE(QFileInfo(projectFile()).size(), qint64(0));
    QCOMPARE(m_ws->imagePath, m_project + QStringLiteral("/images"));
    QCOMPARE(m_ws->configFile, m_project + QStringLiteral("/HmiConfig.bin"));
}

void TestTouchProject::createOnMissingFolder()
{
    const QString missing = m_dir->filePath("missing");
    QSignalSpy recorded(m_ws.data(), &TouchWorkspace::recordOpened);
    m_ws->createPro(QString(), QString(), missing);
    QCOMPARE(
        messages(*m_prompt), QStringList { "information|create project|project path don't exist" });
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(m_ws->projectFile.isEmpty());
    QCOMPARE(m_ws->projectPath, missing);
    QCOMPARE(recorded.count(), 0);
}

void TestTouchProject::openCancelledKeepsProject()
{
    addPages({ QStringLiteral("1.png") });
    QSignalSpy recorded(m_ws.data(), &TouchWorkspace::recordOpened);
    m_ws->open();
    QCOMPARE(m_prompt->dialogs.size(), 1);
    QCOMPARE(m_prompt->dialogs.first().caption, QStringLiteral("open project"));
    QCOMPARE(m_prompt->dialogs.first().filter, QStringLiteral("*.hmi"));
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 1 });
    QCOMPARE(m_ws->projectPath, m_project);
    QCOMPARE(recorded.count(), 0);
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestTouchProject::openChosenIsRecorded()
{
    const QString missing = m_dir->filePath("none.hmi");
    for (const QString &path : { projectFile(), missing }) {
        writeProject(document(canvas("1", picture("1.png"))));
        QSignalSpy status(m_ws.data(), &TouchWorkspace::statusChanged);
        QSignalSpy recorded(m_ws.data(), &TouchWorkspace::recordOpened);
        m_prompt->answer(path);
        m_ws->open();
        // Recorded whatever came of opening it.
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toString(), path);
        QCOMPARE(recorded.count(), 1);
        QCOMPARE(recorded.at(0).at(0).toString(), path);
    }
    QCOMPARE(m_prompt->messages.size(), 1);
}

void TestTouchProject::saveAlwaysWritesLMprj()
{
    const QString other = m_project + QStringLiteral("/other.hmi");
    const QString text = document(canvas("1", picture("1.png")));
    writeProject(text, other);
    m_ws->openByPath(other);
    m_ws->save();
    QVERIFY(fileBytes(projectFile()).contains("key=\"1\""));
    QCOMPARE(QString::fromUtf8(fileBytes(other)), text);
}

void TestTouchProject::saveFailureWarns_data()
{
    addUnwritableRows();
}

void TestTouchProject::saveFailureWarns()
{
    QFETCH(Unwritable, destination);
    addPages({ QStringLiteral("1.png") });
    const QString folder = m_dir->filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(folder));
    UnwritableDestination target(destination, folder, QStringLiteral("LMprj.hmi"));
    // The file goes into the project folder, so the folder stands for the destination.
    m_ws->projectPath = QFileInfo(target.path()).path();
    target.block();
    m_ws->save();
    target.unblock();
    QCOMPARE(m_prompt->messages.size(), 1);
    const ScriptedPrompt::Message message = m_prompt->messages.first();
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QCOMPARE(message.title, QStringLiteral("Lumo hmi config"));
    QVERIFY2(message.text.startsWith("Cannot write file " + target.path() + ":\n"),
        qPrintable(message.text));
    QCOMPARE(target.changes(), QString());
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 1 });
}

void TestTouchProject::saveWithoutProjectDoesNothing()
{
    m_ws->save();
    QVERIFY(m_prompt->messages.isEmpty());
    QVERIFY(QDir(m_project).isEmpty());
}

QTEST_MAIN(TestTouchProject)
#include "tst_touchproject.moc"
