#include "toolshapes.h"
#include "drawscene.h"
#include "fakepreviewstate.h"
#include "graphicsellipseitem.h"
#include "graphicsitemgroup.h"
#include "graphicspolygonitem.h"
#include "graphicsrectitem.h"
#include "itemxml.h"

#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>

#include <QXmlStreamWriter>
#include <QtTest>

#include <cmath>

namespace {

// What a real goes through on its way to the file and back: 6 significant digits.
double six(double value)
{
    return QString::number(value).toDouble();
}

QString written(const QList<QGraphicsItem *> &items)
{
    QString text;
    QXmlStreamWriter xml(&text);
    writeShapes(&xml, items);
    return text;
}

QString written(QGraphicsItem *item)
{
    return written(QList<QGraphicsItem *> { item });
}

// Reads the shape elements of `body`, wrapped in a container element, into the scene.
bool load(const QString &body, DrawScene *scene)
{
    QXmlStreamReader xml(QStringLiteral("<canvas>") + body + QStringLiteral("</canvas>"));
    if (!xml.readNextStartElement())
        return false;
    return readShapes(&xml, scene);
}

// Shapes and groups without a parent, topmost first: the order a file lists them in.
QList<QGraphicsItem *> topLevel(DrawScene *scene)
{
    QList<QGraphicsItem *> list;
    for (QGraphicsItem *item : scene->items(Qt::DescendingOrder)) {
        if (!item->parentItem() && (item->type() == ShapeType || item->type() == GroupType))
            list.append(item);
    }
    return list;
}

// The one item that `body` loads into the scene, or null when it loads another number.
template <typename T> T *loadOne(const QString &body, DrawScene *scene)
{
    load(body, scene);
    const QList<QGraphicsItem *> items = topLevel(scene);
    return items.size() == 1 ? dynamic_cast<T *>(items.first()) : nullptr;
}

bool near(double a, double b, double tolerance = 1e-3)
{
    return std::abs(a - b) <= tolerance;
}

bool near(const QPointF &a, const QPointF &b, double tolerance = 1e-3)
{
    return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance);
}

GraphicsItem *makeShape(const QString &kind, const QSizeF &size, const QPolygonF &points)
{
    const QRect unit(0, 0, 1, 1);
    if (kind == QLatin1String("rect") || kind == QLatin1String("roundrect")) {
        auto *rect = new ToolRect(unit, kind == QLatin1String("roundrect"));
        rect->setWidth(size.width());
        rect->setHeight(size.height());
        if (rect->isRound())
            rect->setRatios(0.1234567, 0.4);
        return rect;
    }
    if (kind == QLatin1String("ellipse")) {
        auto *ellipse = new ToolEllipse(unit);
        ellipse->setWidth(size.width());
        ellipse->setHeight(size.height());
        ellipse->setAngles(-30, 200);
        return ellipse;
    }
    GraphicsPolygonItem *polygon = nullptr;
    if (kind == QLatin1String("polygon"))
        polygon = new ToolPolygon();
    else if (kind == QLatin1String("bezier"))
        polygon = new ToolBezier(true);
    else if (kind == QLatin1String("polyline"))
        polygon = new ToolBezier(false);
    else
        polygon = new ToolLine();
    polygon->setPoints(points);
    return polygon;
}

void setFields(GraphicsItem *shape)
{
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(shape)->asc = 65;
    fieldsOf(shape)->rc_x = 16.1234567;
    fieldsOf(shape)->rc_y = -3.5;
#endif
#ifdef WITH_TOUCH_SHAPES
    fieldsOf(shape)->picNum = 7;
    fieldsOf(shape)->pressedPage = -1;
    fieldsOf(shape)->command = 4660;
#endif
}

void compareFields(const GraphicsItem *read)
{
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(read)->asc, 65);
    QCOMPARE(fieldsOf(read)->rc_x, six(16.1234567));
    QCOMPARE(fieldsOf(read)->rc_y, -3.5);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(read)->picNum, 7);
    QCOMPARE(fieldsOf(read)->pressedPage, -1);
    QCOMPARE(fieldsOf(read)->command, 4660);
#endif
}

// The other editor's rectangle: the example character, or a touch area.
const char otherEditorRect[] =
#ifdef WITH_CHARACTER_SHAPES
    "<rect rotate=\"10\" x=\"12\" y=\"40\" z=\"2\" width=\"32\" height=\"30\""
    " picNum=\"3\" catoonNum=\"4\" commond=\"4660\"/>";
#else
    "<rect rotate=\"10\" x=\"12\" y=\"40\" z=\"2\" width=\"32\" height=\"30\""
    " asc=\"65\" rc_x=\"16\" rc_y=\"15\"/>";
#endif

QString nestedGroups(int levels, const QString &inner)
{
    QString text;
    for (int i = 0; i < levels; ++i)
        text += QStringLiteral("<group x=\"0\" y=\"0\" rotate=\"0\">");
    text += inner;
    for (int i = 0; i < levels; ++i)
        text += QStringLiteral("</group>");
    return text;
}

int groupDepth(QGraphicsItem *item)
{
    int depth = 0;
    while (item) {
        auto *group = dynamic_cast<GraphicsItemGroup *>(item);
        if (!group)
            break;
        ++depth;
        const QList<QGraphicsItem *> members = group->members();
        item = members.isEmpty() ? nullptr : members.first();
    }
    return depth;
}

} // namespace

class TestItemXml : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void exampleRectText();
    void exampleLineText();
    void kindAttributesComeFirst();
    void numberFormat_data();
    void numberFormat();
    void integerFormat();
    void groupText();
    void readerStopsAtItsEndElement();
    void attributesInAnyOrder();
    void missingAttributesReadAsZero();
    void roundrectWithoutRadii();
    void ellipseWithoutAngles();
    void polygonWithoutPoints();
    void readHandlesMatchDrawnOnes_data();
    void readHandlesMatchDrawnOnes();
    void readingRoundrectIntoPlainRectRebuildsHandles();
    void unknownElementsAndAttributesSkipped();
    void malformedRealsReadAsZero_data();
    void malformedRealsReadAsZero();
    void malformedIntegersReadAsZero_data();
    void malformedIntegersReadAsZero();
    void hugeValuesDoNotCrash();
    void hugeShapesPaint_data();
    void hugeShapesPaint();
    void largePointList();
    void brokenXmlKeepsWhatWasRead();
    void stackingOrderSurvivesRoundTrip();
    void groupRoundTripKeepsScenePositions();
    void groupPositionPlacesMembers();
    void movedRotatedGroupRoundTrip();
    void groupWriterNormalisesMembers();
    void nestedGroupsRoundTrip();
    void emptyGroupReadsAsNothing_data();
    void emptyGroupReadsAsNothing();
    void deepNesting_data();
    void deepNesting();
    void otherVariantLoadsGeometry();
    void writeShapesSkipsOtherItems();
};

void TestItemXml::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("z");

    QTest::newRow("rect") << "rect" << QPointF(12.3456789, -40.5) << 33.3333333 << 2.5;
    QTest::newRow("rect unrotated") << "rect" << QPointF(12, 40) << 0.0 << 0.0;
    QTest::newRow("roundrect") << "roundrect" << QPointF(100.25, 7) << -45.0 << 1.0;
    QTest::newRow("ellipse") << "ellipse" << QPointF(-3.75, 250.123456) << 90.0 << 3.1;
    QTest::newRow("polygon") << "polygon" << QPointF(50, 60) << 12.3456789 << 0.5;
    QTest::newRow("bezier") << "bezier" << QPointF(-20, 10.5) << 0.0 << 4.0;
    QTest::newRow("polyline") << "polyline" << QPointF(300, 400) << 180.0 << -1.0;
    QTest::newRow("line") << "line" << QPointF(5.5, 6.5) << 27.0 << 7.0;
}

void TestItemXml::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QPointF, pos);
    QFETCH(double, rotation);
    QFETCH(double, z);

    const QPolygonF points(
        { QPointF(0, 0), QPointF(40.1234567, 5), QPointF(30, 33.3333333), QPointF(-7.5, 20) });
    ToolScene source;
    GraphicsItem *shape = makeShape(kind, QSizeF(32.1234567, 30.75), points);
    source.addItem(shape);
    shape->setPos(pos);
    shape->setRotation(rotation);
    shape->setZValue(z);
    shape->normalizeGeometry();
    setFields(shape);

    const QString text = written(shape);
    QVERIFY2(text.startsWith(QLatin1Char('<') + kind + QLatin1Char(' ')), qPrintable(text));

    ToolScene target;
    auto *read = loadOne<GraphicsItem>(text, &target);
    QVERIFY(read);
    QCOMPARE(read->rotation(), six(rotation));
    QCOMPARE(read->zValue(), six(z));
    compareFields(read);

    if (auto *rect = dynamic_cast<GraphicsRectItem *>(shape)) {
        auto *readRect = dynamic_cast<GraphicsRectItem *>(read);
        QVERIFY(readRect);
        QCOMPARE(read->pos(), QPointF(six(shape->pos().x()), six(shape->pos().y())));
        QCOMPARE(read->width(), six(32.1234567));
        QCOMPARE(read->height(), 30.75);
        QCOMPARE(readRect->isRound(), rect->isRound());
        QCOMPARE(readRect->localRect(), QRectF(0, 0, six(32.1234567), 30.75));
        if (rect->isRound()) {
            QCOMPARE(readRect->xRatio(), six(0.1234567));
            QCOMPARE(readRect->yRatio(), 0.4);
        }
        if (auto *ellipse = dynamic_cast<GraphicsEllipseItem *>(shape)) {
            auto *readEllipse = dynamic_cast<GraphicsEllipseItem *>(read);
            QVERIFY(readEllipse);
            QCOMPARE(readEllipse->startAngle(), ellipse->startAngle());
            QCOMPARE(readEllipse->spanAngle(), ellipse->spanAngle());
        }
        // Values already at 6 digits come out as the same text.
        QCOMPARE(written(read), text);
        return;
    }

    auto *polygon = dynamic_cast<GraphicsPolygonItem *>(shape);
    auto *readPolygon = dynamic_cast<GraphicsPolygonItem *>(read);
    QVERIFY(polygon && readPolygon);
    QCOMPARE(readPolygon->points().size(), points.size());
    for (int i = 0; i < points.size(); ++i) {
        QVERIFY2(near(readPolygon->mapToScene(readPolygon->points().at(i)),
                     polygon->mapToScene(polygon->points().at(i))),
            qPrintable(QString::number(i)));
    }
    QVERIFY(near(read->width(), shape->width()));
    QVERIFY(near(read->height(), shape->height()));
    auto *bezier = dynamic_cast<GraphicsBezier *>(shape);
    auto *readBezier = dynamic_cast<GraphicsBezier *>(read);
    QCOMPARE(readBezier != nullptr, bezier != nullptr);
    if (bezier)
        QCOMPARE(readBezier->isBezier(), bezier->isBezier());
    QCOMPARE(dynamic_cast<GraphicsLineItem *>(read) != nullptr,
        dynamic_cast<GraphicsLineItem *>(shape) != nullptr);
    QCOMPARE(read->handles().size(), shape->handles().size());
}

void TestItemXml::exampleRectText()
{
    ToolRect rect(QRect(0, 0, 32, 30), false);
    rect.setPos(12, 40);
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(&rect)->asc = 65;
    QCOMPARE(written(&rect),
        QStringLiteral("<rect rotate=\"0\" x=\"12\" y=\"40\" z=\"0\" width=\"32\" height=\"30\""
                       " asc=\"65\" rc_x=\"16\" rc_y=\"15\"/>"));
#endif
#ifdef WITH_TOUCH_SHAPES
    fieldsOf(&rect)->picNum = 3;
    fieldsOf(&rect)->command = 4660;
    QCOMPARE(written(&rect),
        QStringLiteral("<rect rotate=\"0\" x=\"12\" y=\"40\" z=\"0\" width=\"32\" height=\"30\""
                       " picNum=\"3\" catoonNum=\"-1\" commond=\"4660\"/>"));
#endif
}

void TestItemXml::exampleLineText()
{
    ToolLine line;
    line.setPoints(QPolygonF(QVector<QPointF> { QPointF(0, 0), QPointF(50, 20) }));
    line.setPos(12, 40);
#ifdef WITH_CHARACTER_SHAPES
    const QString fields = QStringLiteral(" asc=\"0\" rc_x=\"0\" rc_y=\"0\"");
#endif
#ifdef WITH_TOUCH_SHAPES
    const QString fields = QStringLiteral(" picNum=\"-1\" catoonNum=\"-1\" commond=\"-1\"");
#endif
    QCOMPARE(written(&line),
        QStringLiteral("<line rotate=\"0\" x=\"12\" y=\"40\" z=\"0\" width=\"50\" height=\"20\"")
            + fields
            + QStringLiteral("><point x=\"0\" y=\"0\"/><point x=\"50\" y=\"20\"/></line>"));
}

void TestItemXml::kindAttributesComeFirst()
{
    ToolRect round(QRect(0, 0, 10, 10), true);
    QVERIFY2(written(&round).startsWith(
                 QStringLiteral("<roundrect rx=\"0.1\" ry=\"0.333333\" rotate=\"0\" x=\"0\"")),
        qPrintable(written(&round)));

    ToolEllipse ellipse(QRect(0, 0, 10, 10));
    QVERIFY2(written(&ellipse).startsWith(QStringLiteral(
                 "<ellipse startAngle=\"40\" spanAngle=\"400\" rotate=\"0\" x=\"0\"")),
        qPrintable(written(&ellipse)));

    ToolBezier bezier(true);
    ToolBezier polyline(false);
    ToolPolygon polygon;
    QVERIFY(written(&bezier).startsWith(QStringLiteral("<bezier rotate=\"0\"")));
    QVERIFY(written(&polyline).startsWith(QStringLiteral("<polyline rotate=\"0\"")));
    QVERIFY(written(&polygon).startsWith(QStringLiteral("<polygon rotate=\"0\"")));
}

void TestItemXml::numberFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("third") << 1.0 / 3 << "0.333333";
    QTest::newRow("large") << 1234567.0 << "1.23457e+06";
    QTest::newRow("small") << 1e-7 << "1e-07";
    QTest::newRow("negative") << -2.25 << "-2.25";
    QTest::newRow("rounded") << 0.1 + 0.2 << "0.3";
    QTest::newRow("six digits") << 123456.0 << "123456";
    QTest::newRow("below a million") << 999999.0 << "999999";
    QTest::newRow("a million") << 1000000.0 << "1e+06";
    QTest::newRow("negative whole") << -32768.0 << "-32768";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << QString::number(-0.0);
    QTest::newRow("just below whole") << 41.9999999 << "42";
}

void TestItemXml::numberFormat()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    ToolRect rect(QRect(0, 0, 10, 10), false);
    rect.setPos(value, 0);
    const QString xml = written(&rect);
    QVERIFY2(xml.contains(QStringLiteral(" x=\"") + text + QLatin1Char('"')), qPrintable(xml));
}

void TestItemXml::integerFormat()
{
    ToolRect rect(QRect(0, 0, 10, 10), false);
#ifdef WITH_CHARACTER_SHAPES
    fieldsOf(&rect)->asc = -5;
    QVERIFY(written(&rect).contains(QStringLiteral(" asc=\"-5\" ")));
    fieldsOf(&rect)->asc = 255;
    QVERIFY(written(&rect).contains(QStringLiteral(" asc=\"255\" ")));
#endif
#ifdef WITH_TOUCH_SHAPES
    fieldsOf(&rect)->command = 65535;
    fieldsOf(&rect)->picNum = -1;
    QVERIFY(written(&rect).contains(QStringLiteral(" picNum=\"-1\" ")));
    QVERIFY(written(&rect).contains(QStringLiteral(" commond=\"65535\"")));
#endif
}

void TestItemXml::groupText()
{
    ToolScene scene;
    auto *first = new ToolRect(QRect(0, 0, 10, 10), false);
    auto *second = new ToolRect(QRect(0, 0, 20, 5), false);
    scene.addItem(first);
    scene.addItem(second);
    first->setPos(20, 30);
    second->setPos(50, 30);
    GraphicsItemGroup *group = scene.createGroup({ first, second });
    group->handles(); // handle children must not be written

    const QString text = written(group);
    QVERIFY2(text.startsWith(QStringLiteral("<group x=\"0\" y=\"0\" rotate=\"0\"><rect ")),
        qPrintable(text));
    QVERIFY(text.endsWith(QStringLiteral("/></group>")));
    QCOMPARE(text.count(QStringLiteral("<rect ")), 2);
    QVERIFY(text.contains(QStringLiteral("<rect rotate=\"0\" x=\"20\" y=\"30\"")));
    QVERIFY(text.contains(QStringLiteral("<rect rotate=\"0\" x=\"50\" y=\"30\"")));

    group->setPos(5, 6.5);
    group->setRotation(15);
    QVERIFY2(written(group).startsWith(QStringLiteral("<group x=\"5\" y=\"6.5\" rotate=\"15\">")),
        qPrintable(written(group)));
}

void TestItemXml::readerStopsAtItsEndElement()
{
    const QStringList elements = {
        QStringLiteral("<rect width=\"3\"><point x=\"1\" y=\"1\"/><rect/></rect>"),
        QStringLiteral("<roundrect rx=\"0.2\"><foo><bar/></foo></roundrect>"),
        QStringLiteral("<ellipse startAngle=\"1\"><x/></ellipse>"),
        QStringLiteral("<polygon><point x=\"1\" y=\"1\"/><point x=\"2\" y=\"1\"/></polygon>"),
        QStringLiteral("<bezier><point x=\"1\" y=\"1\"/></bezier>"),
        QStringLiteral("<polyline/>"),
        QStringLiteral("<line><point x=\"1\" y=\"1\"/><point x=\"5\" y=\"1\"/></line>"),
    };
    for (const QString &element : elements) {
        QXmlStreamReader xml(QStringLiteral("<c>") + element + QStringLiteral("<next/></c>"));
        QVERIFY(xml.readNextStartElement());
        QVERIFY(xml.readNextStartElement());
        const QString name = xml.name().toString();
        GraphicsItem *shape = nullptr;
        if (name == QLatin1String("ellipse"))
            shape = new ToolEllipse(QRect(0, 0, 1, 1));
        else if (name.endsWith(QLatin1String("rect")))
            shape = new ToolRect(QRect(0, 0, 1, 1), name == QLatin1String("roundrect"));
        else
            shape = makeShape(name, QSizeF(), QPolygonF());
        QVERIFY(shape->readXml(&xml));
        QVERIFY2(xml.isEndElement() && xml.name() == name, qPrintable(element));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QStringLiteral("next"));
        delete shape;
    }
}

void TestItemXml::attributesInAnyOrder()
{
    ToolScene scene;
#ifdef WITH_CHARACTER_SHAPES
    auto *rect = loadOne<GraphicsRectItem>(
        QStringLiteral("<rect rc_y=\"15\" height=\"30\" y=\"40\" asc=\"65\" z=\"3\" x=\"12\""
                       " width=\"32\" rotate=\"45\" rc_x=\"16\"/>"),
        &scene);
    QVERIFY(rect);
    QCOMPARE(fieldsOf(rect)->asc, 65);
    QCOMPARE(fieldsOf(rect)->rc_x, 16.0);
    QCOMPARE(fieldsOf(rect)->rc_y, 15.0);
#endif
#ifdef WITH_TOUCH_SHAPES
    auto *rect = loadOne<GraphicsRectItem>(
        QStringLiteral("<rect commond=\"4660\" height=\"30\" y=\"40\" picNum=\"9\" z=\"3\""
                       " catoonNum=\"2\" x=\"12\" width=\"32\" rotate=\"45\"/>"),
        &scene);
    QVERIFY(rect);
    QCOMPARE(fieldsOf(rect)->picNum, 9);
    QCOMPARE(fieldsOf(rect)->pressedPage, 2);
    QCOMPARE(fieldsOf(rect)->command, 4660);
#endif
    QCOMPARE(rect->pos(), QPointF(12, 40));
    QCOMPARE(rect->rotation(), 45.0);
    QCOMPARE(rect->zValue(), 3.0);
    QCOMPARE(rect->width(), 32.0);
    QCOMPARE(rect->height(), 30.0);
    // The rectangle turns about its top-left corner, which sits at the position.
    QCOMPARE(rect->mapToScene(QPointF(0, 0)), QPointF(12, 40));
}

void TestItemXml::missingAttributesReadAsZero()
{
    ToolScene scene;
    auto *rect = loadOne<GraphicsRectItem>(QStringLiteral("<rect/>"), &scene);
    QVERIFY(rect);
    QCOMPARE(rect->pos(), QPointF());
    QCOMPARE(rect->rotation(), 0.0);
    QCOMPARE(rect->zValue(), 0.0);
    QCOMPARE(rect->width(), 0.0);
    QCOMPARE(rect->height(), 0.0);
    QCOMPARE(rect->localRect(), QRectF(0, 0, 0, 0));
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(rect)->asc, 0);
    QCOMPARE(fieldsOf(rect)->rc_x, 0.0);
    QCOMPARE(fieldsOf(rect)->rc_y, 0.0);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(rect)->picNum, 0);
    QCOMPARE(fieldsOf(rect)->pressedPage, 0);
    QCOMPARE(fieldsOf(rect)->command, 0);
#endif
}

void TestItemXml::roundrectWithoutRadii()
{
    ToolScene scene;
    auto *rect = loadOne<GraphicsRectItem>(
        QStringLiteral("<roundrect rotate=\"0\" x=\"5\" y=\"6\" z=\"0\" width=\"30\""
                       " height=\"20\"/>"),
        &scene);
    QVERIFY(rect);
    QVERIFY(rect->isRound());
    QCOMPARE(rect->xRatio(), 0.0);
    QCOMPARE(rect->yRatio(), 0.0);
    QCOMPARE(rect->shape().boundingRect(), QRectF(0, 0, 30, 20));
    QCOMPARE(rect->handles().size(), 10);
    QCOMPARE(rect->handlePosition(9), QPointF(30, 0));
    QCOMPARE(rect->handlePosition(10), QPointF(30, 0));
}

void TestItemXml::ellipseWithoutAngles()
{
    ToolScene scene;
    auto *ellipse = loadOne<GraphicsEllipseItem>(
        QStringLiteral("<ellipse width=\"20\" height=\"10\"/>"), &scene);
    QVERIFY(ellipse);
    QCOMPARE(ellipse->startAngle(), 0);
    QCOMPARE(ellipse->spanAngle(), 0);
    QCOMPARE(ellipse->localRect(), QRectF(0, 0, 20, 10));
    QCOMPARE(ellipse->handles().size(), 10);
}

void TestItemXml::polygonWithoutPoints()
{
    ToolScene scene;
    auto *polygon = loadOne<GraphicsPolygonItem>(
        QStringLiteral("<polygon rotate=\"0\" x=\"7\" y=\"8\" z=\"0\" width=\"30\""
                       " height=\"20\"/>"),
        &scene);
    QVERIFY(polygon);
    QVERIFY(polygon->points().isEmpty());
    QCOMPARE(polygon->handles().size(), 8);
    QCOMPARE(polygon->pos(), QPointF(7, 8));
}

void TestItemXml::readHandlesMatchDrawnOnes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("boxHandles");

    QTest::newRow("polygon") << "polygon" << 8;
    QTest::newRow("bezier") << "bezier" << 8;
    QTest::newRow("polyline") << "polyline" << 8;
    QTest::newRow("line") << "line" << 0;
}

void TestItemXml::readHandlesMatchDrawnOnes()
{
    QFETCH(QString, kind);
    QFETCH(int, boxHandles);

    // Drawn the way the tools draw: one appended point at a time.
    ToolScene drawnScene;
    auto *drawn = dynamic_cast<GraphicsPolygonItem *>(makeShape(kind, QSizeF(), QPolygonF()));
    drawnScene.addItem(drawn);
    for (const QPointF &point : { QPointF(10, 10), QPointF(60, 15), QPointF(40, 50) })
        drawn->appendPoint(point);
    drawn->finishPoint();
    drawn->normalizeGeometry();

    ToolScene scene;
    auto *read = loadOne<GraphicsPolygonItem>(written(drawn), &scene);
    QVERIFY(read);
    const QVector<SizeHandleRect *> &handles = read->handles();
    QCOMPARE(handles.size(), drawn->handles().size());
    QCOMPARE(handles.size(), boxHandles + 3);
    QCOMPARE(read->handleTotal(), drawn->handleTotal());
    for (int i = 0; i < handles.size(); ++i) {
        QCOMPARE(handles.at(i)->dir(), drawn->handles().at(i)->dir());
        QCOMPARE(handles.at(i)->isControl(), drawn->handles().at(i)->isControl());
        QCOMPARE(handles.at(i)->dir(), boxHandles == 8 ? i + 1 : i + 9);
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY(near(handles.at(boxHandles + i)->pos(), read->points().at(i), 1e-9));
    QCOMPARE(handles.at(boxHandles)->isControl(), boxHandles == 8);
}

void TestItemXml::readingRoundrectIntoPlainRectRebuildsHandles()
{
    ToolRect rect(QRect(0, 0, 10, 10), false);
    QCOMPARE(rect.handles().size(), 8);
    QXmlStreamReader xml(
        QStringLiteral("<roundrect rx=\"0.25\" ry=\"0.5\" width=\"40\" height=\"20\"/>"));
    QVERIFY(xml.readNextStartElement());
    QVERIFY(rect.readXml(&xml));
    QVERIFY(rect.isRound());
    QCOMPARE(rect.handles().size(), 10);
    QCOMPARE(rect.handlePosition(9), QPointF(40, 10));
    QCOMPARE(rect.handlePosition(10), QPointF(30, 0));
}

void TestItemXml::unknownElementsAndAttributesSkipped()
{
    ToolScene scene;
    QVERIFY(load(QStringLiteral(
                     "<foo><rect width=\"99\"/></foo>"
                     "<rect colour=\"red\" width=\"5\" height=\"6\" x=\"1\"><rect/></rect>"
                     "<text>hello<b/></text>"
                     "<polygon extra=\"1\"><bar><point x=\"100\" y=\"100\"/></bar>"
                     "<point x=\"1\" y=\"2\" w=\"3\"><point x=\"9\" y=\"9\"/></point>"
                     "<point x=\"3\" y=\"4\"/></polygon>"
                     "<group rotate=\"0\"><circle/><line><point/><point x=\"4\"/></line></group>"),
        &scene));
    const QList<QGraphicsItem *> items = topLevel(&scene);
    QCOMPARE(items.size(), 3);
    auto *rect = dynamic_cast<GraphicsRectItem *>(items.at(0));
    QVERIFY(rect);
    QCOMPARE(rect->width(), 5.0);
    QCOMPARE(rect->height(), 6.0);
    QCOMPARE(rect->pos(), QPointF(1, 0));
    auto *polygon = dynamic_cast<GraphicsPolygonItem *>(items.at(1));
    QVERIFY(polygon);
    QCOMPARE(polygon->points().size(), 2);
    QCOMPARE(polygon->mapToScene(polygon->points().at(0)), QPointF(1, 2));
    QCOMPARE(polygon->mapToScene(polygon->points().at(1)), QPointF(3, 4));
    auto *group = dynamic_cast<GraphicsItemGroup *>(items.at(2));
    QVERIFY(group);
    QCOMPARE(group->members().size(), 1);
    auto *line = dynamic_cast<GraphicsLineItem *>(group->members().first());
    QVERIFY(line);
    QCOMPARE(line->points().size(), 2);
}

void TestItemXml::malformedRealsReadAsZero_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("comma") << "1,5";
    QTest::newRow("trailing text") << "12px";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("nan") << "nan";
    QTest::newRow("NaN") << "NaN";
    QTest::newRow("inf") << "inf";
    QTest::newRow("-inf") << "-inf";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("hex") << "0x10";
}

void TestItemXml::malformedRealsReadAsZero()
{
    QFETCH(QString, value);

    const QString real = QStringLiteral("\"") + value + QLatin1Char('"');
    const QString common = QStringLiteral(" rotate=") + real + QStringLiteral(" x=") + real
        + QStringLiteral(" y=") + real + QStringLiteral(" z=") + real + QStringLiteral(" width=")
        + real + QStringLiteral(" height=") + real + QStringLiteral(" rc_x=") + real
        + QStringLiteral(" rc_y=") + real;
    ToolScene scene;
    QVERIFY(load(QStringLiteral("<roundrect rx=") + real + QStringLiteral(" ry=") + real + common
            + QStringLiteral("/><polygon") + common + QStringLiteral("><point x=") + real
            + QStringLiteral(" y=") + real + QStringLiteral("/></polygon>")
            + QStringLiteral("<group rotate=") + real + QStringLiteral("><rect") + common
            + QStringLiteral("/></group>"),
        &scene));
    const QList<QGraphicsItem *> items = topLevel(&scene);
    QCOMPARE(items.size(), 3);
    for (QGraphicsItem *item : items) {
        QCOMPARE(item->rotation(), 0.0);
        QCOMPARE(item->zValue(), 0.0);
        QCOMPARE(item->pos(), QPointF());
        QVERIFY(std::isfinite(item->sceneBoundingRect().width()));
    }
    auto *rect = dynamic_cast<GraphicsRectItem *>(items.at(0));
    QVERIFY(rect);
    QCOMPARE(rect->xRatio(), 0.0);
    QCOMPARE(rect->yRatio(), 0.0);
    QCOMPARE(rect->localRect(), QRectF());
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(rect)->rc_x, 0.0);
    QCOMPARE(fieldsOf(rect)->rc_y, 0.0);
#endif
    auto *polygon = dynamic_cast<GraphicsPolygonItem *>(items.at(1));
    QVERIFY(polygon);
    QCOMPARE(polygon->points(), QPolygonF(QVector<QPointF> { QPointF(0, 0) }));
}

void TestItemXml::malformedIntegersReadAsZero_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("fraction") << "65.5";
    QTest::newRow("hex") << "0x41";
    QTest::newRow("overflow") << "99999999999";
    QTest::newRow("exponent") << "1e3";
}

void TestItemXml::malformedIntegersReadAsZero()
{
    QFETCH(QString, value);

    const QString integer = QStringLiteral("\"") + value + QLatin1Char('"');
    ToolScene scene;
    QVERIFY(load(QStringLiteral("<rect width=\"4\" asc=") + integer + QStringLiteral(" picNum=")
            + integer + QStringLiteral(" catoonNum=") + integer + QStringLiteral(" commond=")
            + integer + QStringLiteral("/><ellipse") + QStringLiteral(" width=\"4\" startAngle=")
            + integer + QStringLiteral(" spanAngle=") + integer + QStringLiteral("/>"),
        &scene));
    const QList<QGraphicsItem *> items = topLevel(&scene);
    QCOMPARE(items.size(), 2);
    auto *rect = dynamic_cast<GraphicsRectItem *>(items.at(0));
    QVERIFY(rect);
    QCOMPARE(rect->width(), 4.0);
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(rect)->asc, 0);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(rect)->picNum, 0);
    QCOMPARE(fieldsOf(rect)->pressedPage, 0);
    QCOMPARE(fieldsOf(rect)->command, 0);
#endif
    auto *ellipse = dynamic_cast<GraphicsEllipseItem *>(items.at(1));
    QVERIFY(ellipse);
    QCOMPARE(ellipse->startAngle(), 0);
    QCOMPARE(ellipse->spanAngle(), 0);
}

void TestItemXml::hugeValuesDoNotCrash()
{
    ToolScene scene;
    const QString huge = QStringLiteral("\"1e308\"");
    const QString common = QStringLiteral(" x=") + huge + QStringLiteral(" y=\"-1e308\" width=")
        + huge + QStringLiteral(" height=") + huge + QStringLiteral(" rotate=") + huge;
    QVERIFY(load(QStringLiteral("<rect") + common + QStringLiteral("/><ellipse") + common
            + QStringLiteral(" startAngle=\"2147483647\" spanAngle=\"0\"/>")
            + QStringLiteral("<polygon") + common + QStringLiteral("><point x=") + huge
            + QStringLiteral(" y=\"0\"/><point x=\"-1e308\" y=") + huge
            + QStringLiteral("/></polygon>"),
        &scene));
    QCOMPARE(topLevel(&scene).size(), 3);
    for (QGraphicsItem *item : topLevel(&scene)) {
        dynamic_cast<GraphicsItem *>(item)->handles();
        item->setSelected(true);
    }
    QImage image(64, 64, QImage::Format_ARGB32);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 64, 64), QRectF(0, 0, 64, 64));
    scene.items(QRectF(-10, -10, 20, 20));
}

void TestItemXml::hugeShapesPaint_data()
{
    QTest::addColumn<QString>("body");
    // Found by fuzzing the project readers: a rectangle 1e51 pixels wide inside two groups.
    QTest::newRow("wide rectangle in groups")
        << "<group><group><rect x=\"8\" y=\"1\" width=\"999999999999999999999999999999999999999"
           "999999999999\" height=\"6\" rc_x=\"1.5\" rc_y=\"3\"/></group></group>";
    QTest::newRow("far rectangle") << "<rect x=\"1e308\" y=\"-1e308\" width=\"5\" height=\"5\"/>";
    QTest::newRow("far centre")
        << "<rect width=\"5\" height=\"5\" rc_x=\"1e300\" rc_y=\"-1e300\"/>";
    QTest::newRow("round rectangle") << "<roundrect width=\"1e51\" height=\"3e40\"/>";
    QTest::newRow("ellipse") << "<ellipse width=\"1e51\" height=\"1e51\"/>";
    QTest::newRow("not a number") << "<rect x=\"nan\" width=\"nan\" height=\"inf\"/>";
}

// Painted over the whole of what was read, selected, as a window shows it.
void TestItemXml::hugeShapesPaint()
{
    QFETCH(QString, body);
    ToolScene scene;
    QVERIFY(load(body, &scene));
    for (QGraphicsItem *item : topLevel(&scene))
        item->setSelected(true);
    QImage image(32, 32, QImage::Format_ARGB32);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), scene.itemsBoundingRect());
}

void TestItemXml::largePointList()
{
    const int count = 100000;
    QString text = QStringLiteral("<polyline x=\"10\" y=\"20\">");
    text.reserve(count * 30);
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("<point x=\"") + QString::number(i % 1000)
            + QStringLiteral("\" y=\"") + QString::number(i / 1000) + QStringLiteral("\"/>");
    }
    text += QStringLiteral("</polyline>");
    ToolScene scene;
    auto *polyline = loadOne<GraphicsBezier>(text, &scene);
    QVERIFY(polyline);
    QVERIFY(!polyline->isBezier());
    QCOMPARE(polyline->points().size(), count);
    QVERIFY(near(polyline->width(), 999, 1e-9));
    QVERIFY(near(polyline->height(), 99, 1e-9));
}

void TestItemXml::brokenXmlKeepsWhatWasRead()
{
    ToolScene scene;
    QXmlStreamReader xml(
        QStringLiteral("<canvas><rect width=\"3\"/><polygon><point x=\"1\" y=\"2\"/><point x="));
    QVERIFY(xml.readNextStartElement());
    QVERIFY(!readShapes(&xml, &scene));
    QVERIFY(xml.hasError());
    const QList<QGraphicsItem *> items = topLevel(&scene);
    QVERIFY(!items.isEmpty());
    QVERIFY(dynamic_cast<GraphicsRectItem *>(items.first()));

    ToolScene groups;
    QXmlStreamReader truncated(
        QStringLiteral("<canvas><group rotate=\"5\"><rect width=\"3\"/><gro"));
    QVERIFY(truncated.readNextStartElement());
    QVERIFY(!readShapes(&truncated, &groups));
}

void TestItemXml::stackingOrderSurvivesRoundTrip()
{
    ToolScene scene;
    load(QStringLiteral("<rect width=\"1\"/><group><rect width=\"2\"/><rect width=\"3\"/></group>"
                        "<rect width=\"4\"/><rect width=\"5\"/>"),
        &scene);
    const auto widths = [](const QList<QGraphicsItem *> &items) {
        QList<double> list;
        for (QGraphicsItem *item : items)
            list.append(
                item->type() == GroupType ? 0 : dynamic_cast<GraphicsRectItem *>(item)->width());
        return list;
    };
    const QList<QGraphicsItem *> topmostFirst = topLevel(&scene);
    QCOMPARE(widths(topmostFirst), QList<double>({ 1, 0, 4, 5 }));

    ToolScene reread;
    load(written(topmostFirst), &reread);
    QCOMPARE(written(topLevel(&reread)), written(topLevel(&scene)));
}

void TestItemXml::groupRoundTripKeepsScenePositions()
{
    ToolScene source;
    auto *rect = new ToolRect(QRect(0, 0, 30, 20), false);
    auto *ellipse = new ToolEllipse(QRect(0, 0, 40, 10));
    auto *polygon = new ToolPolygon();
    source.addItem(rect);
    source.addItem(ellipse);
    source.addItem(polygon);
    rect->setPos(10, 20);
    rect->setRotation(15);
    ellipse->setPos(100, 50);
    polygon->setPoints(
        QPolygonF(QVector<QPointF> { QPointF(0, 0), QPointF(30, 0), QPointF(15, 25) }));
    polygon->setPos(60, 120);
    polygon->normalizeGeometry();
    GraphicsItemGroup *group = source.createGroup({ rect, ellipse, polygon });
    group->setRotation(30);
    group->normalizeGeometry();

    const QList<QGraphicsItem *> members = group->members();
    QList<QPointF> before;
    for (QGraphicsItem *member : members)
        before.append(member->mapToScene(QPointF(0, 0)));
    const QPointF vertex = polygon->mapToScene(polygon->points().at(2));
    const QRectF box = group->sceneBoundingRect();

    ToolScene target;
    auto *read = loadOne<GraphicsItemGroup>(written(group), &target);
    QVERIFY(read);
    QCOMPARE(read->rotation(), 30.0);
    const QList<QGraphicsItem *> readMembers = read->members();
    QCOMPARE(readMembers.size(), members.size());
    for (int i = 0; i < readMembers.size(); ++i) {
        QCOMPARE(readMembers.at(i)->type(), members.at(i)->type());
        QCOMPARE(readMembers.at(i)->rotation(), members.at(i)->rotation());
        QVERIFY2(near(readMembers.at(i)->mapToScene(QPointF(0, 0)), before.at(i)),
            qPrintable(QString::number(i)));
    }
    auto *readPolygon = dynamic_cast<GraphicsPolygonItem *>(readMembers.at(2));
    QVERIFY(readPolygon);
    QVERIFY(near(readPolygon->mapToScene(readPolygon->points().at(2)), vertex));
    QVERIFY(near(read->sceneBoundingRect().topLeft(), box.topLeft()));
    QVERIFY(near(read->sceneBoundingRect().bottomRight(), box.bottomRight()));
    // The members belong to the group, not to the scene's top level.
    QCOMPARE(topLevel(&target).size(), 1);
}

void TestItemXml::groupPositionPlacesMembers()
{
    ToolScene scene;
    auto *group = loadOne<GraphicsItemGroup>(
        QStringLiteral("<group x=\"500\" y=\"-300\" rotate=\"0\">"
                       "<rect x=\"12\" y=\"40\" width=\"32\" height=\"30\"/>"
                       "<rect x=\"100\" y=\"40\" width=\"10\" height=\"10\"/></group>"),
        &scene);
    QVERIFY(group);
    QCOMPARE(group->members().size(), 2);
    QCOMPARE(group->pos(), QPointF(500, -300));
    QCOMPARE(group->members().at(0)->pos(), QPointF(12, 40));
    QCOMPARE(group->members().at(0)->mapToScene(QPointF(0, 0)), QPointF(512, -260));
    QCOMPARE(group->members().at(1)->mapToScene(QPointF(0, 0)), QPointF(600, -260));
}

void TestItemXml::movedRotatedGroupRoundTrip()
{
    ToolScene source;
    auto *a = new ToolRect(QRect(0, 0, 40, 20), false);
    auto *b = new ToolRect(QRect(0, 0, 10, 30), false);
    source.addItem(a);
    source.addItem(b);
    a->setPos(10, 20);
    b->setPos(100, 60);
    GraphicsItemGroup *group = source.createGroup({ a, b });
    group->setRotation(30);
    group->setPos(group->pos() + QPointF(70, -15)); // dragged by the user
    const QPolygonF aScene = a->mapToScene(a->localRect());
    const QPolygonF bScene = b->mapToScene(b->localRect());

    ToolScene target;
    auto *loaded = loadOne<GraphicsItemGroup>(written(group), &target);
    QVERIFY(loaded);
    QCOMPARE(loaded->members().size(), 2);
    const QGraphicsItem *la = loaded->members().at(0);
    const QGraphicsItem *lb = loaded->members().at(1);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(QLineF(la->mapToScene(la->boundingRect()).at(i), aScene.at(i)).length() < 1e-3);
        QVERIFY(QLineF(lb->mapToScene(lb->boundingRect()).at(i), bScene.at(i)).length() < 1e-3);
    }
}

void TestItemXml::groupWriterNormalisesMembers()
{
    ToolScene scene;
    auto *rect = new ToolRect(QRect(0, 0, 10, 10), false);
    scene.addItem(rect);
    GraphicsItemGroup *group = scene.createGroup({ rect });
    rect->stretchBy(Dir_RightBottom, 2, 3, QPointF(0, 0));
    QCOMPARE(rect->initialRect(), QRectF(0, 0, 10, 10));
    const QString text = written(group);
    QCOMPARE(rect->initialRect(), QRectF(0, 0, 20, 30));
    QVERIFY2(text.contains(QStringLiteral("width=\"20\" height=\"30\"")), qPrintable(text));
}

void TestItemXml::nestedGroupsRoundTrip()
{
    ToolScene source;
    QList<GraphicsRectItem *> rects;
    for (int i = 0; i < 3; ++i) {
        auto *rect = new ToolRect(QRect(0, 0, 10 + i, 20), false);
        source.addItem(rect);
        rect->setPos(30 * i, 7 * i);
        rects.append(rect);
    }
    GraphicsItemGroup *inner = source.createGroup({ rects.at(1), rects.at(2) });
    inner->setRotation(20);
    inner->normalizeGeometry();
    GraphicsItemGroup *outer = source.createGroup({ rects.at(0), inner });
    outer->setRotation(-35);
    outer->normalizeGeometry();
    outer->setPos(outer->pos() + QPointF(40, 25)); // dragged by the user
    QList<QPointF> before;
    for (GraphicsRectItem *rect : rects)
        before.append(rect->mapToScene(QPointF(5, 5)));

    ToolScene target;
    auto *read = loadOne<GraphicsItemGroup>(written(outer), &target);
    QVERIFY(read);
    QCOMPARE(read->rotation(), -35.0);
    QCOMPARE(read->members().size(), 2);
    auto *readInner = dynamic_cast<GraphicsItemGroup *>(read->members().at(1));
    QVERIFY(readInner);
    QCOMPARE(readInner->rotation(), 20.0);
    QCOMPARE(readInner->members().size(), 2);
    const QList<QGraphicsItem *> readRects
        = { read->members().at(0), readInner->members().at(0), readInner->members().at(1) };
    for (int i = 0; i < 3; ++i) {
        auto *rect = dynamic_cast<GraphicsRectItem *>(readRects.at(i));
        QVERIFY(rect);
        QCOMPARE(rect->width(), 10.0 + i);
        QVERIFY2(
            near(rect->mapToScene(QPointF(5, 5)), before.at(i)), qPrintable(QString::number(i)));
    }
}

void TestItemXml::emptyGroupReadsAsNothing_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("no content") << "<group x=\"3\" y=\"4\" rotate=\"10\"/>";
    QTest::newRow("unknown content") << "<group rotate=\"10\"><circle/><foo><rect/></foo></group>";
    QTest::newRow("empty inner group") << "<group><group/><group><group/></group></group>";
}

void TestItemXml::emptyGroupReadsAsNothing()
{
    QFETCH(QString, text);

    ToolScene scene;
    QXmlStreamReader xml(text);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(readGroup(&xml, &scene), static_cast<GraphicsItemGroup *>(nullptr));
    QVERIFY(xml.isEndElement());
    QVERIFY(topLevel(&scene).isEmpty());
}

void TestItemXml::deepNesting_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("groupsRead");

    QTest::newRow("one") << 1 << 1;
    QTest::newRow("at the bound") << MaxGroupDepth << MaxGroupDepth;
    QTest::newRow("one past the bound") << MaxGroupDepth + 1 << 0;
    QTest::newRow("hostile") << 200000 << 0;
}

void TestItemXml::deepNesting()
{
    QFETCH(int, levels);
    QFETCH(int, groupsRead);

    ToolScene scene;
    QVERIFY(load(nestedGroups(levels, QStringLiteral("<rect x=\"3\" y=\"4\" width=\"5\"/>"))
            + QStringLiteral("<rect x=\"9\" width=\"2\"/>"),
        &scene));
    const QList<QGraphicsItem *> items = topLevel(&scene);
    QCOMPARE(items.size(), groupsRead > 0 ? 2 : 1);
    QCOMPARE(groupDepth(items.first()), groupsRead);
    auto *after = dynamic_cast<GraphicsRectItem *>(items.last());
    QVERIFY(after);
    QCOMPARE(after->pos(), QPointF(9, 0));
}

void TestItemXml::otherVariantLoadsGeometry()
{
    ToolScene scene;
    auto *rect = loadOne<GraphicsRectItem>(QString::fromLatin1(otherEditorRect), &scene);
    QVERIFY(rect);
    QVERIFY(!rect->isRound());
    QCOMPARE(rect->pos(), QPointF(12, 40));
    QCOMPARE(rect->rotation(), 10.0);
    QCOMPARE(rect->zValue(), 2.0);
    QCOMPARE(rect->width(), 32.0);
    QCOMPARE(rect->height(), 30.0);
#ifdef WITH_CHARACTER_SHAPES
    QCOMPARE(fieldsOf(rect)->asc, 0);
    QCOMPARE(fieldsOf(rect)->rc_x, 0.0);
    QCOMPARE(fieldsOf(rect)->rc_y, 0.0);
#endif
#ifdef WITH_TOUCH_SHAPES
    QCOMPARE(fieldsOf(rect)->picNum, 0);
    QCOMPARE(fieldsOf(rect)->pressedPage, 0);
    QCOMPARE(fieldsOf(rect)->command, 0);
#endif
}

void TestItemXml::writeShapesSkipsOtherItems()
{
    ToolRect rect(QRect(0, 0, 4, 4), false);
    QGraphicsRectItem plain(0, 0, 4, 4);
    QGraphicsPixmapItem picture;
    SizeHandleRect handle(&rect, Dir_Left);
    const QString text = written({ &plain, &rect, &handle, &picture });
    QVERIFY2(text.startsWith(QStringLiteral("<rect ")), qPrintable(text));
    QCOMPARE(text.count(QLatin1Char('<')), 1);
}

QTEST_MAIN(TestItemXml)
#include "tst_itemxml.moc"
