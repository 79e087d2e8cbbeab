#include "glyphencoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "filebytes.h"
#include "jpegencoder.h"
#include "picturecutshort.h"
#include "picturelimit.h"
#include "zaflog.h"

PictureKind pictureKind(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("gif")
        || suffix == QLatin1String("png") || suffix == QLatin1String("ico"))
        return PictureKind::Converted;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureKind::Copied;
    return PictureKind::Refused;
}

GlyphFolders GlyphFolders::forProject(const QString &projectPath)
{
    return { projectPath, projectPath + QStringLiteral("/images") };
}

QString GlyphResult::qualityText() const
{
    return status == GlyphStatus::Copied ? QStringLiteral("copied") : QString::number(quality);
}

QString convertedPath(const GlyphFolders &folders, const QString &source)
{
    return folders.imagePath + QLatin1Char('/') + QFileInfo(source).baseName()
        + QStringLiteral(".jpg");
}

QString copiedPath(const GlyphFolders &folders, const QString &source)
{
    return folders.imagePath + QLatin1Char('/') + QFileInfo(source).fileName();
}

namespace {

GlyphResult failure(GlyphStatus status, const QString &error)
{
    GlyphResult result;
    result.status = status;
    result.error = error;
    return result;
}

// Transparent parts become white; Qt writes a 32-bit image as a 24-bit BMP.
QByteArray flattenedBmp(const QImage &picture)
{
    QImage flat(picture.size(), QImage::Format_ARGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "bmp", 100))
        return QByteArray();
    return bmp;
}

} // namespace

GlyphResult convertPicture(const QString &source, const QString &bmpPath, const QString &jpegPath)
{
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(source, &bytes, &reason))
        return failure(
            GlyphStatus::Unreadable, QStringLiteral("cannot read '%1': %2").arg(source, reason));
    QBuffer header(&bytes);
    header.open(QIODevice::ReadOnly);
    if (const QString problem = fileSizeProblem(source, QImageReader(&header).size());
        !problem.isEmpty())
        return failure(GlyphStatus::Undecodable, problem);
    // Before decoding: the decoder would give what it could read without a word.
    if (const QString problem = cutShortProblem(source, bytes); !problem.isEmpty())
        return failure(GlyphStatus::Undecodable, problem);
    QImage picture;
    if (!picture.loadFromData(bytes) || picture.isNull())
        return failure(GlyphStatus::Undecodable,
            QStringLiteral("'%1' cannot be decoded as a picture").arg(source));
    if (const qint64 needed = bmpBytesNeeded(bytes); needed > bytes.size())
        return failure(GlyphStatus::Undecodable,
            QStringLiteral("'%1' is cut short: its pixel rows need %2 bytes, the file has %3")
                .arg(source)
                .arg(needed)
                .arg(bytes.size()));
    const QByteArray bmp = flattenedBmp(picture);
    if (bmp.isEmpty())
        return failure(GlyphStatus::EncodeFailed,
            QStringLiteral("cannot make the intermediate BMP of '%1'").arg(source));
    if (!writeWholeFile(bmpPath, bmp, &reason))
        return failure(GlyphStatus::EncodeFailed,
            QStringLiteral("cannot write '%1': %2").arg(bmpPath, reason));
    // The BMP just written is the encoder's input, so it need not be read back.
    BmpPixels pixels;
    if (!readBmp24(bmp, &pixels, &reason))
        return failure(GlyphStatus::EncodeFailed, QStringLiteral("'%1': %2").arg(bmpPath, reason));
    const QualityLoopResult loop = compressToLimit(pixels);
    if (!loop.ok)
        return failure(GlyphStatus::EncodeFailed, loop.error);
    if (!writeWholeFile(jpegPath, loop.jpeg, &reason))
        return failure(GlyphStatus::EncodeFailed,
            QStringLiteral("cannot write '%1': %2").arg(jpegPath, reason));
    GlyphResult result;
    result.status = GlyphStatus::Converted;
    result.storedPath = jpegPath;
    result.quality = loop.quality;
    return result;
}

GlyphResult copyPic(const GlyphFolders &folders, QString *file)
{
    // The picture is shown decoded later; one that claims to be huge is not taken.
    if (const QString problem = fileSizeProblem(*file, QImageReader(*file).size());
        !problem.isEmpty())
        return failure(GlyphStatus::Undecodable, problem);
    const QString destination = copiedPath(folders, *file);
    QFile source(*file);
    if (!source.copy(destination)) {
        qCDebug(zafLog).noquote().nospace() << "copy err " << *file;
        return failure(GlyphStatus::CopyFailed,
            QStringLiteral("cannot copy '%1' to '%2': %3")
                .arg(*file, destination, source.errorString()));
    }
    qCDebug(zafLog).noquote().nospace() << "copy ok " << destination;
    *file = destination;
    GlyphResult result;
    result.status = GlyphStatus::Copied;
    result.storedPath = destination;
    return result;
}

GlyphResult copyImg(const GlyphFolders &folders, QString *file)
{
    const GlyphResult result
        = convertPicture(*file, folders.temporaryBmp(), convertedPath(folders, *file));
    if (result.stored())
        *file = result.storedPath;
    return result;
}

GlyphResult checkFile(const GlyphFolders &folders, QString *file)
{
    switch (pictureKind(*file)) {
    case PictureKind::Converted:
        return copyImg(folders, file);
    case PictureKind::Copied:
        return copyPic(folders, file);
    case PictureKind::Refused:
        break;
    }
    return failure(GlyphStatus::Refused,
        QStringLiteral("'%1' is not a bmp, gif, png, ico, jpg or jpeg picture").arg(*file));
}
