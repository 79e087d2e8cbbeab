#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// A small baseline JPEG whose frame header claims `width` x `height` pixels: a reader that
// trusts the header before decoding would ask for that much memory.
inline QByteArray jpegClaiming(int width, int height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpg");
    const int frame = bytes.indexOf(QByteArray::fromHex("FFC0"));
    if (frame < 0)
        return QByteArray();
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
}
