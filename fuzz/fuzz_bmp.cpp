// The BMP readers of the glyph encoder, the length check and the 24-bit reader; small
// pictures go on through the JPEG encoder.
#include "fuzzsupport.h"

#include "jpegencoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const qint64 needed = bmpBytesNeeded(bytes);
    if (needed < 0)
        std::abort();
    BmpPixels pixels;
    QString error;
    if (!readBmp24(bytes, &pixels, &error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    if (pixels.width <= 0 || pixels.height <= 0
        || pixels.rgb.size() != qint64(3) * pixels.width * pixels.height)
        std::abort();
    // A picture the reader takes whole is never one the length check calls cut short. The
    // reader assumes the 40-byte header; the check also reads the old 12-byte one.
    const bool infoHeader = static_cast<uchar>(bytes.at(14)) >= 40 || bytes.at(15) != 0
        || bytes.at(16) != 0 || bytes.at(17) != 0;
    if (infoHeader && needed > bytes.size())
        std::abort();
    // Encoding is slow; the reader is what is fuzzed, the encoder only sees what it passes.
    if (qint64(pixels.width) * pixels.height <= 4096) {
        JpegEncoder encoder;
        if (!encoder.encode(pixels, 75, &error) || encoder.size() == 0)
            std::abort();
    }
    return 0;
}
