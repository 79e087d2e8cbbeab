// The BMP reader of the glyph encoder; small pictures go on through the JPEG encoder.
#include "fuzzsupport.h"

#include "jpegencoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BmpPixels pixels;
    QString error;
    if (!readBmp24(fuzzBytes(data, size), &pixels, &error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    if (pixels.width <= 0 || pixels.height <= 0
        || pixels.rgb.size() != qint64(3) * pixels.width * pixels.height)
        std::abort();
    // Encoding is slow; the reader is what is fuzzed, the encoder only sees what it passes.
    if (qint64(pixels.width) * pixels.height <= 4096) {
        JpegEncoder encoder;
        if (!encoder.encode(pixels, 75, &error) || encoder.size() == 0)
            std::abort();
    }
    return 0;
}
