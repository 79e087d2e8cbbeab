#include "zafworkspace.h"

#include "filebytes.h"
#include "fontscene.h"
#include "graphicsrectitem.h"
#include "hugepicture.h"
#include "scriptedprompt.h"
#include "unwritable.h"
#include "zaffixtures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kDone = QStringLiteral("information|提示|ZAF文件生成完成！");

void writeProgressiveJpeg(const QString &path)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(true);
    QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
}

} // namespace

class TestZafWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addKeepsNumberOrder();
    void duplicateNumberCountsAndKeepsCopy();
    void fileCountLimit_data();
    void fileCountLimit();
    void newFontImageDefaults();
    void projectFileKeptOrCreated_data();
    void projectFileKeptOrCreated();
    void projectFileCreationFailure();
    void cancelledFolderDialogChangesNothing();
    void addWithoutProjectCancelled();
    void undecodablePictureReported();
    void hugePictureReported();
    void deleteRemovesStoredFileOnly();
    void lutFromScene();
    void zafEmptyProject();
    void zafKeyConflictStopsBeforeDialog();
    void zafWritesBuilderBytes();
    void zafCancelledSaveIsSilent();
    void zafWriteFailureWarns_data();
    void zafWriteFailureWarns();
    void zafRefusalNamesFontImage();

private:
    void openProject() { m_p->open(); }
    void add(const QStringList &names) { m_p->add(names); }
    QString source(const QString &name) const { return m_p->source(name); }

    QScopedPointer<ZafTestProject> m_p;
};

void TestZafWorkspace::init()
{
    m_p.reset(new ZafTestProject);
}

void TestZafWorkspace::cleanup()
{
    m_p.reset();
}

void TestZafWorkspace::addKeepsNumberOrder()
{
    openProject();
    add({ QStringLiteral("3.png"), QStringLiteral("1.jpg"), QStringLiteral("2.bmp") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 1, 2, 3 }));
    QStringList rows;
    for (const FontImageRow &row : m_p->ws.tableRows())
        rows.append(row.number + QLatin1Char(' ') + row.fileName);
    QCOMPARE(rows, QStringList({ "1 1.jpg", "2 2.jpg", "3 3.jpg" }));
    QVERIFY(m_p->prompt.messages.isEmpty());
    QCOMPARE(m_p->ws.canvasSize, QSize(16, 12));
    const ScriptedPrompt::Dialog dialog = m_p->prompt.dialogs.last();
    QCOMPARE(dialog.caption, QStringLiteral("请选择图片文件"));
    QCOMPARE(dialog.filter, QStringLiteral("Images (*.png *.bmp *.jpg *.jpeg *.ico *.gif)"));
}

void TestZafWorkspace::duplicateNumberCountsAndKeepsCopy()
{
    openProject();
    add({ QStringLiteral("5.png") });
    add({ QStringLiteral("5 copy.png") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 5 }));
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "information|图片命名错误|1张图片因文件命名错误未打开" }));
    QVERIFY(QFile::exists(m_p->ws.imagePath + QStringLiteral("/5 copy.jpg")));
    QCOMPARE(m_p->ws.fontImages.at(5)->file.fileName(), QStringLiteral("5.jpg"));
}

void TestZafWorkspace::fileCountLimit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("255") << 255 << 255 << QStringList();
    QTest::newRow("256") << 256 << 0 << QStringList({ "warning|警告|文件数量错误" });
}

void TestZafWorkspace::fileCountLimit()
{
    QFETCH(int, count);
    openProject();
    writePicture(source(QStringLiteral("0.jpg")));
    QStringList files;
    for (int i = 1; i <= count; ++i) {
        const QString name = source(QStringLiteral("%1.jpg").arg(i));
        QVERIFY(QFile::copy(source(QStringLiteral("0.jpg")), name));
        files.append(name);
    }
    m_p->prompt.answer(files);
    m_p->ws.openPic();
    QTEST(int(m_p->ws.fontImages.size()), "added");
    QTEST(messages(m_p->prompt), "shown");
    QTEST(int(QDir(m_p->ws.imagePath).entryList(QDir::Files).size()), "added");
}

void TestZafWorkspace::newFontImageDefaults()
{
    openProject();
    add({ QStringLiteral("1.png") });
    const FontScene *scene = m_p->ws.fontImages.at(1)->scene;
    QCOMPARE(scene->encryptionKey, 1);
    QCOMPARE(scene->filter, 32);
    QCOMPARE(scene->number, 1);
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 16, 12));
    QCOMPARE(scene->background->pos(), QPointF(0, 0));
    const FontImageRow row = m_p->ws.tableRows().value(0);
    QCOMPARE(row.filter, QStringLiteral("20"));
    QCOMPARE(row.encryptionKey, QStringLiteral("01"));
}

void TestZafWorkspace::projectFileKeptOrCreated_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file untouched") << true;
    QTest::newRow("missing file created") << false;
}

void TestZafWorkspace::projectFileKeptOrCreated()
{
    QFETCH(bool, exists);
    const QString file = m_p->project + QStringLiteral("/lumo.prozaf");
    const QByteArray content = exists ? QByteArray("<project>kept</project>\n") : QByteArray();
    if (exists) {
        QString error;
        QVERIFY(writeWholeFile(file, content, &error));
    }
    QSignalSpy label(&m_p->ws, &ZafWorkspace::projectLabelChanged);
    openProject();
    QCOMPARE(m_p->ws.projectFile, file);
    QVERIFY(QFile::exists(file));
    QCOMPARE(fileBytes(file), content);
    QVERIFY(QFileInfo(m_p->ws.imagePath).isDir());
    QCOMPARE(label.value(0).value(0).toString(), QStringLiteral("      ") + file);
    QCOMPARE(m_p->prompt.dialogs.value(0).caption, QStringLiteral("选择工程目录"));
}

void TestZafWorkspace::projectFileCreationFailure()
{
    const QString notAFolder = m_p->dir.filePath(QStringLiteral("plain"));
    QString error;
    QVERIFY(writeWholeFile(notAFolder, "x", &error));
    m_p->ws.loadProPath(notAFolder);
    QCOMPARE(m_p->ws.projectPath, notAFolder);
    QVERIFY(m_p->ws.projectFile.isEmpty());
    QCOMPARE(m_p->prompt.messages.size(), 1);
    QCOMPARE(m_p->prompt.messages[0].title, QStringLiteral("提示"));
    QVERIFY(m_p->prompt.messages[0].text.startsWith(
        QStringLiteral("未能创建工程 %1/lumo.prozaf:\n").arg(notAFolder)));
}

void TestZafWorkspace::cancelledFolderDialogChangesNothing()
{
    openProject();
    add({ QStringLiteral("1.png") });
    QSignalSpy table(&m_p->ws, &ZafWorkspace::tableChanged);
    m_p->prompt.answer(QString());
    QVERIFY(!m_p->ws.newpro());
    QCOMPARE(m_p->ws.projectPath, m_p->project);
    QCOMPARE(m_p->ws.projectFile, m_p->project + QStringLiteral("/lumo.prozaf"));
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 1 }));
    QCOMPARE(table.count(), 0);
}

void TestZafWorkspace::addWithoutProjectCancelled()
{
    m_p->prompt.answer(QString());
    m_p->ws.btnAddPicClicked();
    QCOMPARE(dialogKinds(m_p->prompt), QStringList({ "directory" }));
    QVERIFY(m_p->ws.projectPath.isEmpty());
}

void TestZafWorkspace::undecodablePictureReported()
{
    openProject();
    QString error;
    QVERIFY(writeWholeFile(source(QStringLiteral("4.png")), "not a picture", &error));
    add({ QStringLiteral("4.png"), QStringLiteral("6.png"), QStringLiteral("icon.png") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 6 }));
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "information|图片命名错误|1张图片因文件命名错误未打开",
            "information|图片解码错误|1张图片无法解码，未添加：\n"
                + QDir::toNativeSeparators(source(QStringLiteral("4.png"))) }));
    QVERIFY(!QFile::exists(m_p->ws.imagePath + QStringLiteral("/4.jpg")));
}

// A picture whose header claims more pixels than any is taken is not decoded at all, be it
// stored as it is (a JPEG) or converted; the user is told which files were left out.
void TestZafWorkspace::hugePictureReported()
{
    openProject();
    QString error;
    QVERIFY(writeWholeFile(source(QStringLiteral("3.jpg")), jpegClaiming(30000, 30000), &error));
    QVERIFY(writeWholeFile(source(QStringLiteral("5.png")), jpegClaiming(20000, 9000), &error));
    add({ QStringLiteral("3.jpg"), QStringLiteral("5.png"), QStringLiteral("6.png") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 6 }));
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "information|图片解码错误|2张图片无法解码，未添加：\n"
            + QDir::toNativeSeparators(source(QStringLiteral("3.jpg"))) + "\n"
            + QDir::toNativeSeparators(source(QStringLiteral("5.png"))) }));
    QVERIFY(!QFile::exists(m_p->ws.imagePath + QStringLiteral("/3.jpg")));

    // One put in a stored picture's place later is not decoded to be shown.
    QVERIFY(writeWholeFile(source(QStringLiteral("7.jpg")), jpegClaiming(20000, 20000), &error));
    QScopedPointer<FontScene> scene(
        newFontScene(7, 1, 32, QFileInfo(source(QStringLiteral("7.jpg")))));
    loadBackground(scene.data());
    QVERIFY(scene->background->pixmap().isNull());
}

void TestZafWorkspace::deleteRemovesStoredFileOnly()
{
    openProject();
    add({ QStringLiteral("1.png"), QStringLiteral("2.png") });
    // A font image left by a failed copy refers to the source outside the project.
    const QString outside = source(QStringLiteral("9.jpg"));
    writePicture(outside);
    auto image = std::make_unique<FontImage>();
    image->number = 9;
    image->file = QFileInfo(outside);
    image->scene = m_p->ws.createScene(9, 1, 32, image->file);
    m_p->ws.fontImages[9] = std::move(image);

    QSignalSpy shown(&m_p->ws, &ZafWorkspace::sceneShown);
    m_p->ws.deleteFontImages({ 1, 9, 1 });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 2 }));
    QVERIFY(!QFile::exists(m_p->ws.imagePath + QStringLiteral("/1.jpg")));
    QVERIFY(QFile::exists(m_p->ws.imagePath + QStringLiteral("/2.jpg")));
    QVERIFY(QFile::exists(outside));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0][0].value<FontScene *>(), static_cast<FontScene *>(nullptr));
}

void TestZafWorkspace::lutFromScene()
{
    openProject();
    add({ QStringLiteral("1.png") });
    FontScene *scene = m_p->ws.fontImages.at(1)->scene;
    addChar(scene, QRect(10, 20, 30, 40), 0x41);
    GraphicsRectItem *member = addChar(scene, QRect(1, 1, 2, 2), 0x42);
    GraphicsRectItem *other = addChar(scene, QRect(5, 5, 2, 2), 0x43);
    scene->createGroup({ member, other });
    const QByteArray lut = ZafWorkspace::getLut(scene);
    QCOMPARE(lut.size(), 3072);
    QCOMPARE(lut.mid(12 * 0x41, 12).toHex(' '), QByteArray("00 0a 00 14 00 1e 00 28 00 0f 00 14"));
    QByteArray expected(3072, char(0xFF));
    expected.replace(12 * 0x41, 12, lut.mid(12 * 0x41, 12));
    QCOMPARE(lut, expected);
}

void TestZafWorkspace::zafEmptyProject()
{
    openProject();
    m_p->ws.getZAF();
    QCOMPARE(messages(m_p->prompt), QStringList({ "information|提示|未选择图片" }));
    QCOMPARE(dialogKinds(m_p->prompt), QStringList({ "directory" }));
}

void TestZafWorkspace::zafKeyConflictStopsBeforeDialog()
{
    openProject();
    add({ QStringLiteral("1.png") });
    FontScene *scene = m_p->ws.fontImages.at(1)->scene;
    addChar(scene, QRect(0, 0, 4, 4), 0x41);
    addChar(scene, QRect(2, 2, 4, 4), 0x41); // overlaps too: the key check comes first
    QSignalSpy shown(&m_p->ws, &ZafWorkspace::sceneShown);
    m_p->ws.getZAF();
    QCOMPARE(messages(m_p->prompt), QStringList({ "information|键值冲突|第1张图片 41 键值冲突" }));
    QVERIFY(!dialogKinds(m_p->prompt).contains(QStringLiteral("save")));
    QCOMPARE(shown.value(0).value(0).value<FontScene *>(), scene);
}

void TestZafWorkspace::zafWritesBuilderBytes()
{
    openProject();
    add({ QStringLiteral("2.jpg"), QStringLiteral("1.png") });
    FontScene *first = m_p->ws.fontImages.at(1)->scene;
    FontScene *second = m_p->ws.fontImages.at(2)->scene;
    addChar(first, QRect(1, 2, 5, 4), 0x30);
    addChar(first, QRect(8, 2, 3, 3), 0x31);
    addChar(second, QRect(0, 0, 16, 12), 0xFF);
    second->encryptionKey = 0;
    second->filter = 0x3F;

    QVector<ZafFontInput> inputs(2);
    inputs[0].number = 1;
    inputs[0].file = m_p->ws.imagePath + QStringLiteral("/1.jpg");
    inputs[0].chars = { { 0x30, 1, 2, 5, 4, 2.5, 2 }, { 0x31, 8, 2, 3, 3, 1.5, 1.5 } };
    inputs[1].number = 2;
    inputs[1].encryptionKey = 0;
    inputs[1].filter = 0x3F;
    inputs[1].file = m_p->ws.imagePath + QStringLiteral("/2.jpg");
    inputs[1].chars = { { 0xFF, 0, 0, 16, 12, 8, 6 } };
    for (ZafFontInput &input : inputs)
        QVERIFY(readZafPicture(&input));
    const ZafResult expected = buildZaf(inputs);
    QVERIFY(expected.ok());

    const QString out = m_p->dir.filePath(QStringLiteral("out.ZAF"));
    m_p->prompt.answer(out);
    m_p->ws.getZAF();
    QCOMPARE(messages(m_p->prompt), QStringList({ kDone }));
    QCOMPARE(m_p->prompt.dialogs.last().kind, QStringLiteral("save"));
    QCOMPARE(m_p->prompt.dialogs.last().filter, QStringLiteral("*.ZAF"));
    QCOMPARE(fileBytes(out), expected.bytes);
}

void TestZafWorkspace::zafCancelledSaveIsSilent()
{
    openProject();
    add({ QStringLiteral("1.png") });
    m_p->prompt.answer(QString());
    m_p->ws.getZAF();
    QVERIFY(m_p->prompt.messages.isEmpty());
    QCOMPARE(dialogKinds(m_p->prompt).last(), QStringLiteral("save"));
}

void TestZafWorkspace::zafWriteFailureWarns_data()
{
    addUnwritableRows();
}

void TestZafWorkspace::zafWriteFailureWarns()
{
    QFETCH(Unwritable, destination);
    openProject();
    add({ QStringLiteral("1.png") });
    const QString folder = m_p->dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    UnwritableDestination target(destination, folder, QStringLiteral("out.ZAF"));
    const QString out = target.path();
    m_p->prompt.answer(out);
    target.block();
    m_p->ws.getZAF();
    target.unblock();
    QCOMPARE(m_p->prompt.messages.size(), 1);
    const ScriptedPrompt::Message message = m_p->prompt.messages[0];
    QCOMPARE(message.kind, QStringLiteral("warning"));
    QCOMPARE(message.title, QStringLiteral("警告"));
    QVERIFY2(message.text.startsWith(
                 QStringLiteral("无法写入文件 %1:\n").arg(QDir::toNativeSeparators(out))),
        qPrintable(message.text));
    QVERIFY(!messages(m_p->prompt).contains(kDone));
    QCOMPARE(target.changes(), QString());
}

void TestZafWorkspace::zafRefusalNamesFontImage()
{
    openProject();
    add({ QStringLiteral("1.png") });
    writeProgressiveJpeg(source(QStringLiteral("7.jpg")));
    add({ QStringLiteral("7.jpg") });
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 1, 7 }));
    m_p->ws.getZAF();
    const QString stored = QDir::toNativeSeparators(m_p->ws.imagePath + QStringLiteral("/7.jpg"));
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "warning|警告|第7张图片（" + stored
            + "）：缺少基线帧标记 FF C0（渐进式或损坏的JPEG图片）" }));
    QVERIFY(!dialogKinds(m_p->prompt).contains(QStringLiteral("save")));
}

QTEST_MAIN(TestZafWorkspace)
#include "tst_zafworkspace.moc"
