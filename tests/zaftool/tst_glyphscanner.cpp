#include "glyphscanner.h"
#include "glyphscene.h"

#include "drawscene.h"
#include "graphicsrectitem.h"
#include "zaffixtures.h"
#include "zafworkspace.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace {

using Rects = QVector<QRect>;

QImage blackPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// White pixels x0..x1, y0..y1 inclusive.
void fillWhite(QImage *image, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            image->setPixel(x, y, 0xFFFFFFFFu);
}

QByteArray encoded(const QImage &image, const char *format = "png")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The same pipeline written out again with OpenCV's own bounding boxes, whose size is the
// pixel extent (max - min + 1).
Rects referenceScan(const QByteArray &bytes)
{
    const cv::Mat buffer(1, bytes.size(), CV_8UC1, const_cast<char *>(bytes.constData()));
    const cv::Mat colour = cv::imdecode(buffer, 1);
    cv::Mat grey, smooth, edges;
    cv::cvtColor(colour, grey, 6);
    cv::GaussianBlur(grey, smooth, cv::Size(3, 3), 0, 0, 4);
    cv::Canny(smooth, edges, 100, 250, 3, false);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(edges, contours, 0, 1, cv::Point(0, 0));
    Rects rects;
    for (const auto &contour : contours) {
        const cv::Rect box = cv::boundingRect(contour);
        rects.append(QRect(box.x, box.y, box.width - 1, box.height - 1));
    }
    return rects;
}

QImage squares()
{
    QImage image = blackPicture(120, 80);
    fillWhite(&image, 10, 10, 29, 29);
    fillWhite(&image, 60, 20, 99, 69);
    fillWhite(&image, 40, 50, 44, 54);
    return image;
}

QImage circles()
{
    QImage image = blackPicture(160, 100);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(30, 30), 20, 20);
    painter.drawEllipse(QPointF(100, 60), 35, 25);
    painter.setBrush(QColor(200, 120, 40));
    painter.drawEllipse(QPointF(140, 20), 10, 10);
    return image;
}

// Strokes, dots, bars and a ring: the shapes of icons and letters, some touching.
QImage textLike()
{
    QImage image = blackPicture(200, 60);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(10, 10, 10, 50);
    painter.drawLine(10, 50, 30, 50);
    painter.drawEllipse(QRectF(40, 15, 25, 35));
    painter.drawLine(80, 50, 95, 10);
    painter.drawLine(95, 10, 110, 50);
    painter.drawLine(86, 35, 104, 35);
    painter.drawPoint(125, 20);
    painter.drawLine(125, 30, 125, 50);
    painter.drawArc(QRectF(140, 10, 40, 40), 30 * 16, 300 * 16);
    painter.drawLine(185, 5, 195, 55);
    return image;
}

QImage noise()
{
    QImage image(90, 70, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
    return image;
}

// Sparse bright dots: many small separate outlines.
QImage dots()
{
    QImage image = blackPicture(150, 150);
    QRandomGenerator random(11);
    for (int i = 0; i < 300; ++i)
        image.setPixel(random.bounded(150), random.bounded(150), 0xFFFFFFFFu);
    return image;
}

QImage hollowSquare()
{
    QImage image = blackPicture(60, 60);
    fillWhite(&image, 10, 10, 49, 49);
    for (int y = 16; y <= 43; ++y)
        for (int x = 16; x <= 43; ++x)
            image.setPixel(x, y, 0xFF000000u);
    return image;
}

FontScene *makeScene()
{
    auto *scene = new FontScene;
    scene->setSceneRect(0, 0, 120, 80);
    QPixmap picture(120, 80);
    picture.fill(Qt::black);
    scene->background = scene->addPixmap(picture);
    return scene;
}

QList<GraphicsRectItem *> characters(QGraphicsScene *scene)
{
    QList<GraphicsRectItem *> result;
    const QList<QGraphicsItem *> items = scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *rect = dynamic_cast<GraphicsRectItem *>(item))
            result.append(rect);
    }
    return result;
}

// Scene boxes of the characters as (x, y, width, height), in insertion order.
Rects boxes(QGraphicsScene *scene)
{
    Rects result;
    const QList<GraphicsRectItem *> items = characters(scene);
    for (GraphicsRectItem *item : items)
        result.append(
            QRect(int(item->x()), int(item->y()), int(item->width()), int(item->height())));
    return result;
}

} // namespace

class TestGlyphScanner : public QObject
{
    Q_OBJECT

private slots:
    void minMax_data();
    void minMax();
    void agreesWithPipeline_data();
    void agreesWithPipeline();
    void twoSquares_data();
    void twoSquares();
    void hollowShape();
    void exampleOutline();
    void undecodable_data();
    void undecodable();
    void pathWithAnyCharacters();
    void missingFile();

    void redrawReplacesCharacters();
    void redrawExample();
    void redrawKeepsGroupsWhole();
    void merge_data();
    void merge();
    void mergeWithoutSelection();
    void scanCommand_data();
    void scanCommand();
};

void TestGlyphScanner::minMax_data()
{
    QTest::addColumn<QVector<QPoint>>("contour");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QRect>("extremes"); // left, top, right, bottom as QRect corners

    QTest::newRow("empty") << QVector<QPoint>() << false << QRect();
    QTest::newRow("one point") << QVector<QPoint> { { 3, 7 } } << true
                               << QRect(QPoint(3, 7), QPoint(3, 7));
    QTest::newRow("outline 5..14") << QVector<QPoint> { { 5, 5 }, { 14, 5 }, { 14, 14 }, { 5, 14 } }
                                   << true << QRect(QPoint(5, 5), QPoint(14, 14));
    QTest::newRow("extremes on different points") << QVector<QPoint> { { 9, 2 }, { 1, 8 },
        { 4, 20 }, { 30, 6 } } << true << QRect(QPoint(1, 2), QPoint(30, 20));
}

void TestGlyphScanner::minMax()
{
    QFETCH(QVector<QPoint>, contour);
    QFETCH(bool, found);
    QFETCH(QRect, extremes);
    int nMinX = -1, nMinY = -1, nMaxX = -1, nMaxY = -1;
    QCOMPARE(GetMinMaxPoint(contour, nMinX, nMinY, nMaxX, nMaxY), found);
    if (!found) {
        QCOMPARE(QRect(QPoint(nMinX, nMinY), QPoint(nMaxX, nMaxY)),
            QRect(QPoint(-1, -1), QPoint(-1, -1)));
        return;
    }
    QCOMPARE(QRect(QPoint(nMinX, nMinY), QPoint(nMaxX, nMaxY)), extremes);
}

void TestGlyphScanner::agreesWithPipeline_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("atLeast"); // a floor so that an empty result cannot agree

    QTest::newRow("squares") << encoded(squares()) << 3;
    QTest::newRow("circles") << encoded(circles()) << 3;
    QTest::newRow("text-like") << encoded(textLike()) << 6;
    QTest::newRow("noise") << encoded(noise()) << 1;
    QTest::newRow("dots") << encoded(dots()) << 50;
    QTest::newRow("hollow") << encoded(hollowSquare()) << 1;
    QTest::newRow("jpeg text-like") << encoded(textLike(), "jpg") << 6;
    QTest::newRow("bmp circles") << encoded(circles(), "bmp") << 3;
    QTest::newRow("grey png") << encoded(textLike().convertToFormat(QImage::Format_Grayscale8))
                              << 6;
    QTest::newRow("all black") << encoded(blackPicture(30, 30)) << 0;
    // Our own icons, as real pictures.
    for (const char *name : { "../../kpxtool/icons/logo.png", "../../shell/icons/close.png" }) {
        QFile file(QFINDTESTDATA(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        QTest::newRow(name) << file.readAll() << 1;
    }
}

void TestGlyphScanner::agreesWithPipeline()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, atLeast);
    const ScanResult result = scanPicture(bytes);
    QVERIFY(result.decoded);
    QCOMPARE(result.rects, referenceScan(bytes));
    QVERIFY2(result.rects.size() >= atLeast, qPrintable(QString::number(result.rects.size())));
}

void TestGlyphScanner::twoSquares_data()
{
    QTest::addColumn<QRect>("first"); // white pixels, inclusive corners
    QTest::addColumn<QRect>("second");
    QTest::newRow("apart") << QRect(QPoint(10, 10), QPoint(29, 29))
                           << QRect(QPoint(50, 20), QPoint(79, 49));
    QTest::newRow("small and thin")
        << QRect(QPoint(3, 40), QPoint(8, 45)) << QRect(QPoint(60, 5), QPoint(90, 10));
    QTest::newRow("one pixel gap")
        << QRect(QPoint(10, 10), QPoint(20, 20)) << QRect(QPoint(24, 10), QPoint(34, 20));
}

// Canny's non-maximum suppression keeps the dark pixel of a rising step and the bright
// pixel of a falling one, so a square at x0..x1 (not much smaller than six pixels: the
// blur then merges the steps) has its outline at x0 - 1 .. x1.
void TestGlyphScanner::twoSquares()
{
    QFETCH(QRect, first);
    QFETCH(QRect, second);
    QImage image = blackPicture(100, 60);
    for (const QRect &square : { first, second })
        fillWhite(&image, square.left(), square.top(), square.right(), square.bottom());
    const ScanResult result = scanPicture(encoded(image));
    QVERIFY(result.decoded);
    QCOMPARE(result.rects.size(), 2);
    Rects sorted = result.rects;
    std::sort(
        sorted.begin(), sorted.end(), [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
    for (int i = 0; i < 2; ++i) {
        const QRect square = i == 0 ? first : second;
        // Outline x0 - 1 .. x1: width one less than its extent of x1 - x0 + 2 pixels.
        QCOMPARE(sorted.at(i),
            QRect(square.left() - 1, square.top() - 1, square.width(), square.height()));
    }
    QCOMPARE(result.rects, referenceScan(encoded(image)));
}

void TestGlyphScanner::hollowShape()
{
    const ScanResult result = scanPicture(encoded(hollowSquare()));
    QVERIFY(result.decoded);
    QCOMPARE(result.rects.size(), 1);
    QVERIFY(result.rects.constFirst().width() >= 38);
}

// The outline x 5..14, y 5..14 (of the white square 6..14), through to its character.
void TestGlyphScanner::exampleOutline()
{
    QImage image = blackPicture(30, 30);
    fillWhite(&image, 6, 6, 14, 14);
    const ScanResult result = scanPicture(encoded(image));
    QCOMPARE(result.rects, Rects { QRect(5, 5, 9, 9) });

    QScopedPointer<FontScene> scene(makeScene());
    reDrawRect(scene.data(), result.rects);
    const QList<GraphicsRectItem *> items = characters(scene.data());
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.constFirst()->pos(), QPointF(5, 5));
    QCOMPARE(QPointF(characterFields(items.constFirst())->rc_x,
                 characterFields(items.constFirst())->rc_y),
        QPointF(4.5, 4.5));
    QCOMPARE(characterFields(items.constFirst())->asc, 0);
}

void TestGlyphScanner::undecodable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture at all");
    QTest::newRow("zeros") << QByteArray(4000, '\0');
    QTest::newRow("truncated png") << encoded(squares()).left(40);
}

void TestGlyphScanner::undecodable()
{
    QFETCH(QByteArray, bytes);
    const ScanResult result = scanPicture(bytes);
    QCOMPARE(result.decoded, false);
    QCOMPARE(result.rects, Rects());
}

void TestGlyphScanner::pathWithAnyCharacters()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("字库 图片")));
    const QString path = dir.filePath(QStringLiteral("字库 图片/图标 一.png"));
    QVERIFY(squares().save(path, "png"));
    const ScanResult result = scanPictureFile(path);
    QVERIFY(result.decoded);
    QCOMPARE(result.rects, scanPicture(encoded(squares())).rects);
    QCOMPARE(result.rects.size(), 3);
}

void TestGlyphScanner::missingFile()
{
    QTemporaryDir dir;
    const ScanResult result = scanPictureFile(dir.filePath(QStringLiteral("无.png")));
    QCOMPARE(result.decoded, false);
    QCOMPARE(scanPictureFile(dir.path()).decoded, false);
}

void TestGlyphScanner::redrawReplacesCharacters()
{
    QScopedPointer<FontScene> scene(makeScene());
    addChar(scene.data(), QRect(1, 1, 5, 5), 65)->setSelected(true);
    addChar(scene.data(), QRect(30, 2, 8, 8), 66);
    addChar(scene.data(), QRect(50, 50, 3, 3), 67);
    QGraphicsPixmapItem *background = scene->background;
    QGraphicsRectItem *empty = scene->emptyItem();

    const Rects rects = scanPicture(encoded(squares())).rects;
    QCOMPARE(rects.size(), 3);
    reDrawRect(scene.data(), rects);

    QCOMPARE(boxes(scene.data()), rects);
    for (GraphicsRectItem *item : characters(scene.data())) {
        QCOMPARE(characterFields(item)->asc, 0);
        QCOMPARE(item->isRound(), false);
    }
    QVERIFY(scene->items().contains(background));
    QCOMPARE(scene->background, background);
    QVERIFY(scene->items().contains(empty));
    QCOMPARE(scene->items().size(), rects.size() + 2);
}

void TestGlyphScanner::redrawExample()
{
    QScopedPointer<FontScene> scene(makeScene());
    reDrawRect(scene.data(), { QRect(5, 5, 9, 9) });
    const QList<GraphicsRectItem *> items = characters(scene.data());
    QCOMPARE(items.size(), 1);
    GraphicsRectItem *item = items.constFirst();
    QCOMPARE(item->pos(), QPointF(5, 5));
    QCOMPARE(item->width(), 9.0);
    QCOMPARE(item->height(), 9.0);
    QCOMPARE(item->localRect(), QRectF(0, 0, 9, 9));
    QCOMPARE(characterFields(item)->rc_x, 4.5);
    QCOMPARE(characterFields(item)->rc_y, 4.5);
    QCOMPARE(characterFields(item)->asc, 0);
    QCOMPARE(item->mapRectToScene(item->boundingRect()), QRectF(5, 5, 9, 9));
}

// A group goes as a whole, and shapes whose handles were made lose them with themselves.
void TestGlyphScanner::redrawKeepsGroupsWhole()
{
    QScopedPointer<FontScene> scene(makeScene());
    GraphicsRectItem *a = addChar(scene.data(), QRect(1, 1, 5, 5), 1);
    GraphicsRectItem *b = addChar(scene.data(), QRect(10, 1, 5, 5), 2);
    GraphicsRectItem *c = addChar(scene.data(), QRect(20, 1, 5, 5), 3);
    c->handles();
    c->setSelected(true);
    scene->createGroup({ a, b });
    reDrawRect(scene.data(), { QRect(2, 3, 4, 5) });
    QCOMPARE(boxes(scene.data()), Rects { QRect(2, 3, 4, 5) });
    QCOMPARE(scene->items().size(), 3);
}

void TestGlyphScanner::merge_data()
{
    QTest::addColumn<Rects>("selected");
    QTest::addColumn<Rects>("unselected");
    QTest::addColumn<QRect>("merged");

    QTest::newRow("example") << Rects { QRect(0, 0, 10, 10), QRect(20, 5, 10, 10) } << Rects()
                             << QRect(0, 0, 30, 15);
    QTest::newRow("one item") << Rects { QRect(7, 8, 9, 10) } << Rects() << QRect(7, 8, 9, 10);
    QTest::newRow("first not leftmost, others stay")
        << Rects { QRect(40, 40, 5, 5), QRect(10, 50, 5, 20), QRect(30, 20, 2, 2) }
        << Rects { QRect(90, 0, 3, 3) } << QRect(10, 20, 35, 50);
}

void TestGlyphScanner::merge()
{
    QFETCH(Rects, selected);
    QFETCH(Rects, unselected);
    QFETCH(QRect, merged);
    QScopedPointer<FontScene> scene(makeScene());
    for (const QRect &rect : unselected)
        addChar(scene.data(), rect, 9);
    for (const QRect &rect : selected)
        addChar(scene.data(), rect, 5)->setSelected(true);

    mergeItems(scene.data());

    const Rects expected = unselected + Rects { merged };
    QCOMPARE(boxes(scene.data()), expected);
    GraphicsRectItem *item = characters(scene.data()).constLast();
    QCOMPARE(characterFields(item)->asc, 0);
    QCOMPARE(characterFields(item)->rc_x, merged.width() / 2.0);
    QCOMPARE(characterFields(item)->rc_y, merged.height() / 2.0);
    QCOMPARE(item->localRect(), QRectF(0, 0, merged.width(), merged.height()));
    QVERIFY(scene->items().contains(scene->background));
}

void TestGlyphScanner::mergeWithoutSelection()
{
    QScopedPointer<FontScene> scene(makeScene());
    addChar(scene.data(), QRect(0, 0, 10, 10), 1);
    addChar(scene.data(), QRect(20, 5, 10, 10), 2);
    mergeItems(scene.data());
    QCOMPARE(boxes(scene.data()), (Rects { QRect(0, 0, 10, 10), QRect(20, 5, 10, 10) }));
}

void TestGlyphScanner::scanCommand_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<int>("characters");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("squares") << encoded(squares()) << 3 << QStringList();
    QTest::newRow("undecodable")
        << QByteArray("no picture") << 1
        << QStringList({ "warning|错误！|扫描时加载图片失败！扫描的图片路径不能有中文！" });
    const QByteArray whole = encoded(squares());
    // Decoded, the rows that are there would give fewer characters without a word.
    QTest::newRow("cut short") << whole.left(whole.size() - 12) << 1
                               << QStringList({ "warning|错误！|'@file' is cut short: the PNG "
                                                "ends before its IEND chunk" });
}

// The command on the shown font image: its characters are replaced, or the box appears
// and they stay.
void TestGlyphScanner::scanCommand()
{
    QFETCH(QByteArray, picture);
    QFETCH(int, characters);
    QFETCH(QStringList, messages);
    ZafTestProject project;
    const QString file = project.dir.filePath(QStringLiteral("1.png"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(picture) == picture.size());
    out.close();
    QScopedPointer<FontScene> scene(makeScene());
    scene->file = file;
    addChar(scene.data(), QRect(1, 1, 5, 5), 65);
    project.ws.scanImage(scene.data());
    messages.replaceInStrings(QStringLiteral("@file"), file);
    QCOMPARE(::messages(project.prompt), messages);
    QCOMPARE(::characters(scene.data()).size(), characters);
    project.ws.scanImage(nullptr);
}

QTEST_MAIN(TestGlyphScanner)
#include "tst_glyphscanner.moc"
