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
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = QStringLiteral("Is a directory");
        return false;
    }
    // A device or a FIFO may never end, or block before it begins.
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    const QString tooLarge
        = QStringLiteral("Larger than %1 bytes, the most a file read here may hold")
              .arg(MaxInputFileSize);
    if (info.size() > MaxInputFileSize) {
        *error = tooLarge;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // Bounded, for a file that grows while it is read.
    QByteArray content = file.read(MaxInputFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    if (content.size() > MaxInputFileSize) {
        *error = tooLarge;
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

// Writes on after a short write: a disk that fills up takes part of the bytes without an
// error (Qt then reports "Unknown error"), and only the next attempt gets the system's
// reason ("No space left on device"). The same holds for flushing the buffered rest.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 at = 0; at < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + at, bytes.size() - at);
        if (written <= 0)
            return false;
        at += written;
    }
    return file.flush() || file.flush();
}

bool writeDirectly(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes)) {
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
    if (!writeAll(file, bytes)) {
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
