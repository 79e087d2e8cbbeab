#pragma once

#include <QSize>
#include <QString>

// The largest picture side the tools take: several times any module's screen, and small
// enough that a picture, its copies and the scanner's buffers stay within memory.
constexpr int MaxPictureSide = 8192;

// Empty when a picture of `size` may be taken, else why not, starting with `what` (the
// quoted file name, or "the picture"). An invalid size (the header does not tell) is left
// to the decoder.
QString pictureSizeProblem(const QString &what, const QSize &size);
inline QString fileSizeProblem(const QString &file, const QSize &size)
{
    return pictureSizeProblem(QStringLiteral("'%1'").arg(file), size);
}
