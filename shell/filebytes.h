#pragma once

#include <QByteArray>
#include <QString>

// Reads the whole file at `path` into `bytes`. On failure returns false and puts the
// system's reason into `error` (a directory counts as a file that cannot be read).
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error);

// Writes `bytes` to `path` whole or not at all: an existing file is replaced only when
// every byte has reached the disk. An existing device or FIFO is written to as it is,
// never replaced. On failure returns false with the reason in `error`.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error);
