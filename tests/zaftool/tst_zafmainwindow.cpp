#include "mainwindow.h"

#include "drawscene.h"
#include "drawview.h"
#include "filebytes.h"
#include "frmpropertyedit.h"
#include "programrun.h"
#include "zaffixtures.h"
#include "zafresources.h"
#include "zafworkspace.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

// White squares on black, one per rectangle: what the scan command finds.
void writeGlyphSheet(const QString &path, const QList<QRect> &squares)
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const QRect &square : squares)
        painter.fillRect(square, Qt::white);
    painter.end();
    QVERIFY2(image.save(path), qPrintable(path));
}

QList<GraphicsRectItem *> characters(FontScene *scene)
{
    QList<GraphicsRectItem *> list;
    for (QGraphicsItem *item : scene->items())
        if (auto *rect = dynamic_cast<GraphicsRectItem *>(item))
            if (item->type() == ShapeType)
                list.append(rect);
    return list;
}

void selectOnly(FontScene *scene, QGraphicsItem *item)
{
    scene->clearSelection();
    item->setSelected(true);
}

} // namespace

class TestZafMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wholeSessionMatchesLumo();
    void keyPanelShowsAndSetsHex();
    void keyFieldRefusesMoreThanTwoHexDigits_data();
    void keyFieldRefusesMoreThanTwoHexDigits();
    void editorNeedsOneCharacter();
    void doubleClickOpensEditor();
    void encryptionColumnPerFont();
    void emptyWindowAsksForFolderFirst();
    void actionsFollowSelection();
    void englishTexts();
    void longWorkReportsProgress();
    void startUpDialog_data();
    void startUpDialog();
    void damagedProjectOpensWithWarning();

private:
    // A project with font images 1 and 2 shown in the window; font 1 has two characters.
    void openProjectWithPictures();

    QScopedPointer<ZafTestProject> m_p;
    QScopedPointer<MainWindow> m_window;
};

void TestZafMainWindow::initTestCase()
{
    initZafResources();
}

void TestZafMainWindow::init()
{
    m_p.reset(new ZafTestProject);
    m_window.reset(new MainWindow(nullptr, false));
}

void TestZafMainWindow::cleanup()
{
    m_window.reset();
    m_p.reset();
}

void TestZafMainWindow::openProjectWithPictures()
{
    writeGlyphSheet(
        m_p->source(QStringLiteral("1.png")), { QRect(10, 10, 20, 20), QRect(60, 20, 30, 25) });
    writeGlyphSheet(m_p->source(QStringLiteral("2.png")), { QRect(5, 5, 10, 10) });
    m_p->prompt.answer(m_p->project);
    m_p->prompt.answer(QStringList(
        { m_p->source(QStringLiteral("1.png")), m_p->source(QStringLiteral("2.png")) }));
    m_window->btnAddPic->click();
    QCOMPARE(numbers(m_window->workspace()->fontImages), QList<int>({ 1, 2 }));
    QCOMPARE(m_window->tableWidget->rowCount(), 2);
    QVERIFY(m_window->currentScene());
    QCOMPARE(m_window->graphicsView->scene(), m_window->currentScene());
    m_window->actionScan->trigger();
    QCOMPARE(characters(m_window->currentScene()).size(), 2);
}

void TestZafMainWindow::wholeSessionMatchesLumo()
{
    openProjectWithPictures();
    int key = 0x30;
    for (GraphicsRectItem *item : characters(m_window->currentScene())) {
        selectOnly(m_window->currentScene(), item);
        m_window->editAsc->clear();
        QTest::keyClicks(m_window->editAsc, QString::number(key++, 16));
    }
    QCOMPARE(characterFields(characters(m_window->currentScene()).at(0))->asc
            + characterFields(characters(m_window->currentScene()).at(1))->asc,
        0x30 + 0x31);
    m_window->tableWidget->item(1, 0)->setSelected(true);
    emit m_window->tableWidget->itemClicked(m_window->tableWidget->item(1, 0));
    QCOMPARE(m_window->currentScene()->number, 2);
    m_window->actionScan->trigger();
    QCOMPARE(characters(m_window->currentScene()).size(), 1);

    const QString generated = m_p->dir.filePath(QStringLiteral("window.ZAF"));
    m_p->prompt.answer(generated);
    m_window->actionGenerate->trigger();
    QVERIFY2(messages(m_p->prompt).contains(QStringLiteral("information|提示|ZAF文件生成完成！")),
        qPrintable(messages(m_p->prompt).join('\n')));
    m_window->actionSave->trigger();
    QVERIFY(messages(m_p->prompt).contains(QStringLiteral("information|提示|保存成功")));

    const QString fromLumo = m_p->dir.filePath(QStringLiteral("lumo.ZAF"));
    const ProgramRun run = runProgram(QStringLiteral(LUMO_BINARY),
        { QStringLiteral("zaf"), m_window->workspace()->projectFile, QStringLiteral("-o"),
            fromLumo },
        m_p->dir.path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(fileBytes(fromLumo), fileBytes(generated));
    QVERIFY(fileBytes(generated).size() > 3 * 4096);
}

void TestZafMainWindow::keyPanelShowsAndSetsHex()
{
    openProjectWithPictures();
    GraphicsRectItem *item = characters(m_window->currentScene()).first();
    characterFields(item)->asc = 0x0A;
    selectOnly(m_window->currentScene(), item);
    QCOMPARE(m_window->editAsc->text(), QStringLiteral("a"));
    QCOMPARE(m_window->spinX->value(), int(item->pos().x()));
    QCOMPARE(m_window->spinWidth->value(), int(item->width()));
    m_window->editAsc->clear();
    QTest::keyClicks(m_window->editAsc, QStringLiteral("1F"));
    QCOMPARE(characterFields(item)->asc, 31);

    m_window->spinX->setValue(3);
    QCOMPARE(item->pos().x(), 3.0);
    // A drag reports the move; the panel follows it.
    item->moveBy(10, 0);
    emit m_window->currentScene()->itemMoved(item, QPointF(10, 0));
    QCOMPARE(m_window->spinX->value(), 13);
    item->moveBy(-10, 0);
    m_window->currentScene()->clearSelection();
    QCOMPARE(m_window->editAsc->text(), QString());
}

void TestZafMainWindow::keyFieldRefusesMoreThanTwoHexDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("third digit") << "1f2"
                                 << "1f";
    QTest::newRow("not hex") << "g"
                             << "";
    QTest::newRow("upper case") << "AB"
                                << "AB";
}

void TestZafMainWindow::keyFieldRefusesMoreThanTwoHexDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QTest::keyClicks(m_window->editAsc, typed);
    QCOMPARE(m_window->editAsc->text(), shown);
}

void TestZafMainWindow::editorNeedsOneCharacter()
{
    m_window->btnEdit->click();
    QCOMPARE(messages(m_p->prompt), QStringList({ "information|提示|未选择图片" }));
    openProjectWithPictures();
    m_p->prompt.messages.clear();
    m_window->btnEdit->click();
    for (GraphicsRectItem *item : characters(m_window->currentScene()))
        item->setSelected(true);
    m_window->btnEdit->click();
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "information|提示|未选择字符", "information|提示|选择过多字符" }));
    QVERIFY(m_window->findChildren<FrmPropertyEdit *>().isEmpty());
}

void TestZafMainWindow::doubleClickOpensEditor()
{
    openProjectWithPictures();
    GraphicsRectItem *item = characters(m_window->currentScene()).first();
    selectOnly(m_window->currentScene(), item);
    emit m_window->currentScene()->itemAttrSet();
    QCOMPARE(m_window->findChildren<FrmPropertyEdit *>().size(), 1);
    QVERIFY(m_p->prompt.messages.isEmpty() || !messages(m_p->prompt).last().contains("字符"));
}

void TestZafMainWindow::encryptionColumnPerFont()
{
    openProjectWithPictures();
    QCOMPARE(m_window->tableWidget->item(0, 3)->text(), QStringLiteral("01"));
    QCOMPARE(m_window->tableWidget->item(0, 2)->text(), QStringLiteral("20"));
    // The drop-down list stores its choice at once.
    m_window->tableWidget->editItem(m_window->tableWidget->item(0, 3));
    auto *list = m_window->tableWidget->findChild<QComboBox *>();
    QVERIFY(list);
    QCOMPARE(list->count(), 256);
    QCOMPARE(list->currentText(), QStringLiteral("01"));
    list->setCurrentIndex(0);
    emit list->activated(0);
    QCOMPARE(m_window->tableWidget->item(0, 3)->text(), QStringLiteral("00"));
    m_window->tableWidget->item(1, 2)->setText(QStringLiteral("3F"));
    const FontImageList &images = m_window->workspace()->fontImages;
    QCOMPARE(images.at(1)->scene->encryptionKey, 0);
    QCOMPARE(images.at(2)->scene->encryptionKey, 1);
    QCOMPARE(images.at(2)->scene->filter, 0x3F);

    int key = 1;
    for (GraphicsRectItem *item : characters(images.at(1)->scene))
        characterFields(item)->asc = key++;
    const QString generated = m_p->dir.filePath(QStringLiteral("out.ZAF"));
    m_p->prompt.answer(generated);
    m_window->actionGenerate->trigger();
    const QByteArray file = fileBytes(generated);
    QCOMPARE(file.mid(4096, 3), QByteArray("\x5A\x00\x20", 3));
    QCOMPARE(file.mid(8192, 3), QByteArray("\x5A\x01\x3F"));
}

void TestZafMainWindow::emptyWindowAsksForFolderFirst()
{
    QVERIFY(m_window->isMaximized());
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_window->labelProject->text(), QStringLiteral("      未选择工程"));
    QCOMPARE(m_window->tableWidget->rowCount(), 0);
    m_window->btnAddPic->click();
    QCOMPARE(dialogKinds(m_p->prompt), QStringList({ "directory" }));
    QCOMPARE(m_p->prompt.dialogs[0].caption, QStringLiteral("选择工程目录"));
    QVERIFY(m_window->workspace()->fontImages.empty());
}

void TestZafMainWindow::actionsFollowSelection()
{
    m_window->updateActions();
    QVERIFY(!m_window->actionRect->isEnabled());
    QVERIFY(!m_window->actionZoomIn->isEnabled());
    openProjectWithPictures();
    m_window->updateActions();
    QVERIFY(m_window->actionRect->isEnabled());
    QVERIFY(!m_window->actionBringToFront->isEnabled());
    QVERIFY(!m_window->alignActions.first()->isEnabled());
    const QList<GraphicsRectItem *> items = characters(m_window->currentScene());
    items[0]->setSelected(true);
    m_window->updateActions();
    QVERIFY(m_window->actionBringToFront->isEnabled());
    QVERIFY(!m_window->alignActions.first()->isEnabled());
    items[1]->setSelected(true);
    m_window->updateActions();
    QVERIFY(m_window->alignActions.last()->isEnabled());

    // Deleting is undoable; the undo command follows the stack.
    m_window->actionDelete->trigger();
    QCOMPARE(characters(m_window->currentScene()).size(), 0);
    m_window->updateActions();
    QVERIFY(m_window->actionUndo->isEnabled());
    m_window->actionUndo->trigger();
    QCOMPARE(characters(m_window->currentScene()).size(), 2);
}

void TestZafMainWindow::englishTexts()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, zafCatalogue));
    qApp->installTranslator(&translator);
    MainWindow window(nullptr, false);
    qApp->removeTranslator(&translator);
    QCOMPARE(window.labelTitle->text(), QStringLiteral("LUMO ZAF Tool-v1.11"));
    QCOMPARE(window.labelProject->text(), QStringLiteral("      no project"));
    QCOMPARE(window.actionNew->text(), QStringLiteral("new"));
    QCOMPARE(window.actionGenerate->text(), QStringLiteral("generate"));
    QCOMPARE(window.alignActions.first()->text(), QStringLiteral("align right"));
    QCOMPARE(window.btnFont->text(), QStringLiteral("add stand font"));
    QCOMPARE(window.tableWidget->horizontalHeaderItem(0)->text(), QStringLiteral("Id"));
    QCOMPARE(window.actionMax->text(), QStringLiteral("maximize"));
}

// Each picture is announced before it is worked on, and the end closes the dialog.
void TestZafMainWindow::longWorkReportsProgress()
{
    QSignalSpy progress(m_window->workspace(), &ZafWorkspace::progress);
    openProjectWithPictures();
    const auto steps = [&progress]() {
        QStringList list;
        for (const QList<QVariant> &step : qAsConst(progress))
            list.append(QStringLiteral("%1/%2 %3")
                            .arg(step[0].toInt())
                            .arg(step[1].toInt())
                            .arg(step[2].toString()));
        progress.clear();
        return list;
    };
    QCOMPARE(steps(), QStringList({ "0/2 1.png", "1/2 2.png", "2/2 " }));
    auto *dialog = m_window->findChild<QProgressDialog *>(QStringLiteral("progressDialog"));
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());

    for (GraphicsRectItem *item : characters(m_window->currentScene()))
        characterFields(item)->asc = characters(m_window->currentScene()).indexOf(item);
    m_p->prompt.answer(m_p->dir.filePath(QStringLiteral("out.ZAF")));
    m_window->actionGenerate->trigger();
    QCOMPARE(steps(), QStringList({ "0/4 1.jpg", "1/4 2.jpg", "2/4 1.jpg", "3/4 2.jpg", "4/4 " }));
    QVERIFY(!dialog->isVisible());
}

void TestZafMainWindow::startUpDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::newRow("new project") << "btnNewPro"
                                 << "      %1/lumo.prozaf";
    QTest::newRow("existing project") << "btnOldPro"
                                      << "      %1/old.prozaf";
    QTest::newRow("closed") << ""
                            << "      未选择工程";
}

// The dialog comes up once the window is shown; its answer opens the project.
void TestZafMainWindow::startUpDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, label);
    const QString old = m_p->project + QStringLiteral("/old.prozaf");
    QString error;
    QVERIFY(writeWholeFile(old, QByteArray(), &error));
    m_p->prompt.answer(button == QLatin1String("btnNewPro") ? m_p->project : old);
    bool seen = false;
    QTimer::singleShot(100, this, [&]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        seen = dialog && dialog->windowTitle() == QStringLiteral("目录选择");
        if (!dialog)
            return;
        if (button.isEmpty())
            dialog->reject();
        else
            dialog->findChild<QPushButton *>(button)->click();
    });
    MainWindow window(nullptr, true);
    QTRY_VERIFY(seen);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(window.labelProject->text(), label.arg(m_p->project));
}

// The window opens what it can of a damaged project, as it always did, and says what it
// made up or left out, each at its line.
void TestZafMainWindow::damagedProjectOpensWithWarning()
{
    const QString file = m_p->dir.filePath(QStringLiteral("damaged.prozaf"));
    QString error;
    QVERIFY(writeWholeFile(file,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE Lumo_ZAF_Tool>\n"
        "<scenes>\n"
        "    <canvas width=\"40\" height=\"30\" file=\"images/4.jpg\" key=\"4\" secury=\"1x\" "
        "filter=\"0\">\n"
        "        <rect rotate=\"0\" x=\"1\" y=\"2\" z=\"0\" width=\"5\" height=\"4\" "
        "asc=\"4h\" rc_x=\"2\" rc_y=\"2\"/>\n"
        "        <rekt rotate=\"0\" x=\"10\" y=\"2\" z=\"0\" width=\"5\" height=\"4\" "
        "asc=\"66\" rc_x=\"2\" rc_y=\"2\"/>\n"
        "        <rect rotate=\"0\" x=\"70011\" y=\"2\" z=\"0\" width=\"5\" height=\"4\" "
        "asc=\"67\" rc_x=\"2\" rc_y=\"2\"/>\n"
        "    </canvas>\n"
        "</scenes>\n"
        "junk\n",
        &error));
    m_p->prompt.answer(file);
    m_window->actionOpen->trigger();

    QCOMPARE(numbers(m_window->workspace()->fontImages), QList<int>({ 4 }));
    FontScene *scene = m_window->workspace()->fontImages.at(4)->scene;
    QCOMPARE(scene->encryptionKey, 0);
    QList<int> keys;
    for (GraphicsRectItem *character : characters(scene))
        keys.append(characterFields(character)->asc);
    std::sort(keys.begin(), keys.end());
    QCOMPARE(keys, QList<int>({ 0, 67 }));

    QCOMPARE(m_p->prompt.messages.size(), 1);
    const ScriptedPrompt::Message &warning = m_p->prompt.messages.first();
    QCOMPARE(warning.kind, QStringLiteral("warning"));
    QCOMPARE(warning.title, QStringLiteral("提示"));
    QVERIFY2(warning.text.startsWith(QStringLiteral("工程文件 %1 中有些内容未能照原样载入")
                                         .arg(QDir::toNativeSeparators(file))),
        qPrintable(warning.text));
    for (const char *expected : { "line 4, column 86: secury=\"1x\" is not a number",
             "line 5, column 92: asc=\"4h\" is not a number",
             "line 6, column 93: unknown element rekt where a shape is expected",
             "line 7, column 96: x=\"70011\" is outside -32768 ... 65535",
             "line 10, column 1: Extra content at end of document" })
        QVERIFY2(warning.text.contains(QLatin1String(expected)), qPrintable(warning.text));
}

QTEST_MAIN(TestZafMainWindow)
#include "tst_zafmainwindow.moc"
