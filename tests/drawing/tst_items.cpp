#include "toolshapes.h"
#include "fakepreviewstate.h"
#include "graphicsellipseitem.h"
#include "graphicsitemgroup.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"

#include <QtMath>
#include <QtTest>

#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Integer corners as the tools give them: the size is right - left + 1.
QRect corners(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

constexpr qreal tolerance = 1e-6;

bool close(qreal a, qreal b)
{
    return qAbs(a - b) < tolerance;
}
bool close(const QPointF &a, const QPointF &b)
{
    return close(a.x(), b.x()) && close(a.y(), b.y());
}
bool close(const QRectF &a, const QRectF &b)
{
    return close(a.topLeft(), b.topLeft()) && close(a.bottomRight(), b.bottomRight());
}
bool close(const QPolygonF &a, const QPolygonF &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!close(a.at(i), b.at(i)))
            return false;
    }
    return true;
}

QString show(qreal v)
{
    return QString::number(v, 'g', 12);
}
QString show(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(show(p.x()), show(p.y()));
}
QString show(const QRectF &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)")
        .arg(show(r.x()), show(r.y()), show(r.width()), show(r.height()));
}
QString show(const QPolygonF &poly)
{
    QStringList parts;
    for (const QPointF &p : poly)
        parts << show(p);
    return parts.join(QLatin1Char(' '));
}

} // namespace

// Compares geometry within a small tolerance and prints both values on failure.
#define COMPARE_CLOSE(actual, expected)                                                            \
    do {                                                                                           \
        const auto actual_ = (actual);                                                             \
        const decltype(actual_) expected_ = (expected);                                            \
        if (!close(actual_, expected_))                                                            \
            QFAIL(qPrintable(QStringLiteral("%1 is %2, expected %3")                               \
                                 .arg(QStringLiteral(#actual), show(actual_), show(expected_))));  \
    } while (false)

namespace {

GraphicsPolygonItem *makePolygonKind(const QString &kind)
{
    if (kind == QLatin1String("polygon"))
        return new ToolPolygon;
    if (kind == QLatin1String("bezier"))
        return new ToolBezier(true);
    if (kind == QLatin1String("polyline"))
        return new ToolBezier(false);
    if (kind == QLatin1String("line"))
        return new ToolLine;
    return nullptr;
}

// Every non-group kind on the box (0, 0) - (100, 50); a line joins two opposite corners.
GraphicsItem *makeShape(const QString &kind)
{
    if (kind == QLatin1String("rect"))
        return new ToolRect(corners(0, 0, 99, 49), false);
    if (kind == QLatin1String("roundrect"))
        return new ToolRect(corners(0, 0, 99, 49), true);
    if (kind == QLatin1String("ellipse"))
        return new ToolEllipse(corners(0, 0, 99, 49));
    GraphicsPolygonItem *poly = makePolygonKind(kind);
    if (kind == QLatin1String("line")) {
        poly->appendPoint(QPointF(0, 0));
        poly->appendPoint(QPointF(100, 50));
    } else {
        for (const QPointF &p :
            { QPointF(0, 0), QPointF(100, 0), QPointF(100, 50), QPointF(0, 50) })
            poly->appendPoint(p);
    }
    return poly;
}

QPolygonF pointList(std::initializer_list<QPointF> points)
{
    return QPolygonF(QVector<QPointF>(points));
}

QPolygonF scenePoints(const GraphicsPolygonItem *item)
{
    return item->mapToScene(item->points());
}

void sendMouse(QGraphicsScene &scene, QEvent::Type type, const QPointF &scenePos)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(scenePos);
    event.setScreenPos(scenePos.toPoint());
    event.setButtonDownScenePos(Qt::LeftButton, scenePos);
    event.setButtonDownScreenPos(Qt::LeftButton, scenePos.toPoint());
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QCoreApplication::sendEvent(&scene, &event);
}

// A group of shapes already in the scene, built as the scene's grouping does.
GraphicsItemGroup *groupOf(QGraphicsScene &scene, std::initializer_list<QGraphicsItem *> members)
{
    auto *group = new GraphicsItemGroup();
    scene.addItem(group);
    for (QGraphicsItem *member : members)
        group->addToGroup(member);
    group->normalizeGeometry();
    return group;
}

QImage renderScene(QGraphicsScene &scene)
{
    const QRectF area(0, 0, 300, 300);
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    scene.render(&painter, area, area);
    return image;
}

// The pixel or one of its eight neighbours has the colour: tolerates the half-pixel
// placement of aliased lines while still telling drawn from not drawn.
bool colourNear(const QImage &image, int x, int y, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (QColor(image.pixel(x + dx, y + dy)).rgb() == colour.rgb())
                return true;
        }
    }
    return false;
}

bool isWhite(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y)) == QColor(Qt::white);
}

} // namespace

class TestItems : public QObject
{
    Q_OBJECT

private slots:
    void rectConstruction_data();
    void rectConstruction();
    void boxHandlePositions_data();
    void boxHandlePositions();
    void roundedControlHandles_data();
    void roundedControlHandles();
    void ellipseDefaults();
    void ellipsePieHandlesAndBox();
    void handleOrder_data();
    void handleOrder();
    void typeNumbers_data();
    void typeNumbers();
    void shapeFlags_data();
    void shapeFlags();
    void defaultPenAndBrush();
    void toolFieldDefaults_data();
    void toolFieldDefaults();
    void sizeHandleGeometry();
    void sizeHandleStateAndHover();
    void handlesFollowSelection_data();
    void handlesFollowSelection();

    void roundedControl_data();
    void roundedControl();
    void ellipseControl_data();
    void ellipseControl();

    void rectStretch_data();
    void rectStretch();
    void edgeHandlesScaleOneAxis_data();
    void edgeHandlesScaleOneAxis();
    void stretchUsesTotalFactors_data();
    void stretchUsesTotalFactors();
    void rectNormalizeKeepsSceneGeometry_data();
    void rectNormalizeKeepsSceneGeometry();

    void appendPoint_data();
    void appendPoint();
    void polygonNormalizeKeepsScenePoints_data();
    void polygonNormalizeKeepsScenePoints();
    void polygonControl();
    void polygonStretch();
    void lineHandlesArePoints();
    void lineOppositeHandle_data();
    void lineOppositeHandle();
    void finishPoint_data();
    void finishPoint();

    void groupMemberCannotBeSelected();
    void pressOnMemberSelectsGroup();
    void groupNormalizeKeepsMembers();
    void groupAnchorsAtBoxCentre();
    void groupSelectionNormalizes();
    void groupStretchScalesMembers();
    void memberNormalizeOnlyCaptures();
    void rotatedGroupNormalizeKeepsMembers();
    void groupBoxIndependentOfHandleUse();

    void cloneRect_data();
    void cloneRect();
    void cloneRoundsHalfAwayFromZero();
    void cloneEllipse();
    void clonePolygonFamily_data();
    void clonePolygonFamily();
    void cloneGroup();

    void rectBoundingRectHasNoPenMargin();
    void roundedShapeCutsCorners();
    void ellipseShape_data();
    void ellipseShape();
    void properties();
    void groupProperties();
    void shapeName_data();
    void shapeName();
    void translateBy_data();
    void translateBy();
    void selectionOutline();
    void blueCrossFollowsOriginMark();

#ifdef WITH_CHARACTER_SHAPES
    void zafPaintsBothCrosses();
#endif
#ifdef WITH_TOUCH_SHAPES
    void touchPress_data();
    void touchPress();
    void touchPaint_data();
    void touchPaint();
#endif
};

void TestItems::rectConstruction_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRectF>("local");

    QTest::newRow("at origin") << corners(0, 0, 99, 49) << QRectF(0, 0, 100, 50);
    QTest::newRow("offset") << corners(10, 20, 109, 69) << QRectF(10, 20, 100, 50);
}

void TestItems::rectConstruction()
{
    QFETCH(QRect, rect);
    QFETCH(QRectF, local);

    ToolRect item(rect, false);
    QCOMPARE(item.width(), 100.0);
    QCOMPARE(item.height(), 50.0);
    COMPARE_CLOSE(item.localRect(), local);
    COMPARE_CLOSE(item.initialRect(), local);
    QCOMPARE(item.originMark(), QPointF(0, 0));
    QCOMPARE(item.pos(), QPointF(0, 0));
#ifdef WITH_CHARACTER_SHAPES
    // Half the size, not the middle of the box: the centre is relative to the size.
    QCOMPARE(fieldsOf(&item)->rc_x, 50.0);
    QCOMPARE(fieldsOf(&item)->rc_y, 25.0);
    QCOMPARE(item.savedCentre(), QPointF(50, 25));
    QCOMPARE(fieldsOf(&item)->asc, 0);
#endif
}

void TestItems::boxHandlePositions_data()
{
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("position");

    QTest::newRow("1 top-left") << 1 << QPointF(10, 20);
    QTest::newRow("2 top") << 2 << QPointF(60, 20);
    QTest::newRow("3 top-right") << 3 << QPointF(110, 20);
    QTest::newRow("4 right") << 4 << QPointF(110, 45);
    QTest::newRow("5 bottom-right") << 5 << QPointF(110, 70);
    QTest::newRow("6 bottom") << 6 << QPointF(60, 70);
    QTest::newRow("7 bottom-left") << 7 << QPointF(10, 70);
    QTest::newRow("8 left") << 8 << QPointF(10, 45);
}

void TestItems::boxHandlePositions()
{
    QFETCH(int, dir);
    QFETCH(QPointF, position);

    ToolRect item(corners(10, 20, 109, 69), false);
    QCOMPARE(item.handles().size(), 8);
    QCOMPARE(item.handles().at(dir - 1)->pos(), position);
    QCOMPARE(item.handlePosition(dir), position);
    QCOMPARE(item.oppositeHandlePosition(oppositeDir(dir)), position);
}

void TestItems::roundedControlHandles_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPointF>("radiusY");
    QTest::addColumn<QPointF>("radiusX");

    QTest::newRow("at origin") << corners(0, 0, 99, 49) << QPointF(100, 50 / 3.0) << QPointF(90, 0);
    QTest::newRow("offset") << corners(10, 20, 109, 69) << QPointF(110, 20 + 50 / 3.0)
                            << QPointF(100, 20);
}

void TestItems::roundedControlHandles()
{
    QFETCH(QRect, rect);
    QFETCH(QPointF, radiusY);
    QFETCH(QPointF, radiusX);

    ToolRect item(rect, true);
    QVERIFY(item.isRound());
    COMPARE_CLOSE(item.yRatio(), 1 / 3.0);
    COMPARE_CLOSE(item.xRatio(), 0.1);
    QCOMPARE(item.handles().size(), 10);
    QCOMPARE(item.handleTotal(), 10);
    COMPARE_CLOSE(item.handles().at(8)->pos(), radiusY);
    COMPARE_CLOSE(item.handles().at(9)->pos(), radiusX);
    COMPARE_CLOSE(item.handlePosition(9), radiusY);
    COMPARE_CLOSE(item.handlePosition(10), radiusX);

    ToolRect plain(rect, false);
    QCOMPARE(plain.handles().size(), 8);
    QCOMPARE(plain.handlePosition(9), QPointF(0, 0));
}

void TestItems::ellipseDefaults()
{
    ToolEllipse item(corners(0, 0, 99, 49));
    QCOMPARE(item.startAngle(), 40);
    QCOMPARE(item.spanAngle(), 400);
    QCOMPARE(item.width(), 100.0);
    QCOMPARE(item.height(), 50.0);
    QCOMPARE(item.handles().size(), 10);

    // Both angles sit on the ellipse: (w/2 cos a + cx, h/2 sin a + cy), a = -angle in radians.
    const auto onEllipse = [](int angle) {
        const double a = -angle * M_PI / 180;
        return QPointF(50 * std::cos(a) + 50, 25 * std::sin(a) + 25);
    };
    COMPARE_CLOSE(item.handles().at(8)->pos(), onEllipse(40));
    COMPARE_CLOSE(item.handles().at(9)->pos(), onEllipse(400));
    COMPARE_CLOSE(item.handles().at(8)->pos(), QPointF(88.302222155948904, 8.930309757836516));
}

void TestItems::ellipsePieHandlesAndBox()
{
    ToolEllipse item(corners(0, 0, 99, 49));
    item.handles();
    item.setAngles(0, 90);
    QCOMPARE(item.startAngle(), 0);
    QCOMPARE(item.spanAngle(), 90);
    item.placeHandles();

    COMPARE_CLOSE(item.handles().at(8)->pos(), QPointF(100, 25));
    COMPARE_CLOSE(item.handles().at(9)->pos(), QPointF(50, 0));
    // The box of a quarter pie is that quarter, and the box handles follow it.
    COMPARE_CLOSE(item.boundingRect(), QRectF(50, 0, 50, 25));
    COMPARE_CLOSE(item.handlePosition(1), QPointF(50, 0));
    COMPARE_CLOSE(item.handlePosition(5), QPointF(100, 25));
}

void TestItems::handleOrder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("boxHandles");
    QTest::addColumn<QList<int>>("controlDirs");
    QTest::addColumn<QList<bool>>("controlStyled");

    QTest::newRow("rect") << "rect" << 8 << QList<int>() << QList<bool>();
    QTest::newRow("roundrect") << "roundrect" << 8 << QList<int> { 9, 10 }
                               << QList<bool> { true, true };
    QTest::newRow("ellipse") << "ellipse" << 8 << QList<int> { 9, 10 }
                             << QList<bool> { true, true };
    QTest::newRow("polygon") << "polygon" << 8 << QList<int> { 9, 10, 11, 12 }
                             << QList<bool> { true, true, true, true };
    QTest::newRow("bezier") << "bezier" << 8 << QList<int> { 9, 10, 11, 12 }
                            << QList<bool> { true, true, true, true };
    QTest::newRow("polyline") << "polyline" << 8 << QList<int> { 9, 10, 11, 12 }
                              << QList<bool> { true, true, true, true };
    QTest::newRow("line") << "line" << 0 << QList<int> { 9, 10 } << QList<bool> { false, true };
}

void TestItems::handleOrder()
{
    QFETCH(QString, kind);
    QFETCH(int, boxHandles);
    QFETCH(QList<int>, controlDirs);
    QFETCH(QList<bool>, controlStyled);

    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    const QVector<SizeHandleRect *> &handles = item->handles();
    QCOMPARE(handles.size(), boxHandles + controlDirs.size());
    for (int i = 0; i < boxHandles; ++i) {
        QCOMPARE(handles.at(i)->dir(), i + 1);
        QVERIFY(!handles.at(i)->isControl());
    }
    for (int i = 0; i < controlDirs.size(); ++i) {
        QCOMPARE(handles.at(boxHandles + i)->dir(), controlDirs.at(i));
        QCOMPARE(handles.at(boxHandles + i)->isControl(), controlStyled.at(i));
    }
    for (SizeHandleRect *handle : handles) {
        QCOMPARE(handle->type(), 3);
        QCOMPARE(handle->parentItem(), static_cast<QGraphicsItem *>(item.get()));
    }
}

void TestItems::typeNumbers_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind :
        { "rect", "roundrect", "ellipse", "polygon", "bezier", "polyline", "line" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestItems::typeNumbers()
{
    QFETCH(QString, kind);
    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    QCOMPARE(item->type(), 65537);
    QCOMPARE(GraphicsItemGroup().type(), 65538);
}

void TestItems::shapeFlags_data()
{
    typeNumbers_data();
    QTest::newRow("group") << "group";
}

void TestItems::shapeFlags()
{
    QFETCH(QString, kind);
    std::unique_ptr<QGraphicsItem> item;
    if (kind == QLatin1String("group"))
        item.reset(new GraphicsItemGroup);
    else
        item.reset(makeShape(kind));
    const QGraphicsItem::GraphicsItemFlags wanted = QGraphicsItem::ItemIsMovable
        | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges;
    QCOMPARE(item->flags() & wanted, wanted);
    QVERIFY(item->acceptHoverEvents());
}

void TestItems::defaultPenAndBrush()
{
    ToolRect rect(corners(0, 0, 9, 9), false);
    QCOMPARE(rect.brush().style(), Qt::SolidPattern);
    QCOMPARE(rect.brush().color(), QColor(12, 12, 111, 100));
    QCOMPARE(rect.pen().style(), Qt::SolidLine);
    QCOMPARE(rect.pen().widthF(), 1.0);
    QCOMPARE(rect.pen().color(), QColor(Qt::black));

    ToolPolygon polygon;
    QCOMPARE(polygon.pen().style(), Qt::SolidLine);
    QCOMPARE(polygon.pen().color(), QColor(Qt::black));
    QVERIFY(polygon.points().isEmpty());

    ToolBezier bezier(true);
    QCOMPARE(bezier.brush().style(), Qt::NoBrush);
    QVERIFY(bezier.isBezier());
    QVERIFY(!GraphicsBezier(false).isBezier());

    ToolLine line;
    QCOMPARE(line.pen().color(), QColor(Qt::black));
}

void TestItems::toolFieldDefaults_data()
{
    shapeFlags_data();
}

void TestItems::toolFieldDefaults()
{
    QFETCH(QString, kind);
    std::unique_ptr<GraphicsItemGroup> group;
    std::unique_ptr<GraphicsItem> shape;
    if (kind == QLatin1String("group"))
        group.reset(new GraphicsItemGroup);
    else
        shape.reset(makeShape(kind));
    // A group holds shapes; the editor's fields belong to its members.
    if (group) {
        QVERIFY(!fieldsOf(group.get()));
        return;
    }
    const ToolFields *fields = fieldsOf(shape.get());
    QVERIFY(fields);
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fields->picNum, -1);
    QCOMPARE(fields->pressedPage, -1);
    QCOMPARE(fields->command, -1);
#endif
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fields->asc, 0);
    if (!kind.contains(QLatin1String("rect")) && kind != QLatin1String("ellipse")) {
        QCOMPARE(fields->rc_x, 0.0);
        QCOMPARE(fields->rc_y, 0.0);
    }
#endif
}

void TestItems::sizeHandleGeometry()
{
    ToolRect item(corners(0, 0, 99, 49), true);
    for (SizeHandleRect *handle : item.handles()) {
        QCOMPARE(handle->rect(), QRectF(-3, -3, 6, 6));
        QVERIFY(handle->flags() & QGraphicsItem::ItemIgnoresTransformations);
        QVERIFY(handle->acceptHoverEvents());
        QVERIFY(!handle->isVisible());
        QCOMPARE(handle->state(), 0);
        QCOMPARE(handle->colour(), QColor(Qt::white));
    }
}

void TestItems::sizeHandleStateAndHover()
{
    QGraphicsScene scene;
    auto *item = new ToolRect(corners(0, 0, 99, 49), false);
    scene.addItem(item);
    SizeHandleRect *handle = item->handles().at(0);

    handle->setState(1);
    QVERIFY(handle->isVisible());
    QCOMPARE(handle->state(), 1);

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    scene.sendEvent(handle, &enter);
    QCOMPARE(handle->colour(), QColor(Qt::blue));
    // The same state again changes nothing, not even the colour.
    handle->setState(1);
    QCOMPARE(handle->colour(), QColor(Qt::blue));
    handle->setState(2);
    QCOMPARE(handle->colour(), QColor(Qt::white));
    QVERIFY(handle->isVisible());

    scene.sendEvent(handle, &enter);
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    scene.sendEvent(handle, &leave);
    QCOMPARE(handle->colour(), QColor(Qt::white));

    handle->setState(0);
    QVERIFY(!handle->isVisible());
    QCOMPARE(handle->state(), 0);
}

void TestItems::handlesFollowSelection_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("handlesUsedFirst");

    for (const char *kind : { "rect", "roundrect", "ellipse", "group" }) {
        QTest::addRow("%s, handles used before selection", kind) << kind << true;
        QTest::addRow("%s, handles first used when selected", kind) << kind << false;
    }
}

void TestItems::handlesFollowSelection()
{
    QFETCH(QString, kind);
    QFETCH(bool, handlesUsedFirst);

    QGraphicsScene scene;
    QGraphicsItem *item = nullptr;
    std::function<const QVector<SizeHandleRect *> &()> handles;
    if (kind == QLatin1String("group")) {
        auto *group = new GraphicsItemGroup;
        scene.addItem(group);
        auto *member = new ToolRect(corners(0, 0, 9, 9), false);
        scene.addItem(member);
        group->addToGroup(member);
        group->normalizeGeometry();
        handles = [group]() -> const QVector<SizeHandleRect *> & { return group->handles(); };
        item = group;
    } else {
        GraphicsItem *shape = makeShape(kind);
        scene.addItem(shape);
        handles = [shape]() -> const QVector<SizeHandleRect *> & { return shape->handles(); };
        item = shape;
    }

    if (handlesUsedFirst) {
        QVERIFY(handles().size() >= 8);
        for (SizeHandleRect *handle : handles()) {
            QVERIFY(!handle->isVisible());
            QCOMPARE(handle->state(), 0);
        }
    }

    item->setSelected(true);
    QVERIFY(item->isSelected());
    QVERIFY(handles().size() >= 8);
    for (SizeHandleRect *handle : handles()) {
        QCOMPARE(handle->state(), 2);
        QVERIFY(handle->isVisible());
    }

    item->setSelected(false);
    for (SizeHandleRect *handle : handles()) {
        QCOMPARE(handle->state(), 0);
        QVERIFY(!handle->isVisible());
    }
}

void TestItems::roundedControl_data()
{
    QTest::addColumn<QPointF>("stretch"); // total factors of a dir 5 resize made first
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("scenePos");
    QTest::addColumn<double>("xRatio");
    QTest::addColumn<double>("yRatio");

    // The item sits at (10, 20), so scene points are item points + (10, 20).
    const QPointF none(1, 1);
    QTest::newRow("10 inside") << none << 10 << QPointF(90, 20) << 0.2 << 1 / 3.0;
    QTest::newRow("10 truncates") << none << 10 << QPointF(90.9, 20) << 0.2 << 1 / 3.0;
    QTest::newRow("10 beyond centre") << none << 10 << QPointF(30, 20) << 0.5 << 1 / 3.0;
    QTest::newRow("10 beyond edge") << none << 10 << QPointF(150, 20) << 0.0 << 1 / 3.0;
    QTest::newRow("10 y ignored") << none << 10 << QPointF(90, 300) << 0.2 << 1 / 3.0;
    QTest::newRow("9 inside") << none << 9 << QPointF(110, 30) << 0.1 << 0.2;
    QTest::newRow("9 truncates") << none << 9 << QPointF(110, 30.9) << 0.1 << 0.2;
    QTest::newRow("9 beyond centre") << none << 9 << QPointF(110, 60) << 0.1 << 0.5;
    QTest::newRow("9 beyond edge") << none << 9 << QPointF(110, 0) << 0.1 << 0.0;
    QTest::newRow("9 x ignored") << none << 9 << QPointF(-300, 30) << 0.1 << 0.2;
    QTest::newRow("11 no effect") << none << 11 << QPointF(50, 40) << 0.1 << 1 / 3.0;
    // Width 100.7: |100.7 - 80| over the integer width 100.
    QTest::newRow("10 divides by the integer width")
        << QPointF(1.007, 1) << 10 << QPointF(90.9, 20) << 0.207 << 1 / 3.0;
    // Height 50.5: 10 over the integer height 50.
    QTest::newRow("9 divides by the integer height")
        << QPointF(1, 1.01) << 9 << QPointF(110, 30.9) << 0.1 << 0.2;
}

void TestItems::roundedControl()
{
    QFETCH(QPointF, stretch);
    QFETCH(int, dir);
    QFETCH(QPointF, scenePos);
    QFETCH(double, xRatio);
    QFETCH(double, yRatio);

    ToolRect item(corners(0, 0, 99, 49), true);
    item.setPos(10, 20);
    item.handles();
    if (stretch != QPointF(1, 1)) {
        item.stretchBy(5, stretch.x(), stretch.y(), QPointF(0, 0));
        item.normalizeGeometry();
    }
    item.controlTo(dir, scenePos);

    COMPARE_CLOSE(item.xRatio(), xRatio);
    COMPARE_CLOSE(item.yRatio(), yRatio);
    const QRectF box = item.localRect();
    COMPARE_CLOSE(item.handlePosition(9), QPointF(box.right(), box.top() + box.height() * yRatio));
    COMPARE_CLOSE(item.handlePosition(10), QPointF(box.right() - box.width() * xRatio, box.top()));
}

void TestItems::ellipseControl_data()
{
    QTest::addColumn<int>("initialStart");
    QTest::addColumn<int>("initialSpan");
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("offset"); // from the centre, y down
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("span");

    // (3, -10) is 73.3 degrees, (10, 3) is -16.7, (-10, -3) is 163.3.
    QTest::newRow("start follows the point") << 40 << 400 << 9 << QPointF(3, -10) << 73 << 400;
    QTest::newRow("more than 360 apart resets") << 40 << 400 << 9 << QPointF(10, 3) << 40 << 400;
    QTest::newRow("span below start wraps start, truncated toward zero")
        << 40 << 400 << 10 << QPointF(10, 3) << -320 << -16;
    QTest::newRow("span below start wraps start")
        << 135 << 400 << 10 << QPointF(3, -10) << -225 << 73;
    QTest::newRow("start above span wraps start") << 0 << 90 << 9 << QPointF(-10, -3) << -197 << 90;
    QTest::newRow("still below after wrapping swaps")
        << 500 << 0 << 10 << QPointF(3, -10) << 73 << 140;
    // (-10, -3.58) is 160.3 degrees: exactly 360 apart is kept.
    QTest::newRow("360 apart is kept") << -200 << 400 << 10 << QPointF(-10, -3.58) << -200 << 160;
    QTest::newRow("swapped and too far apart resets")
        << 800 << 0 << 10 << QPointF(3, -10) << 40 << 400;
}

void TestItems::ellipseControl()
{
    QFETCH(int, initialStart);
    QFETCH(int, initialSpan);
    QFETCH(int, dir);
    QFETCH(QPointF, offset);
    QFETCH(int, start);
    QFETCH(int, span);

    ToolEllipse item(corners(0, 0, 99, 49));
    item.setPos(10, 20);
    item.handles();
    if (initialStart != 40 || initialSpan != 400) {
        item.setAngles(initialStart, initialSpan);
        QCOMPARE(item.startAngle(), initialStart);
        QCOMPARE(item.spanAngle(), initialSpan);
    }
    const QPointF centreInScene(60, 45);
    item.controlTo(dir, centreInScene + offset);

    QCOMPARE(item.startAngle(), start);
    QCOMPARE(item.spanAngle(), span);
    const auto onEllipse = [](int angle) {
        const double a = -angle * M_PI / 180;
        return QPointF(50 * std::cos(a) + 50, 25 * std::sin(a) + 25);
    };
    COMPARE_CLOSE(item.handles().at(8)->pos(), onEllipse(start));
    COMPARE_CLOSE(item.handles().at(9)->pos(), onEllipse(span));
}

void TestItems::rectStretch_data()
{
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<QRectF>("local");
    QTest::addColumn<QPointF>("centre");

    // Box (0, 0, 100, 50), total factors 3 and 4, about the opposite handle.
    QTest::newRow("1") << 1 << QPointF(100, 50) << QRectF(-200, -150, 300, 200) << QPointF(50, 50);
    QTest::newRow("2") << 2 << QPointF(50, 50) << QRectF(0, -150, 100, 200) << QPointF(50, 50);
    QTest::newRow("3") << 3 << QPointF(0, 50) << QRectF(0, -150, 300, 200) << QPointF(150, 50);
    QTest::newRow("4") << 4 << QPointF(0, 25) << QRectF(0, 0, 300, 50) << QPointF(150, 25);
    QTest::newRow("5") << 5 << QPointF(0, 0) << QRectF(0, 0, 300, 200) << QPointF(150, 100);
    QTest::newRow("6") << 6 << QPointF(50, 0) << QRectF(0, 0, 100, 200) << QPointF(50, 100);
    QTest::newRow("7") << 7 << QPointF(100, 0) << QRectF(-200, 0, 300, 200) << QPointF(50, 100);
    QTest::newRow("8") << 8 << QPointF(100, 25) << QRectF(-200, 0, 300, 50) << QPointF(50, 25);
}

void TestItems::rectStretch()
{
    QFETCH(int, dir);
    QFETCH(QPointF, origin);
    QFETCH(QRectF, local);
    QFETCH(QPointF, centre);

    ToolRect item(corners(0, 0, 99, 49), false);
    QCOMPARE(item.oppositeHandlePosition(dir), origin);
    item.stretchBy(dir, 3, 4, origin);

    COMPARE_CLOSE(item.localRect(), local);
    COMPARE_CLOSE(item.width(), local.width());
    COMPARE_CLOSE(item.height(), local.height());
    QCOMPARE(item.originMark(), origin);
    COMPARE_CLOSE(item.boundingRect(), local);
    COMPARE_CLOSE(item.handlePosition(1), local.topLeft());
    COMPARE_CLOSE(item.handlePosition(5), local.bottomRight());
    COMPARE_CLOSE(item.handlePosition(2), QPointF(local.center().x(), local.top()));
#ifdef WITH_CHARACTER_SHAPES
    COMPARE_CLOSE(QPointF(fieldsOf(&item)->rc_x, fieldsOf(&item)->rc_y), centre);
    QCOMPARE(item.savedCentre(), QPointF(50, 25));
#else
    Q_UNUSED(centre)
#endif
    // Nothing is captured until the resize ends.
    COMPARE_CLOSE(item.initialRect(), QRectF(0, 0, 100, 50));
}

void TestItems::edgeHandlesScaleOneAxis_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("dir");

    for (const char *kind : { "rect", "ellipse", "polygon", "line" }) {
        for (int dir : { 2, 4, 6, 8 })
            QTest::addRow("%s dir %d", kind, dir) << kind << dir;
    }
}

void TestItems::edgeHandlesScaleOneAxis()
{
    QFETCH(QString, kind);
    QFETCH(int, dir);

    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    item->normalizeGeometry();
    const qreal width = item->width();
    const qreal height = item->height();
    QVERIFY(width > 0 && height > 0);

    item->stretchBy(dir, 2, 3, item->oppositeHandlePosition(dir));
    const bool vertical = dir == 2 || dir == 6;
    COMPARE_CLOSE(item->width(), vertical ? width : 2 * width);
    COMPARE_CLOSE(item->height(), vertical ? 3 * height : height);
    COMPARE_CLOSE(item->localRect().width(), item->width());
    COMPARE_CLOSE(item->localRect().height(), item->height());
}

void TestItems::stretchUsesTotalFactors_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : { "rect", "ellipse", "polygon", "bezier", "line" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestItems::stretchUsesTotalFactors()
{
    QFETCH(QString, kind);

    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    item->normalizeGeometry();
    const QPointF origin = item->localRect().topLeft();
    item->stretchBy(5, 2, 1.5, origin);
    const QRectF once = item->localRect();
    item->stretchBy(5, 2, 1.5, origin);
    COMPARE_CLOSE(item->localRect(), once);
    COMPARE_CLOSE(item->width(), 200.0);
    COMPARE_CLOSE(item->height(), 75.0);
    // Back to factor 1 restores the captured geometry.
    item->stretchBy(5, 1, 1, origin);
    COMPARE_CLOSE(item->width(), 100.0);
    COMPARE_CLOSE(item->height(), 50.0);
#ifdef WITH_CHARACTER_SHAPES
    if (kind == QLatin1String("rect")) {
        auto *rect = static_cast<GraphicsRectItem *>(item.get());
        rect->stretchBy(5, 2, 2, origin);
        rect->stretchBy(5, 2, 2, origin);
        COMPARE_CLOSE(QPointF(fieldsOf(rect)->rc_x, fieldsOf(rect)->rc_y), QPointF(100, 50));
    }
#endif
}

void TestItems::rectNormalizeKeepsSceneGeometry_data()
{
    QTest::addColumn<qreal>("rotation");
    QTest::addColumn<QTransform>("transform");

    QTest::newRow("plain") << qreal(0) << QTransform();
    QTest::newRow("rotated") << qreal(30) << QTransform();
    QTest::newRow("transformed") << qreal(0) << QTransform().shear(0.25, 0).scale(1.5, 1);
    QTest::newRow("rotated and transformed") << qreal(-20) << QTransform().shear(0, 0.3);
}

void TestItems::rectNormalizeKeepsSceneGeometry()
{
    QFETCH(qreal, rotation);
    QFETCH(QTransform, transform);

    ToolRect item(corners(0, 0, 99, 49), false);
    item.setPos(40, 30);
    item.setRotation(rotation);
    item.setTransform(transform);
    item.handles();
    item.stretchBy(1, 1.5, 2, item.oppositeHandlePosition(1));
    COMPARE_CLOSE(item.localRect(), QRectF(-50, -50, 150, 100));

    const QPolygonF before = item.mapToScene(item.localRect());
    const QRectF boundsBefore = item.sceneBoundingRect();
    item.normalizeGeometry();

    COMPARE_CLOSE(item.mapToScene(item.localRect()), before);
    COMPARE_CLOSE(item.sceneBoundingRect(), boundsBefore);
    COMPARE_CLOSE(item.localRect(), QRectF(0, 0, 150, 100));
    COMPARE_CLOSE(item.initialRect(), QRectF(0, 0, 150, 100));
    QCOMPARE(item.originMark(), QPointF(0, 0));
    QCOMPARE(item.transformOriginPoint(), QPointF(0, 0));
    QCOMPARE(item.rotation(), rotation);
    QVERIFY(item.transform() == transform);
    COMPARE_CLOSE(item.handlePosition(5), QPointF(150, 100));
    if (rotation == 0 && transform.isIdentity())
        COMPARE_CLOSE(item.pos(), QPointF(-10, -20));
#ifdef WITH_CHARACTER_SHAPES
    COMPARE_CLOSE(item.savedCentre(), QPointF(fieldsOf(&item)->rc_x, fieldsOf(&item)->rc_y));
#endif

    // The next resize starts from the captured geometry.
    item.stretchBy(5, 2, 1, QPointF(0, 0));
    COMPARE_CLOSE(item.localRect(), QRectF(0, 0, 300, 100));
    COMPARE_CLOSE(item.mapToScene(QPointF(0, 0)), before.at(0));
}

void TestItems::appendPoint_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("handlesUsedFirst");

    for (const char *kind : { "polygon", "bezier", "line" }) {
        QTest::addRow("%s, handles used before the points", kind) << kind << true;
        QTest::addRow("%s, handles first used after the points", kind) << kind << false;
    }
}

void TestItems::appendPoint()
{
    QFETCH(QString, kind);
    QFETCH(bool, handlesUsedFirst);

    std::unique_ptr<GraphicsPolygonItem> item(makePolygonKind(kind));
    const bool isLine = kind == QLatin1String("line");
    const int boxHandles = isLine ? 0 : 8;
    item->setPos(10, 20);
    if (handlesUsedFirst)
        QCOMPARE(item->handles().size(), boxHandles);

    item->appendPoint(QPointF(30, 40));
    item->appendPoint(QPointF(70, 40));
    item->appendPoint(QPointF(70, 90));

    QCOMPARE(item->points(), pointList({ QPointF(20, 20), QPointF(60, 20), QPointF(60, 70) }));
    const QVector<SizeHandleRect *> &handles = item->handles();
    QCOMPARE(handles.size(), boxHandles + 3);
    QCOMPARE(item->handleTotal(), 8 + 3);
    for (int i = 0; i < 3; ++i) {
        SizeHandleRect *handle = handles.at(boxHandles + i);
        QCOMPARE(handle->dir(), 9 + i);
        QCOMPARE(handle->state(), 2);
        QCOMPARE(handle->isControl(), !(isLine && i == 0));
    }
    for (int i = 0; i < boxHandles; ++i)
        QCOMPARE(handles.at(i)->state(), 0);
}

void TestItems::polygonNormalizeKeepsScenePoints_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qreal>("rotation");
    QTest::addColumn<QPointF>("transformOrigin");
    QTest::addColumn<QTransform>("transform");

    QTest::newRow("polygon plain") << "polygon" << qreal(0) << QPointF() << QTransform();
    QTest::newRow("polygon rotated") << "polygon" << qreal(30) << QPointF() << QTransform();
    QTest::newRow("polygon rotated about its own origin")
        << "polygon" << qreal(30) << QPointF(10, 5) << QTransform();
    QTest::newRow("polygon transformed")
        << "polygon" << qreal(0) << QPointF() << QTransform().shear(0.3, 0);
    QTest::newRow("bezier rotated") << "bezier" << qreal(-45) << QPointF() << QTransform();
    QTest::newRow("line rotated") << "line" << qreal(15) << QPointF(3, 4) << QTransform();
}

void TestItems::polygonNormalizeKeepsScenePoints()
{
    QFETCH(QString, kind);
    QFETCH(qreal, rotation);
    QFETCH(QPointF, transformOrigin);
    QFETCH(QTransform, transform);

    std::unique_ptr<GraphicsPolygonItem> item(makePolygonKind(kind));
    const bool isLine = kind == QLatin1String("line");
    for (const QPointF &p : { QPointF(10, 10), QPointF(50, 10), QPointF(50, 30), QPointF(10, 30) })
        item->appendPoint(p);
    item->setTransformOriginPoint(transformOrigin);
    item->setRotation(rotation);
    item->setTransform(transform);
    const QPolygonF before = scenePoints(item.get());

    item->normalizeGeometry();

    COMPARE_CLOSE(scenePoints(item.get()), before);
    COMPARE_CLOSE(item->mapToScene(item->boundingRect().center()),
        item->mapToScene(item->transformOriginPoint()));
    QCOMPARE(item->transformOriginPoint(), transformOrigin);
    QCOMPARE(item->rotation(), rotation);
    COMPARE_CLOSE(item->initialPoints(), item->points());
    COMPARE_CLOSE(item->localRect(), item->points().boundingRect());
    COMPARE_CLOSE(item->width(), 40.0);
    COMPARE_CLOSE(item->height(), 20.0);
    if (rotation == 0 && transform.isIdentity())
        COMPARE_CLOSE(item->pos(), QPointF(30, 20));
    // The vertex handles stay on the moved points.
    const int boxHandles = isLine ? 0 : 8;
    for (int i = 0; i < item->points().size(); ++i)
        COMPARE_CLOSE(item->handles().at(boxHandles + i)->pos(), item->points().at(i));
}

void TestItems::polygonControl()
{
    std::unique_ptr<GraphicsPolygonItem> item(makePolygonKind(QStringLiteral("polygon")));
    for (const QPointF &p : { QPointF(10, 10), QPointF(50, 10), QPointF(50, 30) })
        item->appendPoint(p);
    item->normalizeGeometry();
    const QPointF pos = item->pos();
    const QPolygonF before = item->points();

    item->controlTo(5, QPointF(200, 200));
    QCOMPARE(item->points(), before);

    item->controlTo(10, QPointF(90, 70));
    const QPolygonF moved = item->points();
    QCOMPARE(moved.size(), 3);
    COMPARE_CLOSE(moved.at(1), QPointF(90, 70) - pos);
    COMPARE_CLOSE(moved.at(0), before.at(0));
    COMPARE_CLOSE(moved.at(2), before.at(2));
    COMPARE_CLOSE(item->initialPoints(), moved);
    COMPARE_CLOSE(item->localRect(), moved.boundingRect());
    COMPARE_CLOSE(item->width(), 80.0);
    COMPARE_CLOSE(item->height(), 60.0);
    COMPARE_CLOSE(item->handlePosition(10), moved.at(1));
    COMPARE_CLOSE(item->handlePosition(1), item->boundingRect().topLeft());
    COMPARE_CLOSE(item->handlePosition(5), item->boundingRect().bottomRight());
}

void TestItems::polygonStretch()
{
    std::unique_ptr<GraphicsPolygonItem> item(makePolygonKind(QStringLiteral("polygon")));
    for (const QPointF &p : { QPointF(10, 10), QPointF(50, 10), QPointF(30, 30) })
        item->appendPoint(p);
    item->normalizeGeometry();
    const QPolygonF initial = item->points();
    const QPointF origin(-5, 7);

    item->stretchBy(3, 2, 3, origin);
    QPolygonF expected;
    for (const QPointF &p : initial)
        expected << origin + QPointF(2 * (p.x() - origin.x()), 3 * (p.y() - origin.y()));
    COMPARE_CLOSE(item->points(), expected);
    COMPARE_CLOSE(item->localRect(), expected.boundingRect());
    COMPARE_CLOSE(item->width(), 80.0);
    COMPARE_CLOSE(item->height(), 60.0);
    COMPARE_CLOSE(item->initialPoints(), initial);
    COMPARE_CLOSE(item->handlePosition(11), expected.at(2));
}

void TestItems::lineHandlesArePoints()
{
    ToolLine line;
    QCOMPARE(line.handles().size(), 0);
    QCOMPARE(line.handleTotal(), 8);
    line.appendPoint(QPointF(10, 10));
    QCOMPARE(line.handles().size(), 1);
    QCOMPARE(line.handleTotal(), 9);
    line.appendPoint(QPointF(50, 30));
    QCOMPARE(line.handles().size(), 2);
    QCOMPARE(line.handleTotal(), 10);
    line.controlTo(10, QPointF(60, 40));
    COMPARE_CLOSE(line.handles().at(0)->pos(), QPointF(10, 10));
    COMPARE_CLOSE(line.handles().at(1)->pos(), QPointF(60, 40));
    QCOMPARE(line.handlePosition(1), QPointF(0, 0));
}

void TestItems::lineOppositeHandle_data()
{
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPointF>("position");

    const QPointF first(10, 10), second(50, 30);
    for (int dir : { 1, 2, 3, 4, 8 })
        QTest::addRow("%d", dir) << dir << second;
    for (int dir : { 5, 6, 7 })
        QTest::addRow("%d", dir) << dir << first;
    for (int dir : { 0, 9, 10, 11 })
        QTest::addRow("%d", dir) << dir << QPointF(0, 0);
}

void TestItems::lineOppositeHandle()
{
    QFETCH(int, dir);
    QFETCH(QPointF, position);

    ToolLine line;
    line.appendPoint(QPointF(10, 10));
    line.appendPoint(QPointF(50, 30));
    line.controlTo(9, QPointF(10, 10));
    line.controlTo(10, QPointF(50, 30));
    QCOMPARE(line.oppositeHandlePosition(dir), position);
}

void TestItems::finishPoint_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<int>("kept");

    const QPolygonF two = pointList({ QPointF(0, 0), QPointF(40, 0) });
    const auto plus = [](QPolygonF poly, const QPointF &last) -> QPolygonF {
        poly << last;
        return poly;
    };
    for (const char *kind : { "polygon", "line" }) {
        QTest::addRow("%s repeated last point", kind) << kind << plus(two, QPointF(40, 0)) << 2;
        QTest::addRow("%s last point one to the right", kind)
            << kind << plus(two, QPointF(41, 0)) << 2;
        QTest::addRow("%s last point one below", kind) << kind << plus(two, QPointF(40, 1)) << 3;
        QTest::addRow("%s last point two to the right", kind)
            << kind << plus(two, QPointF(42, 0)) << 3;
        QTest::addRow("%s last point one to the left", kind)
            << kind << plus(two, QPointF(39, 0)) << 3;
        QTest::addRow("%s two equal points", kind)
            << kind << pointList({ QPointF(5, 5), QPointF(5, 5) }) << 2;
        QTest::addRow("%s two points one apart", kind)
            << kind << pointList({ QPointF(5, 5), QPointF(6, 5) }) << 2;
    }
}

void TestItems::finishPoint()
{
    QFETCH(QString, kind);
    QFETCH(QPolygonF, points);
    QFETCH(int, kept);

    std::unique_ptr<GraphicsPolygonItem> item(makePolygonKind(kind));
    const int boxHandles = kind == QLatin1String("line") ? 0 : 8;
    for (const QPointF &p : points)
        item->appendPoint(p);
    item->finishPoint();

    const QPolygonF expected(points.mid(0, kept));
    QCOMPARE(item->points(), expected);
    QCOMPARE(item->handles().size(), boxHandles + kept);
    QCOMPARE(item->handles().last()->dir(), 8 + kept);
    QCOMPARE(item->initialPoints(), expected);
}

void TestItems::groupMemberCannotBeSelected()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolEllipse(corners(0, 0, 39, 39));
    scene.addItem(a);
    scene.addItem(b);
    b->setPos(200, 100);
    auto *g = new GraphicsItemGroup();
    scene.addItem(g);
    g->addToGroup(a);
    g->addToGroup(b);
    g->normalizeGeometry();

    a->setSelected(true);
    b->setSelected(true);
    QVERIFY(!a->isSelected());
    QVERIFY(!b->isSelected());
    for (SizeHandleRect *handle : a->handles())
        QCOMPARE(handle->state(), 0);

    g->setSelected(true);
    QVERIFY(g->isSelected());
    QVERIFY(!a->isSelected());
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *> { g });
}

void TestItems::pressOnMemberSelectsGroup()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolRect(corners(0, 0, 39, 39), false);
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    auto *g = new GraphicsItemGroup();
    scene.addItem(g);
    g->addToGroup(a);
    g->addToGroup(b);
    g->normalizeGeometry();

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(60, 45));
    QVERIFY(g->isSelected());
    QVERIFY(!a->isSelected());
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(60, 45));
}

void TestItems::groupNormalizeKeepsMembers()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolRect(corners(0, 0, 39, 39), false);
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    const QRectF aScene = a->sceneBoundingRect(), bScene = b->sceneBoundingRect();

    GraphicsItemGroup *g = groupOf(scene, { a, b });

    COMPARE_CLOSE(a->sceneBoundingRect(), aScene);
    COMPARE_CLOSE(b->sceneBoundingRect(), bScene);
    QCOMPARE(g->members().size(), 2);
    QVERIFY(g->members().contains(a));
    QVERIFY(g->members().contains(b));
    // The members' box is (10, 20) - (240, 140); the group turns about its centre.
    COMPARE_CLOSE(g->mapToScene(g->itemsRect().center()), QPointF(125, 80));
    COMPARE_CLOSE(g->transformOriginPoint(), g->itemsRect().center());
    QVERIFY(g->mapRectToScene(g->itemsRect()).contains(aScene.united(bScene)));
    COMPARE_CLOSE(g->width(), g->itemsRect().width());
    COMPARE_CLOSE(g->height(), g->itemsRect().height());
    COMPARE_CLOSE(g->initialRect(), g->itemsRect());
    COMPARE_CLOSE(g->boundingRect(), g->itemsRect());
    COMPARE_CLOSE(g->handlePosition(1), g->itemsRect().topLeft());
    COMPARE_CLOSE(
        g->handlePosition(6), QPointF(g->itemsRect().center().x(), g->itemsRect().bottom()));

    // Once more changes nothing.
    const QPointF pos = g->pos();
    g->normalizeGeometry();
    COMPARE_CLOSE(g->pos(), pos);
    COMPARE_CLOSE(a->sceneBoundingRect(), aScene);
    COMPARE_CLOSE(b->sceneBoundingRect(), bScene);
}

void TestItems::groupAnchorsAtBoxCentre()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolRect(corners(0, 0, 39, 39), false);
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    GraphicsItemGroup *g = groupOf(scene, { a, b });

    // The group turns about its box centre but stays where it is: its members keep their
    // scene positions as their positions in the group, so a saved group reloads in place.
    COMPARE_CLOSE(g->itemsRect(), QRectF(10, 20, 230, 120));
    COMPARE_CLOSE(g->transformOriginPoint(), QPointF(125, 80));
    COMPARE_CLOSE(g->pos(), QPointF(0, 0));
    COMPARE_CLOSE(a->pos(), QPointF(10, 20));
    COMPARE_CLOSE(b->pos(), QPointF(200, 100));

    g->setRotation(90);
    const QRectF bBox = b->sceneBoundingRect();
    g->stretchBy(5, 2, 2, g->oppositeHandlePosition(5));
    const QRectF stretched = g->mapRectToScene(g->itemsRect());
    const QRectF bStretched = b->sceneBoundingRect();
    g->normalizeGeometry();
    COMPARE_CLOSE(g->transformOriginPoint(), g->itemsRect().center());
    COMPARE_CLOSE(g->mapRectToScene(g->itemsRect()), stretched);
    COMPARE_CLOSE(b->sceneBoundingRect(), bStretched);
    QVERIFY(bBox != bStretched);
}

void TestItems::groupSelectionNormalizes()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    scene.addItem(a);
    a->setPos(10, 20);
    const QRectF aScene = a->sceneBoundingRect();
    auto *g = new GraphicsItemGroup();
    scene.addItem(g);
    g->addToGroup(a);
    QCOMPARE(g->width(), 0.0);

    g->setSelected(true);
    QVERIFY(g->width() > 0);
    QVERIFY(g->height() > 0);
    QVERIFY(g->mapRectToScene(g->itemsRect()).contains(aScene));
    COMPARE_CLOSE(a->sceneBoundingRect(), aScene);
    COMPARE_CLOSE(g->mapToScene(g->itemsRect().center()), aScene.center());
}

void TestItems::groupStretchScalesMembers()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolRect(corners(0, 0, 39, 39), false);
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    GraphicsItemGroup *g = groupOf(scene, { a, b });
    const qreal width = g->width(), height = g->height();
    const QPointF origin = g->oppositeHandlePosition(5);
    COMPARE_CLOSE(origin, g->itemsRect().topLeft());
    const QPointF fixed = g->mapToScene(origin);
    const auto scaled = [fixed](const QRectF &r) {
        return QRectF(fixed + 2 * (r.topLeft() - fixed), 2 * r.size());
    };
    const QRectF aExpected = scaled(a->sceneBoundingRect());
    const QRectF bExpected = scaled(b->sceneBoundingRect());

    g->stretchBy(5, 2, 2, origin);

    COMPARE_CLOSE(a->sceneBoundingRect(), aExpected);
    COMPARE_CLOSE(b->sceneBoundingRect(), bExpected);
    COMPARE_CLOSE(a->width(), 200.0);
    COMPARE_CLOSE(b->height(), 80.0);
    COMPARE_CLOSE(g->width(), 2 * width);
    COMPARE_CLOSE(g->height(), 2 * height);
    COMPARE_CLOSE(g->itemsRect(), QRectF(origin, 2 * QSizeF(width, height)));
    COMPARE_CLOSE(g->handlePosition(5), g->itemsRect().bottomRight());

    // The same total factors again give the same geometry.
    g->stretchBy(5, 2, 2, origin);
    COMPARE_CLOSE(a->sceneBoundingRect(), aExpected);
    COMPARE_CLOSE(g->width(), 2 * width);

    g->normalizeGeometry();
    COMPARE_CLOSE(a->sceneBoundingRect(), aExpected);
    COMPARE_CLOSE(b->sceneBoundingRect(), bExpected);
    COMPARE_CLOSE(g->initialRect(), g->itemsRect());
    COMPARE_CLOSE(g->width(), 2 * width);
}

void TestItems::memberNormalizeOnlyCaptures()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolRect(corners(0, 0, 39, 39), false);
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    GraphicsItemGroup *g = groupOf(scene, { a, b });
    g->stretchBy(5, 2, 2, g->oppositeHandlePosition(5));
    // b lies away from the fixed corner, so its own box leaves (0, 0).
    const QRectF local = b->localRect();
    const QRectF inScene = b->sceneBoundingRect();
    QVERIFY(local.topLeft() != QPointF(0, 0));

    // Inside a group the box is not re-anchored, only captured.
    b->normalizeGeometry();
    COMPARE_CLOSE(b->localRect(), local);
    COMPARE_CLOSE(b->initialRect(), local);
    COMPARE_CLOSE(b->sceneBoundingRect(), inScene);
#ifdef WITH_CHARACTER_SHAPES
    COMPARE_CLOSE(b->savedCentre(), QPointF(fieldsOf(b)->rc_x, fieldsOf(b)->rc_y));
#endif
    b->stretchBy(5, 1, 1, b->localRect().topLeft());
    COMPARE_CLOSE(b->localRect(), local);
}

void TestItems::rotatedGroupNormalizeKeepsMembers()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolEllipse(corners(0, 0, 39, 39));
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
    GraphicsItemGroup *g = groupOf(scene, { a, b });
    g->setRotation(30);
    // The resize moves the box centre away from the transform origin.
    g->stretchBy(5, 2, 1.5, g->oppositeHandlePosition(5));
    const QPolygonF aBefore = a->mapToScene(a->localRect());
    const QPolygonF bBefore = b->mapToScene(b->localRect());
    const QPolygonF boxBefore = g->mapToScene(g->itemsRect());

    g->normalizeGeometry();

    COMPARE_CLOSE(a->mapToScene(a->localRect()), aBefore);
    COMPARE_CLOSE(b->mapToScene(b->localRect()), bBefore);
    COMPARE_CLOSE(g->mapToScene(g->itemsRect()), boxBefore);
    COMPARE_CLOSE(g->transformOriginPoint(), g->itemsRect().center());
    QCOMPARE(g->rotation(), 30.0);
}

void TestItems::groupBoxIndependentOfHandleUse()
{
    // Handles are made on first use; the group's box must not depend on whether they were.
    QRectF boxes[2];
    for (int used = 0; used < 2; ++used) {
        QGraphicsScene scene;
        auto *a = new ToolRect(corners(0, 0, 99, 49), true);
        scene.addItem(a);
        a->setPos(10, 20);
        if (used)
            a->handles();
        auto *g = new GraphicsItemGroup();
        scene.addItem(g);
        g->addToGroup(a);
        g->normalizeGeometry();
        boxes[used] = g->mapRectToScene(g->itemsRect());
    }
    COMPARE_CLOSE(boxes[0], boxes[1]);
}

void TestItems::cloneRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("round");
    QTest::addColumn<qreal>("rotation");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QTransform>("transform");

    QTest::newRow("plain") << corners(0, 0, 99, 49) << false << qreal(0) << qreal(1)
                           << QTransform();
    QTest::newRow("rounded, rotated")
        << corners(0, 0, 99, 49) << true << qreal(15) << qreal(1) << QTransform();
    QTest::newRow("transformed and scaled") << corners(0, 0, 99, 49) << false << qreal(-30)
                                            << qreal(1.25) << QTransform().shear(0.2, 0.1);
    QTest::newRow("box away from the origin")
        << corners(10, 20, 109, 69) << true << qreal(15) << qreal(1) << QTransform().scale(1.5, 1);
}

void TestItems::cloneRect()
{
    QFETCH(QRect, rect);
    QFETCH(bool, round);
    QFETCH(qreal, rotation);
    QFETCH(qreal, scale);
    QFETCH(QTransform, transform);

    ToolRect source(rect, round);
    source.setPos(30, 40);
    source.setZValue(3);
    source.setRotation(rotation);
    source.setScale(scale);
    source.setTransform(transform);
    source.setRatios(0.25, 0.4);
    source.setPen(QPen(Qt::red, 3));
    source.setBrush(QBrush(Qt::green));
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(&source)->asc = 0x41;
    fieldsOf(&source)->rc_x = 7;
    fieldsOf(&source)->rc_y = 9;
#endif
#ifdef WITH_TOUCH_SHAPES
    fieldsOf(&source)->picNum = 3;
    fieldsOf(&source)->pressedPage = 5;
    fieldsOf(&source)->command = 0x1234;
#endif

    std::unique_ptr<QGraphicsItem> copy(source.clone());
    auto *clone = dynamic_cast<GraphicsRectItem *>(copy.get());
    QVERIFY(clone);
    QVERIFY(!dynamic_cast<GraphicsEllipseItem *>(clone));
    QCOMPARE(clone->zValue(), 3.1);
    QCOMPARE(clone->rotation(), rotation);
    QCOMPARE(clone->scale(), scale);
    QVERIFY(clone->transform() == transform);
    QCOMPARE(clone->isRound(), round);
    QCOMPARE(clone->xRatio(), 0.25);
    QCOMPARE(clone->yRatio(), 0.4);
    QCOMPARE(clone->width(), 100.0);
    QCOMPARE(clone->height(), 50.0);
    QCOMPARE(clone->pen().color(), QColor(Qt::red));
    QCOMPARE(clone->pen().widthF(), 3.0);
    QCOMPARE(clone->brush().color(), QColor(Qt::green));
    QCOMPARE(clone->handles().size(), round ? 10 : 8);
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(clone)->asc, 0x41);
    QCOMPARE(fieldsOf(clone)->rc_x, 7.0);
    QCOMPARE(fieldsOf(clone)->rc_y, 9.0);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(clone)->picNum, 3);
    QCOMPARE(fieldsOf(clone)->pressedPage, 5);
    QCOMPARE(fieldsOf(clone)->command, 0x1234);
#endif
    COMPARE_CLOSE(clone->mapToScene(clone->localRect()), source.mapToScene(source.localRect()));
    COMPARE_CLOSE(clone->localRect(), QRectF(0, 0, 100, 50));
    if (rect.topLeft() == QPoint(0, 0))
        QCOMPARE(clone->pos(), source.pos());
}

void TestItems::cloneRoundsHalfAwayFromZero()
{
    ToolRect source(corners(0, 0, 39, 29), false);
    source.setPos(30, 40);
    source.stretchBy(8, 1.0625, 1, QPointF(40, 15));
    COMPARE_CLOSE(source.localRect(), QRectF(-2.5, 0, 42.5, 30));

    // The clone starts from the box (-3, 0, 43, 30) and keeps the width 42.5.
    std::unique_ptr<QGraphicsItem> copy(source.clone());
    auto *clone = dynamic_cast<GraphicsRectItem *>(copy.get());
    QVERIFY(clone);
    QCOMPARE(clone->width(), 42.5);
    COMPARE_CLOSE(clone->localRect(), QRectF(0, 0, 42.5, 30));
    COMPARE_CLOSE(clone->mapToScene(QPointF(0, 0)), QPointF(27, 40));
}

void TestItems::cloneEllipse()
{
    ToolEllipse source(corners(0, 0, 99, 49));
    source.setPos(5, 6);
    source.setZValue(3);
    source.setRotation(20);
    source.setAngles(30, 200);
    std::unique_ptr<QGraphicsItem> copy(source.clone());
    auto *clone = dynamic_cast<GraphicsEllipseItem *>(copy.get());
    QVERIFY(clone);
    QCOMPARE(clone->startAngle(), 30);
    QCOMPARE(clone->spanAngle(), 200);
    QCOMPARE(clone->zValue(), 3.1);
    QCOMPARE(clone->rotation(), 20.0);
    QCOMPARE(clone->pos(), source.pos());
    COMPARE_CLOSE(clone->mapToScene(clone->localRect()), source.mapToScene(source.localRect()));
}

void TestItems::clonePolygonFamily_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : { "polygon", "bezier", "polyline", "line" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestItems::clonePolygonFamily()
{
    QFETCH(QString, kind);

    std::unique_ptr<GraphicsPolygonItem> source(makePolygonKind(kind));
    for (const QPointF &p : { QPointF(10, 10), QPointF(50, 10), QPointF(30, 40) })
        source->appendPoint(p);
    source->setZValue(3);
    source->setRotation(25);
    source->setTransform(QTransform().scale(1, 2));
    const QPolygonF sceneBefore = scenePoints(source.get());

    std::unique_ptr<QGraphicsItem> copy(source->clone());
    auto *clone = dynamic_cast<GraphicsPolygonItem *>(copy.get());
    QVERIFY(clone);
    QCOMPARE(clone->shapeName(), source->shapeName());
    QCOMPARE(bool(dynamic_cast<GraphicsLineItem *>(clone)), kind == QLatin1String("line"));
    if (auto *bezier = dynamic_cast<GraphicsBezier *>(clone))
        QCOMPARE(bezier->isBezier(), kind == QLatin1String("bezier"));
    else
        QVERIFY(kind == QLatin1String("polygon") || kind == QLatin1String("line"));
    QCOMPARE(clone->zValue(), 3.1);
    QCOMPARE(clone->rotation(), 25.0);
    QVERIFY(clone->transform() == source->transform());
    QCOMPARE(clone->points().size(), 3);
    COMPARE_CLOSE(scenePoints(clone), sceneBefore);
    QCOMPARE(clone->handles().size(), kind == QLatin1String("line") ? 3 : 11);
    QCOMPARE(clone->handleTotal(), 11);
}

void TestItems::cloneGroup()
{
    QGraphicsScene scene;
    auto *a = new ToolRect(corners(0, 0, 99, 49), false);
    auto *b = new ToolEllipse(corners(0, 0, 39, 39));
    scene.addItem(a);
    scene.addItem(b);
    a->setPos(10, 20);
    b->setPos(200, 100);
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(a)->asc = 0x30;
#endif
    auto *g = new GraphicsItemGroup();
    scene.addItem(g);
    g->addToGroup(a);
    g->addToGroup(b);
    g->normalizeGeometry();
    g->setZValue(3);
    g->setRotation(20);

    std::unique_ptr<QGraphicsItem> copy(g->clone());
    auto *clone = dynamic_cast<GraphicsItemGroup *>(copy.get());
    QVERIFY(clone);
    QCOMPARE(clone->type(), 65538);
    QCOMPARE(clone->zValue(), 3.1);
    QCOMPARE(clone->rotation(), 20.0);
    COMPARE_CLOSE(clone->pos(), g->pos());
    const QList<QGraphicsItem *> members = clone->members();
    QCOMPARE(members.size(), 2);
    QVERIFY(!members.contains(a) && !members.contains(b));

    const auto byLeft = [](const QRectF &l, const QRectF &r) { return l.left() < r.left(); };
    QList<QRectF> expected { a->sceneBoundingRect(), b->sceneBoundingRect() };
    QList<QRectF> actual;
    int ellipses = 0;
    for (QGraphicsItem *member : members) {
        QCOMPARE(member->type(), 65537);
        QCOMPARE(member->parentItem(), static_cast<QGraphicsItem *>(clone));
        actual << member->sceneBoundingRect();
        if (dynamic_cast<GraphicsEllipseItem *>(member))
            ++ellipses;
#ifdef WITH_CHARACTER_SHAPES
        else
            QCOMPARE(fieldsOf(member)->asc, 0x30);
#endif
    }
    QCOMPARE(ellipses, 1);
    std::sort(expected.begin(), expected.end(), byLeft);
    std::sort(actual.begin(), actual.end(), byLeft);
    COMPARE_CLOSE(actual.at(0), expected.at(0));
    COMPARE_CLOSE(actual.at(1), expected.at(1));
}

void TestItems::rectBoundingRectHasNoPenMargin()
{
    ToolRect item(corners(0, 0, 99, 49), false);
    item.setPen(QPen(Qt::black, 9));
    QCOMPARE(item.boundingRect(), QRectF(0, 0, 100, 50));
    item.stretchBy(1, 2, 2, QPointF(100, 50));
    COMPARE_CLOSE(item.boundingRect(), QRectF(-100, -50, 200, 100));
    COMPARE_CLOSE(item.boundingRect(), item.localRect());
    QVERIFY(item.shape().contains(QPointF(-99.5, -49.5)));
    COMPARE_CLOSE(item.shape().boundingRect(), item.localRect());
}

void TestItems::roundedShapeCutsCorners()
{
    ToolRect round(corners(0, 0, 99, 49), true);
    QVERIFY(!round.shape().contains(QPointF(1, 1)));
    QVERIFY(round.shape().contains(QPointF(50, 25)));
    QVERIFY(round.shape().contains(QPointF(50, 1)));
    COMPARE_CLOSE(round.boundingRect(), QRectF(0, 0, 100, 50));

    ToolRect plain(corners(0, 0, 99, 49), false);
    QVERIFY(plain.shape().contains(QPointF(1, 1)));

    // A ratio of 0 gives square corners.
    round.setRatios(0, 0);
    QVERIFY(round.shape().contains(QPointF(1, 1)));
}

void TestItems::ellipseShape_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("span");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QPointF>("inside");
    QTest::addColumn<QPointF>("outside");

    const QPointF none(-1000, -1000);
    QTest::newRow("zero size") << QRect(0, 0, 0, 0) << 40 << 400 << true << none << none;
    QTest::newRow("zero width only") << QRect(0, 0, 0, 50) << 40 << 400 << false << none << none;
    QTest::newRow("whole") << corners(0, 0, 99, 49) << 40 << 400 << false << QPointF(30, 35)
                           << QPointF(2, 2);
    QTest::newRow("quarter pie") << corners(0, 0, 99, 49) << 0 << 90 << false << QPointF(70, 15)
                                 << QPointF(30, 35);
    QTest::newRow("angles in either order")
        << corners(0, 0, 99, 49) << 90 << 0 << false << QPointF(70, 15) << QPointF(30, 35);
    QTest::newRow("sweep of 360 is whole")
        << corners(0, 0, 99, 49) << -100 << 260 << false << QPointF(30, 35) << QPointF(2, 2);
}

void TestItems::ellipseShape()
{
    QFETCH(QRect, rect);
    QFETCH(int, start);
    QFETCH(int, span);
    QFETCH(bool, empty);
    QFETCH(QPointF, inside);
    QFETCH(QPointF, outside);

    ToolEllipse item(rect);
    item.setAngles(start, span);
    QCOMPARE(item.shape().isEmpty(), empty);
    if (!empty && inside != QPointF(-1000, -1000)) {
        QVERIFY(item.shape().contains(inside));
        QVERIFY(!item.shape().contains(outside));
        COMPARE_CLOSE(item.boundingRect(), item.shape().controlPointRect());
    }
}

void TestItems::properties()
{
    ToolRect item(corners(10, 20, 109, 69), false);
    QCOMPARE(item.property("width").toDouble(), 100.0);
    QVERIFY(item.setProperty("width", 40));
    QCOMPARE(item.width(), 40.0);
    COMPARE_CLOSE(item.localRect(), QRectF(0, 0, 40, 50));
    COMPARE_CLOSE(item.initialRect(), QRectF(0, 0, 40, 50));
    QCOMPARE(item.pos(), QPointF(10, 20));
    QVERIFY(item.setProperty("height", 30.0));
    QCOMPARE(item.height(), 30.0);
    COMPARE_CLOSE(item.localRect(), QRectF(0, 0, 40, 30));

    item.setPen(QPen(Qt::blue, 3, Qt::DashLine));
    QCOMPARE(item.property("pen").value<QColor>(), QColor(Qt::blue));
    QVERIFY(item.setProperty("pen", QColor(Qt::red)));
    QCOMPARE(item.pen().color(), QColor(Qt::red));
    QCOMPARE(item.pen().widthF(), 1.0);
    QCOMPARE(item.pen().style(), Qt::SolidLine);

    item.setBrush(QBrush(Qt::blue, Qt::Dense4Pattern));
    QCOMPARE(item.property("brush").value<QColor>(), QColor(Qt::blue));
    QVERIFY(item.setProperty("brush", QColor(Qt::green)));
    QCOMPARE(item.brush().color(), QColor(Qt::green));
    QCOMPARE(item.brush().style(), Qt::Dense4Pattern);

    QVERIFY(item.setProperty("position", QPointF(5, 6)));
    QCOMPARE(item.pos(), QPointF(5, 6));
    QCOMPARE(item.property("position").toPointF(), QPointF(5, 6));
}

void TestItems::groupProperties()
{
    GraphicsItemGroup group;
    QVERIFY(group.setProperty("pen", QColor(Qt::red)));
    QCOMPARE(group.property("pen").value<QColor>(), QColor(Qt::red));
    QVERIFY(group.setProperty("brush", QColor(Qt::green)));
    QCOMPARE(group.property("brush").value<QColor>(), QColor(Qt::green));
    QVERIFY(group.setProperty("position", QPointF(5, 6)));
    QCOMPARE(group.pos(), QPointF(5, 6));
    QCOMPARE(
        QString::fromLatin1(group.metaObject()->className()), QStringLiteral("GraphicsItemGroup"));
}

void TestItems::shapeName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");

    QTest::newRow("rect") << "rect"
                          << "rectangle";
    QTest::newRow("roundrect") << "roundrect"
                               << "rectangle";
    QTest::newRow("ellipse") << "ellipse"
                             << "ellipse";
    QTest::newRow("polygon") << "polygon"
                             << "polygon";
    QTest::newRow("bezier") << "bezier"
                            << "bezier";
    QTest::newRow("polyline") << "polyline"
                              << "bezier";
    QTest::newRow("line") << "line"
                          << "line";
    QTest::newRow("group") << "group"
                           << "group";
}

void TestItems::shapeName()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    if (kind == QLatin1String("group")) {
        QCOMPARE(GraphicsItemGroup().shapeName(), name);
        return;
    }
    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    QCOMPARE(item->shapeName(), name);
}

void TestItems::translateBy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("moves");

    QTest::newRow("rect") << "rect" << true;
    QTest::newRow("ellipse") << "ellipse" << true;
    QTest::newRow("polygon") << "polygon" << false;
    QTest::newRow("line") << "line" << false;
    QTest::newRow("group") << "group" << false;
}

void TestItems::translateBy()
{
    QFETCH(QString, kind);
    QFETCH(bool, moves);

    const QPointF start(7, 8), delta(5, -3);
    if (kind == QLatin1String("group")) {
        GraphicsItemGroup group;
        group.setPos(start);
        group.translateBy(delta);
        QCOMPARE(group.pos(), start);
        return;
    }
    std::unique_ptr<GraphicsItem> item(makeShape(kind));
    item->setPos(start);
    const QPolygonF points
        = kind.contains(QLatin1String("rect")) || kind == QLatin1String("ellipse")
        ? QPolygonF()
        : static_cast<GraphicsPolygonItem *>(item.get())->points();
    item->translateBy(delta);
    QCOMPARE(item->pos(), moves ? start + delta : start);
    if (!points.isEmpty())
        QCOMPARE(static_cast<GraphicsPolygonItem *>(item.get())->points(), points);
}

void TestItems::selectionOutline()
{
    QGraphicsScene scene;
    auto *item = new ToolRect(corners(0, 0, 39, 29), false);
    scene.addItem(item);
    item->setPos(50, 60);
    const QColor skyBlue(QStringLiteral("lightskyblue"));

    QImage image = renderScene(scene);
    QVERIFY(!colourNear(image, 60, 60, skyBlue));
    QVERIFY(!colourNear(image, 50, 69, skyBlue));

    item->setSelected(true);
    image = renderScene(scene);
    // Away from the handles, which sit at the corners and edge middles.
    QVERIFY(colourNear(image, 60, 60, skyBlue));
    QVERIFY(colourNear(image, 50, 69, skyBlue));
    QVERIFY(colourNear(image, 80, 89, skyBlue));
}

void TestItems::blueCrossFollowsOriginMark()
{
    QGraphicsScene scene;
    auto *item = new ToolRect(corners(0, 0, 99, 49), false);
    scene.addItem(item);
    item->setPos(150, 100);
#ifdef WITH_CHARACTER_SHAPES
    // The resize maps the captured centre, not the current fields.
    fieldsOf(item)->rc_x = 80;
    fieldsOf(item)->rc_y = 40;
#endif
    item->stretchBy(1, 1.4, 1.4, QPointF(100, 50));
    QCOMPARE(item->originMark(), QPointF(100, 50));
    const QImage image = renderScene(scene);

    // Blue at the bottom-right corner (scene 250, 150), where the resize was anchored.
    QVERIFY(colourNear(image, 254, 150, Qt::blue));
    QVERIFY(colourNear(image, 250, 154, Qt::blue));
    QVERIFY(!colourNear(image, 145, 100, Qt::blue));
    QVERIFY(!colourNear(image, 106, 80, Qt::blue));
#ifdef WITH_CHARACTER_SHAPES
    COMPARE_CLOSE(QPointF(fieldsOf(item)->rc_x, fieldsOf(item)->rc_y), QPointF(30, 15));
    // Red at scene (180, 115).
    QVERIFY(colourNear(image, 176, 115, Qt::red));
    QVERIFY(colourNear(image, 180, 111, Qt::red));
    QVERIFY(!colourNear(image, 230, 140, Qt::red));
#endif
}

#ifdef WITH_CHARACTER_SHAPES
void TestItems::zafPaintsBothCrosses()
{
    QGraphicsScene scene;
    auto *item = new ToolRect(corners(0, 0, 39, 29), false);
    scene.addItem(item);
    item->setPos(50, 60);
    const QImage image = renderScene(scene);

    // Blue at the origin mark (item 0, 0), arms reaching 6 outside the box.
    QVERIFY(colourNear(image, 45, 60, Qt::blue));
    QVERIFY(colourNear(image, 50, 55, Qt::blue));
    QVERIFY(isWhite(image, 42, 60));
    // Red at the rotation centre (20, 15).
    QVERIFY(colourNear(image, 66, 75, Qt::red));
    QVERIFY(colourNear(image, 70, 71, Qt::red));
    QVERIFY(colourNear(image, 75, 75, Qt::red));
    QVERIFY(!colourNear(image, 60, 85, Qt::red));
    // The fill.
    QVERIFY(!isWhite(image, 80, 85));
    QVERIFY(isWhite(image, 95, 85));
}

#endif

#ifdef WITH_TOUCH_SHAPES
void TestItems::touchPress_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("picNum");
    QTest::addColumn<int>("pressedPage");
    QTest::addColumn<int>("jump"); // -1: none asked for
    QTest::addColumn<bool>("pressed");

    QTest::newRow("not running") << "rect" << false << 3 << 5 << -1 << false;
    QTest::newRow("jump and animation") << "rect" << true << 3 << 5 << 3 << true;
    QTest::newRow("no jump") << "rect" << true << -1 << 5 << -1 << true;
    QTest::newRow("no animation") << "rect" << true << 3 << -1 << 3 << false;
    QTest::newRow("page 0 is a page") << "rect" << true << 0 << 0 << 0 << true;
    QTest::newRow("neither") << "rect" << true << -1 << -1 << -1 << false;
    QTest::newRow("ellipse") << "ellipse" << true << 3 << 5 << 3 << true;
    QTest::newRow("ellipse not running") << "ellipse" << false << 3 << 5 << -1 << false;
}

void TestItems::touchPress()
{
    QFETCH(QString, kind);
    QFETCH(bool, running);
    QFETCH(int, picNum);
    QFETCH(int, pressedPage);
    QFETCH(int, jump);
    QFETCH(bool, pressed);

    FakePreviewState state;
    state.running = running;
    QGraphicsScene scene;
    GraphicsRectItem *item = kind == QLatin1String("ellipse")
        ? static_cast<GraphicsRectItem *>(new ToolEllipse(corners(0, 0, 39, 29)))
        : new ToolRect(corners(0, 0, 39, 29), false);
    scene.addItem(item);
    item->setPos(50, 60);
    fieldsOf(item)->picNum = picNum;
    fieldsOf(item)->pressedPage = pressedPage;

    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(70, 75));
    QCOMPARE(state.jumps, jump < 0 ? QList<int>() : QList<int> { jump });
    QCOMPARE(state.pressed, pressed);
    // The press never reaches Qt's own item handling, which would select the area.
    QVERIFY(!item->isSelected());
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(70, 75));

    // A press beside the area does nothing.
    state.jumps.clear();
    state.pressed = false;
    sendMouse(scene, QEvent::GraphicsSceneMousePress, QPointF(150, 150));
    QVERIFY(state.jumps.isEmpty());
    QVERIFY(!state.pressed);
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, QPointF(150, 150));
}

void TestItems::touchPaint_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<int>("pressedPage");
    QTest::addColumn<double>("widthFactor");
    QTest::addColumn<QString>("look"); // "picture", "nothing" or "normal"

    QTest::newRow("no preview state") << false << false << false << 5 << 1.0 << "normal";
    QTest::newRow("editing") << true << false << false << 5 << 1.0 << "normal";
    QTest::newRow("preview running") << true << true << false << 5 << 1.0 << "nothing";
    QTest::newRow("pressed during preview") << true << true << true << 5 << 1.0 << "picture";
    QTest::newRow("pressed, page 0") << true << true << true << 0 << 1.0 << "picture";
    QTest::newRow("pressed, preview flag clear") << true << false << true << 5 << 1.0 << "picture";
    QTest::newRow("pressed, no animation, running")
        << true << true << true << -1 << 1.0 << "nothing";
    QTest::newRow("pressed, no animation, editing")
        << true << false << true << -1 << 1.0 << "normal";
    // Width 40.5: the piece is 41 pixels wide, halves rounding up.
    QTest::newRow("pressed, half width rounds up")
        << true << true << true << 5 << 40.5 / 40 << "picture";
}

void TestItems::touchPaint()
{
    QFETCH(bool, installed);
    QFETCH(bool, running);
    QFETCH(bool, pressed);
    QFETCH(int, pressedPage);
    QFETCH(double, widthFactor);
    QFETCH(QString, look);

    // Every pixel of the animation page is different, so a misplaced piece shows.
    QImage picture(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    }

    std::unique_ptr<FakePreviewState> state;
    if (installed) {
        state.reset(new FakePreviewState);
        state->running = running;
        state->pressed = pressed;
        state->pictures.insert(pressedPage, QPixmap::fromImage(picture));
    }

    QGraphicsScene scene;
    auto *item = new ToolRect(corners(0, 0, 39, 29), false);
    scene.addItem(item);
    item->setPos(50, 60);
    fieldsOf(item)->pressedPage = pressedPage;
    if (widthFactor != 1.0) {
        item->stretchBy(4, widthFactor, 1, QPointF(0, 15));
        item->normalizeGeometry();
    }
    const QImage image = renderScene(scene);

    if (look == QLatin1String("picture")) {
        for (const QPoint &p : { QPoint(50, 60), QPoint(51, 61), QPoint(70, 75), QPoint(89, 89) })
            QCOMPARE(QColor(image.pixel(p)), QColor(picture.pixel(p)));
        if (widthFactor != 1.0)
            QCOMPARE(QColor(image.pixel(90, 70)), QColor(picture.pixel(90, 70)));
        else
            QVERIFY(isWhite(image, 90, 70));
        // Nothing else: no cross, no outline.
        QVERIFY(isWhite(image, 45, 60));
        QVERIFY(isWhite(image, 50, 55));
        QVERIFY(isWhite(image, 70, 91));
    } else if (look == QLatin1String("nothing")) {
        for (const QPoint &p : { QPoint(45, 60), QPoint(50, 55), QPoint(50, 60), QPoint(70, 75),
                 QPoint(66, 75), QPoint(89, 89) })
            QVERIFY2(isWhite(image, p.x(), p.y()), qPrintable(show(QPointF(p))));
    } else {
        QVERIFY(colourNear(image, 45, 60, Qt::blue));
        QVERIFY(colourNear(image, 50, 55, Qt::blue));
        QVERIFY(!isWhite(image, 80, 85));
        // No rotation centre, so no red cross at (20, 15).
        QVERIFY(!colourNear(image, 66, 75, Qt::red));
        QVERIFY(!colourNear(image, 70, 71, Qt::red));
        QCOMPARE(QColor(image.pixel(70, 75)), QColor(image.pixel(80, 85)));
    }
}
#endif

QTEST_MAIN(TestItems)
#include "tst_items.moc"
