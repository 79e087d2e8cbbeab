#pragma once

#include <QByteArray>
#include <QString>

// The largest file any of the tools reads: far above what a module's resource files hold,
// far below what memory and QByteArray can.
constexpr qint64 MaxInputFileSize = 256 * 1024 * 1024;

// Reads the whole file at `path` into `bytes`. On failure returns false and puts the
// reason into `error`: the system's, or that the file is a directory, not a regular file
// (a device, a FIFO) or larger than MaxInputFileSize. Those are refused before reading.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error);

// Writes `bytes` to `path` whole or not at all: an existing file is replaced only when
// every byte has reached the disk. An existing device or FIFO is written to as it is,
// never replaced. On failure returns false with the reason in `error`.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error);
