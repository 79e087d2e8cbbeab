#include "picturecutshort.h"

namespace {

// The blocks of a GIF up to its trailer 3B: extensions and pictures, each picture's data
// in sub-blocks ended by an empty one. False when the bytes end first.
bool gifReachesTrailer(const QByteArray &gif)
{
    const qint64 size = gif.size();
    const auto byteAt = [&gif](qint64 at) { return static_cast<unsigned char>(gif.at(int(at))); };
    // A colour table of 2^(n+1) entries follows when bit 7 of `flags` is set.
    const auto colourTable
        = [](unsigned char flags) { return flags & 0x80 ? 3 * (2 << (flags & 0x07)) : 0; };
    const auto skipSubBlocks = [&](qint64 at) {
        while (at < size && byteAt(at) != 0)
            at += 1 + byteAt(at);
        return at < size ? at + 1 : -1;
    };
    qint64 at = 13; // signature, version and the screen descriptor
    if (size < at)
        return false;
    at += colourTable(byteAt(10));
    while (at >= 0 && at < size) {
        switch (byteAt(at)) {
        case 0x3B:
            return true;
        case 0x21: // extension: label, then sub-blocks
            at = at + 2 <= size ? skipSubBlocks(at + 2) : -1;
            break;
        case 0x2C: // picture: descriptor, local colour table, code size, then sub-blocks
            if (at + 10 > size)
                return false;
            at += 10 + colourTable(byteAt(at + 9));
            at = at < size ? skipSubBlocks(at + 1) : -1;
            break;
        default: // what no decoder reads past
            return true;
        }
    }
    return false;
}

// The chunks of a PNG up to IEND: length, type, data and checksum each.
bool pngReachesEnd(const QByteArray &png)
{
    qint64 at = 8;
    while (at + 8 <= png.size()) {
        const auto byteAt = [&png](qint64 i) {
            return static_cast<quint32>(static_cast<unsigned char>(png.at(int(i))));
        };
        const qint64 length
            = byteAt(at) << 24 | byteAt(at + 1) << 16 | byteAt(at + 2) << 8 | byteAt(at + 3);
        if (png.mid(int(at) + 4, 4) == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

// Scan data stuffs every FF byte, so a whole JPEG has FF D9 after its first scan header.
bool jpegReachesEnd(const QByteArray &jpeg)
{
    const int scan = jpeg.indexOf(QByteArrayLiteral("\xFF\xDA"));
    return scan >= 0 && jpeg.lastIndexOf(QByteArrayLiteral("\xFF\xD9")) > scan;
}

} // namespace

QString cutShortProblem(const QString &file, const QByteArray &bytes)
{
    QString missing;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) {
        if (!gifReachesTrailer(bytes))
            missing = QStringLiteral("the GIF ends before its trailer 3B");
    } else if (bytes.startsWith("\x89PNG\r\n\x1A\n")) {
        if (!pngReachesEnd(bytes))
            missing = QStringLiteral("the PNG ends before its IEND chunk");
    } else if (bytes.startsWith("\xFF\xD8")) {
        if (!jpegReachesEnd(bytes))
            missing = QStringLiteral("the JPEG has no end of picture FF D9 after its scan data");
    }
    return missing.isEmpty() ? QString()
                             : QStringLiteral("'%1' is cut short: %2").arg(file, missing);
}
