#include "dlgprorecord.h"

#include "prompt.h"

#include <QCommandLinkButton>
#include <QFile>
#include <QLabel>
#include <QTextStream>

DlgProRecord::DlgProRecord(QWidget *parent, const QString &recordFile)
    : QDialog(parent)
{
    setWindowTitle(tr("打开记录"));
    resize(653, 332);
    auto *caption = new QLabel(tr("最近打开的工程"), this);
    caption->setGeometry(30, 40, 600, 40);

    // Read and write, so that a missing record file is created empty.
    QFile file(recordFile);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Text)) {
        Prompt::current().information(parent, QString(), tr("工程记录文件打开失败"));
        return;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    for (int i = 0; i < 4 && !stream.atEnd(); ++i) {
        auto *button = new QCommandLinkButton(stream.readLine(), this);
        button->setGeometry(30, 100 + 50 * i, 600, 30);
        connect(button, &QCommandLinkButton::clicked, this, [this, button] {
            emit openProject(button->text());
            accept();
        });
    }
}
