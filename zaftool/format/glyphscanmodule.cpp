// The glyph scanner's OpenCV pipeline, built as a module of its own: OpenCV's image codecs
// pull in more than a hundred libraries, which the programs load only at the first scan.
#include "glyphscanner.h"

#include <vector>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace {

using Contours = std::vector<std::vector<cv::Point>>;
// Decoding from memory instead of from a path lets any file name work on every platform.
cv::Mat decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return cv::Mat(); // imdecode asserts on an empty buffer
    const cv::Mat buffer(1, bytes.size(), CV_8UC1, const_cast<char *>(bytes.constData()));
    try {
        return cv::imdecode(buffer, cv::IMREAD_COLOR);
    } catch (const cv::Exception &) {
        return cv::Mat();
    }
}

Contours externalOutlines(const cv::Mat &picture)
{
    cv::Mat grey;
    cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
    cv::Mat smooth;
    cv::GaussianBlur(grey, smooth, cv::Size(3, 3), 0, 0, cv::BORDER_DEFAULT);
    cv::Mat edges;
    cv::Canny(smooth, edges, 100, 250, 3, false);
    Contours contours;
    cv::findContours(edges, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, cv::Point(0, 0));
    return contours;
}

QVector<QPoint> toQt(const std::vector<cv::Point> &contour)
{
    QVector<QPoint> points;
    points.reserve(int(contour.size()));
    for (const cv::Point &point : contour)
        points.append(QPoint(point.x, point.y));
    return points;
}

} // namespace

extern "C" Q_DECL_EXPORT void lumo_scan_picture(const QByteArray &pictureBytes, ScanResult &result)
{
    result = ScanResult();
    const cv::Mat picture = decode(pictureBytes);
    if (picture.empty())
        return;
    result.decoded = true;
    Contours contours;
    // No exception may cross into the program that loaded the module.
    try {
        contours = externalOutlines(picture);
    } catch (const std::exception &failure) {
        result.error = QStringLiteral("the picture could not be scanned: %1")
                           .arg(QString::fromLocal8Bit(failure.what()).trimmed());
        return;
    }
    result.rects.reserve(int(contours.size()));
    for (const std::vector<cv::Point> &contour : contours) {
        int nMinX, nMinY, nMaxX, nMaxY;
        if (GetMinMaxPoint(toQt(contour), nMinX, nMinY, nMaxX, nMaxY))
            result.rects.append(QRect(nMinX, nMinY, nMaxX - nMinX, nMaxY - nMinY));
    }
}
