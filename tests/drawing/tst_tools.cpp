#include "toolshapes.h"
#include "drawscene.h"
#include "drawtool.h"
#include "graphicsellipseitem.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "polygontool.h"
#include "recttool.h"
#include "rotationtool.h"
#include "selecttool.h"
#ifdef WITH_CHARACTER_SHAPES
#include "rotatepointtool.h"
#endif

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

const QRectF SceneRect(0, 0, 400, 300);

QPointF pointArg(const QSignalSpy &spy, int row, int column)
{
    return spy.at(row).at(column).toPointF();
}

QGraphicsItem *itemArg(const QSignalSpy &spy, int row)
{
    return spy.at(row).at(0).value<QGraphicsItem *>();
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void toolOrder();
    void toolsBelongToTheirScene();

    void rectangleDrawn_data();
    void rectangleDrawn();
    void rectangleClickLeavesNothing();

    void singleItemDropClamped_data();
    void singleItemDropClamped();
    void severalItemsMovedTogether();
    void clickOnItemMovesNothing();
    void pressedItemIsTheOneDragged();
    void rubberBandSelects();

    void hoverCursor_data();
    void hoverCursor();
    void resizeFromCornerUsesOneForZero();
    void clickOnBoxHandleChangesNothing();
    void controlHandleDrag_data();
    void controlHandleDrag();

    void polygonFinishedByDoubleClick_data();
    void polygonFinishedByDoubleClick();
    void lineEndsAtRelease();

    void rotationFoldsPast360();
    void rotationPressOffHandleGoesToSelection();

#ifdef WITH_CHARACTER_SHAPES
    void rotatePointFollowsPointer();
    void rotatePointOtherButtonLeaves();
#endif

private:
    void send(QEvent::Type type, const QPointF &scenePos, Qt::MouseButton button,
        Qt::MouseButtons buttons);
    void press(const QPointF &at, Qt::MouseButton button = Qt::LeftButton);
    void drag(const QPointF &to); // a move with the left button held
    void hover(const QPointF &to); // a move without buttons
    void release(const QPointF &at, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(const QPointF &at);
    ToolRect *addRect(const QRect &rect, const QPointF &pos, bool round = false);
    Qt::CursorShape cursor() const
    {
        return view->cursor().shape();
    }

    ToolScene *scene = nullptr;
    QGraphicsView *view = nullptr;
};

void TestTools::initTestCase()
{
    qRegisterMetaType<QGraphicsItem *>();
}

void TestTools::init()
{
    scene = new ToolScene();
    scene->setSceneRect(SceneRect);
    view = new QGraphicsView(scene);
    view->setFrameShape(QFrame::NoFrame);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->resize(500, 400);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->mapToScene(QPoint(37, 21)), QPointF(37, 21));

    scene->setToolBounds(QSize(int(scene->sceneRect().width()), int(scene->sceneRect().height())));
    scene->toolState().shape = selection;
    scene->toolState().down = QPointF();
    scene->toolState().last = QPointF();
    scene->toolState().dragHandle = 0;
    scene->toolState().selectMode = 0;
    for (DrawTool *tool : scene->tools()) {
        tool->hoverHandle = false;
        if (auto *select = dynamic_cast<SelectTool *>(tool)) {
            select->outline.clear();
            select->opposite = QPointF();
        } else if (auto *rect = dynamic_cast<RectTool *>(tool)) {
            rect->item = nullptr;
        } else if (auto *poly = dynamic_cast<PolygonTool *>(tool)) {
            poly->item = nullptr;
            poly->pointCount = 0;
        } else if (auto *rotate = dynamic_cast<RotationTool *>(tool)) {
            rotate->outline.clear();
            rotate->startAngle = 0;
        }
    }
}

void TestTools::cleanup()
{
    delete view;
    view = nullptr;
    delete scene;
    scene = nullptr;
}

void TestTools::send(
    QEvent::Type type, const QPointF &scenePos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPoint at = view->mapFromScene(scenePos);
    QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
}

void TestTools::press(const QPointF &at, Qt::MouseButton button)
{
    send(QEvent::MouseButtonPress, at, button, button);
}

void TestTools::drag(const QPointF &to)
{
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
}

void TestTools::hover(const QPointF &to)
{
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::NoButton);
}

void TestTools::release(const QPointF &at, Qt::MouseButton button)
{
    send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void TestTools::doubleClick(const QPointF &at)
{
    press(at);
    release(at);
    send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    release(at);
}

ToolRect *TestTools::addRect(const QRect &rect, const QPointF &pos, bool round)
{
    auto *item = new ToolRect(rect, round);
    item->setPos(pos);
    scene->addItem(item);
    return item;
}

void TestTools::toolOrder()
{
    QList<int> keys;
    for (const DrawTool *tool : scene->tools())
        keys.append(tool->key);
    QList<int> expected { 0, 3, 4, 5, 2, 7, 6, 8, 1 };
#ifdef WITH_CHARACTER_SHAPES
    expected.append(9);
#endif
    QCOMPARE(keys, expected);

    QVERIFY(dynamic_cast<SelectTool *>(scene->tool(selection)));
    for (DrawShape key : { rectangle, roundrect, ellipse })
        QVERIFY(dynamic_cast<RectTool *>(scene->tool(key)));
    for (DrawShape key : { line, bezier, polygon, polyline })
        QVERIFY(dynamic_cast<PolygonTool *>(scene->tool(key)));
    QVERIFY(dynamic_cast<RotationTool *>(scene->tool(rotation)));
#ifdef WITH_CHARACTER_SHAPES
    QVERIFY(dynamic_cast<RotatePointTool *>(scene->tool(rotationPoint)));
#else
    QVERIFY(!scene->tool(rotationPoint));
#endif
    for (const DrawTool *tool : scene->tools())
        QCOMPARE(scene->tool(tool->key)->key, tool->key);
}

void TestTools::toolsBelongToTheirScene()
{
    ToolScene other;
    const QList<DrawTool *> mine = scene->tools();
    const QList<DrawTool *> theirs = other.tools();
    QCOMPARE(theirs.size(), mine.size());
    for (DrawTool *tool : theirs)
        QVERIFY(!mine.contains(tool));
    // The current tool of one scene is not the other's.
    other.setMode(rectangle);
    QCOMPARE(scene->mode(), selection);
    QCOMPARE(other.tool(rectangle)->key, rectangle);
}

void TestTools::rectangleDrawn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("round");
    QTest::newRow("rectangle") << int(rectangle) << "rectangle" << false;
    QTest::newRow("rounded") << int(roundrect) << "rectangle" << true;
    QTest::newRow("ellipse") << int(ellipse) << "ellipse" << false;
}

void TestTools::rectangleDrawn()
{
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(bool, round);
    QSignalSpy added(scene, &DrawScene::itemAdded);
    auto *other = addRect(QRect(0, 0, 20, 20), QPointF(300, 200));
    other->setSelected(true);

    scene->toolState().shape = DrawShape(key);
    press(QPointF(10, 10));
    QCOMPARE(cursor(), Qt::ArrowCursor);
    drag(QPointF(60, 40));
    QCOMPARE(cursor(), Qt::CrossCursor);
    drag(QPointF(110, 60));
    release(QPointF(110, 60));

    QCOMPARE(added.count(), 1);
    auto *item = dynamic_cast<GraphicsRectItem *>(itemArg(added, 0));
    QVERIFY(item);
    QCOMPARE(item->scene(), scene);
    QCOMPARE(item->shapeName(), name);
    QCOMPARE(item->isRound(), round);
    // The box grows from its seed corner (1, 1) to the pointer.
    QCOMPARE(item->pos(), QPointF(11, 11));
    QCOMPARE(item->width(), 99.0);
    QCOMPARE(item->height(), 49.0);
    QCOMPARE(item->localRect(), QRectF(0, 0, 99, 49));
    QCOMPARE(item->mapToScene(item->localRect().bottomRight()), QPointF(110, 60));
    QVERIFY(item->isSelected());
    QVERIFY(!other->isSelected());
    QCOMPARE(scene->toolState().shape, selection);
    QCOMPARE(scene->toolState().selectMode, 0);
    QCOMPARE(cursor(), Qt::ArrowCursor);
}

void TestTools::rectangleClickLeavesNothing()
{
    QSignalSpy added(scene, &DrawScene::itemAdded);
    const int itemsBefore = scene->items().size();
    scene->toolState().shape = rectangle;
    press(QPointF(50, 50));
    release(QPointF(50, 50));
    QCOMPARE(added.count(), 0);
    QCOMPARE(scene->items().size(), itemsBefore);
    QVERIFY(scene->selectedItems().isEmpty());
    QCOMPARE(scene->toolState().shape, selection);
}

void TestTools::singleItemDropClamped_data()
{
    QTest::addColumn<QPointF>("itemPos");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("expectedPos");
    QTest::addColumn<QPointF>("expectedDelta");
    // The item is 50 x 40 in a 400 x 300 scene.
    QTest::newRow("inside") << QPointF(100, 100) << QPointF(120, 120) << QPointF(150, 130)
                            << QPointF(130, 110) << QPointF(30, 10);
    QTest::newRow("past right and bottom")
        << QPointF(300, 200) << QPointF(320, 220) << QPointF(390, 290) << QPointF(350, 260)
        << QPointF(70, 70);
    QTest::newRow("pointer beyond the scene")
        << QPointF(300, 200) << QPointF(320, 220) << QPointF(450, 350) << QPointF(350, 260)
        << QPointF(80, 80);
    QTest::newRow("past left and top") << QPointF(20, 20) << QPointF(30, 30) << QPointF(5, 5)
                                       << QPointF(0, 0) << QPointF(-25, -25);
}

void TestTools::singleItemDropClamped()
{
    QFETCH(QPointF, itemPos);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPointF, expectedPos);
    QFETCH(QPointF, expectedDelta);
    auto *item = addRect(QRect(0, 0, 50, 40), itemPos);
    item->setSelected(true);
    QSignalSpy moved(scene, &DrawScene::itemMoved);

    press(from);
    QCOMPARE(scene->toolState().selectMode, 2);
    const QList<QGraphicsItem *> before = scene->items();
    drag((from + to) / 2);
    drag(to);
    QCOMPARE(item->pos(), itemPos); // only the preview follows the pointer
    QCOMPARE(cursor(), Qt::CrossCursor);
    release(to);

    QCOMPARE(item->pos(), expectedPos);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(itemArg(moved, 0), item);
    QCOMPARE(pointArg(moved, 0, 1), expectedDelta);
    QVERIFY(item->isSelected());
    QCOMPARE(scene->toolState().selectMode, 0);
    // The preview is gone with the gesture.
    QCOMPARE(scene->items().size(), before.size() - 1);
}

void TestTools::severalItemsMovedTogether()
{
    auto *first = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    auto *second = addRect(QRect(0, 0, 30, 30), QPointF(200, 150));
    first->setSelected(true);
    second->setSelected(true);
    QSignalSpy moved(scene, &DrawScene::itemMoved);

    press(QPointF(110, 110));
    QCOMPARE(scene->toolState().selectMode, 2);
    drag(QPointF(120, 115));
    drag(QPointF(130, 120));
    release(QPointF(130, 120));

    QCOMPARE(first->pos(), QPointF(120, 110));
    QCOMPARE(second->pos(), QPointF(220, 160));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(itemArg(moved, 0), nullptr);
    QCOMPARE(pointArg(moved, 0, 1), QPointF(20, 10));
}

void TestTools::clickOnItemMovesNothing()
{
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    QSignalSpy moved(scene, &DrawScene::itemMoved);
    press(QPointF(120, 120));
    release(QPointF(120, 120));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(item->pos(), QPointF(100, 100));
    QVERIFY(item->isSelected());
}

void TestTools::pressedItemIsTheOneDragged()
{
    auto *pressed = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    auto *previous = addRect(QRect(0, 0, 50, 40), QPointF(200, 200));
    previous->setSelected(true);
    QSignalSpy moved(scene, &DrawScene::itemMoved);
    press(QPointF(120, 120));
    QVERIFY(pressed->isSelected());
    QVERIFY(!previous->isSelected());
    drag(QPointF(130, 130));
    release(QPointF(130, 130));
    QCOMPARE(pressed->pos(), QPointF(110, 110));
    QCOMPARE(previous->pos(), QPointF(200, 200));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(itemArg(moved, 0), pressed);

    // A plain click keeps the clicked item as the selection.
    press(QPointF(200, 150));
    QVERIFY(scene->selectedItems().isEmpty());
    release(QPointF(200, 150));
    press(QPointF(220, 220));
    release(QPointF(220, 220));
    QCOMPARE(scene->selectedItems(), QList<QGraphicsItem *>({ previous }));
}

void TestTools::rubberBandSelects()
{
    auto *inside = addRect(QRect(0, 0, 20, 20), QPointF(50, 50));
    auto *outside = addRect(QRect(0, 0, 20, 20), QPointF(300, 200));
    press(QPointF(10, 10));
    QCOMPARE(scene->toolState().selectMode, 1);
    QCOMPARE(view->dragMode(), QGraphicsView::RubberBandDrag);
    drag(QPointF(50, 50));
    drag(QPointF(100, 100));
    release(QPointF(100, 100));
    QVERIFY(inside->isSelected());
    QVERIFY(!outside->isSelected());
    QCOMPARE(view->dragMode(), QGraphicsView::NoDrag);
    QCOMPARE(scene->toolState().selectMode, 0);
}

void TestTools::hoverCursor_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("onHandle");
    // A 60 x 40 box at (100, 100).
    QTest::newRow("1") << QPointF(100, 100) << int(Qt::SizeFDiagCursor) << true;
    QTest::newRow("2") << QPointF(130, 100) << int(Qt::SizeVerCursor) << true;
    QTest::newRow("3") << QPointF(160, 100) << int(Qt::SizeBDiagCursor) << true;
    QTest::newRow("4") << QPointF(160, 120) << int(Qt::SizeHorCursor) << true;
    QTest::newRow("5") << QPointF(160, 140) << int(Qt::SizeFDiagCursor) << true;
    QTest::newRow("6") << QPointF(130, 140) << int(Qt::SizeVerCursor) << true;
    QTest::newRow("7") << QPointF(100, 140) << int(Qt::SizeBDiagCursor) << true;
    QTest::newRow("8") << QPointF(100, 120) << int(Qt::SizeHorCursor) << true;
    QTest::newRow("inside") << QPointF(130, 120) << int(Qt::ArrowCursor) << false;
    QTest::newRow("outside") << QPointF(20, 20) << int(Qt::ArrowCursor) << false;
}

void TestTools::hoverCursor()
{
    QFETCH(QPointF, at);
    QFETCH(int, shape);
    QFETCH(bool, onHandle);
    auto *item = addRect(QRect(0, 0, 60, 40), QPointF(100, 100));
    item->setSelected(true);
    view->setCursor(Qt::WaitCursor);
    hover(at);
    QCOMPARE(int(cursor()), shape);
    QCOMPARE(scene->tool(selection)->hoverHandle, onHandle);
}

void TestTools::resizeFromCornerUsesOneForZero()
{
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    QSignalSpy resized(scene, &DrawScene::itemResize);

    hover(QPointF(150, 140));
    press(QPointF(150, 140));
    QCOMPARE(scene->toolState().selectMode, 3);
    QCOMPARE(scene->toolState().dragHandle, 5);
    QCOMPARE(dynamic_cast<SelectTool *>(scene->tool(selection))->opposite, QPointF(1, 1));
    drag(QPointF(200, 180));
    drag(QPointF(250, 220));
    release(QPointF(250, 220));

    // Total factors since the press, about (1, 1): (150 - 1) / (50 - 1), (120 - 1) / (40 - 1).
    QCOMPARE(resized.count(), 2);
    QCOMPARE(resized.at(0).at(1).toInt(), 5);
    QCOMPARE(pointArg(resized, 0, 2), QPointF(99.0 / 49, 79.0 / 39));
    QCOMPARE(pointArg(resized, 1, 2), QPointF(149.0 / 49, 119.0 / 39));
    QCOMPARE(item->width(), 50 * 149.0 / 49);
    QCOMPARE(item->height(), 40 * 119.0 / 39);
    // Ended by normalizeGeometry: the box starts at the item's origin again.
    QCOMPARE(item->localRect().topLeft(), QPointF(0, 0));
    QCOMPARE(item->pos(), QPointF(101 - 149.0 / 49, 101 - 119.0 / 39));
    QCOMPARE(scene->toolState().selectMode, 0);
    QCOMPARE(scene->toolState().dragHandle, 0);
}

void TestTools::clickOnBoxHandleChangesNothing()
{
    // Not normalised yet: normalizeGeometry would move its box to the origin.
    auto *item = addRect(QRect(5, 5, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    QSignalSpy resized(scene, &DrawScene::itemResize);
    hover(QPointF(155, 145));
    press(QPointF(155, 145));
    QCOMPARE(scene->toolState().selectMode, 3);
    release(QPointF(155, 145));
    QCOMPARE(resized.count(), 0);
    QCOMPARE(item->localRect(), QRectF(5, 5, 50, 40));
    QCOMPARE(item->pos(), QPointF(100, 100));
    QCOMPARE(item->width(), 50.0);
}

void TestTools::controlHandleDrag_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("dir");
    // A rounded 50 x 40 box at (100, 100): radius handles 9 at (150, 113.3), 10 at (145, 100).
    QTest::newRow("9") << QPointF(150, 113) << 9;
    QTest::newRow("10") << QPointF(145, 100) << 10;
    // Handles 10 and 3 overlap here; the later handle wins.
    QTest::newRow("10 over 3") << QPointF(147, 100) << 10;
}

void TestTools::controlHandleDrag()
{
    QFETCH(QPointF, at);
    QFETCH(int, dir);
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100), true);
    item->setSelected(true);
    QSignalSpy controlled(scene, &DrawScene::itemControl);
    QSignalSpy resized(scene, &DrawScene::itemResize);

    hover(at);
    QVERIFY(scene->tool(selection)->hoverHandle);
    press(at);
    QCOMPARE(scene->toolState().selectMode, 5);
    QCOMPARE(scene->toolState().dragHandle, dir);
    const QPointF to = at + QPointF(-3, 4);
    drag(to);
    release(to);

    QCOMPARE(controlled.count(), 1);
    QCOMPARE(itemArg(controlled, 0), item);
    QCOMPARE(controlled.at(0).at(1).toInt(), dir);
    QCOMPARE(pointArg(controlled, 0, 2), to);
    QCOMPARE(pointArg(controlled, 0, 3), at);
    QCOMPARE(resized.count(), 0);
    if (dir == 9)
        QCOMPARE(item->yRatio(), 17.0 / 40);
    else
        QCOMPARE(item->xRatio(), (50.0 - int(to.x() - 100)) / 50);
}

void TestTools::polygonFinishedByDoubleClick_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("polygon") << int(polygon) << "polygon";
    QTest::newRow("bezier") << int(bezier) << "bezier";
    QTest::newRow("polyline") << int(polyline) << "bezier";
}

void TestTools::polygonFinishedByDoubleClick()
{
    QFETCH(int, key);
    QFETCH(QString, name);
    QSignalSpy added(scene, &DrawScene::itemAdded);
    const QPointF p1(50, 50), p2(150, 60), p3(120, 160);

    scene->toolState().shape = DrawShape(key);
    press(p1);
    drag(p2);
    release(p2);
    press(p2);
    hover(QPointF(130, 100));
    hover(p3);
    release(p3);
    QCOMPARE(added.count(), 0);
    doubleClick(p3);

    QCOMPARE(added.count(), 1);
    auto *item = dynamic_cast<GraphicsPolygonItem *>(itemArg(added, 0));
    QVERIFY(item);
    QCOMPARE(item->shapeName(), name);
    const QPolygonF points = item->mapToScene(item->points());
    QCOMPARE(points, QPolygonF(QVector<QPointF> { p1, p2, p3 }));
    QCOMPARE(item->handles().size(), 8 + 3);
    QCOMPARE(item->initialPoints(), item->points());
    QCOMPARE(scene->toolState().shape, selection);
    QCOMPARE(scene->toolState().selectMode, 0);
    auto *tool = dynamic_cast<PolygonTool *>(scene->tool(DrawShape(key)));
    QCOMPARE(tool->item, nullptr);
    QCOMPARE(tool->pointCount, 0);
}

void TestTools::lineEndsAtRelease()
{
    QSignalSpy added(scene, &DrawScene::itemAdded);
    scene->toolState().shape = line;
    press(QPointF(40, 40));
    drag(QPointF(100, 70));
    drag(QPointF(140, 90));
    release(QPointF(140, 90));

    QCOMPARE(added.count(), 1);
    auto *item = dynamic_cast<GraphicsLineItem *>(itemArg(added, 0));
    QVERIFY(item);
    QCOMPARE(item->mapToScene(item->points()),
        QPolygonF(QVector<QPointF> { QPointF(40, 40), QPointF(140, 90) }));
    QCOMPARE(item->handles().size(), 2);
    QCOMPARE(scene->toolState().shape, selection);
}

void TestTools::rotationFoldsPast360()
{
    auto *item = addRect(QRect(0, 0, 100, 60), QPointF(150, 120));
    item->setRotation(350);
    item->setSelected(true);
    QSignalSpy rotated(scene, &DrawScene::itemRotate);
    scene->toolState().shape = rotation;

    const QPointF centre = item->mapRectToScene(item->boundingRect()).center();
    const QPointF handle = item->mapToScene(QPointF(100, 60)); // handle 5
    const QPointF start(std::round(handle.x()), std::round(handle.y()));
    const double radius = std::hypot(start.x() - centre.x(), start.y() - centre.y());
    const double turned
        = std::atan2(start.y() - centre.y(), start.x() - centre.x()) + 20.5 * M_PI / 180;
    const QPointF end(std::round(centre.x() + radius * std::cos(turned)),
        std::round(centre.y() + radius * std::sin(turned)));
    const auto degrees = [&](const QPointF &p) {
        return std::atan2(p.y() - centre.y(), p.x() - centre.x()) * 180 / 3.1416;
    };
    QCOMPARE(int(degrees(end) - degrees(start)), 20);

    hover(start);
    QVERIFY(scene->tool(rotation)->hoverHandle);
    press(start);
    QCOMPARE(scene->toolState().selectMode, 4);
    QCOMPARE(scene->toolState().dragHandle, 5);
    drag(end);
    QCOMPARE(item->rotation(), 350.0); // only the preview turns while dragging
    release(end);

    QCOMPARE(item->rotation(), 10.0);
    QCOMPARE(rotated.count(), 1);
    QCOMPARE(itemArg(rotated, 0), item);
    QCOMPARE(rotated.at(0).at(1).toReal(), 350.0);
    QCOMPARE(scene->toolState().selectMode, 0);
    QCOMPARE(cursor(), Qt::ArrowCursor);
}

void TestTools::rotationPressOffHandleGoesToSelection()
{
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    scene->toolState().shape = rotation;
    press(QPointF(20, 20));
    QCOMPARE(scene->toolState().shape, selection);
    QCOMPARE(scene->toolState().selectMode, 1); // the selection tool took the press: rubber band
    release(QPointF(20, 20));
    QVERIFY(!item->isSelected());
}

#ifdef WITH_CHARACTER_SHAPES
void TestTools::rotatePointFollowsPointer()
{
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    QSignalSpy changed(scene, &DrawScene::rotatePointChange);
    scene->toolState().shape = rotationPoint;

    press(QPointF(120, 110));
    QCOMPARE(scene->toolState().selectMode, 6);
    QCOMPARE(fieldsOf(item)->rc_x, 20.0);
    QCOMPARE(fieldsOf(item)->rc_y, 10.0);
    drag(QPointF(130, 125));
    QCOMPARE(fieldsOf(item)->rc_x, 30.0);
    QCOMPARE(fieldsOf(item)->rc_y, 25.0);
    release(QPointF(130, 125));

    QCOMPARE(changed.count(), 2);
    QCOMPARE(itemArg(changed, 0), item);
    QCOMPARE(itemArg(changed, 1), item);
    QCOMPARE(scene->toolState().selectMode, 0);
    QCOMPARE(scene->toolState().shape, rotationPoint);

    // Off the item the press still reports, with no item.
    press(QPointF(300, 250));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(itemArg(changed, 2), nullptr);
    release(QPointF(300, 250));
}

void TestTools::rotatePointOtherButtonLeaves()
{
    auto *item = addRect(QRect(0, 0, 50, 40), QPointF(100, 100));
    item->setSelected(true);
    QSignalSpy changed(scene, &DrawScene::rotatePointChange);
    scene->toolState().shape = rotationPoint;
    press(QPointF(120, 110), Qt::RightButton);
    release(QPointF(120, 110), Qt::RightButton);
    QCOMPARE(scene->toolState().shape, selection);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(fieldsOf(item)->rc_x, 25.0);
}
#endif

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
