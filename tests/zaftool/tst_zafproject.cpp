#include "zafproject.h"

#include "filebytes.h"
#include "zaffixtures.h"
#include "unwritable.h"
#include "zafworkspace.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

struct CharRecord
{
    int asc;
    QPointF pos;
    qreal width;
    qreal height;
    qreal rcX;
    qreal rcY;
    bool operator==(const CharRecord &o) const
    {
        return asc == o.asc && pos == o.pos && width == o.width && height == o.height
            && rcX == o.rcX && rcY == o.rcY;
    }
};

// Everything a project file must bring back of one font image, as text for QCOMPARE.
QString describe(const FontImage &image)
{
    QString text = QStringLiteral("%1 %2 secury=%3 filter=%4 std=%5 font=%6/%7\n")
                       .arg(image.number)
                       .arg(image.file.absoluteFilePath())
                       .arg(image.scene->encryptionKey)
                       .arg(image.scene->filter)
                       .arg(image.isStdFont)
                       .arg(image.isStdFont ? image.font.family() : QString())
                       .arg(image.isStdFont ? image.font.pointSize() : 0);
    for (const ZafChar &c : ZafWorkspace::sceneChars(image.scene))
        text += QStringLiteral("  key %1 at %2,%3 size %4x%5 centre %6,%7\n")
                    .arg(c.asc)
                    .arg(c.x)
                    .arg(c.y)
                    .arg(c.width)
                    .arg(c.height)
                    .arg(c.rcX)
                    .arg(c.rcY);
    return text;
}

QString describe(const FontImageList &images)
{
    QString text;
    for (const auto &entry : images)
        text += describe(*entry.second);
    return text;
}

} // namespace

class TestZafProject : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savesCanvasElementsInOrder();
    void reopenRestoresEverything();
    void openWithoutScenesRootIsEmpty_data();
    void openWithoutScenesRootIsEmpty();
    void damagedFileKeepsWhatWasRead_data();
    void damagedFileKeepsWhatWasRead();
    void relativePictureFromProjectFolder();
    void unreadableFileKeepsProject();
    void deviceAsProjectKeepsProject();
    void failedSaveWarns_data();
    void failedSaveWarns();
    void saveAsAndOpenThroughDialogs();

private:
    // Font images 2 and 5 with a few characters; 5 is a standard-font image.
    void makeTwoFontImages();
    QString projectText() const { return QString::fromUtf8(fileBytes(m_p->ws.projectFile)); }

    QScopedPointer<ZafTestProject> m_p;
};

void TestZafProject::init()
{
    m_p.reset(new ZafTestProject);
}

void TestZafProject::cleanup()
{
    m_p.reset();
}

void TestZafProject::makeTwoFontImages()
{
    m_p->open();
    writePicture(m_p->source(QStringLiteral("5.png")), QSize(480, 40));
    m_p->add({ QStringLiteral("5.png"), QStringLiteral("2.png") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 2, 5 }));
    addChar(m_p->scene(2), QRect(1, 2, 5, 4), 0x41);
    GraphicsRectItem *second = addChar(m_p->scene(2), QRect(8, 2, 6, 7), 0x0A);
    characterFields(second)->rc_x = 1.5;
    characterFields(second)->rc_y = 6;
    addChar(m_p->scene(5), QRect(100, 10, 20, 20), 0xFF);
    m_p->scene(2)->encryptionKey = 0;
    m_p->scene(5)->filter = 63;
    FontImage &standard = *m_p->ws.fontImages.at(5);
    standard.isStdFont = true;
    standard.font = QFont(QStringLiteral("WenQuanYi Micro Hei"), 14);
    m_p->prompt.messages.clear();
}

void TestZafProject::savesCanvasElementsInOrder()
{
    makeTwoFontImages();
    QVERIFY(m_p->ws.save());
    QCOMPARE(messages(m_p->prompt), QStringList({ "information|提示|保存成功" }));
    const QString images = m_p->ws.imagePath;
    const QString expected
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<!DOCTYPE Lumo_ZAF_Tool>\n"
                         "<scenes>\n"
                         "    <canvas width=\"16\" height=\"12\" file=\"%1/2.jpg\" key=\"2\" "
                         "secury=\"0\" filter=\"32\">\n"
                         "        <rect rotate=\"0\" x=\"8\" y=\"2\" z=\"0\" width=\"6\" "
                         "height=\"7\" asc=\"10\" rc_x=\"1.5\" rc_y=\"6\"/>\n"
                         "        <rect rotate=\"0\" x=\"1\" y=\"2\" z=\"0\" width=\"5\" "
                         "height=\"4\" asc=\"65\" rc_x=\"2.5\" rc_y=\"2\"/>\n"
                         "    </canvas>\n"
                         "    <canvas width=\"480\" height=\"40\" file=\"%1/5.jpg\" key=\"5\" "
                         "secury=\"1\" filter=\"63\" font=\"WenQuanYi Micro Hei\" size=\"14\">\n"
                         "        <rect rotate=\"0\" x=\"100\" y=\"10\" z=\"0\" width=\"20\" "
                         "height=\"20\" asc=\"255\" rc_x=\"10\" rc_y=\"10\"/>\n"
                         "    </canvas>\n"
                         "</scenes>\n")
              .arg(images);
    QCOMPARE(projectText(), expected);
}

void TestZafProject::reopenRestoresEverything()
{
    makeTwoFontImages();
    const QString before = describe(m_p->ws.fontImages);
    QVERIFY(m_p->ws.save());

    ZafTestProject other;
    QVERIFY(other.ws.loadFile(m_p->ws.projectFile));
    QCOMPARE(describe(other.ws.fontImages), before);
    QCOMPARE(other.ws.projectPath, m_p->project);
    QCOMPARE(other.ws.imagePath, m_p->project + QStringLiteral("/images"));
    QCOMPARE(other.scene(5)->sceneRect(), QRectF(0, 0, 480, 40));
    QCOMPARE(messages(other.prompt), QStringList());
}

void TestZafProject::openWithoutScenesRootIsEmpty_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("other root") << QByteArray(
        "<?xml version=\"1.0\"?>\n<pages><canvas key=\"3\" file=\"x.jpg\"/></pages>\n");
    QTest::newRow("empty file of a new project") << QByteArray();
}

void TestZafProject::openWithoutScenesRootIsEmpty()
{
    QFETCH(QByteArray, content);
    makeTwoFontImages();
    const QString file = m_p->dir.filePath(QStringLiteral("other.prozaf"));
    QString error;
    QVERIFY(writeWholeFile(file, content, &error));
    QVERIFY(m_p->ws.loadFile(file));
    QVERIFY(m_p->ws.fontImages.empty());
    QCOMPARE(m_p->ws.projectFile, file);
    QCOMPARE(messages(m_p->prompt), QStringList());
}

void TestZafProject::damagedFileKeepsWhatWasRead_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("cut short") << QByteArray("<canvas key=\"9\" file=\"") << "第4行第22列"
                               << QList<int>({ 3 });
    // The font image whose shapes broke off keeps the shapes read before the damage.
    QTest::newRow("garbage") << QByteArray("<canvas key=\"9\"><rect x=\"1\"/><rect <</canvas>")
                             << "第4行第36列" << QList<int>({ 3, 9 });
    QTest::newRow("binary bytes") << QByteArray("\x01\x02\x03", 3) << "第4行第1列"
                                  << QList<int>({ 3 });
    QTest::newRow("font number out of range")
        << QByteArray("<canvas key=\"65536\" file=\"\"/>\n</scenes>\n") << "第4行第29列"
        << QList<int>({ 3 });
}

void TestZafProject::damagedFileKeepsWhatWasRead()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, where);
    QFETCH(QList<int>, numbers);
    const QString picture = m_p->source(QStringLiteral("3.png"));
    writePicture(picture);
    const QByteArray good
        = QStringLiteral("<?xml version=\"1.0\"?>\n<scenes>\n"
                         "<canvas key=\"3\" secury=\"7\" filter=\"9\" file=\"%1\">"
                         "<rect x=\"1\" y=\"1\" width=\"4\" height=\"4\" asc=\"66\"/></canvas>\n")
              .arg(picture)
              .toUtf8();
    const QString file = m_p->dir.filePath(QStringLiteral("damaged.prozaf"));
    QString error;
    QVERIFY(writeWholeFile(file, good + tail, &error));

    QVERIFY(m_p->ws.loadFile(file));
    QCOMPARE(::numbers(m_p->ws.fontImages), numbers);
    QCOMPARE(m_p->scene(3)->encryptionKey, 7);
    QCOMPARE(m_p->scene(3)->filter, 9);
    QCOMPARE(ZafWorkspace::sceneChars(m_p->scene(3)).size(), 1);
    QCOMPARE(m_p->prompt.messages.size(), 1);
    const ScriptedPrompt::Message message = m_p->prompt.messages.constFirst();
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QCOMPARE(message.title, QStringLiteral("提示"));
    const QString start
        = QStringLiteral("工程文件 %1 在%2损坏：").arg(QDir::toNativeSeparators(file), where);
    QVERIFY2(message.text.startsWith(start), qPrintable(message.text));
    QVERIFY2(message.text.endsWith(QStringLiteral("\n只载入了损坏处之前的内容。")),
        qPrintable(message.text));
    QCOMPARE(fileBytes(file), good + tail);
}

// A project made by hand may name its pictures relative to its own folder.
void TestZafProject::relativePictureFromProjectFolder()
{
    makeTwoFontImages();
    const QString file = m_p->project + QStringLiteral("/relative.prozaf");
    QString error;
    QVERIFY(writeWholeFile(file,
        "<scenes><canvas key=\"7\" secury=\"0\" filter=\"1\" file=\"images/2.jpg\"/></scenes>",
        &error));
    ZafTestProject other;
    QVERIFY(other.ws.loadFile(file));
    QCOMPARE(other.ws.fontImages.at(7)->file.absoluteFilePath(),
        m_p->ws.imagePath + QStringLiteral("/2.jpg"));
    QCOMPARE(other.scene(7)->sceneRect(), QRectF(0, 0, 16, 12));
}

void TestZafProject::unreadableFileKeepsProject()
{
    makeTwoFontImages();
    const QString before = describe(m_p->ws.fontImages);
    const QString missing = m_p->dir.filePath(QStringLiteral("missing.prozaf"));
    QVERIFY(!m_p->ws.loadFile(missing));
    QCOMPARE(describe(m_p->ws.fontImages), before);
    QCOMPARE(m_p->prompt.messages.size(), 1);
    QCOMPARE(m_p->prompt.messages[0].title, QStringLiteral("提示"));
    QVERIFY(m_p->prompt.messages[0].text.startsWith(
        QStringLiteral("打开工程 %1:\n").arg(QDir::toNativeSeparators(missing))));
}

// A device opened as a project would be read without end; it is refused at once.
void TestZafProject::deviceAsProjectKeepsProject()
{
    makeTwoFontImages();
    const QString before = describe(m_p->ws.fontImages);
    QVERIFY(!m_p->ws.loadFile(QStringLiteral("/dev/zero")));
    QCOMPARE(describe(m_p->ws.fontImages), before);
    QCOMPARE(m_p->prompt.messages.size(), 1);
    QCOMPARE(m_p->prompt.messages[0].text,
        QStringLiteral("打开工程 %1:\nNot a regular file.")
            .arg(QDir::toNativeSeparators(QStringLiteral("/dev/zero"))));
}

void TestZafProject::failedSaveWarns_data()
{
    addUnwritableRows();
}

void TestZafProject::failedSaveWarns()
{
    QFETCH(Unwritable, destination);
    makeTwoFontImages();
    QVERIFY(m_p->ws.save());
    const QByteArray saved = fileBytes(m_p->ws.projectFile);
    const QString projectFile = m_p->ws.projectFile;
    m_p->prompt.messages.clear();

    const QString folder = m_p->dir.filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(folder));
    UnwritableDestination target(destination, folder, QStringLiteral("lumo.prozaf"));
    target.block();
    const bool saveReported = m_p->ws.saveFile(target.path());
    target.unblock();
    QVERIFY(!saveReported);
    QCOMPARE(m_p->prompt.messages.size(), 1);
    const ScriptedPrompt::Message message = m_p->prompt.messages.constFirst();
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QCOMPARE(message.title, QStringLiteral("Lumo ZAF"));
    QVERIFY2(
        message.text.startsWith(
            QStringLiteral("Cannot write file %1:\n").arg(QDir::toNativeSeparators(target.path()))),
        qPrintable(message.text));
    QCOMPARE(target.changes(), QString());
    QCOMPARE(m_p->ws.projectFile, projectFile);
    QCOMPARE(fileBytes(projectFile), saved);
}

void TestZafProject::saveAsAndOpenThroughDialogs()
{
    makeTwoFontImages();
    const QString copy = m_p->dir.filePath(QStringLiteral("copy.prozaf"));
    m_p->prompt.answer(copy);
    QVERIFY(m_p->ws.saveAs());
    QCOMPARE(m_p->prompt.dialogs.last().caption, QStringLiteral("另存为"));
    QCOMPARE(m_p->prompt.dialogs.last().filter, QStringLiteral("*.prozaf"));
    QCOMPARE(m_p->ws.projectFile, QFileInfo(copy).canonicalFilePath());

    ZafTestProject other;
    other.prompt.answer(copy);
    other.ws.open();
    QCOMPARE(other.prompt.dialogs.last().caption, QStringLiteral("打开工程文件"));
    QCOMPARE(describe(other.ws.fontImages), describe(m_p->ws.fontImages));
    other.ws.open(); // cancelled: nothing changes
    QCOMPARE(numbers(other.ws.fontImages), QList<int>({ 2, 5 }));
}

QTEST_MAIN(TestZafProject)
#include "tst_zafproject.moc"
