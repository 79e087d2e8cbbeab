#include "dlgnewpro.h"

#include "prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DlgNewPro::DlgNewPro(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("new project"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/CompanyICO2.png")));

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtPath"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(300);
    auto *btnSelectPath = new QPushButton(QStringLiteral("..."), this);
    btnSelectPath->setObjectName(QStringLiteral("btnSelectPath"));
    btnSelectPath->setAutoDefault(false);

    // The module's screen settings: kept for the signal, not offered to the user.
    auto *screen = new QWidget(this);
    screen->setObjectName(QStringLiteral("groupScreen"));
    m_size = new QComboBox(screen);
    m_size->setObjectName(QStringLiteral("cmbSize"));
    m_size->addItems(
        { QStringLiteral("480*272"), QStringLiteral("800*480"), QStringLiteral("1024*600") });
    m_pixmap = new QComboBox(screen);
    m_pixmap->setObjectName(QStringLiteral("cmbPixmap"));
    m_pixmap->addItems({ QStringLiteral("16"), QStringLiteral("24") });
    auto *screenLayout = new QHBoxLayout(screen);
    screenLayout->addWidget(m_size);
    screenLayout->addWidget(m_pixmap);
    screen->hide();

    auto *tip1 = new QLabel(tr("Tip: if there are project files in the selected directory,"), this);
    auto *tip2 = new QLabel(tr("Open the project file directly"), this);
    for (QLabel *tip : { tip1, tip2 })
        tip->setStyleSheet(QStringLiteral("color:red;font:14px;"));

    auto *btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    auto *btnCancel = new QPushButton(tr("cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(tr("path"), this));
    pathRow->addWidget(m_path);
    pathRow->addWidget(btnSelectPath);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(screen);
    layout->addWidget(tip1);
    layout->addWidget(tip2);
    layout->addLayout(buttons);

    connect(btnSelectPath, &QPushButton::clicked, this, &DlgNewPro::on_btnSelectPath_clicked);
    connect(btnOk, &QPushButton::clicked, this, &DlgNewPro::on_btnOk_clicked);
    connect(btnCancel, &QPushButton::clicked, this, &DlgNewPro::on_btnCancel_clicked);
}

void DlgNewPro::on_btnSelectPath_clicked()
{
    const QString path = Prompt::current().getExistingDirectory(
        this, tr("change project path"), QStringLiteral("../"));
    if (!path.isEmpty())
        m_path->setText(path);
}

void DlgNewPro::on_btnOk_clicked()
{
    if (m_path->text().isEmpty()) {
        Prompt::current().information(
            this, tr("project path can't null"), tr("please select project"));
        return;
    }
    emit sendData(m_size->currentText(), m_pixmap->currentText(), m_path->text());
    accept();
}

void DlgNewPro::on_btnCancel_clicked()
{
    reject();
}
