#include "touchworkspace.h"

#include "drawscene.h"
#include "graphicsitemgroup.h"
#include "touchfixtures.h"
#include "touchrecord.h"
#include "unwritable.h"

#include <QTemporaryDir>

namespace {

const QString kGenerated = QStringLiteral("about|generate hmi config file|generate ok");

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QList<int> recordPages(const QByteArray &bytes)
{
    QList<int> pages;
    for (const TouchRecord &r : decodeTouchFile(bytes))
        pages.append(r.page);
    return pages;
}

QList<int> recordCommands(const QByteArray &bytes)
{
    QList<int> commands;
    for (const TouchRecord &r : decodeTouchFile(bytes))
        commands.append(r.command);
    return commands;
}

// The touch areas of `scene` as "x,y w x h picNum catoonNum commond", topmost first.
QStringList areas(PageScene *scene)
{
    QStringList list;
    for (QGraphicsItem *item : scene->items(Qt::DescendingOrder)) {
        const auto *area = dynamic_cast<const GraphicsRectItem *>(item);
        if (!area)
            continue;
        list.append(QStringLiteral("%1,%2 %3x%4 %5 %6 %7")
                        .arg(area->pos().x())
                        .arg(area->pos().y())
                        .arg(area->width())
                        .arg(area->height())
                        .arg(touchFields(area)->picNum)
                        .arg(touchFields(area)->pressedPage)
                        .arg(touchFields(area)->command));
    }
    return list;
}

} // namespace

class TestHmiConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noPagesNoFile();
    void pagesWithoutAreas();
    void workedExample();
    void pagesAscending();
    void topmostFirst();
    void skippedItems();
    void writeFailureWarns_data();
    void writeFailureWarns();
    void readBackRoundTrip();
    void presentAreaSuppressesRecord();
    void signedAndUnsignedFields();
    void unknownPageSkipped();
    void missingFileIsSilent();
    void damagedFileReadAsFarAsSound_data();
    void damagedFileReadAsFarAsSound();
    void unreadableFileWarns();

private:
    PageScene *page(int number) { return m_ws->pages.value(number)->scene; }
    void addPages(const QList<int> &numbers);
    QString config() const { return m_project + QStringLiteral("/HmiConfig.bin"); }
    void writeConfig(const QByteArray &bytes);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    QScopedPointer<TouchWorkspace> m_ws;
    QString m_project;
};

void TestHmiConfig::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_project = m_dir->filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(m_project));
    m_prompt.reset(new ScriptedPrompt);
    m_ws.reset(new TouchWorkspace);
    m_ws->createPro(QString(), QString(), m_project);
}

void TestHmiConfig::cleanup()
{
    QCoreApplication::processEvents();
    m_ws.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestHmiConfig::addPages(const QList<int> &numbers)
{
    QStringList files;
    for (int number : numbers) {
        files.append(m_dir->filePath(QStringLiteral("%1.png").arg(number)));
        writePicture(files.last(), QSize(480, 272));
    }
    int wrong = 0;
    m_ws->addPic(files, wrong);
    QCOMPARE(wrong, 0);
}

void TestHmiConfig::writeConfig(const QByteArray &bytes)
{
    QFile file(config());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void TestHmiConfig::noPagesNoFile()
{
    m_ws->getHmiConfig();
    QVERIFY(!QFile::exists(config()));
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestHmiConfig::pagesWithoutAreas()
{
    addPages({ 1, 2 });
    m_ws->getHmiConfig();
    QCOMPARE(fileBytes(config()), hex("FFFF"));
    QCOMPARE(messages(*m_prompt), QStringList { kGenerated });
}

void TestHmiConfig::workedExample()
{
    addPages({ 3 });
    addArea(page(3), QPointF(10.7, 20.2), QSizeF(30.9, 5.5), 4, 0, 0x1234);
    m_ws->getHmiConfig();
    QCOMPARE(fileBytes(config()), hex("0003 000A 0014 0027 0018 0004 0000 1234 FFFF"));
}

void TestHmiConfig::pagesAscending()
{
    addPages({ 7, 2, 40 });
    for (int number : { 7, 2, 40 })
        addArea(page(number), QPointF(1, 1), QSizeF(10, 10));
    m_ws->getHmiConfig();
    QCOMPARE(recordPages(fileBytes(config())), QList<int>({ 2, 7, 40 }));
}

void TestHmiConfig::topmostFirst()
{
    addPages({ 1 });
    GraphicsRectItem *first = addArea(page(1), QPointF(0, 0), QSizeF(10, 10), -1, -1, 1);
    addArea(page(1), QPointF(20, 0), QSizeF(10, 10), -1, -1, 2);
    addArea(page(1), QPointF(40, 0), QSizeF(10, 10), -1, -1, 3);
    m_ws->getHmiConfig();
    QCOMPARE(recordCommands(fileBytes(config())), QList<int>({ 3, 2, 1 }));
    first->setZValue(1);
    m_ws->getHmiConfig();
    QCOMPARE(recordCommands(fileBytes(config())), QList<int>({ 1, 3, 2 }));
}

void TestHmiConfig::skippedItems()
{
    addPages({ 1 });
    PageScene *scene = page(1);
    addArea(scene, QPointF(0, 0), QSizeF(0, 10), -1, -1, 1);
    addArea(scene, QPointF(0, 0), QSizeF(10, 0), -1, -1, 2);
    addArea(scene, QPointF(0, 0), QSizeF(10, -4), -1, -1, 3);
    addArea(scene, QPointF(5, 5), QSizeF(10, 10), -1, -1, 4)->setSelected(true); // handles
    GraphicsRectItem *a = addArea(scene, QPointF(50, 0), QSizeF(10, 10), -1, -1, 5);
    GraphicsRectItem *b = addArea(scene, QPointF(70, 0), QSizeF(10, 10), -1, -1, 6);
    scene->createGroup({ a, b });
    m_ws->getHmiConfig();
    QCOMPARE(recordCommands(fileBytes(config())), QList<int>({ 4 }));
}

void TestHmiConfig::writeFailureWarns_data()
{
    addUnwritableRows();
}

void TestHmiConfig::writeFailureWarns()
{
    QFETCH(Unwritable, destination);
    addPages({ 1 });
    addArea(page(1), QPointF(1, 2), QSizeF(3, 4), 2, -1, 7);
    UnwritableDestination target(destination, m_project, QStringLiteral("HmiConfig.bin"));
    // The file goes into the project folder, so the folder stands for the destination.
    m_ws->projectPath = QFileInfo(target.path()).path();
    target.block();
    m_ws->getHmiConfig();
    target.unblock();
    QCOMPARE(m_prompt->messages.size(), 1);
    const ScriptedPrompt::Message message = m_prompt->messages.first();
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QVERIFY2(message.text.startsWith(QStringLiteral("Cannot write file ") + target.path() + ":\n"),
        qPrintable(message.text));
    QCOMPARE(target.changes(), QString());
}

void TestHmiConfig::readBackRoundTrip()
{
    addPages({ 2, 5 });
    addArea(page(2), QPointF(10.7, 20.2), QSizeF(30.9, 5.5), 4, 0, 0x1234);
    addArea(page(2), QPointF(100, 50), QSizeF(1, 1), 32767, -1, 0xFFFF);
    addArea(page(5), QPointF(0, 0), QSizeF(480, 272), -1, 7, 0);
    m_ws->getHmiConfig();
    const QByteArray written = fileBytes(config());

    QList<QGraphicsItem *> drawn;
    for (int number : { 2, 5 }) {
        for (QGraphicsItem *item : page(number)->items()) {
            if (dynamic_cast<GraphicsRectItem *>(item))
                drawn.append(item);
        }
    }
    qDeleteAll(drawn);
    m_ws->loadControls();
    // Each record is added on top, so a page's stacking order comes back reversed.
    QCOMPARE(areas(page(2)), QStringList({ "10,20 30x5 4 0 4660", "100,50 1x1 32767 -1 65535" }));
    QCOMPARE(areas(page(5)), QStringList({ "0,0 480x272 -1 7 0" }));
    QCOMPARE(messages(*m_prompt), QStringList { kGenerated });

    m_ws->getHmiConfig();
    QCOMPARE(fileBytes(config()),
        hex("0002 000A 0014 0027 0018 0004 0000 1234"
            "0002 0064 0032 0064 0032 7FFF FFFF FFFF"
            "0005 0000 0000 01DF 010F FFFF 0007 0000 FFFF"));
    QCOMPARE(written,
        hex("0002 0064 0032 0064 0032 7FFF FFFF FFFF"
            "0002 000A 0014 0027 0018 0004 0000 1234"
            "0005 0000 0000 01DF 010F FFFF 0007 0000 FFFF"));
}

void TestHmiConfig::presentAreaSuppressesRecord()
{
    addPages({ 1 });
    // Covers (11, 21), the point probed for the first record, but not (101, 101).
    addArea(page(1), QPointF(5, 15), QSizeF(10, 10), -1, -1, 9);
    writeConfig(hex("0001 000A 0014 0027 0018 0004 0000 1234"
                    "0001 0064 0064 006D 006D 0001 0002 0003 FFFF"));
    m_ws->loadControls();
    QCOMPARE(areas(page(1)), QStringList({ "100,100 10x10 1 2 3", "5,15 10x10 -1 -1 9" }));
}

void TestHmiConfig::signedAndUnsignedFields()
{
    addPages({ 1 });
    writeConfig(hex("0001 0000 0000 0009 0009 FFFF 8000 FFFF"
                    "0001 0064 0064 006D 006D 7FFF FFFE 8000 FFFF"));
    m_ws->loadControls();
    QCOMPARE(areas(page(1)),
        QStringList({ "100,100 10x10 32767 -2 32768", "0,0 10x10 -1 -32768 65535" }));
}

void TestHmiConfig::unknownPageSkipped()
{
    addPages({ 1 });
    writeConfig(hex("0009 0000 0000 0009 0009 0000 0000 0000"
                    "0001 0000 0000 0009 0009 0000 0000 0000 FFFF"));
    m_ws->loadControls();
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 1 });
    QCOMPARE(areas(page(1)).size(), 1);
}

void TestHmiConfig::missingFileIsSilent()
{
    addPages({ 1 });
    m_ws->loadControls();
    QVERIFY(areas(page(1)).isEmpty());
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestHmiConfig::damagedFileReadAsFarAsSound_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("added"); // areas added to page 1
    const QByteArray record = hex("0001 0002 0003 0009 0009 0002 FFFF 0101");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("cut inside a record") << record + record.left(9) << 1;
    QTest::newRow("no end mark") << record << 1;
    QTest::newRow("garbage") << QByteArray(1000, '\x5A') << 0;
    QTest::newRow("end mark first") << hex("FFFF") + record << 0;
    // Twenty thousand records on one spot add one area: the others find it there.
    QTest::newRow("oversized") << record.repeated(20000) + hex("FFFF") << 1;
}

// The module reads such a file the same way: whole records up to the end mark.
void TestHmiConfig::damagedFileReadAsFarAsSound()
{
    QFETCH(QByteArray, file);
    QFETCH(int, added);
    addPages({ 1 });
    writeConfig(file);
    m_ws->save();
    const QByteArray project = fileBytes(m_ws->projectFile);
    m_prompt->messages.clear();
    m_ws->loadControls();
    QCOMPARE(areas(page(1)).size(), added);
    QVERIFY(m_prompt->messages.isEmpty());
    QCOMPARE(fileBytes(config()), file);
    QCOMPARE(fileBytes(m_ws->projectFile), project);
}

void TestHmiConfig::unreadableFileWarns()
{
    addPages({ 1 });
    QVERIFY(QDir().mkpath(config()));
    m_ws->loadControls();
    QCOMPARE(messages(*m_prompt),
        QStringList { "warning|Qt Drawing|Cannot read file " + config() + ":\nIs a directory." });
    QVERIFY(areas(page(1)).isEmpty());
}

QTEST_MAIN(TestHmiConfig)
#include "tst_hmiconfig.moc"
