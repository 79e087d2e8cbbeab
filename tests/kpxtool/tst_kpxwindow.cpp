#include "kpxbuilder.h"
#include "kpxresources.h"
#include "mainwindow.h"
#include "scriptedprompt.h"
#include "title.h"
#include "unwritable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray touchFile()
{
    QByteArray touch = QByteArray::fromHex("0000") + QByteArray(14, '\x21');
    touch += QByteArray::fromHex("0002") + QByteArray(14, '\x22');
    touch += QByteArray::fromHex("FE00") + QByteArray(14, '\x23');
    return touch;
}

QByteArray variableFile()
{
    QByteArray vars(64, '\0');
    vars[9] = 3; // highest page 3
    vars[16 + 4 * 1] = 1;
    vars[16 + 4 * 1 + 3] = 32; // page 1: one record at offset 32
    for (int i = 32; i < 64; ++i)
        vars[i] = char(i);
    return vars;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestKpxWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startState();
    void soundModeHidesSpeakerFields_data();
    void soundModeHidesSpeakerFields();
    void cancelledDialogEmptiesLabel();
    void missingInputFile_data();
    void missingInputFile();
    void generationWritesBuilderBytes();
    void cancelledSaveWritesNothing();
    void shortVariableFileIsRefused();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void englishCatalogue();
    void refusalInEnglish();
};

void TestKpxWindow::initTestCase()
{
    initShellResources();
    initKpxResources();
}

void TestKpxWindow::startState()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("KPX生成"));
    QCOMPARE(window.windowFlags() & ~Qt::Window,
        Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowMaximizeButtonHint);
    QCOMPARE(window.minimumSize(), QSize(1000, 620));
    QCOMPARE(window.maximumSize(), QSize(1000, 620));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(window.speakerButton->isChecked());
    QVERIFY(!window.buzzerButton->isChecked() && !window.silentButton->isChecked());
    for (QWidget *field : std::initializer_list<QWidget *> { window.audioFileIdLabel,
             window.audioIdLabel, window.audioFileIdBox, window.audioIdBox })
        QVERIFY(field->isVisible());
    QCOMPARE(window.pageFileIdBox->value(), 32);
    QCOMPARE(window.startPageIdBox->value(), 0);
    QCOMPARE(window.audioFileIdBox->minimum(), -1);
    QCOMPARE(window.audioFileIdBox->maximum(), 65534);
    QVERIFY(!window.touchIncluded->isChecked() && !window.variablesIncluded->isChecked());
    QVERIFY(window.touchPathLabel->text().isEmpty() && window.variablesPathLabel->text().isEmpty());

    // The title's own fixed height wins over the form's 40, and it never offers maximise.
    QCOMPARE(window.titleBar->geometry(), QRect(0, 0, 1001, 50));
    QVERIFY(!window.titleBar->btnMax->isVisible());
    QCOMPARE(window.titleBar->titleLabel->text(), QStringLiteral("KPX工具"));
    QCOMPARE(window.generateButton->geometry(), QRect(400, 550, 200, 40));
    QCOMPARE(window.soundPanel->geometry(), QRect(510, 310, 414, 208));
}

void TestKpxWindow::soundModeHidesSpeakerFields_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("visible");
    QTest::newRow("buzzer") << "radioButton" << false;
    QTest::newRow("silent") << "radioButton_3" << false;
    QTest::newRow("speaker again") << "radioButton_2" << true;
}

void TestKpxWindow::soundModeHidesSpeakerFields()
{
    QFETCH(QString, button);
    QFETCH(bool, visible);
    MainWindow window;
    window.show();
    window.audioFileIdBox->setValue(-1);
    window.audioIdBox->setValue(9);
    window.buzzerButton->click(); // start from a hidden state so "speaker" has work to do
    window.findChild<QRadioButton *>(button)->click();
    for (QWidget *field : std::initializer_list<QWidget *> { window.audioFileIdLabel,
             window.audioIdLabel, window.audioFileIdBox, window.audioIdBox })
        QCOMPARE(field->isVisible(), visible);
    QCOMPARE(window.audioFileIdBox->value(), -1);
    QCOMPARE(window.audioIdBox->value(), 9);
}

void TestKpxWindow::cancelledDialogEmptiesLabel()
{
    ScriptedPrompt prompt;
    MainWindow window;
    prompt.answer(QStringLiteral("/some/13.bin"));
    prompt.answer(QStringLiteral("/some/14.bin"));
    window.openTouchButton->click();
    window.openVariablesButton->click();
    QCOMPARE(window.touchPathLabel->text(), QStringLiteral("/some/13.bin"));
    QCOMPARE(window.variablesPathLabel->text(), QStringLiteral("/some/14.bin"));
    QVERIFY(!window.touchIncluded->isChecked()); // choosing a file does not include it

    prompt.answer(QString());
    window.openTouchButton->click();
    QVERIFY(window.touchPathLabel->text().isEmpty());
    QCOMPARE(window.variablesPathLabel->text(), QStringLiteral("/some/14.bin"));
    QCOMPARE(prompt.dialogs.size(), 3);
    QCOMPARE(prompt.dialogs[0].kind, QStringLiteral("open"));
    QCOMPARE(prompt.dialogs[0].caption, QString());
    QCOMPARE(prompt.dialogs[0].filter, QStringLiteral("*bin"));
}

void TestKpxWindow::missingInputFile_data()
{
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QString>("touchPath");
    QTest::addColumn<QString>("variablePath");
    QTest::addColumn<QString>("message");
    QTest::newRow("touch file with empty path")
        << true << QString() << QString() << QStringLiteral("13文件未找到！");
    QTest::newRow("touch file missing") << true << QStringLiteral("/no/such/13.bin") << QString()
                                        << QStringLiteral("13文件未找到！");
    QTest::newRow("touch file is a folder")
        << true << QStringLiteral("/") << QString() << QStringLiteral("13文件未找到！");
    QTest::newRow("variable file missing")
        << false << QString() << QStringLiteral("/no/14.bin") << QStringLiteral("14文件未找到！");
}

void TestKpxWindow::missingInputFile()
{
    QFETCH(bool, touch);
    QFETCH(QString, touchPath);
    QFETCH(QString, variablePath);
    QFETCH(QString, message);
    ScriptedPrompt prompt;
    MainWindow window;
    window.touchIncluded->setChecked(touch);
    window.touchPathLabel->setText(touchPath);
    window.variablesIncluded->setChecked(!variablePath.isEmpty());
    window.variablesPathLabel->setText(variablePath);
    window.generateButton->click();
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].kind, QStringLiteral("information"));
    QCOMPARE(prompt.messages[0].title, QStringLiteral("提示"));
    QCOMPARE(prompt.messages[0].text, message);
    QVERIFY(prompt.dialogs.isEmpty()); // no save dialog after a missing input
}

void TestKpxWindow::generationWritesBuilderBytes()
{
    QTemporaryDir dir;
    const QString touchPath = writeFile(dir, QStringLiteral("13.bin"), touchFile());
    const QString variablePath = writeFile(dir, QStringLiteral("14.bin"), variableFile());
    const QString output = dir.filePath(QStringLiteral("out.KPX"));
    writeFile(dir, QStringLiteral("out.KPX"), "an older file, replaced whole");

    ScriptedPrompt prompt;
    MainWindow window;
    prompt.answer(touchPath);
    window.openTouchButton->click();
    prompt.answer(variablePath);
    window.openVariablesButton->click();
    window.touchIncluded->setChecked(true);
    window.variablesIncluded->setChecked(true);
    window.pageFileIdBox->setValue(7);
    window.startPageIdBox->setValue(3);
    window.audioFileIdBox->setValue(-1);
    window.audioIdBox->setValue(5);
    prompt.answer(output);
    const QDateTime before = QDateTime::currentDateTime();
    window.generateButton->click();

    QCOMPARE(prompt.dialogs.last().kind, QStringLiteral("save"));
    QCOMPARE(prompt.dialogs.last().filter, QStringLiteral("*.KPX"));
    QCOMPARE(prompt.dialogs.last().caption, QString());
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("提示"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("KPX文件生成完成！"));

    const QByteArray written = readFile(output);
    const QByteArray stamp = written.mid(18, 6);
    const QDateTime stamped(
        QDate(2000 + stamp[0], stamp[1], stamp[2]), QTime(stamp[3], stamp[4], stamp[5]));
    QVERIFY(qAbs(stamped.secsTo(before)) <= 2);

    KpxSources sources;
    sources.touchIncluded = true;
    sources.touch = touchFile();
    sources.variablesIncluded = true;
    sources.variables = variableFile();
    KpxSettings settings;
    settings.pageFileId = 7;
    settings.startPageId = 3;
    settings.audioFileId = -1;
    settings.audioId = 5;
    QCOMPARE(written.toHex(' '), buildKpx(sources, settings, stamped).bytes.toHex(' '));

    // Buzzer mode ignores the hidden speaker fields.
    window.buzzerButton->click();
    prompt.answer(output);
    window.generateButton->click();
    QCOMPARE(readFile(output).mid(28, 4), QByteArray(4, '\xFF'));
}

void TestKpxWindow::cancelledSaveWritesNothing()
{
    ScriptedPrompt prompt;
    MainWindow window;
    prompt.answer(QString());
    window.generateButton->click();
    QCOMPARE(prompt.dialogs.size(), 1);
    QVERIFY(prompt.messages.isEmpty());
}

void TestKpxWindow::shortVariableFileIsRefused()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("14.bin"), QByteArray(9, '\0'));
    ScriptedPrompt prompt;
    MainWindow window;
    window.variablesIncluded->setChecked(true);
    window.variablesPathLabel->setText(path);
    window.generateButton->click();
    QVERIFY(prompt.dialogs.isEmpty());
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].kind, QStringLiteral("warning"));
    QCOMPARE(prompt.messages[0].title, QStringLiteral("警告"));
    QVERIFY(prompt.messages[0].text.contains(path));
}

void TestKpxWindow::failedWriteIsReported_data()
{
    addUnwritableRows();
}

void TestKpxWindow::failedWriteIsReported()
{
    QFETCH(Unwritable, destination);
    QTemporaryDir dir;
    UnwritableDestination target(destination, dir.path(), QStringLiteral("out.KPX"));
    const QString output = target.path();
    ScriptedPrompt prompt;
    MainWindow window;
    prompt.answer(output);
    target.block();
    window.generateButton->click();
    target.unblock();
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].kind, QStringLiteral("warning"));
    QCOMPARE(prompt.messages[0].title, QStringLiteral("警告"));
    QVERIFY(prompt.messages[0].text.contains(output));
    QCOMPARE(target.changes(), QString());
}

void TestKpxWindow::englishCatalogue()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, kpxCatalogue));
    qApp->installTranslator(&translator);
    ScriptedPrompt prompt;
    MainWindow window;
    qApp->removeTranslator(&translator);
    QCOMPARE(window.windowTitle(), QStringLiteral("KPX Tool"));
    QCOMPARE(window.titleBar->titleLabel->text(), QStringLiteral("KPX Tool"));
    QCOMPARE(window.generateButton->text(), QStringLiteral("create KPX file"));
    QCOMPARE(window.pageFileIdLabel->text(), QStringLiteral("pagefile ID (RPL)"));

    qApp->installTranslator(&translator);
    window.touchIncluded->setChecked(true);
    window.generateButton->click();
    qApp->removeTranslator(&translator);
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("Information"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("13 file no find"));
}

// The builder's refusal in the window's English, which is not the command line's.
void TestKpxWindow::refusalInEnglish()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("14.bin"), QByteArray(9, '\0'));
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, kpxCatalogue));
    ScriptedPrompt prompt;
    MainWindow window;
    window.variablesIncluded->setChecked(true);
    window.variablesPathLabel->setText(path);
    qApp->installTranslator(&translator);
    window.generateButton->click();
    qApp->removeTranslator(&translator);
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("Warning"));
    QCOMPARE(prompt.messages[0].text,
        QStringLiteral("The 14 variable file %1 has only 9 bytes and no highest page field; no "
                       "KPX file was written.")
            .arg(path));

    window.generateButton->click();
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[1].text,
        QStringLiteral("14变量文件%1只有9字节，缺少最高页面字段，未生成KPX文件！").arg(path));
}

QTEST_MAIN(TestKpxWindow)
#include "tst_kpxwindow.moc"
