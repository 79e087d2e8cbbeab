#pragma once

// The pictures of a full icon-font project: 1020 font images, each a 1024 x 768 JPEG of
// about 250 KB with room for 16 x 16 characters. Made once and kept in the build folder.

#include <random>

#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QStringList>

#include "benchsupport.h"
#include "filebytes.h"
#include "jpegencoder.h"

namespace bench {

constexpr int fontCount = 1020;
constexpr int charsPerFont = 256;
constexpr int pictureWidth = 1024;
constexpr int pictureHeight = 768;
constexpr int fixtureNoise = 24;
constexpr int fixtureTargetSize = 250000;

// Coloured blocks under noise: detail a JPEG cannot squeeze much.
inline BmpPixels fixturePixels(int seed, int width, int height, int noise)
{
    std::mt19937 random(seed);
    BmpPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgb.resize(width * height * 3);
    unsigned char *out = reinterpret_cast<unsigned char *>(pixels.rgb.data());
    const int block = 32;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned cell = (x / block) * 7919u + (y / block) * 104729u + unsigned(seed);
            for (int c = 0; c < 3; ++c) {
                const int base = int((cell >> (c * 5)) * 37u % 200u) + 20;
                const int value = base + int(random() % unsigned(2 * noise + 1)) - noise;
                *out++ = static_cast<unsigned char>(qBound(0, value, 255));
            }
        }
    }
    return pixels;
}

inline QString picturePath(const QString &folder, int number)
{
    return folder + QStringLiteral("/%1.jpg").arg(number);
}

// The highest quality at which the first picture stays within the target size.
inline int fixtureQuality()
{
    const BmpPixels pixels = fixturePixels(1, pictureWidth, pictureHeight, fixtureNoise);
    QString error;
    int low = 1, high = 100;
    while (low < high) {
        const int quality = (low + high + 1) / 2;
        if (encodeJpeg(pixels, quality, &error).size() <= fixtureTargetSize)
            low = quality;
        else
            high = quality - 1;
    }
    return low;
}

// The 1020 pictures, numbered 0 ... 1019; made when missing.
inline QStringList fontPictures()
{
    const QString folder = dataFolder(QStringLiteral("zaf-project/images"));
    QStringList paths;
    int quality = 0;
    for (int number = 0; number < fontCount; ++number) {
        const QString path = picturePath(folder, number);
        if (!QFileInfo::exists(path)) {
            if (quality == 0)
                quality = fixtureQuality();
            QString error;
            const QByteArray jpeg
                = encodeJpeg(fixturePixels(number + 1, pictureWidth, pictureHeight, fixtureNoise),
                    quality, &error);
            if (jpeg.isEmpty() || !writeWholeFile(path, jpeg, &error))
                std::fprintf(stderr, "cannot make %s: %s\n", qPrintable(path), qPrintable(error));
        }
        paths.append(path);
    }
    return paths;
}

// Character k of every font image: a 16 x 16 grid of cells, no two overlapping.
inline QRect characterRect(int k)
{
    const int cellWidth = pictureWidth / 16;
    const int cellHeight = pictureHeight / 16;
    return QRect(
        (k % 16) * cellWidth + 2, (k / 16) * cellHeight + 2, cellWidth - 4, cellHeight - 4);
}

} // namespace bench
