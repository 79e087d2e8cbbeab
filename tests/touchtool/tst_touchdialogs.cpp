#include "dlgnewpro.h"
#include "dlgpreview.h"
#include "dlgprorecord.h"
#include "frmpicselect.h"
#include "projectrecord.h"

#include "drawscene.h"
#include "drawtool.h"
#include "graphicsitemgroup.h"
#include "pagescene.h"
#include "projectinfo.h"
#include "touchareas.h"
#include "touchfixtures.h"
#include "touchresources.h"
#include "unwritable.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QGraphicsView>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor kPageColour(30, 120, 200); // writePicture's colour
const QColor kAnimationColour(250, 40, 40);

QString readRecord(const QString &path)
{
    return QString::fromUtf8(fileBytes(path));
}

// The command-link buttons of `dialog` in stacking order, which is the record's order.
QList<QCommandLinkButton *> recordButtons(const DlgProRecord &dialog)
{
    return dialog.findChildren<QCommandLinkButton *>();
}

QColor pixelOf(PageScene *scene, const QPoint &at)
{
    QImage image(scene->sceneRect().size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    scene->render(&painter, QRectF(image.rect()), scene->sceneRect());
    painter.end();
    return image.pixelColor(at);
}

} // namespace

class TestTouchDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recordOrder_data();
    void recordOrder();
    void recordFailure_data();
    void recordFailure();
    void recordWriteFailure_data();
    void recordWriteFailure();

    void recentButtonsFromRecord();
    void recentClickOpensAndCloses();
    void recentMissingRecordIsCreated();
    void recentUnreadableRecord();

    void pictureGrid_data();
    void pictureGrid();
    void pictureChoice_data();
    void pictureChoice();

    void newProjectNeedsPath();
    void newProjectSendsFolder();
    void newProjectCancelledFolderKeepsPath();

    void previewStartFixesAreas();
    void previewStartPage_data();
    void previewStartPage();
    void previewPressJumps();
    void previewPressedLookWhileHeld();
    void previewJumpShowsPressedLookOfTarget();
    void previewMissingPagesChangeNothing();
    void previewEndRestoresAreas_data();
    void previewEndRestoresAreas();
    void previewDrawsNoArea();
    void runPreviewFollowsJumps();

private:
    QString recordFile() const { return m_dir->filePath(QStringLiteral("record.txt")); }
    // Pages `numbers` with 48 x 32 pictures; page `animated` is painted kAnimationColour.
    void makePages(const QList<int> &numbers, int animated = -1);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    PageMap m_pages;
};

void TestTouchDialogs::initTestCase()
{
    initTouchResources();
}

void TestTouchDialogs::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_prompt.reset(new ScriptedPrompt);
}

void TestTouchDialogs::cleanup()
{
    QCoreApplication::processEvents();
    deletePages(&m_pages);
    m_prompt.reset();
}

void TestTouchDialogs::makePages(const QList<int> &numbers, int animated)
{
    for (int number : numbers) {
        const QString path = m_dir->filePath(QStringLiteral("%1.png").arg(number));
        if (number == animated) {
            QImage image(48, 32, QImage::Format_RGB32);
            image.fill(kAnimationColour);
            QVERIFY(image.save(path));
        } else {
            writePicture(path);
        }
        m_pages.insert(number, new PicMsg(number, QFileInfo(path), new PageScene(QFileInfo(path))));
    }
}

// --- record file ---------------------------------------------------------------------------

void TestTouchDialogs::recordOrder_data()
{
    QTest::addColumn<QStringList>("recorded");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first") << QStringList { "A" } << "A\n";
    QTest::newRow("newest first, four kept")
        << QStringList { "A", "B", "C", "D", "E" } << "E\nD\nC\nB\n";
    QTest::newRow("again moves to the top")
        << QStringList { "A", "B", "C", "D", "E", "B" } << "B\nE\nD\nC\n";
    QTest::newRow("same twice once") << QStringList { "A", "A" } << "A\n";
    QTest::newRow("case counts") << QStringList { "a", "A" } << "A\na\n";
    QTest::newRow("utf-8") << QStringList { QStringLiteral("/工程/LMprj.hmi") }
                           << QStringLiteral("/工程/LMprj.hmi\n");
}

void TestTouchDialogs::recordOrder()
{
    QFETCH(QStringList, recorded);
    QFETCH(QString, expected);

    // The record file does not exist before the first path.
    for (const QString &path : recorded)
        saveOpenRecord(nullptr, path, recordFile());
    QCOMPARE(readRecord(recordFile()), expected);
    QCOMPARE(messages(*m_prompt), QStringList());
}

void TestTouchDialogs::recordFailure_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("message");

    // A folder in the record file's place exists but cannot be read as a file.
    QTest::newRow("unreadable") << QStringLiteral("folder")
                                << QStringLiteral("information||读取工程记录文件打开失败");
    QTest::newRow("unwritable") << QStringLiteral("missing/record.txt")
                                << QStringLiteral("information||保存工程记录文件打开失败");
}

void TestTouchDialogs::recordFailure()
{
    QFETCH(QString, record);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));

    const QString path = m_dir->filePath(record);
    saveOpenRecord(nullptr, QStringLiteral("A"), path);
    QCOMPARE(messages(*m_prompt), QStringList { message });
    QVERIFY(!QFileInfo(path).isFile());
}

void TestTouchDialogs::recordWriteFailure_data()
{
    addUnwritableRows();
}

void TestTouchDialogs::recordWriteFailure()
{
    QFETCH(Unwritable, destination);
    const QString folder = m_dir->filePath(QStringLiteral("records"));
    QVERIFY(QDir().mkpath(folder));
    UnwritableDestination target(destination, folder, QStringLiteral("record.txt"));
    target.block();
    saveOpenRecord(nullptr, QStringLiteral("/p/A.hmi"), target.path());
    target.unblock();
    const QStringList shown = messages(*m_prompt);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QStringLiteral("information||")), qPrintable(shown.first()));
    QCOMPARE(target.changes(), QString());
}

// --- recent projects -----------------------------------------------------------------------

void TestTouchDialogs::recentButtonsFromRecord()
{
    QFile file(recordFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("/p/E.hmi\n\n/p/工程.hmi\n/p/B.hmi\n/p/A.hmi\n").toUtf8());
    file.close();

    DlgProRecord dialog(nullptr, recordFile());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("打开记录"));
    QCOMPARE(dialog.size(), QSize(653, 332));
    const QList<QCommandLinkButton *> buttons = recordButtons(dialog);
    QStringList texts;
    for (int i = 0; i < buttons.size(); ++i) {
        texts.append(buttons[i]->text());
        QCOMPARE(buttons[i]->geometry(), QRect(30, 100 + 50 * i, 600, 30));
    }
    // An empty line is an entry of its own; the fifth line is not shown.
    QCOMPARE(texts, (QStringList { "/p/E.hmi", "", QStringLiteral("/p/工程.hmi"), "/p/B.hmi" }));
    QCOMPARE(messages(*m_prompt), QStringList());
}

void TestTouchDialogs::recentClickOpensAndCloses()
{
    saveOpenRecord(nullptr, QStringLiteral("/p/A.hmi"), recordFile());
    saveOpenRecord(nullptr, QStringLiteral("/p/B.hmi"), recordFile());

    DlgProRecord dialog(nullptr, recordFile());
    QSignalSpy opened(&dialog, &DlgProRecord::openProject);
    dialog.show();
    const QList<QCommandLinkButton *> buttons = recordButtons(dialog);
    QCOMPARE(buttons.size(), 2);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("/p/A.hmi"));
    QVERIFY(!dialog.isVisible());
}

void TestTouchDialogs::recentMissingRecordIsCreated()
{
    DlgProRecord dialog(nullptr, recordFile());
    QVERIFY(recordButtons(dialog).isEmpty());
    QVERIFY(QFileInfo(recordFile()).isFile());
    QCOMPARE(messages(*m_prompt), QStringList());
}

void TestTouchDialogs::recentUnreadableRecord()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("record.txt")));
    DlgProRecord dialog(nullptr, recordFile());
    QVERIFY(recordButtons(dialog).isEmpty());
    QCOMPARE(
        messages(*m_prompt), QStringList { QStringLiteral("information||工程记录文件打开失败") });
}

// --- picture selection ---------------------------------------------------------------------

void TestTouchDialogs::pictureGrid_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("rows");

    QTest::newRow("none") << 0 << QList<int>();
    QTest::newRow("one row") << 10 << QList<int> { 10 };
    QTest::newRow("23 pages") << 23 << QList<int> { 10, 10, 3 };
}

void TestTouchDialogs::pictureGrid()
{
    QFETCH(int, count);
    QFETCH(QList<int>, rows);

    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.append(100 - 3 * i); // the grid follows the page order, not the insertion
    makePages(numbers);

    QPointer<FrmPicSelect> form = new FrmPicSelect(m_pages, 1);
    QCOMPARE(form->windowTitle(), QStringLiteral("image select"));
    QCOMPARE(form->size(), QSize(592, 400));
    QVERIFY(form->findChildren<QToolButton *>().isEmpty());
    QTest::qWait(150);

    auto *grid = form->findChild<QGridLayout *>(QStringLiteral("gridPics"));
    QVERIFY(grid);
    QCOMPARE(grid->count(), count);
    QList<int> rowSizes;
    QList<int> shown;
    for (int n = 0; n < grid->count(); ++n) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(n, &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, n / 10);
        QCOMPARE(column, n % 10);
        if (rowSizes.size() <= row)
            rowSizes.append(0);
        ++rowSizes[row];
        auto *button = qobject_cast<QToolButton *>(grid->itemAt(n)->widget());
        QVERIFY(button);
        QCOMPARE(button->size(), QSize(100, 100));
        QCOMPARE(button->iconSize(), QSize(100, 100));
        QVERIFY(!button->icon().isNull());
        shown.append(button->text().toInt());
    }
    QCOMPARE(rowSizes, rows);
    QCOMPARE(shown, m_pages.keys());
    delete form;
}

void TestTouchDialogs::pictureChoice_data()
{
    QTest::addColumn<int>("who");
    QTest::addColumn<int>("clicked"); // index of the picture clicked, -1 for none
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("sent"); // page sent, -2 for nothing sent

    QTest::newRow("OK without a click") << 1 << -1 << "btnOk" << -1;
    QTest::newRow("click then OK") << 2 << 1 << "btnOk" << 7;
    QTest::newRow("last click counts") << 1 << 2 << "btnOk" << 12;
    QTest::newRow("cancel") << 1 << 1 << "btnCancel" << -2;
}

void TestTouchDialogs::pictureChoice()
{
    QFETCH(int, who);
    QFETCH(int, clicked);
    QFETCH(QString, button);
    QFETCH(int, sent);
    makePages({ 3, 7, 12 });

    QPointer<FrmPicSelect> form = new FrmPicSelect(m_pages, who);
    QSignalSpy spy(form.data(), &FrmPicSelect::sendData);
    form->show();
    QTRY_COMPARE(form->findChildren<QToolButton *>().size(), 3);
    auto *grid = form->findChild<QGridLayout *>(QStringLiteral("gridPics"));
    if (clicked == 2)
        QTest::mouseClick(grid->itemAt(1)->widget(), Qt::LeftButton);
    if (clicked >= 0)
        QTest::mouseClick(grid->itemAt(clicked)->widget(), Qt::LeftButton);
    QCOMPARE(spy.size(), 0);

    QTest::mouseClick(form->findChild<QPushButton *>(button), Qt::LeftButton);
    if (sent == -2) {
        QCOMPARE(spy.size(), 0);
    } else {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toInt(), who);
        QCOMPARE(spy[0][1].toInt(), sent);
    }
    // Closing deletes the form.
    QTRY_VERIFY(form.isNull());
}

// --- new project ---------------------------------------------------------------------------

void TestTouchDialogs::newProjectNeedsPath()
{
    DlgNewPro dialog;
    QSignalSpy spy(&dialog, &DlgNewPro::sendData);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    QCOMPARE(messages(*m_prompt),
        QStringList {
            QStringLiteral("information|project path can't null|please select project") });
    QCOMPARE(spy.size(), 0);
    QVERIFY(dialog.isVisible());
}

void TestTouchDialogs::newProjectSendsFolder()
{
    DlgNewPro dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("new project"));
    QVERIFY(!dialog.windowIcon().isNull());
    QSignalSpy spy(&dialog, &DlgNewPro::sendData);
    dialog.show();
    m_prompt->answer(m_dir->path());
    QTest::mouseClick(
        dialog.findChild<QPushButton *>(QStringLiteral("btnSelectPath")), Qt::LeftButton);
    QCOMPARE(m_prompt->dialogs.size(), 1);
    QCOMPARE(m_prompt->dialogs[0].kind, QStringLiteral("directory"));
    QCOMPARE(m_prompt->dialogs[0].caption, QStringLiteral("change project path"));
    QCOMPARE(m_prompt->dialogs[0].dir, QStringLiteral("../"));

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][2].toString(), m_dir->path());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(messages(*m_prompt), QStringList());
}

void TestTouchDialogs::newProjectCancelledFolderKeepsPath()
{
    DlgNewPro dialog;
    QSignalSpy spy(&dialog, &DlgNewPro::sendData);
    dialog.show();
    auto *select = dialog.findChild<QPushButton *>(QStringLiteral("btnSelectPath"));
    m_prompt->answer(QStringLiteral("/first"));
    QTest::mouseClick(select, Qt::LeftButton);
    QTest::mouseClick(select, Qt::LeftButton); // cancelled
    QCOMPARE(
        dialog.findChild<QLineEdit *>(QStringLiteral("txtPath"))->text(), QStringLiteral("/first"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    QCOMPARE(spy.size(), 0);
    QVERIFY(!dialog.isVisible());
}

// --- preview -------------------------------------------------------------------------------

void TestTouchDialogs::previewStartFixesAreas()
{
    makePages({ 0, 3 });
    GraphicsRectItem *area = addArea(m_pages[0]->scene, QPointF(2, 2), QSizeF(10, 10), 3);
    GraphicsRectItem *other = addArea(m_pages[3]->scene, QPointF(2, 2), QSizeF(10, 10));
    area->setSelected(true);

    DlgPreview dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("预览"));
    QCOMPARE(dialog.size(), QSize(1000, 600));
    dialog.start(m_pages, 0);
    QCOMPARE(dialog.view()->scene(), m_pages[0]->scene);
    for (GraphicsRectItem *item : { area, other }) {
        QVERIFY(!(item->flags() & QGraphicsItem::ItemIsMovable));
        QVERIFY(!(item->flags() & QGraphicsItem::ItemIsSelectable));
        QVERIFY(!item->isSelected());
    }
    ProjectInfo *info = ProjectInfo::instance();
    QVERIFY(info->previewRunning());
    QCOMPARE(info->pages, m_pages);
    dialog.close();
}

void TestTouchDialogs::previewStartPage_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("shown");

    QTest::newRow("head") << 0 << 0;
    QTest::newRow("current") << 5 << 5;
    QTest::newRow("missing start page") << 7 << 0;
}

void TestTouchDialogs::previewStartPage()
{
    QFETCH(int, start);
    QFETCH(int, shown);
    makePages({ 0, 3, 5 });

    DlgPreview dialog;
    dialog.start(m_pages, start);
    QCOMPARE(dialog.view()->scene(), m_pages[shown]->scene);
    QCOMPARE(m_pages.keys(), (QList<int> { 0, 3, 5 }));
    dialog.close();
}

void TestTouchDialogs::previewPressJumps()
{
    makePages({ 0, 3 });
    PageScene *head = m_pages[0]->scene;
    addArea(head, QPointF(4, 4), QSizeF(12, 12), 3);
    head->setMode(rectangle); // left over from editing

    DlgPreview dialog;
    dialog.start(m_pages, 0);
    connect(ProjectInfo::instance(), &ProjectInfo::jumpToPage, &dialog, &DlgPreview::jumpToPage);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *viewport = dialog.view()->viewport();

    QTest::mousePress(viewport, Qt::LeftButton, {}, dialog.view()->mapFromScene(10, 10));
    QCOMPARE(dialog.view()->scene(), m_pages[3]->scene);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, dialog.view()->mapFromScene(10, 10));
    QCOMPARE(dialog.view()->scene(), m_pages[3]->scene);
    // The press drew no area and left no grab behind on the page it came from.
    QCOMPARE(m_pages[3]->scene->selectedItems().size(), 0);
    QVERIFY(!head->mouseGrabberItem());
    QCOMPARE(topLevelShapes(head).size(), 1);
    QVERIFY(topLevelShapes(m_pages[3]->scene).isEmpty());

    dialog.close();
    QCOMPARE(head->mode(), rectangle);
}

void TestTouchDialogs::previewPressedLookWhileHeld()
{
    makePages({ 0, 5 }, 5);
    PageScene *head = m_pages[0]->scene;
    addArea(head, QPointF(4, 4), QSizeF(12, 12), -1, 5);
    // Another area with an animation shows it too; one with a missing page stays invisible.
    addArea(head, QPointF(30, 4), QSizeF(8, 8), -1, 5);
    addArea(head, QPointF(30, 20), QSizeF(8, 8), -1, 9);

    DlgPreview dialog;
    dialog.start(m_pages, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *viewport = dialog.view()->viewport();
    const QPoint at = dialog.view()->mapFromScene(10, 10);

    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QVERIFY(ProjectInfo::instance()->animationPressed());
    QCOMPARE(dialog.view()->scene(), head);
    QCOMPARE(pixelOf(head, QPoint(10, 10)), kAnimationColour);
    QCOMPARE(pixelOf(head, QPoint(33, 7)), kAnimationColour);
    QCOMPARE(pixelOf(head, QPoint(33, 23)), kPageColour);
    QCOMPARE(pixelOf(head, QPoint(2, 2)), kPageColour);
    QCOMPARE(m_pages.keys(), (QList<int> { 0, 5 }));

    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QVERIFY(!ProjectInfo::instance()->animationPressed());
    QCOMPARE(pixelOf(head, QPoint(10, 10)), kPageColour);
    dialog.close();
}

void TestTouchDialogs::previewJumpShowsPressedLookOfTarget()
{
    makePages({ 0, 3, 5 }, 5);
    addArea(m_pages[0]->scene, QPointF(4, 4), QSizeF(12, 12), 3, 5);
    PageScene *target = m_pages[3]->scene;
    addArea(target, QPointF(20, 10), QSizeF(10, 10), -1, 5);

    DlgPreview dialog;
    dialog.start(m_pages, 0);
    connect(ProjectInfo::instance(), &ProjectInfo::jumpToPage, &dialog, &DlgPreview::jumpToPage);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *viewport = dialog.view()->viewport();
    const QPoint at = dialog.view()->mapFromScene(10, 10);

    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QCOMPARE(dialog.view()->scene(), target);
    QCOMPARE(pixelOf(target, QPoint(25, 15)), kAnimationColour);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QCOMPARE(pixelOf(target, QPoint(25, 15)), kPageColour);
    dialog.close();
}

void TestTouchDialogs::previewMissingPagesChangeNothing()
{
    makePages({ 0, 3 });
    DlgPreview dialog;
    dialog.start(m_pages, 3);
    connect(ProjectInfo::instance(), &ProjectInfo::jumpToPage, &dialog, &DlgPreview::jumpToPage);
    ProjectInfo::instance()->requestJump(42);
    QCOMPARE(dialog.view()->scene(), m_pages[3]->scene);
    ProjectInfo::instance()->requestJump(0);
    QCOMPARE(dialog.view()->scene(), m_pages[0]->scene);
    QCOMPARE(m_pages.keys(), (QList<int> { 0, 3 }));
    QCOMPARE(ProjectInfo::instance()->pages.keys(), (QList<int> { 0, 3 }));
    dialog.close();
}

void TestTouchDialogs::previewEndRestoresAreas_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("close") << "close";
    QTest::newRow("escape") << "escape";
    QTest::newRow("never shown") << "hidden";
    QTest::newRow("destroyed") << "destroyed";
}

void TestTouchDialogs::previewEndRestoresAreas()
{
    QFETCH(QString, how);
    makePages({ 0, 3 });
    GraphicsRectItem *area = addArea(m_pages[3]->scene, QPointF(2, 2), QSizeF(10, 10));
    GraphicsRectItem *member = addArea(m_pages[0]->scene, QPointF(2, 2), QSizeF(5, 5));
    GraphicsRectItem *partner = addArea(m_pages[0]->scene, QPointF(20, 2), QSizeF(5, 5));
    QGraphicsItemGroup *group = m_pages[0]->scene->createGroup({ member, partner });
    const QGraphicsItem::GraphicsItemFlags memberFlags = member->flags();

    auto *dialog = new DlgPreview;
    dialog->start(m_pages, 0);
    if (how == QLatin1String("close") || how == QLatin1String("escape"))
        dialog->show();
    if (how == QLatin1String("escape"))
        QTest::keyClick(dialog, Qt::Key_Escape);
    else if (how != QLatin1String("destroyed"))
        dialog->close();
    if (how != QLatin1String("destroyed"))
        QVERIFY(!ProjectInfo::instance()->previewRunning());
    delete dialog;

    ProjectInfo *info = ProjectInfo::instance();
    QVERIFY(!info->previewRunning());
    QVERIFY(!info->animationPressed());
    QVERIFY(info->pages.isEmpty());
    for (QGraphicsItem *item : QList<QGraphicsItem *> { area, group }) {
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
    }
    QCOMPARE(member->flags(), memberFlags);
}

void TestTouchDialogs::previewDrawsNoArea()
{
    makePages({ 0 });
    PageScene *head = m_pages[0]->scene;
    addArea(head, QPointF(4, 4), QSizeF(12, 12), 3);
    const QColor edited = pixelOf(head, QPoint(4, 10));
    QVERIFY(edited != kPageColour); // the outline of the area

    DlgPreview dialog;
    dialog.start(m_pages, 0);
    QCOMPARE(pixelOf(head, QPoint(4, 10)), kPageColour);
    dialog.close();
    QCOMPARE(pixelOf(head, QPoint(4, 10)), edited);
}

void TestTouchDialogs::runPreviewFollowsJumps()
{
    makePages({ 0, 3 });
    GraphicsRectItem *area = addArea(m_pages[0]->scene, QPointF(2, 2), QSizeF(10, 10), 3);
    QGraphicsScene *shownDuring = nullptr;
    bool runningDuring = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<DlgPreview *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        runningDuring = ProjectInfo::instance()->previewRunning();
        ProjectInfo::instance()->requestJump(3);
        shownDuring = dialog->view()->scene();
        dialog->close();
    });
    runPreview(nullptr, m_pages, 0);
    QVERIFY(shownDuring);
    QVERIFY(runningDuring);
    QCOMPARE(shownDuring, m_pages[3]->scene);
    QVERIFY(!ProjectInfo::instance()->previewRunning());
    QVERIFY(area->flags() & QGraphicsItem::ItemIsMovable);
}

QTEST_MAIN(TestTouchDialogs)
#include "tst_touchdialogs.moc"
