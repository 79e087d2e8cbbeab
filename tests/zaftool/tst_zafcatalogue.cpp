#include "zafresources.h"
#include "zafwriter.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QtTest>

class TestZafCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initZafResources(); }
    void loadsOnlyForEnglish_data();
    void loadsOnlyForEnglish();
    void translates_data();
    void translates();
    void workspaceTextsLeftTheWindow_data();
    void workspaceTextsLeftTheWindow();
    void everyRefusalInEnglish();
};

void TestZafCatalogue::loadsOnlyForEnglish_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("Chinese") << 0 << false;
    QTest::newRow("English") << 1 << true;
    QTest::newRow("other") << 2 << false;
}

void TestZafCatalogue::loadsOnlyForEnglish()
{
    QFETCH(int, language);
    QFETCH(bool, loaded);
    QVERIFY(QFile::exists(QStringLiteral(":/resources/tr_en.qm")));
    QTranslator translator;
    QCOMPARE(loadCatalogue(&translator, language, zafCatalogue), loaded);
    QCOMPARE(translator.isEmpty(), !loaded);
}

void TestZafCatalogue::translates_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    QTest::newRow("count") << "ZafWorkspace"
                           << "文件数量错误"
                           << "File number error";
    QTest::newRow("done") << "ZafWorkspace"
                          << "ZAF文件生成完成！"
                          << "ZAF File generation completed";
    QTest::newRow("key conflict") << "Validation"
                                  << "第%1张图片 %2 键值冲突"
                                  << "iamge %1 and %2 key value conflict";
    QTest::newRow("line break kept") << "ZafWorkspace"
                                     << "打开工程 %1:\n%2."
                                     << "open project %1:\n%2.";
    QTest::newRow("dialog") << "DlgNewPro"
                            << "选择工程目录"
                            << "select project folder";
    QTest::newRow("new: undecodable") << "ZafWorkspace"
                                      << "图片解码错误"
                                      << "Picture decoding error";
    QTest::newRow("new: damaged project")
        << "ZafWorkspace"
        << "工程文件 %1 在第%2行第%3列损坏：%4\n只载入了损坏处之前的内容。"
        << "The project file %1 is damaged at line %2, column %3: %4\n"
           "Only what comes before the damage was loaded.";
    QTest::newRow("new: write failure") << "ZafWorkspace"
                                        << "无法写入文件 %1:\n%2."
                                        << "Cannot write file %1:\n%2.";
    QTest::newRow("window: notice") << "MainWindow"
                                    << "提示"
                                    << "remind";
    QTest::newRow("window: no picture") << "MainWindow"
                                        << "未选择图片"
                                        << "Unselected image";
    QTest::newRow("workspace: no picture") << "ZafWorkspace"
                                           << "未选择图片"
                                           << "Unselected image";
    QTest::newRow("overlap title") << "Validation"
                                   << "重叠冲突"
                                   << "Overlapping conflict";
    QTest::newRow("writer: font image") << "ZafWriter"
                                        << "第%1张图片（%2）："
                                        << "Font image %1 (%2): ";
    QTest::newRow("writer: no picture") << "ZafWriter"
                                        << "未选择图片"
                                        << "Unselected image";
    QTest::newRow("writer: too many")
        << "ZafWriter"
        << "共有%1张图片，ZAF文件最多容纳1020张（从第%2张图片起放不下）"
        << "%1 font images; a ZAF file holds at most 1020 (from font image %2 on they do not fit)";
}

void TestZafCatalogue::translates()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, zafCatalogue));
    QCOMPARE(translator.translate(qPrintable(context), source.toUtf8().constData()), english);
}

// Texts of the workspace, the checks and the writer are looked up in their own contexts;
// the window's context no longer holds them.
void TestZafCatalogue::workspaceTextsLeftTheWindow_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("count") << "文件数量错误";
    QTest::newRow("key conflict") << "第%1张图片 %2 键值冲突";
    QTest::newRow("font image") << "第%1张图片（%2）：";
    QTest::newRow("write failure") << "无法写入文件 %1:\n%2.";
}

void TestZafCatalogue::workspaceTextsLeftTheWindow()
{
    QFETCH(QString, source);
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, zafCatalogue));
    QCOMPARE(translator.translate("MainWindow", source.toUtf8().constData()), QString());
}

// Each refusal of the writer has its window English: no Chinese is left in it.
void TestZafCatalogue::everyRefusalInEnglish()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, zafCatalogue));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const ZafProblem problems[]
        = { ZafProblem::NoFontImages, ZafProblem::TooManyFontImages, ZafProblem::Unreadable,
              ZafProblem::NoFrameMarker, ZafProblem::NoScanMarker, ZafProblem::TruncatedMarker,
              ZafProblem::NoEndMarker, ZafProblem::NoStartMarker, ZafProblem::PictureTooLarge,
              ZafProblem::HeaderTooLarge, ZafProblem::FileTooLarge, ZafProblem::TooLargeForMemory };
    QStringList untranslated;
    for (ZafProblem problem : problems) {
        ZafRefusal refusal;
        refusal.problem = problem;
        refusal.number = 7;
        refusal.file = QStringLiteral("7.jpg");
        const QString text = zafRefusalText(refusal);
        if (text.isEmpty()
            || std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; }))
            untranslated.append(text);
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(untranslated, QStringList());
}

QTEST_MAIN(TestZafCatalogue)
#include "tst_zafcatalogue.moc"
