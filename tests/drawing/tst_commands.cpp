#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QUndoStack>
#include <QtTest>

#include "toolshapes.h"
#include "commands.h"
#include "drawscene.h"
#include "graphicsitemgroup.h"
#include "graphicsrectitem.h"
#include "shapemimedata.h"

namespace {

// A rectangle whose top-left corner, and position, is (x, y).
GraphicsRectItem *addRect(DrawScene *scene, int x, int y, int w, int h, bool round = false)
{
    auto *item = new ToolRect(QRect(x, y, w, h), round);
    item->normalizeGeometry();
    scene->addItem(item);
    return item;
}

QRectF sceneBox(const QGraphicsItem *item)
{
    return item->mapRectToScene(item->boundingRect());
}

// Top-level shapes of a scene, without handles and the scene's empty rectangle.
QList<QGraphicsItem *> shapesOf(const QGraphicsScene &scene)
{
    QList<QGraphicsItem *> shapes;
    for (QGraphicsItem *item : scene.items()) {
        if (item->type() == ShapeType && !item->parentItem())
            shapes.append(item);
    }
    return shapes;
}

void sendKey(DrawScene *scene, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(scene, &event);
}

const ShapeMimeData *clipboardShapes()
{
    return qobject_cast<const ShapeMimeData *>(QApplication::clipboard()->mimeData());
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void moveItem();
    void nudgeMovesSelectionOnce();
    void resize_data();
    void resize();
    void resizeMerge();
    void separateDragsUndoToTheirStart();
    void mirroredHandle_data();
    void mirroredHandle();
    void controlRadius();
    void rotate();
    void addUndoRedo();
    void addOwnership();
    void commandsOutliveScene();
    void removeSelection();
    void groupUndo();
    void unGroupUndo();
    void texts_data();
    void texts();

    void pasteWithoutShapes_data();
    void pasteWithoutShapes();
    void copyNothingPastesNothing();
    void copyPasteIntoOtherScene();
    void pasteUndoRedo();
    void cutUndo();
};

void TestCommands::init()
{
    QApplication::clipboard()->clear();
}

void TestCommands::moveItem()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 30, 40);
    item->setPos(15, 27);
    stack.push(new MoveShapeCommand(item, QPointF(5, 7)));
    QCOMPARE(item->pos(), QPointF(15, 27));
    stack.undo();
    QCOMPARE(item->pos(), QPointF(10, 20));
    stack.redo();
    QCOMPARE(item->pos(), QPointF(15, 27));
}

// The main window's slot: a null item means the scene's selection.
void TestCommands::nudgeMovesSelectionOnce()
{
    ToolScene scene;
    QUndoStack stack;
    connect(&scene, &DrawScene::itemMoved, &stack, [&](QGraphicsItem *item, const QPointF &delta) {
        if (item)
            stack.push(new MoveShapeCommand(item, delta));
        else
            stack.push(new MoveShapeCommand(&scene, delta));
    });
    auto *a = addRect(&scene, 0, 0, 10, 10);
    auto *b = addRect(&scene, 50, 60, 10, 10);
    auto *still = addRect(&scene, 100, 100, 10, 10);
    a->setSelected(true);
    b->setSelected(true);

    sendKey(&scene, QEvent::KeyPress, Qt::Key_Right);
    sendKey(&scene, QEvent::KeyPress, Qt::Key_Right);
    sendKey(&scene, QEvent::KeyPress, Qt::Key_Down);
    sendKey(&scene, QEvent::KeyRelease, Qt::Key_Down);

    QCOMPARE(stack.count(), 1);
    QCOMPARE(a->pos(), QPointF(2, 1));
    QCOMPARE(b->pos(), QPointF(52, 61));
    stack.undo();
    QCOMPARE(a->pos(), QPointF(0, 0));
    QCOMPARE(b->pos(), QPointF(50, 60));
    QCOMPARE(still->pos(), QPointF(100, 100));
    stack.redo();
    QCOMPARE(a->pos(), QPointF(2, 1));
    QCOMPARE(b->pos(), QPointF(52, 61));
    QCOMPARE(still->pos(), QPointF(100, 100));
}

void TestCommands::resize_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QList<QPointF>>("steps"); // total factors of each step of one drag
    QTest::addColumn<QRectF>("after");

    // The box starts at (10, 20), 100 x 50.
    QTest::newRow("right grows") << 4 << QList<QPointF> { { 1.5, 1 } } << QRectF(10, 20, 150, 50);
    QTest::newRow("top-left shrinks")
        << 1 << QList<QPointF> { { 0.8, 0.8 }, { 0.5, 0.5 } } << QRectF(60, 45, 50, 25);
    QTest::newRow("right across left")
        << 4 << QList<QPointF> { { 0.5, 1 }, { -0.5, 1 } } << QRectF(-40, 20, 50, 50);
    QTest::newRow("one step across")
        << 4 << QList<QPointF> { { -0.5, 1 } } << QRectF(-40, 20, 50, 50);
    QTest::newRow("top across bottom")
        << 2 << QList<QPointF> { { 1, 0.5 }, { 1, -1 } } << QRectF(10, 70, 100, 50);
    QTest::newRow("bottom-right across both")
        << 5 << QList<QPointF> { { 1.2, 1.2 }, { -1, -2 } } << QRectF(-90, -80, 100, 100);
    QTest::newRow("left across right")
        << 8 << QList<QPointF> { { -0.25, 3 } } << QRectF(110, 20, 25, 50);
}

// As the selection tool does it: stretch and report each step, normalise at release.
void TestCommands::resize()
{
    QFETCH(int, handle);
    QFETCH(QList<QPointF>, steps);
    QFETCH(QRectF, after);

    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 100, 50);
    const QPointF origin = item->oppositeHandlePosition(handle);
    for (const QPointF &scale : steps) {
        item->stretchBy(handle, scale.x(), scale.y(), origin);
        stack.push(new ResizeShapeCommand(item, handle, scale));
    }
    item->normalizeGeometry();
    QCOMPARE(stack.count(), 1);
    QCOMPARE(sceneBox(item), after);

    stack.undo();
    QCOMPARE(item->pos(), QPointF(10, 20));
    QCOMPARE(item->localRect(), QRectF(0, 0, 100, 50));
    stack.redo();
    QCOMPARE(sceneBox(item), after);
    stack.undo();
    QCOMPARE(sceneBox(item), QRectF(10, 20, 100, 50));
}

void TestCommands::resizeMerge()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 0, 0, 100, 50);
    auto *other = addRect(&scene, 200, 0, 100, 50);
    stack.push(new ResizeShapeCommand(item, 5, QPointF(1.5, 1.5)));
    stack.push(new ResizeShapeCommand(item, 5, QPointF(2, -1)));
    QCOMPARE(stack.count(), 1);
    const auto *merged = static_cast<const ResizeShapeCommand *>(stack.command(0));
    QCOMPARE(merged->scale(), QPointF(2, -1));
    QCOMPARE(merged->flippedHandle(), 3);

    stack.push(new ResizeShapeCommand(item, 4, QPointF(1.2, 1)));
    QCOMPARE(stack.count(), 2);
    stack.push(new ResizeShapeCommand(other, 4, QPointF(1.1, 1)));
    QCOMPARE(stack.count(), 3);
    stack.push(new ControlShapeCommand(other, 9, QPointF(), QPointF()));
    stack.push(new ControlShapeCommand(other, 9, QPointF(1, 1), QPointF()));
    QCOMPARE(stack.count(), 4);
    stack.push(new ControlShapeCommand(other, 10, QPointF(), QPointF()));
    QCOMPARE(stack.count(), 5);
}

void TestCommands::separateDragsUndoToTheirStart()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 100, 50);
    const QRectF start = item->sceneBoundingRect();
    // Two drags of the right edge; each step reports the total factor since its own press.
    for (const QVector<double> &drag : { QVector<double> { 1.5, 2.0 }, { 1.25, 1.5 } }) {
        for (double total : drag) {
            item->stretchBy(4, total, 1, item->oppositeHandlePosition(4));
            stack.push(new ResizeShapeCommand(item, 4, QPointF(total, 1)));
        }
        item->normalizeGeometry();
    }
    QCOMPARE(stack.count(), 2);
    QCOMPARE(item->width(), 300.0);
    stack.undo();
    QCOMPARE(item->width(), 200.0);
    stack.undo();
    QCOMPARE(item->sceneBoundingRect(), start);

    QUndoStack controls;
    auto *round = new ToolRect(QRect(0, 0, 100, 60), true);
    scene.addItem(round);
    round->normalizeGeometry();
    const double startRatio = round->xRatio();
    const QPointF firstPress(90, 0);
    for (const QPointF &to : { QPointF(70, 0), QPointF(60, 0) }) {
        round->controlTo(10, to);
        controls.push(new ControlShapeCommand(round, 10, to, firstPress));
    }
    round->controlTo(10, QPointF(80, 0));
    controls.push(new ControlShapeCommand(round, 10, QPointF(80, 0), QPointF(60, 0)));
    QCOMPARE(controls.count(), 2);
    controls.undo();
    QCOMPARE(round->xRatio(), 0.4);
    controls.undo();
    QCOMPARE(round->xRatio(), startRatio);
}

void TestCommands::mirroredHandle_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<qreal>("sx");
    QTest::addColumn<qreal>("sy");
    QTest::addColumn<int>("mirrored");

    const int leftRight[] = { 3, 0, 1, 8, 7, 0, 5, 4 };
    const int topBottom[] = { 7, 6, 5, 0, 3, 2, 1, 0 };
    const int both[] = { 5, 6, 7, 8, 1, 2, 3, 4 };
    for (int dir = 1; dir <= 8; ++dir) {
        QTest::addRow("%d positive", dir) << dir << 1.5 << 0.5 << 0;
        QTest::addRow("%d left-right", dir) << dir << -1.5 << 0.5 << leftRight[dir - 1];
        QTest::addRow("%d top-bottom", dir) << dir << 1.5 << -0.5 << topBottom[dir - 1];
        QTest::addRow("%d both", dir) << dir << -1.5 << -0.5 << both[dir - 1];
    }
    QTest::newRow("control point") << 9 << -1.0 << -1.0 << 0;
}

void TestCommands::mirroredHandle()
{
    QFETCH(int, handle);
    QFETCH(qreal, sx);
    QFETCH(qreal, sy);
    QFETCH(int, mirrored);
    QCOMPARE(::mirroredHandle(handle, sx, sy), mirrored);
}

void TestCommands::controlRadius()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 100, 50, true);
    const QPointF press(100, 20); // handle 10, 10 % in from the right
    item->controlTo(10, QPointF(90, 20));
    stack.push(new ControlShapeCommand(item, 10, QPointF(90, 20), press));
    item->controlTo(10, QPointF(80, 20));
    stack.push(new ControlShapeCommand(item, 10, QPointF(80, 20), press));
    QCOMPARE(stack.count(), 1);
    QCOMPARE(item->xRatio(), 0.3);

    stack.undo();
    QCOMPARE(item->xRatio(), 0.1);
    QCOMPARE(sceneBox(item), QRectF(10, 20, 100, 50));
    stack.redo();
    QCOMPARE(item->xRatio(), 0.3);
    QCOMPARE(item->yRatio(), 1 / 3.0);
}

void TestCommands::rotate()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 0, 0, 10, 10);
    item->setRotation(30);
    stack.push(new RotateShapeCommand(item, 0));
    QCOMPARE(item->rotation(), 30.0);
    stack.undo();
    QCOMPARE(item->rotation(), 0.0);
    stack.redo();
    QCOMPARE(item->rotation(), 30.0);
}

void TestCommands::addUndoRedo()
{
    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 30, 40);
    const int created = AddShapeCommand::createdShapes();
    stack.push(new AddShapeCommand(item, &scene));
    QCOMPARE(AddShapeCommand::createdShapes(), created + 1);
    QCOMPARE(item->scene(), &scene);

    stack.undo();
    QVERIFY(!item->scene());
    QVERIFY(!scene.items().contains(item));
    item->setPos(500, 500);
    stack.redo();
    QCOMPARE(item->scene(), &scene);
    QCOMPARE(item->pos(), QPointF(10, 20));
}

void TestCommands::addOwnership()
{
    ToolScene scene;
    QUndoStack stack;
    QPointer<GraphicsRectItem> kept = addRect(&scene, 0, 0, 10, 10);
    QPointer<GraphicsRectItem> undone = addRect(&scene, 20, 0, 10, 10);
    stack.push(new AddShapeCommand(kept, &scene));
    stack.push(new AddShapeCommand(undone, &scene));
    stack.undo();
    stack.clear();
    QVERIFY(kept);
    QCOMPARE(kept->scene(), &scene);
    QVERIFY(!undone);
}

// A scene deleted before the stack is cleared takes its items along; the commands must
// notice instead of deleting them again.
void TestCommands::commandsOutliveScene()
{
    QUndoStack stack;
    auto *scene = new ToolScene;
    auto *a = addRect(scene, 0, 0, 10, 10);
    auto *b = addRect(scene, 20, 0, 10, 10);
    stack.push(new AddShapeCommand(a, scene));
    b->setSelected(true);
    stack.push(new RemoveShapeCommand(scene));
    stack.undo();
    delete scene;
    stack.clear();
    QCOMPARE(stack.count(), 0);
}

void TestCommands::removeSelection()
{
    ToolScene scene;
    QUndoStack stack;
    QPointer<GraphicsRectItem> a = addRect(&scene, 0, 0, 10, 10);
    QPointer<GraphicsRectItem> b = addRect(&scene, 20, 30, 10, 10);
    auto *c = addRect(&scene, 40, 0, 10, 10);
    a->setSelected(true);
    b->setSelected(true);
    stack.push(new RemoveShapeCommand(&scene));
    QCOMPARE(shapesOf(scene), QList<QGraphicsItem *> { c });

    stack.undo();
    QCOMPARE(shapesOf(scene).size(), 3);
    QCOMPARE(a->scene(), &scene);
    QCOMPARE(b->pos(), QPointF(20, 30));
    stack.redo();
    QCOMPARE(shapesOf(scene).size(), 1);
    QVERIFY(!a->scene());
    // Done and destroyed, the command was the items' last holder.
    stack.clear();
    QVERIFY(!a);
    QVERIFY(!b);
}

void TestCommands::groupUndo()
{
    ToolScene scene;
    QUndoStack stack;
    auto *a = addRect(&scene, 0, 0, 10, 10);
    auto *b = addRect(&scene, 30, 40, 10, 10);
    GraphicsItemGroup *group = scene.createGroup({ a, b });
    stack.push(new GroupShapeCommand(group, &scene));
    QVERIFY(group->isSelected());

    stack.undo();
    QVERIFY(!group->scene());
    QVERIFY(!a->parentItem());
    QVERIFY(!b->parentItem());
    QVERIFY(a->isSelected() && b->isSelected());
    QCOMPARE(sceneBox(b), QRectF(30, 40, 10, 10));

    stack.redo();
    QCOMPARE(group->scene(), &scene);
    QCOMPARE(a->parentItem(), group);
    QCOMPARE(b->parentItem(), group);
    QVERIFY(group->isSelected());
    QCOMPARE(sceneBox(b), QRectF(30, 40, 10, 10));
}

void TestCommands::unGroupUndo()
{
    ToolScene scene;
    QUndoStack stack;
    auto *a = addRect(&scene, 0, 0, 10, 10);
    auto *b = addRect(&scene, 30, 40, 10, 10);
    GraphicsItemGroup *group = scene.createGroup({ a, b });
    stack.push(new UnGroupShapeCommand(group, &scene));
    QVERIFY(!group->scene());
    QVERIFY(!a->parentItem());
    QCOMPARE(a->scene(), &scene);
    QVERIFY(b->isSelected());
    QCOMPARE(sceneBox(b), QRectF(30, 40, 10, 10));

    stack.undo();
    QCOMPARE(group->scene(), &scene);
    QCOMPARE(a->parentItem(), group);
    QCOMPARE(b->parentItem(), group);
    QVERIFY(group->isSelected());
    QCOMPARE(sceneBox(b), QRectF(30, 40, 10, 10));
}

void TestCommands::texts_data()
{
    QTest::addColumn<QString>("afterPush");
    QTest::addColumn<QString>("afterUndo");
    QTest::addColumn<QString>("afterRedo");

    QTest::newRow("add") << "Redo Add Item at (12.5, 20)"
                         << "Undo Add Item at (12.5, 20)"
                         << "Redo Add Item at (12.5, 20)";
    QTest::newRow("remove") << "Redo Delete 2"
                            << "Undo Delete 2"
                            << "Redo Delete 2";
    QTest::newRow("move") << "Redo Move 3,-4.5"
                          << "Undo Move -3,4.5"
                          << "Redo Move 3,-4.5";
    QTest::newRow("resize") << "Redo Resize     1.25,    0.50 ,handle:5"
                            << "Undo Resize     0.80,    2.00 ,handle:5"
                            << "Redo Resize     1.25,    0.50 ,handle:5";
    QTest::newRow("resize flipped") << "Redo Resize    -0.50,    1.00 ,handle:4"
                                    << "Undo Resize    -2.00,    1.00 ,handle:8"
                                    << "Redo Resize    -0.50,    1.00 ,handle:4";
    QTest::newRow("resize merged") << " mergeWith Resize     2.00,   -1.00,5,3"
                                   << "Undo Resize     0.50,   -1.00 ,handle:3"
                                   << "Redo Resize     2.00,   -1.00 ,handle:5";
    QTest::newRow("control") << "Redo Control 80,20"
                             << "Undo Control 100,20"
                             << "Redo Control 80,20";
    QTest::newRow("control merged") << " mergeWith Control 75.25,20,10"
                                    << "Undo Control 100,20"
                                    << "Redo Control 75.25,20";
    QTest::newRow("rotate") << "Redo Rotate 33.3333"
                            << "Undo Rotate 33.3333"
                            << "Redo Rotate 33.3333";
    QTest::newRow("group") << "Redo Group 2"
                           << "Undo Group 2"
                           << "Redo Group 2";
    QTest::newRow("ungroup") << "Redo UnGroup 2"
                             << "Undo UnGroup 2"
                             << "Redo UnGroup 2";
}

void TestCommands::texts()
{
    QFETCH(QString, afterPush);
    QFETCH(QString, afterUndo);
    QFETCH(QString, afterRedo);

    ToolScene scene;
    QUndoStack stack;
    auto *item = addRect(&scene, 10, 20, 100, 50, true);
    auto *other = addRect(&scene, 200, 20, 10, 10);
    item->setSelected(true);
    other->setSelected(true);
    const QByteArray kind = QTest::currentDataTag();
    if (kind == "add") {
        item->setPos(12.5, 20);
        stack.push(new AddShapeCommand(item, &scene));
    } else if (kind == "remove") {
        stack.push(new RemoveShapeCommand(&scene));
    } else if (kind == "move") {
        stack.push(new MoveShapeCommand(item, QPointF(3, -4.5)));
    } else if (kind == "resize") {
        stack.push(new ResizeShapeCommand(item, 5, QPointF(1.25, 0.5)));
    } else if (kind == "resize flipped") {
        stack.push(new ResizeShapeCommand(item, 4, QPointF(-0.5, 1)));
    } else if (kind == "resize merged") {
        stack.push(new ResizeShapeCommand(item, 5, QPointF(1.5, 1)));
        stack.push(new ResizeShapeCommand(item, 5, QPointF(2, -1)));
    } else if (kind == "control") {
        stack.push(new ControlShapeCommand(item, 10, QPointF(80, 20), QPointF(100, 20)));
    } else if (kind == "control merged") {
        stack.push(new ControlShapeCommand(item, 10, QPointF(90, 20), QPointF(100, 20)));
        stack.push(new ControlShapeCommand(item, 10, QPointF(75.25, 20), QPointF(100, 20)));
    } else if (kind == "rotate") {
        item->setRotation(100 / 3.0);
        stack.push(new RotateShapeCommand(item, 0));
    } else if (kind == "group") {
        stack.push(new GroupShapeCommand(scene.createGroup({ item, other }), &scene));
    } else if (kind == "ungroup") {
        stack.push(new UnGroupShapeCommand(scene.createGroup({ item, other }), &scene));
    }
    QCOMPARE(stack.count(), 1);
    QCOMPARE(stack.command(0)->text(), afterPush);
    stack.undo();
    QCOMPARE(stack.command(0)->text(), afterUndo);
    stack.redo();
    QCOMPARE(stack.command(0)->text(), afterRedo);
}

void TestCommands::pasteWithoutShapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty clipboard") << QString();
    QTest::newRow("text") << QStringLiteral("rectangle");
}

void TestCommands::pasteWithoutShapes()
{
    QFETCH(QString, text);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
    ToolScene scene;
    QUndoStack stack;
    addRect(&scene, 0, 0, 10, 10);
    pasteShapes(&scene, &stack);
    QCOMPARE(stack.count(), 0);
    QCOMPARE(shapesOf(scene).size(), 1);
}

void TestCommands::copyNothingPastesNothing()
{
    ToolScene scene;
    QUndoStack stack;
    addRect(&scene, 0, 0, 10, 10);
    copyShapes(&scene);
    QVERIFY(clipboardShapes());
    QVERIFY(clipboardShapes()->items().isEmpty());
    pasteShapes(&scene, &stack);
    QCOMPARE(stack.count(), 0);
    QCOMPARE(shapesOf(scene).size(), 1);
}

void TestCommands::copyPasteIntoOtherScene()
{
    ToolScene source;
    auto *plain = addRect(&source, 12, 34, 40, 30);
    auto *round = addRect(&source, 100, 50, 20, 10, true);
    auto *unselected = addRect(&source, 300, 300, 5, 5);
    plain->setZValue(3);
    round->setRatios(0.25, 0.4);
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(plain)->asc = 0x41;
    fieldsOf(plain)->rc_x = 7;
    fieldsOf(plain)->rc_y = 8;
#endif
#ifdef WITH_TOUCH_SHAPES
    fieldsOf(plain)->picNum = 5;
    fieldsOf(plain)->pressedPage = 6;
    fieldsOf(plain)->command = 1234;
#endif
    plain->setSelected(true);
    round->setSelected(true);
    copyShapes(&source);
    QCOMPARE(clipboardShapes()->items().size(), 2);
    QCOMPARE(shapesOf(source).size(), 3);
    QCOMPARE(plain->zValue(), 3.0);

    ToolScene target;
    QUndoStack stack;
    pasteShapes(&target, &stack);
    QCOMPARE(stack.count(), 2);
    const QList<QGraphicsItem *> pasted = target.selectedItems();
    QCOMPARE(pasted.size(), 2);
    QCOMPARE(shapesOf(target).size(), 2);
    GraphicsRectItem *plainCopy = nullptr;
    GraphicsRectItem *roundCopy = nullptr;
    for (QGraphicsItem *item : pasted) {
        auto *rect = dynamic_cast<GraphicsRectItem *>(item);
        QVERIFY(rect);
        (rect->isRound() ? roundCopy : plainCopy) = rect;
    }
    QVERIFY(plainCopy && roundCopy);
    QCOMPARE(sceneBox(plainCopy), sceneBox(plain));
    QCOMPARE(sceneBox(roundCopy), sceneBox(round));
    // Cloned twice, into the clipboard and out of it: 0.1 each time.
    QCOMPARE(plainCopy->zValue(), 3.2);
    QCOMPARE(roundCopy->xRatio(), 0.25);
    QCOMPARE(roundCopy->yRatio(), 0.4);
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(plainCopy)->asc, 0x41);
    QCOMPARE(fieldsOf(plainCopy)->rc_x, 7.0);
    QCOMPARE(fieldsOf(plainCopy)->rc_y, 8.0);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(plainCopy)->picNum, 5);
    QCOMPARE(fieldsOf(plainCopy)->pressedPage, 6);
    QCOMPARE(fieldsOf(plainCopy)->command, 1234);
#endif
    QVERIFY(!target.items().contains(unselected));
}

void TestCommands::pasteUndoRedo()
{
    ToolScene source;
    auto *a = addRect(&source, 12, 34, 40, 30);
    auto *b = addRect(&source, 60, 70, 10, 10);
    a->setSelected(true);
    b->setSelected(true);
    copyShapes(&source);

    ToolScene target;
    QUndoStack stack;
    pasteShapes(&target, &stack);
    QList<QRectF> boxes;
    for (QGraphicsItem *item : shapesOf(target))
        boxes.append(sceneBox(item));
    QCOMPARE(boxes.size(), 2);

    stack.undo();
    QCOMPARE(shapesOf(target).size(), 1);
    stack.undo();
    QVERIFY(shapesOf(target).isEmpty());
    stack.redo();
    stack.redo();
    QList<QRectF> again;
    for (QGraphicsItem *item : shapesOf(target))
        again.append(sceneBox(item));
    QCOMPARE(again, boxes);
}

void TestCommands::cutUndo()
{
    ToolScene scene;
    QUndoStack stack;
    auto *a = addRect(&scene, 12, 34, 40, 30);
    auto *b = addRect(&scene, 60, 70, 10, 10);
    auto *c = addRect(&scene, 200, 0, 10, 10);
    a->setSelected(true);
    b->setSelected(true);
    cutShapes(&scene, &stack);
    QCOMPARE(stack.count(), 1);
    QCOMPARE(shapesOf(scene), QList<QGraphicsItem *> { c });

    stack.undo();
    QCOMPARE(a->scene(), &scene);
    QCOMPARE(b->scene(), &scene);
    QCOMPARE(sceneBox(a), QRectF(12, 34, 40, 30));
    QVERIFY(clipboardShapes());
    QList<QRectF> copies;
    for (QGraphicsItem *item : clipboardShapes()->items()) {
        QVERIFY(!item->scene());
        copies.append(sceneBox(item));
    }
    std::sort(copies.begin(), copies.end(),
        [](const QRectF &l, const QRectF &r) { return l.x() < r.x(); });
    QCOMPARE(copies, (QList<QRectF> { sceneBox(a), sceneBox(b) }));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
