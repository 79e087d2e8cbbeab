#include "mainwindow.h"

#include "filebytes.h"
#include "prompt.h"
#include "title.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const char panelStyle[]
    = "background-color: rgb(242, 242, 242);\nborder: 1px solid rgb(200,200,200);";
const char greenButtonStyle[] = "color: rgb(255, 255, 255);\nbackground-color: rgb(103, 194, 58);\n"
                                "border-radius:5px;";
const char blueButtonStyle[] = "color: rgb(255, 255, 255);\nbackground-color: rgb(64,158,255);\n"
                               "border-radius:5px;";

QFont pointFont(int points)
{
    QFont font;
    font.setPointSize(points);
    return font;
}

template <class Widget>
Widget *place(
    QWidget *parent, const char *name, int x, int y, int width, int height, int points = 0)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, width, height);
    if (points > 0)
        widget->setFont(pointFont(points));
    return widget;
}

QWidget *panel(QWidget *parent, const char *name, int x, int y, int width, int height)
{
    auto *widget = place<QWidget>(parent, name, x, y, width, height);
    // Scoped to the panel itself so that its labels keep no border of their own.
    widget->setStyleSheet(
        QStringLiteral("QWidget#%1{%2}").arg(QLatin1String(name), QLatin1String(panelStyle)));
    return widget;
}

QSpinBox *spinBox(QWidget *parent, const char *name, int x, int y, int width, int height,
    int minimum, int maximum, int value)
{
    auto *box = place<QSpinBox>(parent, name, x, y, width, height);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setupUi();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint);
    touchPathLabel->clear();
    variablesPathLabel->clear();
    speakerButton->setChecked(true);
    setSpeakerFieldsVisible(true);
    connect(titleBar, &Title::titlePress, this, &MainWindow::titlePress);
    connect(titleBar, &Title::titleMove, this, &MainWindow::titleMove);
    connect(titleBar, &Title::max, this, &MainWindow::titleMax);
    connect(titleBar, &Title::min, this, &MainWindow::titleMin);
    connect(titleBar, &Title::close, this, &MainWindow::close);
}

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1000, 620);
    setMinimumSize(1000, 620);
    setMaximumSize(1000, 620);
    setStyleSheet(QStringLiteral("QMainWindow#MainWindow{border: 1px solid rgb(200,200,200);"
                                 "background-color: rgb(255, 255, 255);}"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralwidget"));

    titleBar = new Title(central, TitleStyle::Signalling);
    titleBar->setObjectName(QStringLiteral("widget_title"));
    titleBar->setGeometry(0, 0, 1001, 40);
    titleBar->setMaximumHeight(40);

    filePanel = panel(central, "widget", 70, 70, 854, 208);
    fileHeading = place<QLabel>(filePanel, "label_6", 20, 30, 291, 21, 14);
    touchIncluded = place<QCheckBox>(filePanel, "checkBox", 10, 80, 190, 20, 12);
    touchIncluded->setLayoutDirection(Qt::RightToLeft);
    openTouchButton = place<QPushButton>(filePanel, "pushButton_3", 220, 70, 170, 30, 10);
    openTouchButton->setStyleSheet(QLatin1String(greenButtonStyle));
    touchPathLabel = place<QLabel>(filePanel, "label_7", 410, 80, 411, 20);
    variablesIncluded = place<QCheckBox>(filePanel, "checkBox_2", 10, 150, 190, 20, 12);
    variablesIncluded->setLayoutDirection(Qt::RightToLeft);
    openVariablesButton = place<QPushButton>(filePanel, "pushButton_4", 220, 140, 170, 30, 10);
    openVariablesButton->setStyleSheet(QLatin1String(greenButtonStyle));
    variablesPathLabel = place<QLabel>(filePanel, "label_8", 410, 150, 411, 20);

    startPanel = panel(central, "widget_2", 70, 310, 414, 208);
    startPanel->setFixedSize(414, 208);
    startHeading = place<QLabel>(startPanel, "label_9", 10, 30, 381, 21, 14);
    pageFileIdLabel = place<QLabel>(startPanel, "label_2", 40, 90, 141, 16, 12);
    pageFileIdBox = spinBox(startPanel, "spinBox_1", 210, 90, 150, 20, 0, 65535, 32);
    startPageIdLabel = place<QLabel>(startPanel, "label_3", 40, 140, 141, 16, 12);
    startPageIdBox = spinBox(startPanel, "spinBox_2", 210, 140, 150, 20, 0, 65535, 0);
    for (QSpinBox *box : { pageFileIdBox, startPageIdBox })
        box->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));

    soundPanel = panel(central, "widget_3", 510, 310, 414, 208);
    soundPanel->setFixedSize(414, 208);
    soundHeading = place<QLabel>(soundPanel, "label_10", 20, 20, 361, 21, 14);
    buzzerButton = place<QRadioButton>(soundPanel, "radioButton", 10, 60, 135, 16, 12);
    speakerButton = place<QRadioButton>(soundPanel, "radioButton_2", 150, 60, 130, 16, 12);
    silentButton = place<QRadioButton>(soundPanel, "radioButton_3", 290, 60, 120, 16, 12);
    audioFileIdLabel = place<QLabel>(soundPanel, "label_4", 50, 110, 141, 16, 12);
    audioFileIdBox = spinBox(soundPanel, "spinBox_3", 210, 110, 150, 22, -1, 65534, 0);
    audioIdLabel = place<QLabel>(soundPanel, "label_5", 50, 140, 131, 16, 12);
    audioIdBox = spinBox(soundPanel, "spinBox_4", 210, 140, 150, 22, 0, 65535, 0);

    generateButton = place<QPushButton>(central, "pushButton_2", 400, 550, 200, 40, 10);
    generateButton->setMinimumSize(200, 40);
    generateButton->setStyleSheet(QLatin1String(blueButtonStyle));

    setCentralWidget(central);
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menubar"));
    setMenuBar(menu);

    retranslateUi();
    connect(openTouchButton, &QPushButton::clicked, this, &MainWindow::openTouchFile);
    connect(openVariablesButton, &QPushButton::clicked, this, &MainWindow::openVariablesFile);
    connect(buzzerButton, &QRadioButton::clicked, this, &MainWindow::chooseBuzzer);
    connect(speakerButton, &QRadioButton::clicked, this, &MainWindow::chooseSpeaker);
    connect(silentButton, &QRadioButton::clicked, this, &MainWindow::chooseSilent);
    connect(generateButton, &QPushButton::clicked, this, &MainWindow::generateKpx);
}

void MainWindow::retranslateUi()
{
    setWindowTitle(tr("KPX生成"));
    fileHeading->setText(tr("文件夹选择"));
    touchIncluded->setText(tr("13触控文件是否存在"));
    openTouchButton->setText(tr("打开13触控文件"));
    variablesIncluded->setText(tr("14变量文件是否存在"));
    openVariablesButton->setText(tr("打开14变量文件"));
    startHeading->setText(tr("上电启动页面设置"));
    pageFileIdLabel->setText(tr("页面文件ID（RPL）"));
    startPageIdLabel->setText(tr("启动页面ID"));
    soundHeading->setText(tr("触控伴音文件（ZVA）ID"));
    buzzerButton->setText(tr("蜂鸣器伴音"));
    speakerButton->setText(tr("扬声器伴音"));
    silentButton->setText(tr("静音模式"));
    audioFileIdLabel->setText(tr("伴音文件ID（ZVA）"));
    audioIdLabel->setText(tr("伴音ID"));
    generateButton->setText(tr("生成KPX文件"));
}

void MainWindow::titlePress(QPoint p)
{
    m_titleDrag.press(this, p);
}

void MainWindow::titleMove(QPoint p)
{
    m_titleDrag.move(this, p);
}

void MainWindow::titleMax()
{
    setWindowState(isMaximized() ? Qt::WindowNoState : Qt::WindowMaximized);
}

void MainWindow::titleMin()
{
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::setSpeakerFieldsVisible(bool visible)
{
    for (QWidget *field :
        { static_cast<QWidget *>(audioFileIdLabel), static_cast<QWidget *>(audioIdLabel),
            static_cast<QWidget *>(audioFileIdBox), static_cast<QWidget *>(audioIdBox) })
        field->setVisible(visible);
}

void MainWindow::chooseBuzzer()
{
    setSpeakerFieldsVisible(false);
}

void MainWindow::chooseSpeaker()
{
    setSpeakerFieldsVisible(true);
}

void MainWindow::chooseSilent()
{
    setSpeakerFieldsVisible(false);
}

void MainWindow::openTouchFile()
{
    touchPathLabel->setText(
        Prompt::current().getOpenFileName(this, QString(), QString(), QStringLiteral("*bin")));
}

void MainWindow::openVariablesFile()
{
    variablesPathLabel->setText(
        Prompt::current().getOpenFileName(this, QString(), QString(), QStringLiteral("*bin")));
}

KpxSettings MainWindow::settings() const
{
    KpxSettings settings;
    settings.pageFileId = pageFileIdBox->value();
    settings.startPageId = startPageIdBox->value();
    settings.sound = buzzerButton->isChecked() ? KpxSound::Buzzer
        : silentButton->isChecked()            ? KpxSound::Silent
                                               : KpxSound::Speaker;
    settings.audioFileId = audioFileIdBox->value();
    settings.audioId = audioIdBox->value();
    return settings;
}

// An included file replaces its builder data, a file left out clears it.
bool MainWindow::readIncluded(
    const QCheckBox *include, const QLabel *path, QByteArray *data, const QString &missing)
{
    if (!include->isChecked()) {
        data->clear();
        return true;
    }
    QString error;
    if (readWholeFile(path->text(), data, &error))
        return true;
    Prompt::current().information(this, tr("提示"), missing);
    return false;
}

bool MainWindow::readInputs()
{
    return readIncluded(touchIncluded, touchPathLabel, &m_touchData, tr("13文件未找到！"))
        && readIncluded(
            variablesIncluded, variablesPathLabel, &m_variableData, tr("14文件未找到！"));
}

void MainWindow::generateKpx()
{
    if (!readInputs())
        return;
    KpxSources sources;
    sources.touchIncluded = touchIncluded->isChecked();
    sources.touch = m_touchData;
    sources.variablesIncluded = variablesIncluded->isChecked();
    sources.variables = m_variableData;
    const KpxBuild build = buildKpx(sources, settings(), QDateTime::currentDateTime());
    if (build.refusal != KpxRefusal::None) {
        Prompt::current().warning(this, tr("警告"),
            kpxRefusalText(build, variablesPathLabel->text(), m_variableData.size()));
        return;
    }

    const QString path
        = Prompt::current().getSaveFileName(this, QString(), QString(), QStringLiteral("*.KPX"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWholeFile(path, build.bytes, &error)) {
        Prompt::current().warning(this, tr("警告"), tr("KPX文件%1写入失败：%2").arg(path, error));
        return;
    }
    Prompt::current().information(this, tr("提示"), tr("KPX文件生成完成！"));
}
