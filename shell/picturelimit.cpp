#include "picturelimit.h"

QString pictureSizeProblem(const QString &what, const QSize &size)
{
    if (!size.isValid() || (size.width() <= MaxPictureSide && size.height() <= MaxPictureSide))
        return QString();
    return QStringLiteral("%1 has %2 x %3 pixels, more than the %4 x %4 a picture may have")
        .arg(what)
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPictureSide);
}
