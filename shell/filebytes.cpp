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

namespace {

// A device node or a FIFO: there is no file to replace, and renaming a new one over it
// would take its place (as root, /dev/null would become a regular file).
bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool writeDirectly(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    if (isSpecialFile(path))
        return writeDirectly(path, bytes, error);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // Qt 5's commit() swaps the file in even when its last buffered bytes could not be
    // written (a full disk), so they are flushed and checked here.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
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
