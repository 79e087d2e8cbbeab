#include "glyphscanner.h"

#include "filebytes.h"
#include "picturecutshort.h"
#include "picturelimit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QFile>
#include <QLibrary>

namespace {

using ScanFunction = void (*)(const QByteArray &, ScanResult &);

// The module beside the program: lib/lumo under the folder above bin/, in the build tree
// and when installed.
ScanFunction scanFunction(QString *error)
{
    static QString loadError;
    static const ScanFunction function = []() -> ScanFunction {
        QLibrary module(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/lumo/lumo_glyphscan"));
        const auto found = reinterpret_cast<ScanFunction>(module.resolve("lumo_scan_picture"));
        if (!found)
            loadError = module.errorString();
        return found;
    }();
    *error = loadError;
    return function;
}

} // namespace

ScanResult scanPicture(const QByteArray &pictureBytes)
{
    ScanResult result;
    // From the header alone: decoding a picture that claims to be huge would exhaust memory.
    QBuffer header;
    header.setData(pictureBytes);
    header.open(QIODevice::ReadOnly);
    result.error = pictureSizeProblem(QStringLiteral("the picture"), QImageReader(&header).size());
    if (!result.error.isEmpty())
        return result;
    QString error;
    const ScanFunction scan = scanFunction(&error);
    if (!scan) {
        result.error = QStringLiteral("the glyph scanner cannot be loaded: %1").arg(error);
        return result;
    }
    scan(pictureBytes, result);
    return result;
}

ScanResult scanPictureFile(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, &bytes, &error))
        return ScanResult();
    ScanResult cutShort;
    cutShort.error = cutShortProblem(path, bytes);
    return cutShort.error.isEmpty() ? scanPicture(bytes) : cutShort;
}
