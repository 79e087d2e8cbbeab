#include "jpegencoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "filebytes.h"
#include "zaflog.h"

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
// JPEG frame sizes are 16-bit, and libjpeg refuses more than this.
constexpr int largestJpegSide = 65500;
constexpr std::size_t initialBufferSize = 512 * 1024;

quint32 littleEndian(const QByteArray &bytes, int at, int count)
{
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// libjpeg's default error handler ends the process; this one jumps back to encode().
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings would otherwise go to stderr; a glyph encoding has no one to read them.
void ignoreMessage(j_common_ptr) { }

} // namespace

// Writes into the encoder's buffer, growing it when full and keeping it for the next
// encoding.
struct JpegDestination
{
    jpeg_destination_mgr pub;
    JpegEncoder *encoder;

    static JpegDestination *of(j_compress_ptr cinfo)
    {
        return reinterpret_cast<JpegDestination *>(cinfo->dest);
    }

    static void grow(j_compress_ptr cinfo, std::size_t capacity)
    {
        JpegEncoder *encoder = of(cinfo)->encoder;
        void *grown = std::realloc(encoder->m_data, capacity);
        if (!grown)
            ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
        encoder->m_data = static_cast<unsigned char *>(grown);
        encoder->m_capacity = capacity;
    }

    static void init(j_compress_ptr cinfo)
    {
        JpegEncoder *encoder = of(cinfo)->encoder;
        if (encoder->m_capacity == 0)
            grow(cinfo, initialBufferSize);
        cinfo->dest->next_output_byte = encoder->m_data;
        cinfo->dest->free_in_buffer = encoder->m_capacity;
    }

    static boolean empty(j_compress_ptr cinfo)
    {
        JpegEncoder *encoder = of(cinfo)->encoder;
        const std::size_t used = encoder->m_capacity;
        grow(cinfo, used * 2);
        cinfo->dest->next_output_byte = encoder->m_data + used;
        cinfo->dest->free_in_buffer = encoder->m_capacity - used;
        return TRUE;
    }

    static void term(j_compress_ptr cinfo)
    {
        JpegEncoder *encoder = of(cinfo)->encoder;
        encoder->m_size = encoder->m_capacity - cinfo->dest->free_in_buffer;
    }
};

qint64 bmpBytesNeeded(const QByteArray &bytes)
{
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return 0;
    const quint32 headerSize = littleEndian(bytes, 14, 4);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    if (headerSize == 12) {
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bitCount = static_cast<int>(littleEndian(bytes, 24, 2));
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        const quint32 compression = littleEndian(bytes, 30, 4);
        if (compression != 0 && compression != 3) // RGB or bit fields
            return 0;
        width = static_cast<qint32>(littleEndian(bytes, 18, 4));
        height = static_cast<qint32>(littleEndian(bytes, 22, 4));
        bitCount = static_cast<int>(littleEndian(bytes, 28, 2));
    } else {
        return 0;
    }
    // Beyond these Qt refuses the picture anyway; the bound keeps the product in range.
    const qint64 largest = qint64(1) << 24;
    if (bitCount > 64 || std::abs(width) > largest || std::abs(height) > largest)
        return 0;
    const qint64 stride = (std::abs(width) * bitCount + 31) / 32 * 4;
    return littleEndian(bytes, 10, 4) + stride * std::abs(height);
}

bool readBmp24(const QByteArray &bmp, BmpPixels *pixels, QString *error)
{
    if (bmp.size() < fileHeaderSize + infoHeaderSize || bmp.at(0) != 'B' || bmp.at(1) != 'M') {
        *error = QStringLiteral("not a BMP file (no complete BMP header)");
        return false;
    }
    const qint64 offset = littleEndian(bmp, 10, 4);
    const qint32 width = static_cast<qint32>(littleEndian(bmp, fileHeaderSize + 4, 4));
    const qint32 height = static_cast<qint32>(littleEndian(bmp, fileHeaderSize + 8, 4));
    const int bitCount = static_cast<int>(littleEndian(bmp, fileHeaderSize + 14, 2));
    if (bitCount != 24) {
        *error
            = QStringLiteral("the BMP has %1 bits per pixel; only 24 can be encoded").arg(bitCount);
        return false;
    }
    if (width <= 0 || height <= 0 || width > largestJpegSide || height > largestJpegSide) {
        *error = QStringLiteral("the BMP is %1 x %2 pixels; a bottom-up picture of 1 to %3 "
                                "pixels a side is needed")
                     .arg(width)
                     .arg(height)
                     .arg(largestJpegSide);
        return false;
    }
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    if (offset < fileHeaderSize + infoHeaderSize || offset + stride * height > bmp.size()) {
        *error = QStringLiteral("the BMP is truncated: its pixel data does not fit in %1 bytes")
                     .arg(bmp.size());
        return false;
    }
    const int rowBytes = width * 3;
    QByteArray rgb(rowBytes * height, Qt::Uninitialized);
    for (int row = 0; row < height; ++row) {
        const char *source = bmp.constData() + offset + stride * (height - 1 - row);
        char *target = rgb.data() + qint64(row) * rowBytes;
        for (int x = 0; x < rowBytes; x += 3) {
            target[x] = source[x + 2];
            target[x + 1] = source[x + 1];
            target[x + 2] = source[x];
        }
    }
    pixels->width = width;
    pixels->height = height;
    pixels->rgb = rgb;
    return true;
}

JpegEncoder::~JpegEncoder()
{
    std::free(m_data);
}

QByteArray JpegEncoder::bytes() const
{
    return QByteArray(reinterpret_cast<const char *>(m_data), static_cast<int>(m_size));
}

bool JpegEncoder::encode(const BmpPixels &pixels, int quality, QString *error)
{
    m_size = 0;
    if (pixels.width <= 0 || pixels.height <= 0
        || pixels.rgb.size() != qint64(pixels.width) * pixels.height * 3) {
        *error = QStringLiteral("no picture to encode");
        return false;
    }
    if (quality < 1 || quality > 100) {
        *error = QStringLiteral("quality %1 is outside 1 to 100").arg(quality);
        return false;
    }
    jpeg_compress_struct cinfo;
    // Zeroed so that destroying after a failure inside jpeg_create_compress is safe.
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.output_message = ignoreMessage;
    JpegDestination destination;
    destination.encoder = this;
    destination.pub.init_destination = JpegDestination::init;
    destination.pub.empty_output_buffer = JpegDestination::empty;
    destination.pub.term_destination = JpegDestination::term;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        m_size = 0;
        *error = QStringLiteral("JPEG encoding failed: %1").arg(QLatin1String(errors.message));
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = &destination.pub;
    cinfo.image_width = static_cast<JDIMENSION>(pixels.width);
    cinfo.image_height = static_cast<JDIMENSION>(pixels.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.comp_info[0].h_samp_factor = 1;
    cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    const qint64 rowBytes = qint64(pixels.width) * 3;
    auto *first = reinterpret_cast<JSAMPLE *>(const_cast<char *>(pixels.rgb.constData()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = first + rowBytes * cinfo.next_scanline;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

QByteArray encodeJpeg(const BmpPixels &pixels, int quality, QString *error)
{
    JpegEncoder encoder;
    if (!encoder.encode(pixels, quality, error))
        return QByteArray();
    return encoder.bytes();
}

namespace {

bool readBmpFile(const QString &bmpPath, BmpPixels *pixels, QString *error)
{
    QByteArray bmp;
    QString reason;
    if (!readWholeFile(bmpPath, &bmp, &reason)) {
        *error = QStringLiteral("cannot open '%1': %2").arg(bmpPath, reason);
        return false;
    }
    if (!readBmp24(bmp, pixels, &reason)) {
        *error = QStringLiteral("'%1': %2").arg(bmpPath, reason);
        return false;
    }
    return true;
}

bool writeJpeg(const QString &jpegPath, const QByteArray &jpeg, QString *error)
{
    QString reason;
    if (writeWholeFile(jpegPath, jpeg, &reason))
        return true;
    *error = QStringLiteral("cannot write '%1': %2").arg(jpegPath, reason);
    return false;
}

} // namespace

bool bmpToJpeg(const QString &bmpPath, const QString &jpegPath, int quality, QString *error)
{
    BmpPixels pixels;
    if (!readBmpFile(bmpPath, &pixels, error))
        return false;
    const QByteArray jpeg = encodeJpeg(pixels, quality, error);
    return !jpeg.isEmpty() && writeJpeg(jpegPath, jpeg, error);
}

QualityLoopResult compressToLimit(const BmpPixels &pixels)
{
    QualityLoopResult result;
    JpegEncoder encoder;
    int quality = glyphTopQuality;
    if (!encoder.encode(pixels, quality, &result.error))
        return result;
    while (encoder.size() > std::size_t(glyphSizeLimit)) {
        qCDebug(zafLog).nospace() << "compress quality=" << quality;
        qCDebug(zafLog).nospace() << "file size=" << encoder.size();
        --quality;
        if (!encoder.encode(pixels, quality, &result.error))
            return result;
        if (quality == glyphLowestQuality)
            break;
    }
    result.ok = true;
    result.quality = quality;
    result.jpeg = encoder.bytes();
    return result;
}

QualityLoopResult compressFileToLimit(const QString &bmpPath, const QString &jpegPath)
{
    QualityLoopResult result;
    BmpPixels pixels;
    if (!readBmpFile(bmpPath, &pixels, &result.error))
        return result;
    result = compressToLimit(pixels);
    if (result.ok && !writeJpeg(jpegPath, result.jpeg, &result.error))
        result.ok = false;
    return result;
}
