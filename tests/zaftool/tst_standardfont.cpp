#include "standardfont.h"

#include "filebytes.h"
#include "validation.h"
#include "zaffixtures.h"
#include "zafworkspace.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

namespace {

const QString kGenerated = QStringLiteral("information|提示|字体生成成功");

QFont testFont()
{
    return QFont(QStringLiteral("WenQuanYi Micro Hei"), 12);
}

// The brightest grey value inside `rect` of `picture`.
int brightest(const QImage &picture, const QRect &rect)
{
    int best = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            best = qMax(best, qGray(picture.pixel(x, y)));
    }
    return best;
}

} // namespace

class TestStandardFont : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nextNumber_data();
    void nextNumber();
    void cells_data();
    void cells();
    void cellSizeRoundsUpToFour();
    void commandAddsFontImage();
    void fontImagePassesChecksAndBuilds();
    void cancelledDialogsCreateNothing_data();
    void cancelledDialogsCreateNothing();
    void numbersUsedUpRefused();
    void failedPictureAddsNothing();

private:
    // Runs the command with a font and a colour answered.
    void runCommand(const QColor &colour = Qt::white);

    QScopedPointer<ZafTestProject> m_p;
};

void TestStandardFont::init()
{
    m_p.reset(new ZafTestProject);
}

void TestStandardFont::cleanup()
{
    m_p.reset();
}

void TestStandardFont::runCommand(const QColor &colour)
{
    m_p->prompt.answer(testFont());
    m_p->prompt.answer(colour);
    m_p->ws.getStandardFont();
}

void TestStandardFont::nextNumber_data()
{
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("number");
    QTest::newRow("empty project") << QStringList() << 0;
    QTest::newRow("3 and 7") << QStringList({ "3.png", "7.png" }) << 8;
    QTest::newRow("highest possible") << QStringList({ "65534.png" }) << 65535;
}

void TestStandardFont::nextNumber()
{
    QFETCH(QStringList, pictures);
    QFETCH(int, number);
    m_p->open();
    if (!pictures.isEmpty())
        m_p->add(pictures);
    QCOMPARE(getFileName(m_p->ws.fontImages), QString::number(number) + QStringLiteral(".jpg"));
    runCommand();
    QVERIFY(m_p->ws.fontImages.count(number));
    const FontImage &image = *m_p->ws.fontImages.at(number);
    QVERIFY(image.isStdFont);
    QCOMPARE(image.file.absoluteFilePath(),
        m_p->ws.imagePath + QLatin1Char('/') + QString::number(number) + QStringLiteral(".jpg"));
    QVERIFY(image.file.exists());
}

void TestStandardFont::cells_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QRect>("cell");
    const QSize size(16, 20);
    QTest::newRow("space") << 32 << QRect(0, 0, 16, 20);
    QTest::newRow("end of first row") << 41 << QRect(144, 0, 16, 20);
    QTest::newRow("A") << 65 << QRect(48, 60, 16, 20);
    QTest::newRow("tilde, last") << 126 << QRect(64, 180, 16, 20);
}

void TestStandardFont::cells()
{
    QFETCH(int, code);
    QFETCH(QRect, cell);
    QCOMPARE(standardCell(code, QSize(16, 20)), cell);
}

void TestStandardFont::cellSizeRoundsUpToFour()
{
    const QFont font = testFont();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (char c = '!'; c <= '~'; ++c)
        widest = qMax(widest, metrics.horizontalAdvance(QLatin1Char(c)));
    const QSize cell = getFontPointSize(font);
    QCOMPARE(cell.width() % 4, 0);
    QCOMPARE(cell.height() % 4, 0);
    QVERIFY(cell.width() >= widest && cell.width() < widest + 4);
    QVERIFY(cell.height() >= metrics.height() && cell.height() < metrics.height() + 4);
}

void TestStandardFont::commandAddsFontImage()
{
    m_p->open();
    runCommand(Qt::yellow);
    QCOMPARE(messages(m_p->prompt), QStringList({ kGenerated }));
    QCOMPARE(dialogKinds(m_p->prompt), QStringList({ "directory", "font", "color" }));
    QCOMPARE(m_p->prompt.dialogs[1].caption, QString());
    QCOMPARE(m_p->prompt.dialogs[2].caption, QStringLiteral("选择字体颜色"));

    const FontImage &image = *m_p->ws.fontImages.at(0);
    QCOMPARE(image.font.family(), testFont().family());
    QCOMPARE(image.scene->encryptionKey, 1);
    QCOMPARE(image.scene->filter, 32);
    const QSize cell = getFontPointSize(testFont());
    const QImage picture(image.file.absoluteFilePath());
    QCOMPARE(picture.size(), cell * 10);
    QCOMPARE(image.scene->sceneRect(), QRectF(QPointF(), QSizeF(cell * 10)));
    // The character is drawn in the chosen colour, the space cell stays black.
    QVERIFY(brightest(picture, standardCell('A', cell)) > 150);
    QVERIFY(brightest(picture, standardCell(' ', cell)) < 40);

    const QVector<ZafChar> chars = ZafWorkspace::sceneChars(image.scene);
    QCOMPARE(chars.size(), 95);
    for (const ZafChar &c : chars) {
        const QRect expected = standardCell(c.asc, cell);
        QCOMPARE(QRectF(c.x, c.y, c.width, c.height), QRectF(expected));
        QCOMPARE(QPointF(c.rcX, c.rcY), QPointF(cell.width() / 2.0, cell.height() / 2.0));
    }
    QByteArray lut = ZafWorkspace::getLut(image.scene);
    QCOMPARE(lut.mid(12 * 0x1F, 12), QByteArray(12, char(0xFF)));
    QCOMPARE(lut.mid(12 * 0x7F, 12), QByteArray(12, char(0xFF)));
    QVERIFY(lut.mid(12 * 0x20, 12) != QByteArray(12, char(0xFF)));
}

void TestStandardFont::fontImagePassesChecksAndBuilds()
{
    m_p->open();
    runCommand();
    QVERIFY(!findKeyConflict(m_p->ws.fontImages).isValid());
    QVERIFY(!findOverlapConflict(m_p->ws.fontImages).isValid());
    const ZafResult result = buildZaf(ZafWorkspace::writerInputs(m_p->ws.fontImages));
    QVERIFY2(result.ok(), qPrintable(zafRefusalText(result.refusal)));
}

void TestStandardFont::cancelledDialogsCreateNothing_data()
{
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("folder") << QVariantList({ QString() }) << QStringList({ "directory" });
    QTest::newRow("font") << QVariantList({ QString("project"), QVariant() })
                          << QStringList({ "directory", "font" });
    QTest::newRow("colour") << QVariantList({ QString("project"), testFont(), QVariant() })
                            << QStringList({ "directory", "font", "color" });
}

void TestStandardFont::cancelledDialogsCreateNothing()
{
    QFETCH(QVariantList, answers);
    QFETCH(QStringList, dialogs);
    for (const QVariant &answer : answers)
        m_p->prompt.answer(answer.toString() == QLatin1String("project") ? m_p->project : answer);
    m_p->ws.getStandardFont();
    QCOMPARE(dialogKinds(m_p->prompt), dialogs);
    QVERIFY(m_p->ws.fontImages.empty());
    QVERIFY(m_p->prompt.messages.isEmpty());
    QVERIFY(!QFile::exists(m_p->project + QStringLiteral("/images/0.jpg")));
}

void TestStandardFont::numbersUsedUpRefused()
{
    m_p->open();
    m_p->add({ QStringLiteral("65535.png") });
    m_p->prompt.dialogs.clear();
    m_p->ws.getStandardFont();
    QCOMPARE(messages(m_p->prompt),
        QStringList({ "warning|提示|字体编号已用到65535，无法再添加标准字体" }));
    QVERIFY(m_p->prompt.dialogs.isEmpty());
    QCOMPARE(numbers(m_p->ws.fontImages), QList<int>({ 65535 }));
}

void TestStandardFont::failedPictureAddsNothing()
{
    m_p->open();
    // A file where the picture folder should be: no picture can be stored.
    QVERIFY(QDir(m_p->ws.imagePath).removeRecursively());
    QString error;
    QVERIFY(writeWholeFile(m_p->ws.imagePath, "not a folder", &error));
    runCommand();
    QCOMPARE(messages(m_p->prompt), QStringList({ "warning|提示|字体生成失败" }));
    QVERIFY(m_p->ws.fontImages.empty());
}

QTEST_MAIN(TestStandardFont)
#include "tst_standardfont.moc"
