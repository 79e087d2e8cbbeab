#include "drawview.h"
#include "rulebar.h"

#include <QtTest>

#include <QGraphicsScene>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// A shown view over a scene of `sceneRect`, aligned so the scene's top-left can sit at
// the viewport's top-left.
struct ViewFixture
{
    explicit ViewFixture(const QRectF &sceneRect, const QSize &size = QSize(400, 300))
        : scene(sceneRect)
        , view(new DrawView(&scene))
    {
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->resize(size);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    ~ViewFixture() { delete view; }

    QGraphicsScene scene;
    DrawView *view;
};

bool isDark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

class TestDrawView : public QObject
{
    Q_OBJECT

private slots:
    void structure();
    void labelText_data();
    void labelText();
    void zoomRoundTrip_data();
    void zoomRoundTrip();
    void zoomUpdatesRulers();
    void rangesAtOrigin();
    void noSceneLeavesRulers();
    void rulersFollowScrolling_data();
    void rulersFollowScrolling();
    void pointerTracking_data();
    void pointerTracking();
    void layout_data();
    void layout();
    void renderedTicks_data();
    void renderedTicks();
    void flatRangeDrawsNoTicks();
};

void TestDrawView::structure()
{
    QGraphicsScene scene;
    DrawView view(&scene);
    QVERIFY(view.testAttribute(Qt::WA_DeleteOnClose));
    view.setAttribute(Qt::WA_DeleteOnClose, false);

    QCOMPARE(view.metaObject()->className(), "DrawView");
    QCOMPARE(view.viewport()->metaObject()->className(), "QWidget");
    QCOMPARE(view.scene(), &scene);

    QtRuleBar *h = view.horizontalRuler();
    QtRuleBar *v = view.verticalRuler();
    QCOMPARE(h->metaObject()->className(), "QtRuleBar");
    QCOMPARE(view.cornerBox()->metaObject()->className(), "QtCornerBox");
    QCOMPARE(h->parentWidget(), &view);
    QCOMPARE(v->parentWidget(), &view);
    QCOMPARE(view.cornerBox()->parentWidget(), &view);
    QCOMPARE(h->orientation, 1);
    QCOMPARE(v->orientation, 2);
    QCOMPARE(h->view, &view);
    QCOMPARE(v->view, &view);
    QCOMPARE(h->background, QColor(255, 255, 255, 255));
    QCOMPARE(h->font().pixelSize(), 10);
    QCOMPARE(h->font().weight(), 50);
    QCOMPARE(h->font().family(), view.font().family());
}

void TestDrawView::labelText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("small") << 5 << "5";
    QTest::newRow("small negative") << -5 << "-5";
    QTest::newRow("thousand") << 1000 << "1000";
    QTest::newRow("below two thousand") << 1999 << "1999";
    QTest::newRow("two thousand") << 2000 << "2k";
    QTest::newRow("2500") << 2500 << "2500";
    QTest::newRow("3000") << 3000 << "3k";
    QTest::newRow("ten thousand") << 10000 << "10k";
    QTest::newRow("100000") << 100000 << "100k";
    QTest::newRow("-1000") << -1000 << "-1000";
    QTest::newRow("-2000") << -2000 << "-2k";
    QTest::newRow("-2500") << -2500 << "-2500";
    QTest::newRow("-3000") << -3000 << "-3k";
}

void TestDrawView::labelText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(QtRuleBar::labelText(value), text);
}

void TestDrawView::zoomRoundTrip_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("inFirst");
    QTest::newRow("in, out") << 1 << true;
    QTest::newRow("out, in") << 1 << false;
    QTest::newRow("3 in, 3 out") << 3 << true;
    QTest::newRow("5 out, 5 in") << 5 << false;
}

void TestDrawView::zoomRoundTrip()
{
    QFETCH(int, steps);
    QFETCH(bool, inFirst);
    QGraphicsScene scene(0, 0, 100, 100);
    DrawView view(&scene);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    for (int i = 0; i < steps; ++i)
        inFirst ? view.zoomIn() : view.zoomOut();
    QVERIFY(view.transform() != QTransform());
    for (int i = 0; i < steps; ++i)
        inFirst ? view.zoomOut() : view.zoomIn();
    QCOMPARE(view.transform(), QTransform());
}

void TestDrawView::zoomUpdatesRulers()
{
    ViewFixture f(QRectF(0, 0, 100, 100));
    f.view->zoomIn();
    QCOMPARE(f.view->transform().m11(), 1.2);
    QCOMPARE(f.view->transform().m22(), 1.2);
    const double g = 1 / 1.2;
    QtRuleBar *h = f.view->horizontalRuler();
    QtRuleBar *v = f.view->verticalRuler();
    QCOMPARE(h->lower, 0.0);
    QCOMPARE(h->upper, (400 - 16) * g);
    QCOMPARE(h->maxSize, (400 - 16) * g);
    QCOMPARE(v->lower, 0.0);
    QCOMPARE(v->upper, -(300 - 16) * g);
    QCOMPARE(v->maxSize, -(300 - 16) * g);

    f.view->zoomOut();
    QCOMPARE(h->upper, 384.0);
    QCOMPARE(v->upper, -284.0);
}

void TestDrawView::rangesAtOrigin()
{
    // Scene's top-left at the viewport's top-left, zoom 1: the horizontal bar starts at 0
    // and grows to the right, the vertical one starts at 0 and falls downwards.
    ViewFixture f(QRectF(0, 0, 100, 100), QSize(300, 200));
    QCOMPARE(f.view->mapFromScene(QPointF(0, 0)), QPoint(0, 0));
    QtRuleBar *h = f.view->horizontalRuler();
    QtRuleBar *v = f.view->verticalRuler();
    QCOMPARE(h->lower, 0.0);
    QCOMPARE(h->upper, 284.0);
    QCOMPARE(h->maxSize, 284.0);
    QCOMPARE(v->lower, 0.0);
    QCOMPARE(v->upper, -184.0);
    QCOMPARE(v->maxSize, -184.0);
}

void TestDrawView::noSceneLeavesRulers()
{
    DrawView view(nullptr);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.zoomIn();
    QCOMPARE(view.horizontalRuler()->upper, 0.0);
    QCOMPARE(view.verticalRuler()->upper, 0.0);
}

void TestDrawView::rulersFollowScrolling_data()
{
    QTest::addColumn<int>("zoomIns");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("zoom 1, right") << 0 << 1000 << 0;
    QTest::newRow("zoom 1, down") << 0 << 0 << 700;
    QTest::newRow("zoom 1, both") << 0 << 1234 << 567;
    QTest::newRow("zoom 1.44, both") << 2 << 900 << 450;
}

void TestDrawView::rulersFollowScrolling()
{
    QFETCH(int, zoomIns);
    QFETCH(int, dx);
    QFETCH(int, dy);
    ViewFixture f(QRectF(0, 0, 5000, 5000));
    for (int i = 0; i < zoomIns; ++i)
        f.view->zoomIn();
    f.view->horizontalScrollBar()->setValue(f.view->horizontalScrollBar()->minimum() + dx);
    f.view->verticalScrollBar()->setValue(f.view->verticalScrollBar()->minimum() + dy);

    const QPoint p = f.view->mapFromScene(QPointF(0, 0));
    QCOMPARE(p, QPoint(-dx, -dy));
    const double g = 1 / f.view->transform().m11();
    QtRuleBar *h = f.view->horizontalRuler();
    QtRuleBar *v = f.view->verticalRuler();
    QCOMPARE(h->lower, dx * g);
    QCOMPARE(h->upper, (400 - 16 + dx) * g);
    QCOMPARE(h->maxSize, h->upper - h->lower);
    QCOMPARE(v->lower, -dy * g);
    QCOMPARE(v->upper, -(300 - 16 + dy) * g);
    QCOMPARE(v->maxSize, -(300 - 16) * g);
}

void TestDrawView::pointerTracking_data()
{
    QTest::addColumn<QRectF>("sceneRect");
    QTest::addColumn<int>("zoomIns");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QPoint>("scenePos");
    QTest::newRow("zoom 1") << QRectF(0, 0, 200, 200) << 0 << QPoint(100, 50) << QPoint(100, 50);
    QTest::newRow("zoom 1.2") << QRectF(0, 0, 200, 200) << 1 << QPoint(100, 50) << QPoint(83, 41);
    // -91.67 and -83.33 truncate towards zero, not down.
    QTest::newRow("negative, zoom 1.2")
        << QRectF(-100, -100, 200, 200) << 1 << QPoint(10, 20) << QPoint(-91, -83);
    QTest::newRow("negative, zoom 1")
        << QRectF(-50, -30, 200, 200) << 0 << QPoint(7, 9) << QPoint(-43, -21);
}

void TestDrawView::pointerTracking()
{
    QFETCH(QRectF, sceneRect);
    QFETCH(int, zoomIns);
    QFETCH(QPoint, pos);
    QFETCH(QPoint, scenePos);
    ViewFixture f(sceneRect);
    for (int i = 0; i < zoomIns; ++i)
        f.view->zoomIn();
    QSignalSpy spy(f.view, &DrawView::positionChanged);

    QMouseEvent move(QEvent::MouseMove, pos, f.view->viewport()->mapToGlobal(pos), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.view->viewport(), &move);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), scenePos.x());
    QCOMPARE(spy.at(0).at(1).toInt(), scenePos.y());
    QCOMPARE(f.view->horizontalRuler()->cursorPos, pos);
    QCOMPARE(f.view->verticalRuler()->cursorPos, pos);
}

void TestDrawView::layout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("wide") << QSize(400, 300);
    QTest::newRow("tall") << QSize(250, 600);
}

void TestDrawView::layout()
{
    QFETCH(QSize, size);
    ViewFixture f(QRectF(0, 0, 100, 100), QSize(640, 480));
    f.view->resize(size);
    QCOMPARE(f.view->size(), size);

    const int w = size.width();
    const int h = size.height();
    QCOMPARE(f.view->horizontalRuler()->geometry(), QRect(16, 0, w - 17, 16));
    QCOMPARE(f.view->verticalRuler()->geometry(), QRect(0, 16, 16, h - 17));
    QCOMPARE(f.view->cornerBox()->geometry(), QRect(0, 0, 16, 16));
    const int frame = f.view->frameWidth();
    QCOMPARE(f.view->viewport()->geometry(),
        QRect(frame + 15, frame + 15, w - 2 * frame - 15, h - 2 * frame - 15));
    // The rulers follow the new size too.
    QCOMPARE(f.view->horizontalRuler()->upper, double(w - 16));
    QCOMPARE(f.view->verticalRuler()->upper, double(-(h - 16)));
}

void TestDrawView::renderedTicks_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("horizontal") << int(Qt::Horizontal);
    QTest::newRow("vertical") << int(Qt::Vertical);
}

void TestDrawView::renderedTicks()
{
    // A 200-pixel bar over 200 units: one pixel per unit. With labels "200" wide the
    // scale is 100, so ticks every 10 (length 4), 20 (7) and 100 (15) on a 16-pixel bar.
    QFETCH(int, orientation);
    const bool horizontal = orientation == Qt::Horizontal;
    QWidget parent;
    QtRuleBar bar(Qt::Orientation(orientation), nullptr, &parent);
    const int dh = bar.fontMetrics().height();
    QVERIFY2(dh >= 9 && dh <= 16, "the font height picks another scale");
    bar.resize(horizontal ? QSize(200, 16) : QSize(16, 200));
    if (horizontal)
        bar.setRange(0, 200, 200);
    else
        bar.setRange(0, -200, 200);
    bar.updatePosition(QPoint(-10, -10));
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.size(), bar.size());

    // Along the bar at distance `along`, `across` pixels from the bar's outer edge.
    auto dark = [&](int along, int across) {
        return horizontal ? isDark(image, along, across) : isDark(image, across, along);
    };

    for (int a = 0; a < 200; ++a)
        QVERIFY2(dark(a, 15), "base line");
    for (int a = 1; a < 200; ++a)
        QCOMPARE(dark(a, 13), a % 10 == 0);
    for (int a : { 20, 40, 60, 80, 140, 160, 180 })
        QVERIFY(dark(a, 10));
    for (int a : { 30, 50, 70, 90, 130, 150, 170, 190 })
        QVERIFY(!dark(a, 10));
    for (int a : { 0, 100 })
        QVERIFY(dark(a, 1));
    // Each tick ends exactly at its length.
    for (int a : { 10, 30, 50, 70, 90, 130, 150, 170, 190 })
        QVERIFY(dark(a, 12) && !dark(a, 11));
    for (int a : { 20, 40, 60, 80, 140, 160, 180 })
        QVERIFY(dark(a, 9) && !dark(a, 8));
    for (int a : { 0, 100 })
        QVERIFY(!dark(a, 0));
    for (int a : { 50, 150 })
        QVERIFY(!dark(a, 1));
    QVERIFY(!dark(10, 0));

    // The label of 100 starts two pixels past its tick, clear of the ticks before it.
    auto inkIn = [&](int from, int to) {
        for (int a = from; a <= to; ++a) {
            for (int across = 1; across <= 8; ++across) {
                if (dark(a, across))
                    return true;
            }
        }
        return false;
    };
    QVERIFY(inkIn(102, 125));
    QVERIFY(!inkIn(91, 99));
    QVERIFY(!inkIn(101, 101));
}

void TestDrawView::flatRangeDrawsNoTicks()
{
    QtRuleBar bar(Qt::Horizontal, nullptr);
    bar.resize(100, 16);
    bar.setRange(5, 5, 0);
    bar.updatePosition(QPoint(40, 0));
    const QImage image = bar.grab().toImage();
    for (int x = 0; x < 100; ++x) {
        QVERIFY(isDark(image, x, 15));
        QCOMPARE(isDark(image, x, 5), x == 40);
    }
}

QTEST_MAIN(TestDrawView)
#include "tst_drawview.moc"
