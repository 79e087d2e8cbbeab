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

const char panelStyle[] =
        "background-color: rgb(242, 242, 242);\nborder: 1px solid rgb(200,200,200);";
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
Widget *place(QWidget *parent, const char *name, int x, int y, int width, int height,
              int points = 0)
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
    widget->setStyleSheet(QStringLiteral("QWidget#%1{%2}")
                                  .arg(QLatin1String(name), QLatin1String(panelStyle)));
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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setupUi();
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    label_7->clear();
    label_8->clear();
    radioButton_2->setChecked(true);
    setSpeakerFieldsVisible(true);
    connect(widget_title, &Title::titlePress, this, &MainWindow::titlePress);
    connect(widget_title, &Title::titleMove, this, &MainWindow::titleMove);
    connect(widget_title, &Title::max, this, &MainWindow::titleMax);
    connect(widget_title, &Title::min, this, &MainWindow::titlemin);
    connect(widget_title, &Title::close, this, &MainWindow::close);
}

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1000, 620);
    setMinimumSize(1000, 620);
    setMaximumSize(1000, 620);
    setStyleSheet(QStringLiteral(
            "QMainWindow#MainWindow{border: 1px solid rgb(200,200,200);"
            "background-color: rgb(255, 255, 255);}"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralwidget"));

    widget_title = new Title(central, TitleStyle::Signalling);
    widget_title->setObjectName(QStringLiteral("widget_title"));
    widget_title->setGeometry(0, 0, 1001, 40);
    widget_title->setMaximumHeight(40);

    widget = panel(central, "widget", 70, 70, 854, 208);
    label_6 = place<QLabel>(widget, "label_6", 20, 30, 291, 21, 14);
    checkBox = place<QCheckBox>(widget, "checkBox", 10, 80, 190, 20, 12);
    checkBox->setLayoutDirection(Qt::RightToLeft);
    pushButton_3 = place<QPushButton>(widget, "pushButton_3", 220, 70, 170, 30, 10);
    pushButton_3->setStyleSheet(QLatin1String(greenButtonStyle));
    label_7 = place<QLabel>(widget, "label_7", 410, 80, 411, 20);
    checkBox_2 = place<QCheckBox>(widget, "checkBox_2", 10, 150, 190, 20, 12);
    checkBox_2->setLayoutDirection(Qt::RightToLeft);
    pushButton_4 = place<QPushButton>(widget, "pushButton_4", 220, 140, 170, 30, 10);
    pushButton_4->setStyleSheet(QLatin1String(greenButtonStyle));
    label_8 = place<QLabel>(widget, "label_8", 410, 150, 411, 20);

    widget_2 = panel(central, "widget_2", 70, 310, 414, 208);
    widget_2->setFixedSize(414, 208);
    label_9 = place<QLabel>(widget_2, "label_9", 10, 30, 381, 21, 14);
    label_2 = place<QLabel>(widget_2, "label_2", 40, 90, 141, 16, 12);
    spinBox_1 = spinBox(widget_2, "spinBox_1", 210, 90, 150, 20, 0, 65535, 32);
    label_3 = place<QLabel>(widget_2, "label_3", 40, 140, 141, 16, 12);
    spinBox_2 = spinBox(widget_2, "spinBox_2", 210, 140, 150, 20, 0, 65535, 0);
    for (QSpinBox *box : { spinBox_1, spinBox_2 })
        box->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));

    widget_3 = panel(central, "widget_3", 510, 310, 414, 208);
    widget_3->setFixedSize(414, 208);
    label_10 = place<QLabel>(widget_3, "label_10", 20, 20, 361, 21, 14);
    radioButton = place<QRadioButton>(widget_3, "radioButton", 10, 60, 135, 16, 12);
    radioButton_2 = place<QRadioButton>(widget_3, "radioButton_2", 150, 60, 130, 16, 12);
    radioButton_3 = place<QRadioButton>(widget_3, "radioButton_3", 290, 60, 120, 16, 12);
    label_4 = place<QLabel>(widget_3, "label_4", 50, 110, 141, 16, 12);
    spinBox_3 = spinBox(widget_3, "spinBox_3", 210, 110, 150, 22, -1, 65534, 0);
    label_5 = place<QLabel>(widget_3, "label_5", 50, 140, 131, 16, 12);
    spinBox_4 = spinBox(widget_3, "spinBox_4", 210, 140, 150, 22, 0, 65535, 0);

    pushButton_2 = place<QPushButton>(central, "pushButton_2", 400, 550, 200, 40, 10);
    pushButton_2->setMinimumSize(200, 40);
    pushButton_2->setStyleSheet(QLatin1String(blueButtonStyle));

    setCentralWidget(central);
    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menubar"));
    setMenuBar(menu);

    retranslateUi();
    QMetaObject::connectSlotsByName(this);
}

void MainWindow::retranslateUi()
{
    setWindowTitle(tr("KPX生成"));
    label_6->setText(tr("文件夹选择"));
    checkBox->setText(tr("13触控文件是否存在"));
    pushButton_3->setText(tr("打开13触控文件"));
    checkBox_2->setText(tr("14变量文件是否存在"));
    pushButton_4->setText(tr("打开14变量文件"));
    label_9->setText(tr("上电启动页面设置"));
    label_2->setText(tr("页面文件ID（RPL）"));
    label_3->setText(tr("启动页面ID"));
    label_10->setText(tr("触控伴音文件（ZVA）ID"));
    radioButton->setText(tr("蜂鸣器伴音"));
    radioButton_2->setText(tr("扬声器伴音"));
    radioButton_3->setText(tr("静音模式"));
    label_4->setText(tr("伴音文件ID（ZVA）"));
    label_5->setText(tr("伴音ID"));
    pushButton_2->setText(tr("生成KPX文件"));
}

void MainWindow::titlePress(QPoint p)
{
    const QPoint corner = frameGeometry().topLeft();
    m_offsetX = p.x() - corner.x();
    m_offsetY = p.y() - corner.y();
}

void MainWindow::titleMove(QPoint p)
{
    move(p.x() - m_offsetX, p.y() - m_offsetY);
}

void MainWindow::titleMax()
{
    setWindowState(isMaximized() ? Qt::WindowNoState : Qt::WindowMaximized);
}

void MainWindow::titlemin()
{
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::setSpeakerFieldsVisible(bool visible)
{
    for (QWidget *field : { static_cast<QWidget *>(label_4), static_cast<QWidget *>(label_5),
                            static_cast<QWidget *>(spinBox_3), static_cast<QWidget *>(spinBox_4) })
        field->setVisible(visible);
}

void MainWindow::on_radioButton_clicked()
{
    setSpeakerFieldsVisible(false);
}

void MainWindow::on_radioButton_2_clicked()
{
    setSpeakerFieldsVisible(true);
}

void MainWindow::on_radioButton_3_clicked()
{
    setSpeakerFieldsVisible(false);
}

void MainWindow::on_pushButton_3_clicked()
{
    label_7->setText(Prompt::current().getOpenFileName(this, QString(), QString(),
                                                       QStringLiteral("*bin")));
}

void MainWindow::on_pushButton_4_clicked()
{
    label_8->setText(Prompt::current().getOpenFileName(this, QString(), QString(),
                                                       QStringLiteral("*bin")));
}

KpxSettings MainWindow::settings() const
{
    KpxSettings settings;
    settings.pageFileId = spinBox_1->value();
    settings.startPageId = spinBox_2->value();
    settings.sound = radioButton->isChecked() ? KpxSound::Buzzer
            : radioButton_3->isChecked()      ? KpxSound::Silent
                                              : KpxSound::Speaker;
    settings.audioFileId = spinBox_3->value();
    settings.audioId = spinBox_4->value();
    return settings;
}

// An included file replaces its builder data, a file left out clears it.
bool MainWindow::readIncluded(const QCheckBox *include, const QLabel *path, QByteArray *data,
                              const QString &missing)
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
    return readIncluded(checkBox, label_7, &m_touchData, tr("13文件未找到！"))
            && readIncluded(checkBox_2, label_8, &m_variableData, tr("14文件未找到！"));
}

void MainWindow::on_pushButton_2_clicked()
{
    if (!readInputs())
        return;
    KpxSources sources;
    sources.touchIncluded = checkBox->isChecked();
    sources.touch = m_touchData;
    sources.variablesIncluded = checkBox_2->isChecked();
    sources.variables = m_variableData;
    const KpxBuild build = buildKpx(sources, settings(), QDateTime::currentDateTime());
    if (build.refusal != KpxRefusal::None) {
        Prompt::current().warning(this, tr("警告"),
                                  kpxRefusalText(build, label_8->text(), m_variableData.size()));
        return;
    }

    const QString path = Prompt::current().getSaveFileName(this, QString(), QString(),
                                                           QStringLiteral("*.KPX"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWholeFile(path, build.bytes, &error)) {
        Prompt::current().warning(this, tr("警告"),
                                  tr("KPX文件%1写入失败：%2").arg(path, error));
        return;
    }
    Prompt::current().information(this, tr("提示"), tr("KPX文件生成完成！"));
}
