#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

// The outcome of scanning one picture. `decoded` is false when the bytes are no picture
// the image library can decode; `rects` is then empty.
struct ScanResult
{
    bool decoded = false;
    // Why nothing could be scanned at all (the scanner itself is missing); empty otherwise.
    QString error;
    // One per external outline, in the order the contour finder returned them; width and
    // height are max - min, one less than the outline's pixel extent.
    QVector<QRect> rects;
};

// The smallest and largest x and y over the points of one outline. Returns false and
// leaves the outputs alone for an empty outline.
inline bool GetMinMaxPoint(
    const QVector<QPoint> &contour, int &nMinX, int &nMinY, int &nMaxX, int &nMaxY)
{
    if (contour.isEmpty())
        return false;
    nMinX = nMaxX = contour.constFirst().x();
    nMinY = nMaxY = contour.constFirst().y();
    for (const QPoint &point : contour) {
        nMinX = qMin(nMinX, point.x());
        nMaxX = qMax(nMaxX, point.x());
        nMinY = qMin(nMinY, point.y());
        nMaxY = qMax(nMaxY, point.y());
    }
    return true;
}

// Finds the glyph rectangles in an encoded picture (any kind the image library decodes):
// colour decode, grey, 3 x 3 Gaussian blur, Canny 100/250, external outlines. The work is
// done by the scanner module, loaded from lib/lumo beside the program's bin folder.
ScanResult scanPicture(const QByteArray &pictureBytes);

// scanPicture() on the bytes of the file at `path`; not decoded when it cannot be read, an
// error when the picture is cut short.
ScanResult scanPictureFile(const QString &path);
