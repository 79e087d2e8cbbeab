#include "hugepicture.h"
#include "touchworkspace.h"

#include "drawscene.h"
#include "drawtool.h"
#include "pagescene.h"
#include "projectinfo.h"
#include "touchfixtures.h"

#include <QSignalSpy>
#include <QTemporaryDir>

class TestTouchPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageNumberFromName_data();
    void pageNumberFromName();
    void addPictures_data();
    void addPictures();
    void picturesCopiedIntoProject();
    void existingCopyKeepsSource();
    void addWithoutProjectAsksForOne();
    void cancelledDialogAddsNothing();
    void shownPageGivesPageSize();
    void hugePictureRefused();
    void deleteKeepsPictures();
    void closeEmptiesProject();
    void previewStateOfTheProject();

private:
    void add(const QStringList &names);
    QString source(const QString &name) const { return m_sources + QLatin1Char('/') + name; }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<ScriptedPrompt> m_prompt;
    QScopedPointer<TouchWorkspace> m_ws;
    QString m_project;
    QString m_sources;
};

void TestTouchPages::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_project = m_dir->filePath(QStringLiteral("project"));
    m_sources = m_dir->filePath(QStringLiteral("sources"));
    QVERIFY(QDir().mkpath(m_project));
    QVERIFY(QDir().mkpath(m_sources));
    m_prompt.reset(new ScriptedPrompt);
    m_ws.reset(new TouchWorkspace);
    m_ws->createPro(QString(), QString(), m_project);
    m_prompt->messages.clear();
}

void TestTouchPages::cleanup()
{
    QCoreApplication::processEvents();
    m_ws.reset();
    m_prompt.reset();
    m_dir.reset();
}

// Writes the pictures into the source folder and adds them through the dialog.
void TestTouchPages::add(const QStringList &names)
{
    QStringList files;
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".txt")))
            QVERIFY(QFile(source(name)).open(QIODevice::WriteOnly));
        else if (!QFile::exists(source(name)))
            writePicture(source(name));
        files.append(source(name));
    }
    m_prompt->answer(files);
    m_ws->on_btnAddPic_clicked();
}

void TestTouchPages::pageNumberFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("digits");
    QTest::newRow("12.bmp") << "12.bmp"
                            << "12";
    QTest::newRow("00012.bmp") << "00012.bmp"
                               << "00012";
    QTest::newRow("000012.bmp: five digits") << "000012.bmp"
                                             << "00001";
    QTest::newRow("007_start.png") << "007_start.png"
                                   << "007";
    QTest::newRow("65535.png") << "65535.png"
                               << "65535";
    QTest::newRow("70000.bmp") << "70000.bmp"
                               << "";
    QTest::newRow("start.png") << "start.png"
                               << "";
    QTest::newRow("full-width digit") << QStringLiteral("１2.png") << "";
}

void TestTouchPages::pageNumberFromName()
{
    QFETCH(QString, name);
    QFETCH(QString, digits);
    QCOMPARE(TouchWorkspace::pageNumberDigits(name), digits);
}

void TestTouchPages::addPictures_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("3.png, 3.jpg, x.png") << QStringList { "3.png", "3.jpg",
        "x.png" } << QList<int> { 3 } << QStringList { "information|add images|2image name error" };
    QTest::newRow("capitals") << QStringList { "5.PNG" } << QList<int> { 5 } << QStringList();
    QTest::newRow("not a picture, not counted")
        << QStringList { "5.txt", "6.png" } << QList<int> { 6 } << QStringList();
    QTest::newRow("five digits at most")
        << QStringList { "00012.bmp", "000012.bmp" } << QList<int> { 1, 12 } << QStringList();
    QTest::newRow("ascending whatever the order")
        << QStringList { "7.png", "2.png", "40.png" } << QList<int> { 2, 7, 40 } << QStringList();
}

void TestTouchPages::addPictures()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, pages);
    QFETCH(QStringList, shown);
    QSignalSpy table(m_ws.data(), &TouchWorkspace::tableChanged);
    add(names);
    QCOMPARE(pageNumbers(m_ws->pages), pages);
    QCOMPARE(messages(*m_prompt), shown);
    QCOMPARE(table.count(), 1);
    const ScriptedPrompt::Dialog dialog = m_prompt->dialogs.last();
    QCOMPARE(dialog.kind, QStringLiteral("openMany"));
    QCOMPARE(dialog.caption, QStringLiteral("open"));
    QCOMPARE(dialog.dir, m_ws->imagePath);
    QCOMPARE(dialog.filter, QStringLiteral("Images (*.png *.bmp *.jpg *.jpeg *.ico *.gif)"));
}

void TestTouchPages::picturesCopiedIntoProject()
{
    add({ QStringLiteral("3.png") });
    const PicMsg *page = m_ws->pages.value(3);
    QVERIFY(page);
    QCOMPARE(page->number, 3);
    QCOMPARE(page->file.filePath(), m_project + QStringLiteral("/images/3.png"));
    QCOMPARE(fileBytes(page->file.filePath()), fileBytes(source(QStringLiteral("3.png"))));
    QCOMPARE(page->scene->file, page->file.absoluteFilePath());
    QCOMPARE(page->scene->sceneRect(), QRectF(0, 0, 48, 32));
}

void TestTouchPages::existingCopyKeepsSource()
{
    QVERIFY(QDir().mkpath(m_project + QStringLiteral("/images")));
    writePicture(m_project + QStringLiteral("/images/4.png"), QSize(8, 8));
    add({ QStringLiteral("4.png") });
    // The copy fails on the file already there: the page keeps the picture it came from.
    QCOMPARE(m_ws->pages.value(4)->file.filePath(), source(QStringLiteral("4.png")));
    QCOMPARE(pageSize(m_ws->pages.value(4)->scene), QSize(48, 32));
}

void TestTouchPages::addWithoutProjectAsksForOne()
{
    m_ws->closePro();
    QSignalSpy asked(m_ws.data(), &TouchWorkspace::newProjectRequested);
    m_ws->on_btnAddPic_clicked();
    QCOMPARE(asked.count(), 1);
    QVERIFY(m_prompt->dialogs.isEmpty());
}

void TestTouchPages::cancelledDialogAddsNothing()
{
    QSignalSpy table(m_ws.data(), &TouchWorkspace::tableChanged);
    m_ws->on_btnAddPic_clicked();
    QCOMPARE(m_prompt->unanswered, 1);
    QVERIFY(m_ws->pages.isEmpty());
    QCOMPARE(table.count(), 0);
}

void TestTouchPages::shownPageGivesPageSize()
{
    writePicture(source(QStringLiteral("9.png")), QSize(480, 272));
    QSignalSpy shown(m_ws.data(), &TouchWorkspace::pageShown);
    add({ QStringLiteral("9.png") });
    add({ QStringLiteral("2.png"), QStringLiteral("20.png") });
    // One picture shows its own page; several show the lowest page.
    QCOMPARE(shown.count(), 2);
    QCOMPARE(shown.at(0).at(0).toInt(), 9);
    QCOMPARE(shown.at(1).at(0).toInt(), 2);
    m_ws->addScene(9);
    QCOMPARE(m_ws->currentPage, 9);
    QCOMPARE(m_ws->pageSize, QSize(480, 272));
    // The select tool keeps dragged areas on this page.
    QCOMPARE(m_ws->pages.value(9)->scene->toolState().bounds, QSize(480, 272));
    m_ws->addScene(77);
    QCOMPARE(m_ws->currentPage, 9);
    QVERIFY(!m_ws->pages.contains(77));
}

// A page whose header claims 20000 x 20000 pixels would decode to 1.6 GB at every paint.
void TestTouchPages::hugePictureRefused()
{
    QFile huge(source(QStringLiteral("8.jpg")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(jpegClaiming(20000, 20000));
    huge.close();
    add({ QStringLiteral("8.jpg"), QStringLiteral("9.png") });
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 9 });
    QCOMPARE(messages(*m_prompt),
        QStringList { QStringLiteral("warning|add images|'%1' has 20000 x 20000 pixels, more than "
                                     "the 8192 x 8192 a picture may have")
                          .arg(QFileInfo(source(QStringLiteral("8.jpg"))).absoluteFilePath()) });
    const PageScene page { QFileInfo(huge) };
    QCOMPARE(page.pageSize(), QSize());
    QVERIFY(pagePicture(page.file).isNull());
}

void TestTouchPages::deleteKeepsPictures()
{
    add({ QStringLiteral("1.png"), QStringLiteral("2.png"), QStringLiteral("3.png") });
    addArea(m_ws->pages.value(2)->scene, QPointF(1, 1), QSizeF(5, 5));
    QSignalSpy dropping(m_ws.data(), &TouchWorkspace::pagesAboutToBeDropped);
    QSignalSpy shown(m_ws.data(), &TouchWorkspace::pageShown);
    QSignalSpy table(m_ws.data(), &TouchWorkspace::tableChanged);
    m_ws->on_btnDelPic_clicked({ 2, 3, 99 });
    QCOMPARE(pageNumbers(m_ws->pages), QList<int> { 1 });
    QVERIFY(QFile::exists(m_project + QStringLiteral("/images/2.png")));
    QCOMPARE(dropping.count(), 1);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), -1);
    QCOMPARE(table.count(), 1);
}

void TestTouchPages::closeEmptiesProject()
{
    add({ QStringLiteral("1.png") });
    m_ws->closePro();
    QVERIFY(m_ws->projectPath.isEmpty());
    QVERIFY(m_ws->projectFile.isEmpty());
    QVERIFY(m_ws->imagePath.isEmpty());
    QVERIFY(m_ws->configFile.isEmpty());
    QVERIFY(m_ws->pages.isEmpty());
    QVERIFY(m_prompt->messages.isEmpty());
}

void TestTouchPages::previewStateOfTheProject()
{
    ProjectInfo *info = ProjectInfo::instance();
    QCOMPARE(PreviewState::current(), static_cast<PreviewState *>(info));
    QVERIFY(!info->previewRunning());
    QVERIFY(!info->animationPressed());

    add({ QStringLiteral("1.png") });
    info->pages = m_ws->pages;
    QCOMPARE(info->pagePicture(1).size(), QSize(48, 32));
    QVERIFY(info->pagePicture(5).isNull());
    QVERIFY(!info->pages.contains(5));

    QSignalSpy jumps(info, &ProjectInfo::jumpToPage);
    info->requestJump(3);
    QCOMPARE(jumps.count(), 1);
    QCOMPARE(jumps.at(0).at(0).toInt(), 3);

    // Closing the project leaves the preview no page to reach.
    m_ws->closePro();
    QVERIFY(info->pages.isEmpty());
}

QTEST_MAIN(TestTouchPages)
#include "tst_touchpages.moc"
