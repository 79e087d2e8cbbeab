#include "projectrecord.h"

#include "prompt.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

} // namespace

void saveOpenRecord(QWidget *parent, const QString &path, const QString &recordFile)
{
    // No record file yet means no project recorded yet; the write below creates it.
    QStringList records;
    QFile in(recordFile);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
            Prompt::current().information(parent, QString(), text("读取工程记录文件打开失败"));
            return;
        }
        QTextStream stream(&in);
        stream.setCodec("UTF-8");
        while (!stream.atEnd())
            records.append(stream.readLine());
        in.close();
    }

    records.removeOne(path);
    records = records.mid(0, 3);
    records.prepend(path);

    QSaveFile out(recordFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        Prompt::current().information(parent, QString(), text("保存工程记录文件打开失败"));
        return;
    }
    QTextStream stream(&out);
    stream.setCodec("UTF-8");
    for (const QString &record : qAsConst(records))
        stream << record << '\n';
    stream.flush();
    // Qt 5's commit() swaps the file in even when the buffered bytes could not be written.
    if (!out.flush() || !out.commit())
        Prompt::current().information(parent, QString(), text("保存工程记录文件打开失败"));
}
