#include "title.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpacerItem>

Title::Title(QWidget *parent, TitleStyle style)
    : QWidget(parent)
    , m_style(style)
{
    setupUi();
    if (m_style == TitleStyle::Signalling)
        btnMax->hide();
}

void Title::setupUi()
{
    const bool direct = m_style == TitleStyle::Direct;
    const int height = direct ? 45 : 50;
    setObjectName(QStringLiteral("Title"));
    resize(725, height);
    setMinimumSize(0, height);
    setMaximumSize(QWIDGETSIZE_MAX, height);

    barLayout = new QHBoxLayout(this);
    barLayout->setObjectName(QStringLiteral("horizontalLayout"));

    logoLabel = new QLabel(this);
    logoLabel->setObjectName(QStringLiteral("label"));
    logoLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    logoLabel->setMaximumSize(50, 30);
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/icons/logo.png")));
    logoLabel->setScaledContents(true);
    barLayout->addWidget(logoLabel);

    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("label_2"));
    titleLabel->setMinimumWidth(direct ? 400 : 200);
    if (direct) {
        QFont font(QStringLiteral("Arial"), 16);
        font.setWeight(75);
        titleLabel->setFont(font);
    }
    titleLabel->setStyleSheet(
        QStringLiteral("color: rgb(255, 255, 255);\n/*background-color: rgb(64, 158, 255);*/"));
    barLayout->addWidget(titleLabel);

    spacer = new QSpacerItem(339, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    barLayout->addItem(spacer);

    auto makeButton = [this, direct](const char *name, const char *icon) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setIcon(QIcon(QLatin1String(icon)));
        if (direct) {
            button->setIconSize(QSize(25, 25));
            button->setMinimumSize(30, 30);
        }
        barLayout->addWidget(button);
        return button;
    };
    btnMin = makeButton("btnMin", ":/icons/min.png");
    btnMax = makeButton("btnMax", direct ? ":/icons/max.png" : ":/icons/resize.png");
    btnClose = makeButton("btnClose", ":/icons/close.png");
    if (direct) {
        btnMin->setStyleSheet(QStringLiteral("QPushButton{\n\tbackground-color:transparent;\n}"));
        // Without a border image of its own, a raised button would paint a dark bevel.
        btnMin->setFlat(true);
        btnMax->setStyleSheet(
            QStringLiteral("QPushButton{\n\tbackground-color:transparent;\n"
                           "\tborder-image: url(:/lumo_icons/53.png);\n}\n"
                           "QPushButton:hover{\n\tborder-image: url(:/lumo_icons/61.png);\n}"));
        btnClose->setFlat(false);
        btnClose->setStyleSheet(
            QStringLiteral("QPushButton{\n\tbackground-color:transparent;\n"
                           "\tborder-image: url(:/lumo_icons/50.png);\n}\n"
                           "QPushButton:hover{\n\tborder-image: url(:/lumo_icons/58.png);\n}"));
    } else {
        // Flat, so that styles which paint a bevel from the button colour leave the bar
        // showing through instead of a dark box.
        for (QPushButton *button : { btnMin, btnMax, btnClose }) {
            button->setStyleSheet(QStringLiteral("background-color:transparent"));
            button->setFlat(true);
        }
    }

    retranslateUi();
    QMetaObject::connectSlotsByName(this);
}

void Title::retranslateUi()
{
    setWindowTitle(tr("Form"));
    titleLabel->setText(m_style == TitleStyle::Direct
            ? tr("Lumo QV command set touch configuration generation tool")
            : tr("KPX工具"));
}

void Title::on_btnMax_clicked()
{
    if (m_style == TitleStyle::Signalling) {
        emit max();
        return;
    }
    if (!m_window)
        return;
    if (m_window->isMaximized()) {
        m_window->setWindowState(Qt::WindowNoState);
        btnMax->setIcon(QIcon(QStringLiteral("://icons/max.png")));
    } else {
        m_window->setWindowState(Qt::WindowMaximized);
        btnMax->setIcon(QIcon(QStringLiteral("://icons/resize.png")));
    }
}

void Title::on_btnMin_clicked()
{
    if (m_style == TitleStyle::Signalling)
        emit min();
    else if (m_window)
        m_window->setWindowState(Qt::WindowMinimized);
}

void Title::on_btnClose_clicked()
{
    if (m_style == TitleStyle::Signalling)
        emit close();
    else if (m_window)
        m_window->close();
}

void Title::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint global = event->globalPos();
    if (m_style == TitleStyle::Signalling) {
        emit titlePress(global);
    } else if (m_window) {
        m_drag.press(m_window, global);
    }
}

void Title::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPos();
    if (m_style == TitleStyle::Signalling)
        emit titleMove(global);
    else if (m_window)
        m_drag.move(m_window, global);
}

void Title::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, QPixmap(QStringLiteral("://icons/title.png")));
}
