#include "toolshapes.h"
#include "drawscene.h"
#include "drawtool.h"
#include "fakepreviewstate.h"
#include "graphicsitemgroup.h"
#include "graphicsrectitem.h"

#include <limits>

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A tool that records what the scene hands it and then runs the shared base handling.
class RecordingTool : public DrawTool
{
public:
    explicit RecordingTool(DrawShape key)
        : DrawTool(key)
    {
    }

    void mousePressEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override
    {
        record(QStringLiteral("press"), event, scene);
        DrawTool::mousePressEvent(event, scene);
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override
    {
        record(QStringLiteral("move"), event, scene);
        DrawTool::mouseMoveEvent(event, scene);
    }
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override
    {
        record(QStringLiteral("release"), event, scene);
        DrawTool::mouseReleaseEvent(event, scene);
    }
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event, DrawScene *scene) override
    {
        record(QStringLiteral("double"), event, scene);
        DrawTool::mouseDoubleClickEvent(event, scene);
    }

    QStringList calls;
    QList<QPointF> positions;
    QList<DrawScene *> scenes;

private:
    void record(const QString &call, QGraphicsSceneMouseEvent *event, DrawScene *scene)
    {
        calls.append(call);
        positions.append(event->scenePos());
        scenes.append(scene);
    }
};

// Tests add their tools under kinds that no tool of a scene has, still within the range
// the kind enumeration can hold.
constexpr DrawShape TestShape = DrawShape(14);
constexpr DrawShape UnregisteredShape = DrawShape(15);

RecordingTool &addRecordingTool(DrawScene &scene, DrawShape key)
{
    auto *tool = new RecordingTool(key);
    scene.addTool(tool);
    return *tool;
}

void sendMouse(QGraphicsScene &scene, QEvent::Type type, const QPointF &pos)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setScreenPos(pos.toPoint());
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QCoreApplication::sendEvent(&scene, &event);
}

void sendKey(QGraphicsScene &scene, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(&scene, &event);
}

GraphicsRectItem *addRect(QGraphicsScene &scene, const QRectF &geometry)
{
    auto *item = new ToolRect(QRect(0, 0, int(geometry.width()), int(geometry.height())), false);
    item->setPos(geometry.topLeft());
    scene.addItem(item);
    return item;
}

// Selects one new rectangle per geometry. The scene decides the selection order, so the
// geometries are handed out in that order: the reference (first selected) gets the first.
QList<GraphicsRectItem *> selectRects(QGraphicsScene &scene, const QList<QRectF> &geometries)
{
    for (int i = 0; i < geometries.size(); ++i)
        addRect(scene, QRectF(0, 0, 1, 1))->setSelected(true);
    const QList<QGraphicsItem *> order = scene.selectedItems();
    QList<GraphicsRectItem *> rects;
    for (int i = 0; i < geometries.size(); ++i) {
        auto *rect = static_cast<GraphicsRectItem *>(order.at(i));
        rect->setWidth(geometries.at(i).width());
        rect->setHeight(geometries.at(i).height());
        rect->setPos(geometries.at(i).topLeft());
        rects.append(rect);
    }
    return rects;
}

// The moves a spy on itemMoved saw, by item.
QMap<QGraphicsItem *, QPointF> reportedMoves(const QSignalSpy &spy)
{
    QMap<QGraphicsItem *, QPointF> moves;
    for (const QList<QVariant> &args : spy)
        moves.insert(args.at(0).value<QGraphicsItem *>(), args.at(1).toPointF());
    return moves;
}

QImage renderScene(QGraphicsScene &scene, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

void writePicture(const QString &path, const QColor &colour)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "PNG"));
}

} // namespace

class TestDrawScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void hiddenEmptyItem();
    void constructionDefaults();

    void alignSingleItemDoesNothing_data();
    void alignSingleItemDoesNothing();
    void alignEdgesAndCentres_data();
    void alignEdgesAndCentres();
    void alignToFarReferenceStaysInRange();
    void distribute_data();
    void distribute();
    void equalise_data();
    void equalise();
    void alignMovesGroupNotMembers();
    void alignSkipsSelectedGroupMember();

    void arrowKeysNudgeOncePerRelease_data();
    void arrowKeysNudgeOncePerRelease();
    void keysWithoutNudgeEmitNothing();

    void createGroupKeepsScenePositions();
    void createGroupUnderCommonAncestor();
    void createGroupOutsideScene();
    void destroyGroupRestoresMembers();

    void firstToolOfAKindWins();
    void mouseDispatchToCurrentTool();
    void mouseEventsWithoutToolAreDropped();
    void positionChangeTruncates_data();
    void positionChangeTruncates();
    void pressRecordsDownAndLast();
    void moveClampsToScene_data();
    void moveClampsToScene();
    void releaseWithoutMovementSelects_data();
    void releaseWithoutMovementSelects();
    void doubleClickOnShape_data();
    void doubleClickOnShape();

    void backgroundPicture();
#ifdef WITH_TOUCH_SHAPES
    void releaseClearsAnimationFlag();
#endif
};

void TestDrawScene::initTestCase()
{
    qRegisterMetaType<QGraphicsItem *>();
}

void TestDrawScene::hiddenEmptyItem()
{
    ToolScene scene;
    QCOMPARE(scene.items().size(), 1);
    QGraphicsRectItem *empty = scene.emptyItem();
    QVERIFY(empty);
    QCOMPARE(scene.items().first(), empty);
    QCOMPARE(empty->type(), 3);
    QVERIFY(empty->rect().isEmpty());
    QCOMPARE(empty->rect().topLeft(), QPointF(0, 0));
    QCOMPARE(empty->pos(), QPointF(0, 0));
    QVERIFY(empty->acceptHoverEvents());
    QVERIFY(!(empty->flags() & QGraphicsItem::ItemIsSelectable));
}

void TestDrawScene::constructionDefaults()
{
    ToolScene scene;
    QCOMPARE(scene.metaObject()->className(), "DrawScene");
    QCOMPARE(scene.nudgeDelta, QPointF(0, 0));
    QVERIFY(!scene.nudged);
    QCOMPARE(scene.mode(), selection);
#ifdef WITH_CHARACTER_SHAPES
    FontScene font;
    QVERIFY(font.file.isEmpty());
    QCOMPARE(font.encryptionKey, 1);
    QCOMPARE(font.filter, 32);
    QVERIFY(!font.background);
#endif
#ifdef WITH_TOUCH_SHAPES
    PageScene page { QFileInfo() };
    QVERIFY(page.file.isEmpty());
#endif
}

void TestDrawScene::alignSingleItemDoesNothing_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = 0; mode <= 11; ++mode)
        QTest::addRow("mode %d", mode) << mode;
}

void TestDrawScene::alignSingleItemDoesNothing()
{
    QFETCH(int, mode);
    ToolScene scene;
    GraphicsRectItem *item = addRect(scene, QRectF(10, 6, 20, 30));
    item->setSelected(true);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);
    QSignalSpy resized(&scene, &DrawScene::itemResize);

    scene.align(mode);

    QCOMPARE(item->sceneBoundingRect(), QRectF(10, 6, 20, 30));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(resized.count(), 0);
}

void TestDrawScene::alignEdgesAndCentres_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRectF>("reference");
    QTest::addColumn<QRectF>("expected"); // the other item, which starts at (50, 70, 8, 11)

    const QRectF ref(10, 20, 20, 30); // centre (20, 35)
    QTest::newRow("top") << 0 << ref << QRectF(50, 20, 8, 11);
    QTest::newRow("bottom") << 3 << ref << QRectF(50, 39, 8, 11);
    QTest::newRow("left") << 4 << ref << QRectF(10, 70, 8, 11);
    QTest::newRow("right") << 5 << ref << QRectF(22, 70, 8, 11);
    QTest::newRow("vertical centre") << 1 << ref << QRectF(50, 29.5, 8, 11);
    QTest::newRow("horizontal centre") << 2 << ref << QRectF(16, 70, 8, 11);
    QTest::newRow("centre") << 6 << ref << QRectF(16, 29.5, 8, 11);

    // Edge modes work from the reference centre truncated to whole units.
    const QRectF fractional(10.7, 20.6, 20, 30); // centre (20.7, 35.6)
    QTest::newRow("left, truncated centre") << 4 << fractional << QRectF(10, 70, 8, 11);
    QTest::newRow("top, truncated centre") << 0 << fractional << QRectF(50, 20, 8, 11);
    QTest::newRow("right, truncated centre") << 5 << fractional << QRectF(22, 70, 8, 11);
    QTest::newRow("bottom, truncated centre") << 3 << fractional << QRectF(50, 39, 8, 11);
    // Centre modes do not truncate.
    QTest::newRow("horizontal centre, exact") << 2 << fractional << QRectF(16.7, 70, 8, 11);
    QTest::newRow("centre, exact") << 6 << fractional << QRectF(16.7, 30.1, 8, 11);
}

void TestDrawScene::alignEdgesAndCentres()
{
    QFETCH(int, mode);
    QFETCH(QRectF, reference);
    QFETCH(QRectF, expected);
    ToolScene scene;
    const QRectF start(50, 70, 8, 11);
    const QList<GraphicsRectItem *> rects = selectRects(scene, { reference, start });
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    scene.align(mode);

    GraphicsRectItem *other = rects.at(1);
    const QRectF result = other->sceneBoundingRect();
    QCOMPARE(result.x(), expected.x());
    QCOMPARE(result.y(), expected.y());
    QCOMPARE(result.size(), expected.size());
    const QMap<QGraphicsItem *, QPointF> moves = reportedMoves(moved);
    QVERIFY(moves.contains(other));
    const QPointF delta = moves.value(other);
    QCOMPARE(delta.x(), expected.x() - start.x());
    QCOMPARE(delta.y(), expected.y() - start.y());
}

// A shape from a damaged file may lie far beyond any picture; aligning to it must not
// convert a coordinate past the integer range (undefined, and caught by the sanitizers).
void TestDrawScene::alignToFarReferenceStaysInRange()
{
    ToolScene scene;
    const QList<GraphicsRectItem *> rects
        = selectRects(scene, { QRectF(1e15, -1e15, 20, 30), QRectF(50, 70, 8, 11) });

    scene.align(4); // left edges, from the whole reference centre
    scene.align(0); // top edges

    const QPointF moved = rects.at(1)->pos();
    QVERIFY(qIsFinite(moved.x()) && qIsFinite(moved.y()));
    QVERIFY(moved.x() > 0 && moved.x() < std::numeric_limits<int>::max());
    QVERIFY(moved.y() < 0 && moved.y() > std::numeric_limits<int>::min());
}

void TestDrawScene::distribute_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<qreal>>("starts"); // in selection order
    QTest::addColumn<QList<qreal>>("sizes");
    QTest::addColumn<QList<qreal>>("expected"); // starts after distributing

    // Sorted by centre: 0, 50, 90; span 100, sizes 40, gaps 30.
    QTest::newRow("horizontal, gaps of 30")
        << 7 << QList<qreal> { 90, 0, 50 } << QList<qreal> { 10, 10, 20 }
        << QList<qreal> { 90, 0, 40 };
    QTest::newRow("vertical, gaps of 30")
        << 8 << QList<qreal> { 90, 0, 50 } << QList<qreal> { 10, 10, 20 }
        << QList<qreal> { 90, 0, 40 };
    // By start the wide item would come second; by centre it comes last.
    QTest::newRow("ordered by centre, not start")
        << 7 << QList<qreal> { 0, 20, 30 } << QList<qreal> { 10, 80, 10 }
        << QList<qreal> { 0, 20, 10 };
    // The gap, 11 / 3, is taken in single precision.
    const qreal gap = double(11.0f / 3.0f);
    QTest::newRow("single precision gap")
        << 7 << QList<qreal> { 0, 13, 26, 41 } << QList<qreal> { 10, 10, 10, 10 }
        << QList<qreal> { 0, 10 + gap, 20 + 2 * gap, 30 + 3 * gap };
}

void TestDrawScene::distribute()
{
    QFETCH(int, mode);
    QFETCH(QList<qreal>, starts);
    QFETCH(QList<qreal>, sizes);
    QFETCH(QList<qreal>, expected);
    const bool horizontal = mode == 7;
    ToolScene scene;
    QList<QRectF> geometries;
    for (int i = 0; i < starts.size(); ++i) {
        geometries.append(horizontal ? QRectF(starts.at(i), 5, sizes.at(i), 7)
                                     : QRectF(5, starts.at(i), 7, sizes.at(i)));
    }
    const QList<GraphicsRectItem *> rects = selectRects(scene, geometries);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    scene.align(mode);

    const QMap<QGraphicsItem *, QPointF> moves = reportedMoves(moved);
    int movedCount = 0;
    for (int i = 0; i < rects.size(); ++i) {
        const QRectF r = rects.at(i)->sceneBoundingRect();
        QCOMPARE(horizontal ? r.x() : r.y(), expected.at(i));
        QCOMPARE(horizontal ? r.y() : r.x(), 5.0);
        const qreal shift = expected.at(i) - starts.at(i);
        if (shift != 0) {
            ++movedCount;
            const QPointF delta = moves.value(rects.at(i));
            QCOMPARE(horizontal ? delta.x() : delta.y(), shift);
            QCOMPARE(horizontal ? delta.y() : delta.x(), 0.0);
        }
    }
    QCOMPARE(moved.count(), movedCount);
}

void TestDrawScene::equalise_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSizeF>("size"); // the other item's size; the reference is 40 x 30
    QTest::addColumn<bool>("resized");
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("scale");
    QTest::addColumn<QSizeF>("expected");

    QTest::newRow("width") << 9 << QSizeF(20, 15) << true << 4 << QPointF(2, 1) << QSizeF(40, 15);
    QTest::newRow("height") << 10 << QSizeF(20, 15) << true << 6 << QPointF(1, 2) << QSizeF(20, 30);
    QTest::newRow("size") << 11 << QSizeF(20, 15) << true << 5 << QPointF(2, 2) << QSizeF(40, 30);
    QTest::newRow("size, width already equal")
        << 11 << QSizeF(40, 15) << true << 5 << QPointF(1, 2) << QSizeF(40, 30);
    QTest::newRow("width already equal")
        << 9 << QSizeF(40, 15) << false << 0 << QPointF() << QSizeF(40, 15);
    QTest::newRow("height already equal")
        << 10 << QSizeF(20, 30) << false << 0 << QPointF() << QSizeF(20, 30);
    QTest::newRow("size already equal")
        << 11 << QSizeF(40, 30) << false << 0 << QPointF() << QSizeF(40, 30);
    QTest::newRow("width of a zero-wide item")
        << 9 << QSizeF(0, 15) << false << 0 << QPointF() << QSizeF(0, 15);
    QTest::newRow("height of a zero-high item")
        << 10 << QSizeF(20, 0) << false << 0 << QPointF() << QSizeF(20, 0);
    QTest::newRow("size of a zero-wide item")
        << 11 << QSizeF(0, 15) << false << 0 << QPointF() << QSizeF(0, 15);
    QTest::newRow("height of a zero-wide item")
        << 10 << QSizeF(0, 15) << true << 6 << QPointF(1, 2) << QSizeF(0, 30);
}

void TestDrawScene::equalise()
{
    QFETCH(int, mode);
    QFETCH(QSizeF, size);
    QFETCH(bool, resized);
    QFETCH(int, dir);
    QFETCH(QPointF, scale);
    QFETCH(QSizeF, expected);
    ToolScene scene;
    const QList<GraphicsRectItem *> rects
        = selectRects(scene, { QRectF(10, 10, 40, 30), QRectF(QPointF(100, 50), size) });
    GraphicsRectItem *other = rects.at(1);
    QSignalSpy resizes(&scene, &DrawScene::itemResize);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    scene.align(mode);

    QCOMPARE(resizes.count(), resized ? 1 : 0);
    if (resized) {
        QCOMPARE(resizes.at(0).at(0).value<QGraphicsItem *>(), other);
        QCOMPARE(resizes.at(0).at(1).toInt(), dir);
        QCOMPARE(resizes.at(0).at(2).toPointF(), scale);
    }
    QCOMPARE(moved.count(), 0);
    // The opposite edge stays where it was.
    QCOMPARE(other->sceneBoundingRect(), QRectF(QPointF(100, 50), expected));
    QCOMPARE(other->width(), expected.width());
    QCOMPARE(other->height(), expected.height());
    QCOMPARE(rects.at(0)->sceneBoundingRect(), QRectF(10, 10, 40, 30));
}

void TestDrawScene::alignMovesGroupNotMembers()
{
    ToolScene scene;
    GraphicsRectItem *loose = addRect(scene, QRectF(10, 100, 20, 10));
    GraphicsRectItem *first = addRect(scene, QRectF(60, 0, 10, 10));
    GraphicsRectItem *second = addRect(scene, QRectF(90, 30, 10, 10));
    GraphicsItemGroup *group = scene.createGroup({ first, second });
    const QPointF firstInGroup = first->pos();
    const QPointF secondInGroup = second->pos();
    const QPointF offset = second->scenePos() - first->scenePos();
    group->setSelected(true);
    loose->setSelected(true);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    scene.align(4);

    // Whichever is the reference, the two selected items end with one left edge.
    QCOMPARE(group->sceneBoundingRect().left(), loose->sceneBoundingRect().left());
    QCOMPARE(moved.count(), 1);
    QGraphicsItem *reported = moved.at(0).at(0).value<QGraphicsItem *>();
    QVERIFY(reported == group || reported == loose);
    QCOMPARE(first->pos(), firstInGroup);
    QCOMPARE(second->pos(), secondInGroup);
    QCOMPARE(second->scenePos() - first->scenePos(), offset);
    QCOMPARE(first->sceneBoundingRect().left(), group->sceneBoundingRect().left());
}

void TestDrawScene::alignSkipsSelectedGroupMember()
{
    ToolScene scene;
    GraphicsRectItem *loose = addRect(scene, QRectF(10, 100, 20, 10));
    GraphicsRectItem *member = addRect(scene, QRectF(60, 0, 10, 10));
    loose->setSelected(true);
    member->setSelected(true);
    // Grouped behind the scene's back, the member keeps its selection.
    auto *group = new GraphicsItemGroup();
    scene.addItem(group);
    group->addToGroup(member);
    QVERIFY(member->isSelected());
    const QPointF memberPos = member->pos();
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    for (int mode = 0; mode <= 8; ++mode)
        scene.align(mode);

    QCOMPARE(member->pos(), memberPos);
    for (const QList<QVariant> &args : qAsConst(moved))
        QVERIFY(args.at(0).value<QGraphicsItem *>() != member);
}

void TestDrawScene::arrowKeysNudgeOncePerRelease_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPointF>("step");
    QTest::addColumn<bool>("releaseOnRepeat"); // the window system's auto-repeat style

    const QList<QPair<int, QPointF>> keys
        = { { Qt::Key_Left, QPointF(-1, 0) }, { Qt::Key_Up, QPointF(0, -1) },
              { Qt::Key_Right, QPointF(1, 0) }, { Qt::Key_Down, QPointF(0, 1) } };
    const QStringList names = { "left", "up", "right", "down" };
    for (int i = 0; i < keys.size(); ++i) {
        QTest::addRow("%s, presses only", qPrintable(names.at(i)))
            << keys.at(i).first << keys.at(i).second << false;
        QTest::addRow("%s, release before each repeat", qPrintable(names.at(i)))
            << keys.at(i).first << keys.at(i).second << true;
    }
}

void TestDrawScene::arrowKeysNudgeOncePerRelease()
{
    QFETCH(int, key);
    QFETCH(QPointF, step);
    QFETCH(bool, releaseOnRepeat);
    ToolScene scene;
    GraphicsRectItem *a = addRect(scene, QRectF(10, 10, 5, 5));
    GraphicsRectItem *b = addRect(scene, QRectF(40, 20, 5, 5));
    GraphicsRectItem *idle = addRect(scene, QRectF(70, 30, 5, 5));
    a->setSelected(true);
    b->setSelected(true);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    sendKey(scene, QEvent::KeyPress, key);
    for (int i = 0; i < 2; ++i) {
        if (releaseOnRepeat)
            sendKey(scene, QEvent::KeyRelease, key, true);
        sendKey(scene, QEvent::KeyPress, key, true);
    }
    QCOMPARE(a->pos(), QPointF(10, 10) + 3 * step);
    QCOMPARE(moved.count(), 0);
    sendKey(scene, QEvent::KeyRelease, key);

    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).value<QGraphicsItem *>(), nullptr);
    QCOMPARE(moved.at(0).at(1).toPointF(), 3 * step);
    QCOMPARE(a->pos(), QPointF(10, 10) + 3 * step);
    QCOMPARE(b->pos(), QPointF(40, 20) + 3 * step);
    QCOMPARE(idle->pos(), QPointF(70, 30));
    QCOMPARE(scene.nudgeDelta, QPointF(0, 0));

    // The next gesture starts from nothing.
    sendKey(scene, QEvent::KeyPress, key);
    sendKey(scene, QEvent::KeyRelease, key);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(1).toPointF(), step);
}

void TestDrawScene::keysWithoutNudgeEmitNothing()
{
    ToolScene scene;
    GraphicsRectItem *item = addRect(scene, QRectF(10, 10, 5, 5));
    item->setSelected(true);
    QSignalSpy moved(&scene, &DrawScene::itemMoved);

    sendKey(scene, QEvent::KeyPress, Qt::Key_A);
    sendKey(scene, QEvent::KeyRelease, Qt::Key_A);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(item->pos(), QPointF(10, 10));

    // Arrows with nothing selected move nothing and report nothing.
    item->setSelected(false);
    sendKey(scene, QEvent::KeyPress, Qt::Key_Right);
    sendKey(scene, QEvent::KeyRelease, Qt::Key_Right);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(item->pos(), QPointF(10, 10));
    QCOMPARE(scene.nudgeDelta, QPointF(0, 0));
}

void TestDrawScene::createGroupKeepsScenePositions()
{
    ToolScene scene;
    const QList<QRectF> geometries
        = { QRectF(10, 20, 30, 40), QRectF(70, 5, 10, 10), QRectF(25.5, 90, 4, 6) };
    QList<QGraphicsItem *> items;
    for (const QRectF &geometry : geometries) {
        GraphicsRectItem *item = addRect(scene, geometry);
        item->setSelected(true);
        items.append(item);
    }

    GraphicsItemGroup *group = scene.createGroup(items);

    QVERIFY(group);
    QCOMPARE(group->scene(), &scene);
    QCOMPARE(group->parentItem(), nullptr);
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items.at(i)->parentItem(), group);
        QCOMPARE(items.at(i)->sceneBoundingRect(), geometries.at(i));
        QVERIFY(!items.at(i)->isSelected());
        items.at(i)->setSelected(true);
        QVERIFY(!items.at(i)->isSelected());
    }
    QVERIFY(group->sceneBoundingRect().contains(QRectF(10, 5, 70, 91)));
    group->setSelected(true);
    QVERIFY(group->isSelected());
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *> { group });
}

void TestDrawScene::createGroupUnderCommonAncestor()
{
    ToolScene scene;
    GraphicsRectItem *outer = addRect(scene, QRectF(0, 0, 200, 200));
    auto *holder = new ToolRect(QRect(0, 0, 100, 100), false, outer);
    holder->setPos(20, 20);
    auto *a = new ToolRect(QRect(0, 0, 10, 10), false, holder);
    a->setPos(5, 5);
    auto *b = new ToolRect(QRect(0, 0, 10, 10), false, holder);
    b->setPos(40, 30);
    const QRectF aBefore = a->sceneBoundingRect();
    const QRectF bBefore = b->sceneBoundingRect();

    GraphicsItemGroup *group = scene.createGroup({ a, b });

    QCOMPARE(group->parentItem(), holder);
    QCOMPARE(group->scene(), &scene);
    QCOMPARE(a->parentItem(), group);
    QCOMPARE(b->parentItem(), group);
    QCOMPARE(a->sceneBoundingRect(), aBefore);
    QCOMPARE(b->sceneBoundingRect(), bBefore);
}

void TestDrawScene::createGroupOutsideScene()
{
    ToolScene scene;
    auto *a = new ToolRect(QRect(0, 0, 10, 10), false);
    a->setPos(5, 5);
    auto *b = new ToolRect(QRect(0, 0, 10, 10), false);
    b->setPos(40, 30);

    QScopedPointer<GraphicsItemGroup> group(scene.createGroup({ a, b }, false));

    QCOMPARE(group->scene(), nullptr);
    QCOMPARE(scene.items().size(), 1);
    QCOMPARE(a->parentItem(), group.data());
    QCOMPARE(b->parentItem(), group.data());
    QCOMPARE(a->sceneBoundingRect(), QRectF(5, 5, 10, 10));
    QCOMPARE(b->sceneBoundingRect(), QRectF(40, 30, 10, 10));
}

void TestDrawScene::destroyGroupRestoresMembers()
{
    ToolScene scene;
    GraphicsRectItem *a = addRect(scene, QRectF(10, 20, 30, 40));
    GraphicsRectItem *b = addRect(scene, QRectF(70, 5, 10, 10));
    QPointer<GraphicsItemGroup> group = scene.createGroup({ a, b });
    group->setPos(group->pos() + QPointF(7, -3));
    group->setSelected(true);
    const QRectF aBefore = a->sceneBoundingRect();
    const QRectF bBefore = b->sceneBoundingRect();
    QCOMPARE(aBefore, QRectF(17, 17, 30, 40));

    scene.destroyGroup(group);

    QVERIFY(group.isNull());
    for (QGraphicsItem *item : scene.items())
        QVERIFY(item->type() != GroupType);
    QCOMPARE(a->parentItem(), nullptr);
    QCOMPARE(b->parentItem(), nullptr);
    QCOMPARE(a->sceneBoundingRect(), aBefore);
    QCOMPARE(b->sceneBoundingRect(), bBefore);
    QVERIFY(a->isSelected());
    QVERIFY(b->isSelected());
    QCOMPARE(scene.selectedItems().size(), 2);
}

void TestDrawScene::firstToolOfAKindWins()
{
    ToolScene scene;
    QVERIFY(!scene.tool(TestShape));
    RecordingTool &first = addRecordingTool(scene, TestShape);
    RecordingTool &second = addRecordingTool(scene, TestShape);
    RecordingTool &other = addRecordingTool(scene, UnregisteredShape);
    QCOMPARE(scene.tool(TestShape), &first);
    QCOMPARE(scene.tool(UnregisteredShape), &other);
    const QList<DrawTool *> tools = scene.tools();
    QCOMPARE(tools.indexOf(&first) + 1, tools.indexOf(&second));
    QCOMPARE(tools.last(), &other);
}

void TestDrawScene::mouseDispatchToCurrentTool()
{
    ToolScene scene;
    RecordingTool &tool = addRecordingTool(scene, TestShape);
    RecordingTool &bystander = addRecordingTool(scene, UnregisteredShape);
    scene.toolState().shape = TestShape;

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(1, 2));
    sendMouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(3, 4));
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(5, 6));
    sendMouse(scene, QEvent::GraphicsSceneMouseDoubleClick, QPointF(7, 8));

    QCOMPARE(tool.calls, (QStringList { "press", "move", "release", "double" }));
    QCOMPARE(tool.positions,
        (QList<QPointF> { QPointF(1, 2), QPointF(3, 4), QPointF(5, 6), QPointF(7, 8) }));
    for (DrawScene *seen : qAsConst(tool.scenes))
        QCOMPARE(seen, &scene);
    QVERIFY(bystander.calls.isEmpty());
}

void TestDrawScene::mouseEventsWithoutToolAreDropped()
{
    ToolScene scene;
    RecordingTool &tool = addRecordingTool(scene, TestShape);
    scene.toolState().shape = UnregisteredShape;
    QSignalSpy positions(&scene, &DrawScene::positionChange);

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(1, 2));
    sendMouse(scene, QEvent::GraphicsSceneMouseMove, QPointF(3, 4));
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(5, 6));
    sendMouse(scene, QEvent::GraphicsSceneMouseDoubleClick, QPointF(7, 8));

    QVERIFY(tool.calls.isEmpty());
    QCOMPARE(scene.toolState().down, QPointF());
    QCOMPARE(scene.toolState().shape, UnregisteredShape);
    // The pointer position is reported with or without a tool.
    QCOMPARE(positions.count(), 1);
}

void TestDrawScene::positionChangeTruncates_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("whole") << QPointF(12, 7) << 12 << 7;
    QTest::newRow("fractions") << QPointF(12.9, 7.2) << 12 << 7;
    QTest::newRow("negative, toward zero") << QPointF(-3.7, -0.5) << -3 << 0;
}

void TestDrawScene::positionChangeTruncates()
{
    QFETCH(QPointF, pos);
    QFETCH(int, x);
    QFETCH(int, y);
    ToolScene scene;
    RecordingTool &tool = addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;
    QSignalSpy positions(&scene, &DrawScene::positionChange);

    sendMouse(scene, QEvent::GraphicsSceneMouseMove, pos);

    QCOMPARE(positions.count(), 1);
    QCOMPARE(positions.at(0).at(0).toInt(), x);
    QCOMPARE(positions.at(0).at(1).toInt(), y);
    QCOMPARE(tool.calls, QStringList { "move" });
}

void TestDrawScene::pressRecordsDownAndLast()
{
    ToolScene scene;
    addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;
    scene.toolState().last = QPointF(99, 99);

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(3.5, 4.25));

    QCOMPARE(scene.toolState().down, QPointF(3.5, 4.25));
    QCOMPARE(scene.toolState().last, QPointF(3.5, 4.25));
}

void TestDrawScene::moveClampsToScene_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QPointF>("expected"); // scene bounds 100 x 50
    QTest::newRow("inside keeps fractions") << QPointF(20.5, 30.25) << QPointF(20.5, 30.25);
    QTest::newRow("whole part at the bound") << QPointF(100.2, 50.7) << QPointF(100, 50);
    QTest::newRow("just inside the bound") << QPointF(99.9, 49.9) << QPointF(99.9, 49.9);
    QTest::newRow("beyond") << QPointF(150, 70) << QPointF(100, 50);
    QTest::newRow("whole part below 1") << QPointF(0.9, 0.5) << QPointF(0, 0);
    QTest::newRow("negative") << QPointF(-5, -0.5) << QPointF(0, 0);
    QTest::newRow("one") << QPointF(1, 1.5) << QPointF(1, 1.5);
}

void TestDrawScene::moveClampsToScene()
{
    QFETCH(QPointF, pos);
    QFETCH(QPointF, expected);
    ToolScene scene;
    addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;
    scene.setToolBounds(QSize(100, 50));

    sendMouse(scene, QEvent::GraphicsSceneMouseMove, pos);

    QCOMPARE(scene.toolState().last, expected);
}

void TestDrawScene::releaseWithoutMovementSelects_data()
{
    QTest::addColumn<QPointF>("release");
    QTest::addColumn<bool>("backToSelection");
    QTest::newRow("same place") << QPointF(30.5, 40.5) << true;
    QTest::newRow("within 1e-12") << QPointF(30.5 + 1e-13, 40.5 - 1e-13) << true;
    QTest::newRow("moved in x") << QPointF(30.5 + 1e-9, 40.5) << false;
    QTest::newRow("moved in y") << QPointF(30.5, 41.5) << false;
}

void TestDrawScene::releaseWithoutMovementSelects()
{
    QFETCH(QPointF, release);
    QFETCH(bool, backToSelection);
    ToolScene scene;
    QGraphicsView view(&scene);
    view.setCursor(Qt::CrossCursor);
    addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(30.5, 40.5));
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, release);

    QCOMPARE(scene.toolState().shape, backToSelection ? selection : TestShape);
    QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
}

void TestDrawScene::doubleClickOnShape_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<bool>("onShape");
    QTest::newRow("shape") << QPointF(20, 20) << true;
    QTest::newRow("empty space") << QPointF(150, 150) << false;
    QTest::newRow("group member") << QPointF(105, 105) << true;
    QTest::newRow("group between members") << QPointF(115, 115) << false;
    QTest::newRow("handle of the selected shape") << QPointF(10, 10) << false;
}

void TestDrawScene::doubleClickOnShape()
{
    QFETCH(QPointF, pos);
    QFETCH(bool, onShape);
    ToolScene scene;
    GraphicsRectItem *shape = addRect(scene, QRectF(10, 10, 20, 20));
    GraphicsRectItem *a = addRect(scene, QRectF(100, 100, 10, 10));
    GraphicsRectItem *b = addRect(scene, QRectF(120, 120, 10, 10));
    scene.createGroup({ a, b });
    shape->setSelected(true);
    RecordingTool &tool = addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;
    QSignalSpy attr(&scene, &DrawScene::itemAttrSet);

    sendMouse(scene, QEvent::GraphicsSceneMouseDoubleClick, pos);

    QCOMPARE(tool.calls, QStringList { "double" });
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(attr.count(), onShape ? 1 : 0);
#else
    Q_UNUSED(onShape)
    QCOMPARE(attr.count(), 0);
#endif
}

void TestDrawScene::backgroundPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page.png"));
    writePicture(path, Qt::red);
#ifdef WITH_CHARACTER_SHAPES
    FontScene scene;
#else
    PageScene scene { QFileInfo() };
#endif
    scene.setSceneRect(0, 0, 8, 8);
    scene.file = path;

    const QImage first = renderScene(scene, QSize(8, 8));
    writePicture(path, Qt::blue);
    const QImage second = renderScene(scene, QSize(8, 8));

#ifdef WITH_TOUCH_SHAPES
    // Drawn whole over the scene rectangle, and read again at every paint.
    QCOMPARE(first.pixelColor(6, 6), QColor(Qt::red));
    QCOMPARE(first.pixelColor(2, 5), QColor(Qt::red));
    QCOMPARE(second.pixelColor(6, 6), QColor(Qt::blue));
#else
    QCOMPARE(first.pixelColor(6, 6), QColor(Qt::white));
    QCOMPARE(second.pixelColor(6, 6), QColor(Qt::white));
#endif
}

#ifdef WITH_TOUCH_SHAPES
void TestDrawScene::releaseClearsAnimationFlag()
{
    FakePreviewState preview;
    PageScene scene { QFileInfo() };
    RecordingTool &tool = addRecordingTool(scene, TestShape);
    scene.toolState().shape = TestShape;

    preview.pressed = true;
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(5, 5));
    QVERIFY(!preview.pressed);
    QCOMPARE(tool.calls, QStringList { "release" });

    // Also when no tool takes the release.
    scene.toolState().shape = UnregisteredShape;
    preview.pressed = true;
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(5, 5));
    QVERIFY(!preview.pressed);
}
#endif

QTEST_MAIN(TestDrawScene)
#include "tst_drawscene.moc"
