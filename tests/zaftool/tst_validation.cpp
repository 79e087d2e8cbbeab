#include "validation.h"

#include "character.h"
#include "fontscene.h"

#include <QGraphicsPixmapItem>
#include <QPixmap>
#include <QRandomGenerator>
#include <QtTest>

namespace {

struct Glyph
{
    int font;
    QRect rect; // scene position and size
    int key;
};
using Glyphs = QVector<Glyph>;

FontScene *makeScene(int number)
{
    auto *scene = new FontScene;
    scene->number = number;
    scene->picWidth = 200;
    scene->picHeight = 200;
    scene->setSceneRect(0, 0, 200, 200);
    QPixmap picture(200, 200);
    picture.fill(Qt::white);
    scene->background = scene->addPixmap(picture);
    return scene;
}

Character *addGlyph(QGraphicsScene *scene, const QRect &rect, int key)
{
    auto *item = new Character(QRect(0, 0, rect.width(), rect.height()), false);
    item->setPos(rect.topLeft());
    characterFields(item)->asc = key;
    scene->addItem(item);
    return item;
}

FontImage *fontImage(FontImageList *images, int number)
{
    std::unique_ptr<FontImage> &slot = (*images)[number];
    if (!slot) {
        slot = std::make_unique<FontImage>();
        slot->number = number;
        slot->scene = makeScene(number);
    }
    return slot.get();
}

// The glyphs in the order given, so the last one of a font is topmost.
QVector<QGraphicsItem *> build(FontImageList *images, const Glyphs &glyphs)
{
    QVector<QGraphicsItem *> items;
    for (const Glyph &glyph : glyphs)
        items.append(addGlyph(fontImage(images, glyph.font)->scene, glyph.rect, glyph.key));
    return items;
}

QList<QGraphicsItem *> shapes(QGraphicsScene *scene)
{
    QList<QGraphicsItem *> list;
    for (QGraphicsItem *item : scene->items()) {
        if (item->type() == ShapeType)
            list.append(item);
    }
    return list;
}

// The all-pairs reference loop.
ShapePair naiveOverlap(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> list = shapes(scene);
    for (QGraphicsItem *a : list) {
        for (QGraphicsItem *b : list) {
            if (b != a && a->collidesWithItem(b, Qt::IntersectsItemShape))
                return { a, b };
        }
    }
    return {};
}

ShapePair naiveKeyClash(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> list = shapes(scene);
    for (QGraphicsItem *a : list) {
        for (QGraphicsItem *b : list) {
            if (b != a && characterFields(b)->asc == characterFields(a)->asc)
                return { a, b };
        }
    }
    return {};
}

QSet<QGraphicsItem *> selected(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> list = scene->selectedItems();
    return QSet<QGraphicsItem *>(list.begin(), list.end());
}

QSet<QGraphicsItem *> pairSet(const ShapePair &pair)
{
    return { pair.first, pair.second };
}

} // namespace

Q_DECLARE_METATYPE(Glyphs)

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void keyConflict_data();
    void keyConflict();
    void keyPairFollowsStacking();
    void sceneAscSkipsNonShapes();
    void overlapConflict_data();
    void overlapConflict();
    void sharedEdges_data();
    void sharedEdges();
    void handlesAreNotShapes();
    void keyCheckBeforeOverlap();
    void randomScenesMatchNaiveLoop_data();
    void randomScenesMatchNaiveLoop();
    void largeFontMatchesNaiveLoop();
};

void TestValidation::keyConflict_data()
{
    QTest::addColumn<Glyphs>("glyphs");
    QTest::addColumn<int>("font"); // -1: no conflict
    QTest::addColumn<QString>("text");

    const QRect a(0, 0, 10, 10), b(20, 0, 10, 10), c(40, 0, 10, 10);
    QTest::newRow("same key in one font")
        << Glyphs { { 3, a, 0x41 }, { 3, b, 0x41 } } << 3 << "第3张图片 41 键值冲突";
    QTest::newRow("same key in two fonts")
        << Glyphs { { 3, a, 0x41 }, { 4, a, 0x41 } } << -1 << QString();
    QTest::newRow("key 0x0a in lower case")
        << Glyphs { { 5, a, 0x0A }, { 5, b, 0x0A } } << 5 << "第5张图片 a 键值冲突";
    QTest::newRow("key 0xff") << Glyphs { { 1, a, 0xFF }, { 1, b, 0xFF } } << 1
                              << "第1张图片 ff 键值冲突";
    QTest::newRow("ascending font order") << Glyphs { { 7, a, 9 }, { 7, b, 9 }, { 2, a, 1 },
        { 2, b, 1 } } << 2 << "第2张图片 1 键值冲突";
    QTest::newRow("scanned keys all 0")
        << Glyphs { { 6, a, 0 }, { 6, b, 0 }, { 6, c, 0 } } << 6 << "第6张图片 0 键值冲突";
    QTest::newRow("distinct keys")
        << Glyphs { { 1, a, 1 }, { 1, b, 2 }, { 1, c, 3 } } << -1 << QString();
    QTest::newRow("single character") << Glyphs { { 1, a, 0x41 } } << -1 << QString();
}

void TestValidation::keyConflict()
{
    QFETCH(Glyphs, glyphs);
    QFETCH(int, font);
    QFETCH(QString, text);

    FontImageList images;
    build(&images, glyphs);
    const FontConflict conflict = findKeyConflict(images);
    QCOMPARE(conflict.isValid(), font >= 0);
    if (font < 0)
        return;
    QCOMPARE(conflict.fontImage->number, font);
    QCOMPARE(conflict.title, QStringLiteral("键值冲突"));
    QCOMPARE(conflict.text, text);
    QGraphicsScene *scene = conflict.fontImage->scene;
    QCOMPARE(conflict.shapes.first, naiveKeyClash(scene).first);
    QCOMPARE(conflict.shapes.second, naiveKeyClash(scene).second);
    QCOMPARE(selected(scene), pairSet(conflict.shapes));
}

void TestValidation::keyPairFollowsStacking()
{
    FontImageList images;
    const QVector<QGraphicsItem *> items = build(&images,
        { { 1, QRect(0, 0, 5, 5), 7 }, { 1, QRect(10, 0, 5, 5), 5 }, { 1, QRect(20, 0, 5, 5), 7 },
            { 1, QRect(30, 0, 5, 5), 5 } });
    // Topmost first: the last key 5, then 7, 5, 7.
    const ShapePair pair = firstKeyClash(images.at(1)->scene);
    QCOMPARE(pair.first, items[3]);
    QCOMPARE(pair.second, items[1]);
    QCOMPARE(findKeyConflict(images).key, 5);
}

void TestValidation::sceneAscSkipsNonShapes()
{
    FontImageList images;
    const QVector<QGraphicsItem *> items = build(&images,
        { { 1, QRect(0, 0, 5, 5), 7 }, { 1, QRect(10, 0, 5, 5), 7 },
            { 1, QRect(20, 0, 5, 5), 8 } });
    FontScene *scene = images.at(1)->scene;
    items[2]->setSelected(true);
    QVERIFY(checkSceneAsc(scene->background, scene));
    QVERIFY(checkSceneAsc(scene->emptyItem(), scene));
    QCOMPARE(selected(scene), QSet<QGraphicsItem *> { items[2] });
    QVERIFY(checkSceneAsc(items[2], scene));
    QVERIFY(selected(scene).isEmpty());
    QVERIFY(!checkSceneAsc(items[0], scene));
    QCOMPARE(selected(scene), (QSet<QGraphicsItem *> { items[0], items[1] }));
}

void TestValidation::overlapConflict_data()
{
    QTest::addColumn<Glyphs>("glyphs");
    QTest::addColumn<int>("font"); // -1: no conflict

    QTest::newRow("one pixel overlap")
        << Glyphs { { 4, QRect(0, 0, 10, 10), 1 }, { 4, QRect(9, 9, 10, 10), 2 } } << 4;
    QTest::newRow("apart") << Glyphs { { 4, QRect(0, 0, 10, 10), 1 },
        { 4, QRect(12, 0, 10, 10), 2 } }
                           << -1;
    QTest::newRow("inside another")
        << Glyphs { { 4, QRect(0, 0, 50, 50), 1 }, { 4, QRect(10, 10, 5, 5), 2 } } << 4;
    QTest::newRow("overlaps in two fonts") << Glyphs { { 9, QRect(0, 0, 10, 10), 1 },
        { 9, QRect(5, 5, 10, 10), 2 }, { 3, QRect(0, 0, 10, 10), 1 },
        { 3, QRect(5, 5, 10, 10), 2 } } << 3;
    QTest::newRow("only in the later font") << Glyphs { { 3, QRect(0, 0, 10, 10), 1 },
        { 3, QRect(30, 0, 10, 10), 2 }, { 8, QRect(0, 0, 10, 10), 1 },
        { 8, QRect(5, 5, 10, 10), 2 } } << 8;
    QTest::newRow("same place in two fonts")
        << Glyphs { { 3, QRect(0, 0, 10, 10), 1 }, { 4, QRect(0, 0, 10, 10), 1 } } << -1;
    QTest::newRow("single character") << Glyphs { { 1, QRect(0, 0, 10, 10), 1 } } << -1;
}

void TestValidation::overlapConflict()
{
    QFETCH(Glyphs, glyphs);
    QFETCH(int, font);

    FontImageList images;
    build(&images, glyphs);
    const FontConflict conflict = findOverlapConflict(images);
    QCOMPARE(conflict.isValid(), font >= 0);
    if (font < 0)
        return;
    QCOMPARE(conflict.fontImage->number, font);
    QCOMPARE(conflict.title, QStringLiteral("重叠冲突"));
    QCOMPARE(conflict.text, QStringLiteral("第%1张图片，重叠冲突").arg(font));
    QGraphicsScene *scene = conflict.fontImage->scene;
    QCOMPARE(conflict.shapes.first, naiveOverlap(scene).first);
    QCOMPARE(conflict.shapes.second, naiveOverlap(scene).second);
    QCOMPARE(selected(scene), pairSet(conflict.shapes));
}

void TestValidation::sharedEdges_data()
{
    QTest::addColumn<QRect>("second");
    QTest::addColumn<bool>("collides"); // what Qt's shape intersection says

    QTest::newRow("shared vertical edge") << QRect(10, 0, 10, 10) << false;
    QTest::newRow("shared horizontal edge") << QRect(0, 10, 10, 10) << false;
    QTest::newRow("shared corner") << QRect(10, 10, 10, 10) << false;
    QTest::newRow("one pixel overlap") << QRect(9, 0, 10, 10) << true;
}

void TestValidation::sharedEdges()
{
    QFETCH(QRect, second);
    QFETCH(bool, collides);

    FontImageList images;
    build(&images, { { 1, QRect(0, 0, 10, 10), 1 }, { 1, second, 2 } });
    FontScene *scene = images.at(1)->scene;
    const ShapePair naive = naiveOverlap(scene);
    QCOMPARE(naive.isValid(), collides);
    QCOMPARE(checkSceneCollide(scene), naive.isValid());
    QCOMPARE(firstOverlap(scene).first, naive.first);
    QCOMPARE(firstOverlap(scene).second, naive.second);
}

void TestValidation::handlesAreNotShapes()
{
    FontImageList images;
    // 2 pixels apart: the handles of a selected rectangle reach into its neighbour.
    const QVector<QGraphicsItem *> items
        = build(&images, { { 1, QRect(0, 0, 10, 10), 1 }, { 1, QRect(12, 0, 10, 10), 2 } });
    FontScene *scene = images.at(1)->scene;
    items[0]->setSelected(true);
    items[1]->setSelected(true);
    QVERIFY(scene->items().size() > 4);
    QVERIFY(!findOverlapConflict(images).isValid());
    QVERIFY(!findKeyConflict(images).isValid());
    QVERIFY(selected(scene).isEmpty());
}

void TestValidation::keyCheckBeforeOverlap()
{
    FontImageList images;
    build(&images, { { 2, QRect(0, 0, 10, 10), 0x41 }, { 2, QRect(5, 5, 10, 10), 0x41 } });
    QCOMPARE(findKeyConflict(images).text, QStringLiteral("第2张图片 41 键值冲突"));
    QCOMPARE(findOverlapConflict(images).text, QStringLiteral("第2张图片，重叠冲突"));
}

void TestValidation::randomScenesMatchNaiveLoop_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maxSize"); // largest side of a rectangle
    QTest::addColumn<bool>("oddItems"); // rotated, rounded, hidden and grouped shapes

    QTest::newRow("dense") << 1u << 40 << false;
    QTest::newRow("sparse") << 2u << 8 << false;
    QTest::newRow("thin and empty") << 3u << 2 << false;
    QTest::newRow("odd items") << 4u << 30 << true;
    QTest::newRow("odd items sparse") << 5u << 10 << true;
}

void TestValidation::randomScenesMatchNaiveLoop()
{
    QFETCH(quint32, seed);
    QFETCH(int, maxSize);
    QFETCH(bool, oddItems);

    QRandomGenerator random(seed);
    int withOverlap = 0;
    for (int round = 0; round < 300; ++round) {
        std::unique_ptr<FontScene> scene(makeScene(round));
        const int count = random.bounded(0, 60);
        QVector<QGraphicsItem *> grouped;
        for (int i = 0; i < count; ++i) {
            const QRect rect(random.bounded(-5, 200), random.bounded(-5, 200),
                random.bounded(0, maxSize + 1), random.bounded(0, maxSize + 1));
            auto *item = new Character(
                QRect(0, 0, rect.width(), rect.height()), oddItems && random.bounded(4) == 0);
            item->setPos(rect.topLeft());
            characterFields(item)->asc = random.bounded(40);
            scene->addItem(item);
            if (oddItems && random.bounded(5) == 0)
                item->setRotation(random.bounded(360));
            if (oddItems && random.bounded(10) == 0)
                item->setVisible(false);
            if (oddItems && random.bounded(10) == 0)
                grouped.append(item);
            if (random.bounded(8) == 0)
                item->setSelected(true);
        }
        if (grouped.size() > 1)
            scene->createGroup(grouped.toList());

        const ShapePair naive = naiveOverlap(scene.get());
        const ShapePair indexed = firstOverlap(scene.get());
        QCOMPARE(indexed.first, naive.first);
        QCOMPARE(indexed.second, naive.second);
        const ShapePair naiveKeys = naiveKeyClash(scene.get());
        const ShapePair keys = firstKeyClash(scene.get());
        QCOMPARE(keys.first, naiveKeys.first);
        QCOMPARE(keys.second, naiveKeys.second);
        withOverlap += naive.isValid();
    }
    // The data must hold both outcomes to compare anything.
    QVERIFY(withOverlap > 0);
    QVERIFY(withOverlap < 300);
}

void TestValidation::largeFontMatchesNaiveLoop()
{
    // 256 characters in a 16 x 16 grid of touching cells; one late pair overlaps.
    std::unique_ptr<FontScene> scene(makeScene(1));
    QVector<QGraphicsItem *> items;
    for (int i = 0; i < 256; ++i)
        items.append(addGlyph(scene.get(), QRect(i % 16 * 12, i / 16 * 12, 12, 12), i));
    QVERIFY(!firstOverlap(scene.get()).isValid());
    QVERIFY(!firstKeyClash(scene.get()).isValid());
    items[5]->setPos(items[5]->pos() + QPointF(1, 0));
    items[200]->setPos(items[200]->pos() + QPointF(0, -1));
    const ShapePair naive = naiveOverlap(scene.get());
    QVERIFY(naive.isValid());
    QCOMPARE(firstOverlap(scene.get()).first, naive.first);
    QCOMPARE(firstOverlap(scene.get()).second, naive.second);
    QCOMPARE(naive.first, items[200]);
    QCoreApplication::processEvents();
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
