// The glyph encoder's quality loop on detailed pictures of 1920 x 1080 and 3840 x 2160,
// which stay above the size limit down to quality 50 (51 encodings), against the same
// encodings done one by one in memory.

#include <QCoreApplication>
#include <QVector>

#include "benchsupport.h"
#include "jpegencoder.h"
#include "zaffixtures.h"

namespace {

volatile qint64 sink = 0; // keeps the reference encodings from being optimised away

void measure(const char *size, int width, int height, int repeats)
{
    const BmpPixels pixels = bench::fixturePixels(7, width, height, 40);
    const QByteArray name = QByteArray("jpeg_loop_") + size;

    int quality = 0;
    const double loopMs = bench::bestMilliseconds(repeats, [&] {
        const QualityLoopResult result = compressToLimit(pixels);
        quality = result.quality;
    });
    // The loop tries 100, 99, ... down to the quality it settles on.
    QVector<int> qualities;
    for (int q = glyphTopQuality; q >= quality; --q)
        qualities.append(q);
    QString error;

    const double referenceMs = bench::bestMilliseconds(repeats, [&] {
        for (int q : qualities)
            sink = sink + encodeJpeg(pixels, q, &error).size();
    });
    bench::print((name + "_encodings").constData(), qualities.size(), "encodings");
    bench::print((name + "_quality").constData(), quality, "quality");
    bench::print((name + "_ms").constData(), loopMs, "ms");
    bench::print((name + "_reference_ms").constData(), referenceMs, "ms");
    bench::print((name + "_ratio").constData(), loopMs / referenceMs, "x_reference(target<=1.05)");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(bench::dropDebug);
    measure("1080p", 1920, 1080, 2);
    measure("2160p", 3840, 2160, 1);
    return 0;
}
