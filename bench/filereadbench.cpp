// The readers of the binary files at 1x, 10x and 100x their input: touch configuration
// files of 10 000 to 1 000 000 areas, icon-font files of 10 to 1 000 fonts, start-up files
// of 40 to 4 000 pages, 24-bit BMPs of 10 000 to 1 000 000 pixels. Each must grow
// linearly; the decoders print through a sink, as lumo dump does.

#include <cmath>

#include <QBuffer>
#include <QDateTime>
#include <QImage>

#include "benchsupport.h"
#include "jpegencoder.h"
#include "kpxbuilder.h"
#include "kpxdump.h"
#include "touchdump.h"
#include "touchrecord.h"
#include "zafdump.h"
#include "zafwriter.h"

namespace {

volatile qint64 sink = 0; // keeps the measured work from being optimised away

const DumpLineSink counted = [](const QString &line) { sink = sink + line.size(); };

QByteArray touchFile(int areas)
{
    QVector<TouchRecord> records;
    for (int i = 0; i < areas; ++i)
        records.append(touchRecordFor(i % 4000, i % 700, i % 400, 20, 10, 1, 2, i % 65536));
    return encodeTouchFile(records);
}

QByteArray zafFile(int fonts)
{
    BmpPixels pixels;
    pixels.width = 64;
    pixels.height = 64;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            pixels.rgb += QByteArray(3, char(x * 4 ^ y * 4));
    QString error;
    const QByteArray jpeg = encodeJpeg(pixels, 90, &error);
    QVector<ZafFontInput> inputs;
    for (int number = 0; number < fonts; ++number) {
        ZafFontInput input;
        input.number = number;
        input.jpeg = jpeg;
        for (int key = 0; key < 256; ++key)
            input.chars.append({ key, qreal(key % 16 * 4), qreal(key / 16 * 4), 4, 4, 2, 2 });
        inputs.append(input);
    }
    return buildZaf(inputs).bytes;
}

QByteArray kpxFile(int pages)
{
    KpxSources sources;
    sources.touchIncluded = true;
    for (int page = 0; page < pages; ++page)
        sources.touch += QByteArray(1, char(page >> 8)) + char(page & 0xFF) + QByteArray(14, 't');
    return buildKpx(sources, KpxSettings(), QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7))).bytes;
}

QByteArray bmpFile(int pixels)
{
    const int side = qRound(std::sqrt(double(pixels)));
    QImage picture(side, side, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "bmp");
    return bmp;
}

// Times `read` on inputs of 1x, 10x and 100x `base` and prints the three times and both
// growths.
template <typename Make, typename Read>
void measure(const char *name, int base, Make make, Read read)
{
    double ms[3];
    const int sizes[3] = { base, base * 10, base * 100 };
    for (int i = 0; i < 3; ++i) {
        const QByteArray bytes = make(sizes[i]);
        ms[i] = bench::bestMilliseconds(3, [&] { read(bytes); });
    }
    const QByteArray prefix = QByteArray("read_") + name + '_';
    for (int i = 0; i < 3; ++i)
        bench::print((prefix + QByteArray::number(sizes[i]) + "_ms").constData(), ms[i], "ms");
    bench::print((prefix + "growth_10x").constData(), ms[1] / ms[0], "x(target<=12)");
    bench::print((prefix + "growth_100x").constData(), ms[2] / ms[1], "x(target<=12)");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    measure("touch_dump", 10000, touchFile,
        [](const QByteArray &bytes) { sink = sink + dumpTouchFile(bytes, counted).sound(); });
    measure("touch_recognise", 10000, touchFile,
        [](const QByteArray &bytes) { sink = sink + looksLikeTouchFile(bytes); });
    measure("touch_decode", 10000, touchFile,
        [](const QByteArray &bytes) { sink = sink + decodeTouchFile(bytes).size(); });
    measure("zaf_dump", 10, zafFile,
        [](const QByteArray &bytes) { sink = sink + dumpZaf(bytes, counted).sound(); });
    measure("kpx_dump", 40, kpxFile,
        [](const QByteArray &bytes) { sink = sink + dumpKpx(bytes, counted).sound(); });
    measure("bmp_pixels", 10000, bmpFile, [](const QByteArray &bytes) {
        BmpPixels pixels;
        QString error;
        sink = sink + readBmp24(bytes, &pixels, &error);
    });
    return 0;
}
