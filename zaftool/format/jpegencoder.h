#pragma once

#include <cstddef>

#include <QByteArray>
#include <QString>

// A converted glyph JPEG is accepted at this size or below.
constexpr qint64 glyphSizeLimit = 255999;
constexpr int glyphTopQuality = 100;
constexpr int glyphLowestQuality = 50;

// Pixels of a 24-bit BMP as the encoder passes them: RGB, 3 * width bytes per row, no
// padding, top row first.
struct BmpPixels
{
    int width = 0;
    int height = 0;
    QByteArray rgb;
};

// Reads an uncompressed bottom-up 24-bit BMP. Anything else (other depth, truncated,
// top-down, sizes out of range) is refused with the reason in `error`; nothing outside
// `bmp` is read.
bool readBmp24(const QByteArray &bmp, BmpPixels *pixels, QString *error);

// Bytes an uncompressed BMP of any depth needs for all its pixel rows, or 0 when that cannot
// be told (not a BMP, compressed, or beyond any picture Qt decodes). Qt decodes a BMP cut
// short without complaint and leaves the missing rows as uninitialised memory.
qint64 bmpBytesNeeded(const QByteArray &bytes);

// Baseline JPEG encoder with the glyph settings (1 x 1 sampling, baseline quality table,
// optimised Huffman tables, float DCT). Keeps one output buffer across encodings, so a
// quality loop does not reallocate on every step.
class JpegEncoder
{
public:
    JpegEncoder() = default;
    ~JpegEncoder();
    JpegEncoder(const JpegEncoder &) = delete;
    JpegEncoder &operator=(const JpegEncoder &) = delete;

    // Encodes at `quality` (1 ... 100). On failure returns false with the library's
    // message in `error`; the process never ends on a library error.
    bool encode(const BmpPixels &pixels, int quality, QString *error);

    // The last successful encoding; valid until the next encode().
    const unsigned char *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    QByteArray bytes() const;

private:
    friend struct JpegDestination;
    unsigned char *m_data = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
};

// One picture encoded in memory at `quality`; an empty array on failure.
QByteArray encodeJpeg(const BmpPixels &pixels, int quality, QString *error);

// The BMP-to-JPEG encoder: reads the 24-bit BMP at `bmpPath` and writes the JPEG at
// `jpegPath` (whole or not at all). Returns false with the reason in `error`.
bool bmpToJpeg(const QString &bmpPath, const QString &jpegPath, int quality, QString *error);

struct QualityLoopResult
{
    bool ok = false;
    int quality = 0;
    QByteArray jpeg;
    QString error;
};

// The quality loop: quality 100, then one lower while the JPEG is larger than
// glyphSizeLimit, stopping at 50. The result is the last encoding.
QualityLoopResult compressToLimit(const BmpPixels &pixels);

// The quality loop on a BMP file; writes only the accepted JPEG, once, to `jpegPath`.
QualityLoopResult compressFileToLimit(const QString &bmpPath, const QString &jpegPath);
