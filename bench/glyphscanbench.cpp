// Glyph scanning of a 3840 x 2160 picture with 2000 glyphs, scene update included (the
// font image's 2000 characters are replaced), against the image pipeline alone: decoding,
// grey, blur, edges and external outlines.

#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "benchsupport.h"
#include "drawscene.h"
#include "filebytes.h"
#include "fontscene.h"
#include "glyphscanner.h"
#include "glyphscene.h"

namespace {

constexpr int columns = 50;
constexpr int rows = 40; // 2000 glyphs

// White glyphs on black, as the tool recommends, each a separate filled shape.
QString scanPicture()
{
    const QString path = bench::dataFolder(QStringLiteral("scan")) + QStringLiteral("/glyphs.png");
    if (QFileInfo::exists(path))
        return path;
    QImage picture(3840, 2160, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const int cellWidth = picture.width() / columns;
    const int cellHeight = picture.height() / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int i = row * columns + column;
            const QRect cell(column * cellWidth, row * cellHeight, cellWidth, cellHeight);
            const QRect glyph = cell.adjusted(8 + i % 5, 8 + i % 7, -8 - i % 3, -8 - i % 4);
            if (i % 2)
                painter.drawEllipse(glyph);
            else
                painter.drawRoundedRect(glyph, 6, 6);
        }
    }
    painter.end();
    picture.save(path, "png");
    return path;
}

size_t pipelineOutlines(const QString &path)
{
    QByteArray bytes;
    QString error;
    readWholeFile(path, &bytes, &error);
    const cv::Mat buffer(1, bytes.size(), CV_8UC1, bytes.data());
    const cv::Mat picture = cv::imdecode(buffer, cv::IMREAD_COLOR);
    cv::Mat grey, smooth, edges;
    cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
    cv::GaussianBlur(grey, smooth, cv::Size(3, 3), 0, 0, cv::BORDER_DEFAULT);
    cv::Canny(smooth, edges, 100, 250, 3, false);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(edges, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, cv::Point(0, 0));
    return contours.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(bench::dropDebug);
    const QString path = scanPicture();
    FontScene *scene = newFontScene(0, 1, 32, QFileInfo(path));
    reDrawRect(scene, scanPictureFile(path).rects); // the font image was scanned before

    int found = 0;
    double scanMs = 1e300;
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        const ScanResult result = scanPictureFile(path);
        reDrawRect(scene, result.rects);
        scanMs = std::min(scanMs, bench::elapsedMs(timer));
        found = result.rects.size();
    }
    size_t outlines = 0;
    const double referenceMs
        = bench::bestMilliseconds(3, [&] { outlines = pipelineOutlines(path); });
    bench::print("scan_glyphs", found, "rectangles");
    bench::print("scan_reference_outlines", outlines, "outlines");
    bench::print("scan_ms", scanMs, "ms");
    bench::print("scan_reference_ms", referenceMs, "ms");
    bench::print("scan_ratio", scanMs / referenceMs, "x_reference(target<=2)");
    QCoreApplication::processEvents();
    delete scene;
    return 0;
}
