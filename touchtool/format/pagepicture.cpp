#include "pagepicture.h"

#include <QFileInfo>
#include <QStringList>

bool isPagePicture(const QFileInfo &file)
{
    static const QStringList suffixes
        = { QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
              QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("ico") };
    return suffixes.contains(file.suffix(), Qt::CaseInsensitive);
}
