#include "picturenumber.h"

QString pictureNumberDigits(const QString &fileName)
{
    int count = 0;
    while (count < 5 && count < fileName.size()) {
        const ushort code = fileName.at(count).unicode();
        if (code < '0' || code > '9')
            break;
        ++count;
    }
    if (count == 0)
        return QString();
    const QString digits = fileName.left(count);
    return digits.toInt() > 65535 ? QString() : digits;
}

int pictureNumber(const QString &fileName)
{
    const QString digits = pictureNumberDigits(fileName);
    return digits.isEmpty() ? -1 : digits.toInt();
}
