#include "mainwindow.h"

#include "drawscene.h"
#include "filebytes.h"
#include "title.h"
#include "touchfixtures.h"
#include "touchrecord.h"
#include "touchresources.h"
#include "touchworkspace.h"

#include <QAction>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestTouchMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frameHoldsTitleAndWindow();
    void addPicturesShowsPages();
    void panelFollowsSelection();
    void sizeFieldsEditOnEveryKeystroke();
    void commandFieldTakesFourHexDigits();
    void spinBoxClampsTargetOfSelectedArea();
    void pickedPictureSetsTarget();
    void actionsFollowSelection();
    void zoomInThenOutRestoresScale();
    void languageSwitchTwiceReturns();
    void workspaceMessagesInTheirOwnContext();
    void generateRefusesPageNumbers_data();
    void generateRefusesPageNumbers();
    void damagedProjectOpensWithWarning();

private:
    // A project with pages 1 and 2; page 1 shown with three areas.
    void openProjectWithAreas();
    QList<GraphicsRectItem *> m_areas;

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    QScopedPointer<MainWindow> m_window;
};

void TestTouchMainWindow::initTestCase()
{
    initTouchResources();
}

void TestTouchMainWindow::init()
{
    m_dir.reset(new QTemporaryDir);
    // The recent-projects list lives in the working directory.
    QDir::setCurrent(m_dir->path());
    m_prompt.reset(new ScriptedPrompt);
    m_window.reset(new MainWindow);
    m_areas.clear();
}

void TestTouchMainWindow::cleanup()
{
    m_window.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestTouchMainWindow::openProjectWithAreas()
{
    const QString project = m_dir->filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(project));
    m_window->workspace()->createPro(QString(), QString(), project);
    QCOMPARE(m_window->lbl_status->text(), project + QStringLiteral("/LMprj.hmi"));
    for (const char *name : { "1.png", "2.png" })
        writePicture(m_dir->filePath(QLatin1String(name)), QSize(480, 272));
    m_prompt->answer(QStringList(
        { m_dir->filePath(QStringLiteral("1.png")), m_dir->filePath(QStringLiteral("2.png")) }));
    m_window->btnAddPic->click();
    QCOMPARE(m_window->tableWidget->rowCount(), 2);
    QVERIFY(m_window->currentScene());
    PageScene *scene = m_window->currentScene();
    m_areas = { addArea(scene, QPointF(10, 20), QSizeF(30, 40), 2, -1, 0x1F),
        addArea(scene, QPointF(100, 20), QSizeF(30, 40)),
        addArea(scene, QPointF(200, 20), QSizeF(30, 40)) };
}

void TestTouchMainWindow::frameHoldsTitleAndWindow()
{
    QWidget *frame = m_window->frame();
    QVERIFY(frame->isWindow());
    QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_window->parentWidget(), frame);
    QCOMPARE(m_window->title->controlledWindow(), frame);
    QCOMPARE(m_window->title->style(), TitleStyle::Direct);
    QCOMPARE(m_window->lbl_status->text(), QStringLiteral("no project"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("MainWindow"));
}

void TestTouchMainWindow::addPicturesShowsPages()
{
    openProjectWithAreas();
    QCOMPARE(m_window->tableWidget->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(m_window->tableWidget->item(1, 1)->text(), QStringLiteral("2.png"));
    QCOMPARE(m_window->graphicsView->scene(), m_window->currentScene());
    m_window->tableWidget->selectRow(1);
    QCOMPARE(m_window->workspace()->currentPage, 2);
    QCOMPARE(m_window->graphicsView->scene(), m_window->workspace()->pages.value(2)->scene);
}

void TestTouchMainWindow::panelFollowsSelection()
{
    openProjectWithAreas();
    m_areas[0]->setSelected(true);
    QCOMPARE(m_window->txt_x->text(), QStringLiteral("10"));
    QCOMPARE(m_window->txt_h->text(), QStringLiteral("40"));
    QCOMPARE(m_window->sp_pixNum->value(), 2);
    QCOMPARE(m_window->txt_com->text(), QStringLiteral("1f"));
    m_areas[1]->setSelected(true);
    QCOMPARE(m_window->txt_x->text(), QStringLiteral("0"));
    QCOMPARE(m_window->sp_pixNum->value(), -1);
    QCOMPARE(m_window->txt_com->text(), QStringLiteral("-1"));
    QCOMPARE(touchFields(m_areas[0])->picNum, 2);
}

void TestTouchMainWindow::sizeFieldsEditOnEveryKeystroke()
{
    openProjectWithAreas();
    m_areas[0]->setSelected(true);
    m_window->txt_w->clear();
    QTest::keyClicks(m_window->txt_w, QStringLiteral("12a"));
    QCOMPARE(m_areas[0]->width(), 12.0);
    QTest::keyClick(m_window->txt_w, Qt::Key_Backspace);
    QTest::keyClicks(m_window->txt_w, QStringLiteral("0"));
    QCOMPARE(m_areas[0]->width(), 120.0);
    QCOMPARE(m_areas[0]->pos(), QPointF(10, 20));
    m_window->txt_x->clear();
    QTest::keyClicks(m_window->txt_x, QStringLiteral("55"));
    QCOMPARE(m_areas[0]->pos(), QPointF(55, 20));
}

void TestTouchMainWindow::commandFieldTakesFourHexDigits()
{
    openProjectWithAreas();
    m_areas[0]->setSelected(true);
    m_window->txt_com->clear();
    QTest::keyClicks(m_window->txt_com, QStringLiteral("aB12f"));
    QCOMPARE(m_window->txt_com->text(), QStringLiteral("aB12"));
    QCOMPARE(touchFields(m_areas[0])->command, 0xAB12);
}

void TestTouchMainWindow::spinBoxClampsTargetOfSelectedArea()
{
    openProjectWithAreas();
    touchFields(m_areas[1])->picNum = 250;
    m_areas[1]->setSelected(true);
    QCOMPARE(m_window->sp_pixNum->value(), 100);
    QCOMPARE(touchFields(m_areas[1])->picNum, 100);
    m_window->sp_cartoon->setValue(7);
    QCOMPARE(touchFields(m_areas[1])->pressedPage, 7);
}

void TestTouchMainWindow::pickedPictureSetsTarget()
{
    openProjectWithAreas();
    m_areas[0]->setSelected(true);
    m_window->selectedPic(1, 250);
    QCOMPARE(touchFields(m_areas[0])->picNum, 100);
    m_window->selectedPic(2, -1);
    QCOMPARE(touchFields(m_areas[0])->pressedPage, -1);
    m_window->selectedPic(3, 5);
    QCOMPARE(touchFields(m_areas[0])->picNum, 100);
}

void TestTouchMainWindow::actionsFollowSelection()
{
    m_window->updateActions();
    QVERIFY(!m_window->actionRect->isEnabled());
    QVERIFY(!m_window->actionCopy->isEnabled());
    QVERIFY(m_window->actionPaste->isEnabled());
    openProjectWithAreas();
    const auto enabled = [this](const char *name) {
        m_window->updateActions();
        return m_window->findChild<QAction *>(QLatin1String(name))->isEnabled();
    };
    QVERIFY(enabled("actionRect"));
    m_areas[0]->setSelected(true);
    QVERIFY(enabled("actionCopy"));
    QVERIFY(!enabled("actionAlignLeft"));
    m_areas[1]->setSelected(true);
    QVERIFY(enabled("actionAlignLeft"));
    QVERIFY(!enabled("actionAlignHorzEven"));
    m_areas[2]->setSelected(true);
    QVERIFY(enabled("actionAlignHorzEven"));

    m_window->actionDelete->trigger();
    QCOMPARE(m_window->currentScene()->selectedItems().size(), 0);
    QVERIFY(enabled("actionUndo"));
}

void TestTouchMainWindow::zoomInThenOutRestoresScale()
{
    openProjectWithAreas();
    m_window->updateActions();
    m_window->actionZoomIn->trigger();
    QCOMPARE(m_window->graphicsView->transform().m11(), 1.2);
    m_window->actionZoomOut->trigger();
    QVERIFY(qFuzzyCompare(m_window->graphicsView->transform().m11(), 1.0));
    QVERIFY(qFuzzyCompare(m_window->graphicsView->transform().m22(), 1.0));
}

void TestTouchMainWindow::languageSwitchTwiceReturns()
{
    QVERIFY(!MainWindow::chineseActive());
    m_window->switchLanguage();
    QVERIFY(MainWindow::chineseActive());
    QCOMPARE(m_window->actionNew->text(), QStringLiteral("新建"));
    QCOMPARE(m_window->lbl_status->text(), QStringLiteral("未打开工程"));
    QCOMPARE(m_window->title->titleLabel->text(), QStringLiteral("LumoQV指令集触控配置生成工具"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("LumoQV指令集触控配置生成工具v1.0"));
    m_window->switchLanguage();
    QVERIFY(!MainWindow::chineseActive());
    QCOMPARE(m_window->actionNew->text(), QStringLiteral("new"));
    QCOMPARE(m_window->lbl_status->text(), QStringLiteral("no project"));

    // With the Chinese catalogue of the start-up installed, the switch still gives English.
    QTranslator startUp;
    QVERIFY(loadCatalogue(&startUp, 0, touchCatalogue));
    qApp->installTranslator(&startUp);
    m_window->switchLanguage();
    m_window->switchLanguage();
    QCOMPARE(m_window->actionNew->text(), QStringLiteral("new"));
    qApp->removeTranslator(&startUp);
}

// The workspace's messages are translated in its own context, in both catalogues; the
// window's context keeps only what the window itself shows.
void TestTouchMainWindow::workspaceMessagesInTheirOwnContext()
{
    QTranslator chinese;
    QVERIFY(loadCatalogue(&chinese, 0, touchCatalogue));
    QCOMPARE(chinese.translate("TouchWorkspace", "project path don't exist"),
        QStringLiteral("工程路径不存在"));
    QCOMPARE(chinese.translate("TouchWorkspace", "Qt Drawing"), QStringLiteral("提示"));
    QCOMPARE(chinese.translate("TouchWorkspace", "open"), QStringLiteral("打开"));
    QCOMPARE(chinese.translate("MainWindow", "open"), QStringLiteral("打开"));
    QCOMPARE(chinese.translate("MainWindow", "project path don't exist"), QString());

    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translate/en.qm")));
    QCOMPARE(
        english.translate("TouchWorkspace", "Lumo hmi config"), QStringLiteral("Lumo hmi config"));
    QCOMPARE(english.translate("MainWindow", "Lumo hmi config"), QString());
}

void TestTouchMainWindow::generateRefusesPageNumbers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("picNum");
    QTest::addColumn<int>("catoonNum");
    QTest::addColumn<QString>("warning"); // empty: generated
    QTest::newRow("largest pages") << 65279 << 32767 << 32767 << QString();
    QTest::newRow("no targets") << 0 << -1 << -1 << QString();
    QTest::newRow("page 0xFF00")
        << 65280 << 1 << 1
        << "Page 65280, area at (10, 20): the page number 65280 cannot be stored. Pages with "
           "touch areas run from 0 to 65279 (0xFEFF): the field holds 16 bits, and a record "
           "starting with the byte FF is read as the end mark FF FF.";
    QTest::newRow("jump 99999")
        << 4 << 99999 << -1
        << "Page 4, area at (10, 20): the jump page 99999 cannot be stored. Jump pages run from "
           "0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed "
           "number.";
    QTest::newRow("pressed look 32768")
        << 4 << 2 << 32768
        << "Page 4, area at (10, 20): the animation page 32768 cannot be stored. Animation "
           "pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back "
           "as a signed number.";
}

void TestTouchMainWindow::generateRefusesPageNumbers()
{
    QFETCH(int, page);
    QFETCH(int, picNum);
    QFETCH(int, catoonNum);
    QFETCH(QString, warning);
    const QString project = m_dir->filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(project));
    m_window->workspace()->createPro(QString(), QString(), project);
    const QString picture = m_dir->filePath(QStringLiteral("%1.png").arg(page));
    writePicture(picture, QSize(480, 272));
    m_prompt->answer(QStringList { picture });
    m_window->btnAddPic->click();
    QVERIFY(m_window->workspace()->pages.contains(page));
    addArea(m_window->workspace()->pages.value(page)->scene, QPointF(10, 20), QSizeF(30, 40),
        picNum, catoonNum, 0x1F);
    const QString config = project + QStringLiteral("/HmiConfig.bin");
    const QByteArray earlier("written before");
    QString error;
    QVERIFY(writeWholeFile(config, earlier, &error));
    m_prompt->messages.clear();

    m_window->actionGenerate->trigger();
    if (!warning.isEmpty()) {
        QCOMPARE(messages(*m_prompt),
            QStringList { QStringLiteral("warning|generate hmi config file|") + warning });
        QCOMPARE(fileBytes(config), earlier);
        return;
    }
    QCOMPARE(messages(*m_prompt),
        QStringList { QStringLiteral("about|generate hmi config file|generate ok") });
    const QVector<TouchRecord> records = decodeTouchFile(fileBytes(config));
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().page, page);
    QCOMPARE(signed16(records.first().picNum), picNum);
    QCOMPARE(signed16(records.first().pressedPage), catoonNum);
}

// The window opens what it can of a damaged project, as it always did, and says what it
// made up or left out, each at its line.
void TestTouchMainWindow::damagedProjectOpensWithWarning()
{
    const QString file = m_dir->filePath(QStringLiteral("LMprj.hmi"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE Lumo_ZAF_Tool>\n"
              "<scenes>\n"
              "    <canvas width=\"480\" height=\"272\" file=\"/nowhere/1.png\" key=\"1\">\n"
              "        <rect rotate=\"0\" x=\"10\" y=\"20\" z=\"0\" width=\"30\" height=\"5\" "
              "picNum=\"4h\" catoonNum=\"0\" commond=\"4660\"/>\n"
              "        <rekt rotate=\"0\" x=\"50\" y=\"20\" z=\"0\" width=\"30\" height=\"5\"/>\n"
              "    </canvas>\n"
              "    <canvas width=\"480\" height=\"272\" file=\"/nowhere/2.png\" key=\"1\">\n"
              "        <rect rotate=\"0\" x=\"70011\" y=\"20\" z=\"0\" width=\"30\" height=\"5\" "
              "picNum=\"7\" catoonNum=\"0\" commond=\"1\"/>\n"
              "    </canvas>\n"
              "</scenes>\n");
    out.close();
    m_prompt->answer(file);
    m_window->actionOpen->trigger();

    // The later canvas replaced the earlier one, as it always did.
    const PageMap &pages = m_window->workspace()->pages;
    QCOMPARE(pages.keys(), QList<int>({ 1 }));
    QList<QGraphicsItem *> areas;
    for (QGraphicsItem *item : pages.value(1)->scene->items())
        if (item->type() == ShapeType)
            areas.append(item);
    QCOMPARE(areas.size(), 1);
    QCOMPARE(areas.first()->pos().x(), 70011.0);

    QCOMPARE(m_prompt->messages.size(), 1);
    const ScriptedPrompt::Message &warning = m_prompt->messages.first();
    QCOMPARE(warning.kind, QStringLiteral("warning"));
    QCOMPARE(warning.title, QStringLiteral("Qt Drawing"));
    QVERIFY2(
        warning.text.startsWith(
            QStringLiteral("Some of project file %1 could not be read as it stands").arg(file)),
        qPrintable(warning.text));
    for (const char *expected : { "line 5, column 109: picNum=\"4h\" is not a number",
             "line 6, column 68: unknown element rekt where a shape is expected",
             "line 8, column 67: a second canvas with key 1 replaces the one at line 4",
             "line 9, column 108: x=\"70011\" is outside -32768 ... 65535" })
        QVERIFY2(warning.text.contains(QLatin1String(expected)), qPrintable(warning.text));
}

QTEST_MAIN(TestTouchMainWindow)
#include "tst_touchmainwindow.moc"
