#include "standardfont.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "filebytes.h"
#include "glyphscene.h"
#include "character.h"

namespace {

constexpr int kHighestFontNumber = 65535;

int roundUpTo4(int value)
{
    return (value + 3) & ~3;
}

} // namespace

QSize getFontPointSize(const QFont &font)
{
    const QFontMetrics metrics(font);
    int width = 0;
    int height = 0;
    for (int code = kFirstStandardChar + 1; code <= kLastStandardChar; ++code) {
        width = qMax(width, metrics.horizontalAdvance(QChar(code)));
        height = qMax(height, metrics.height());
    }
    return QSize(roundUpTo4(width), roundUpTo4(height));
}

int nextFontNumber(const FontImageList &images)
{
    if (images.empty())
        return 0;
    const int highest = images.rbegin()->first;
    return highest < kHighestFontNumber ? highest + 1 : -1;
}

QString getFileName(const FontImageList &images)
{
    const int number = nextFontNumber(images);
    return number < 0 ? QString() : QString::number(number) + QStringLiteral(".jpg");
}

QRect standardCell(int code, const QSize &cell)
{
    const int index = code - kFirstStandardChar;
    return QRect((index % kStandardGridColumns) * cell.width(),
        (index / kStandardGridColumns) * cell.height(), cell.width(), cell.height());
}

bool drawJpg(const QFont &font, const QColor &colour, const QString &strPath, QString *error)
{
    const QSize cell = getFontPointSize(font);
    QImage picture(cell * kStandardGridColumns, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(colour);
        for (int code = kFirstStandardChar; code <= kLastStandardChar; ++code)
            painter.drawText(
                standardCell(code, cell), Qt::AlignTop | Qt::AlignLeft, QString(QChar(code)));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "jpg", 100)) {
        *error = QStringLiteral("the picture cannot be encoded as JPEG");
        return false;
    }
    return writeWholeFile(strPath, jpeg, error);
}

void stdFontAddRect(FontScene *scene, const QFont &font)
{
    const QSize cell = getFontPointSize(font);
    for (int code = kFirstStandardChar; code <= kLastStandardChar; ++code)
        addCharacter(scene, standardCell(code, cell))->asc = code;
}
