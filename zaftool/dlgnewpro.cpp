#include "dlgnewpro.h"

#include "prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DlgNewPro::DlgNewPro(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("目录选择"));

    auto *btnNewPro = new QPushButton(tr("新工程目录"), this);
    btnNewPro->setObjectName(QStringLiteral("btnNewPro"));
    auto *btnOldPro = new QPushButton(tr("已有工程目录"), this);
    btnOldPro->setObjectName(QStringLiteral("btnOldPro"));
    // Neither choice is the obvious one, so Enter must not pick a folder by itself.
    btnNewPro->setAutoDefault(false);
    btnOldPro->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnNewPro);
    buttons->addWidget(btnOldPro);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(tr("提示："), this));
    layout->addWidget(new QLabel(tr("新建工程，请点击\"新工程目录\"按钮"), this));
    layout->addWidget(new QLabel(tr("打开已有工程，请点击\"已有工程目录\"按钮"), this));

    connect(btnNewPro, &QPushButton::clicked, this, &DlgNewPro::on_btnNewPro_clicked);
    connect(btnOldPro, &QPushButton::clicked, this, &DlgNewPro::on_btnOldPro_clicked);
}

void DlgNewPro::on_btnNewPro_clicked()
{
    const QString path
        = Prompt::current().getExistingDirectory(this, tr("选择工程目录"), QStringLiteral("../"));
    if (path.isEmpty())
        return;
    emit newPro(path);
    accept();
}

void DlgNewPro::on_btnOldPro_clicked()
{
    const QString file = Prompt::current().getOpenFileName(
        this, tr("打开工程文件"), QString(), QStringLiteral("*.prozaf"));
    if (file.isEmpty())
        return;
    emit oldPro(file);
    accept();
}
