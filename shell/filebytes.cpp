#include "filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool readWholeFile(const QString &path, QByteArray *bytes, QString *error)
{
    if (path.isEmpty()) {
        *error = QStringLiteral("No file name given");
        return false;
    }
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("Is a directory");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *bytes = content;
    return true;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
