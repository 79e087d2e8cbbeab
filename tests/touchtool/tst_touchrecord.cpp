#include "pagepicture.h"
#include "touchrecord.h"

#include <QFileInfo>
#include <QtTest>

Q_DECLARE_METATYPE(TouchRecord)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

TouchRecord record(
    int page, int left, int top, int right, int bottom, int picNum, int pressedPage, int command)
{
    TouchRecord r;
    r.page = page;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    r.picNum = picNum;
    r.pressedPage = pressedPage;
    r.command = command;
    return r;
}

} // namespace

class TestTouchRecord : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void noRecordsIsEndMarkOnly();
    void geometry_data();
    void geometry();
    void decoding_data();
    void decoding();
    void signedFields_data();
    void signedFields();
    void roundTrip();
    void pagePicture_data();
    void pagePicture();
};

void TestTouchRecord::workedExample()
{
    const TouchRecord r = touchRecordFor(3, 10.7, 20.2, 30.9, 5.5, 4, 0, 0x1234);
    QCOMPARE(encodeTouchRecord(r), hex("0003 000A 0014 0027 0018 0004 0000 1234"));
    QCOMPARE(encodeTouchFile({ r }), hex("0003 000A 0014 0027 0018 0004 0000 1234 FFFF"));
}

void TestTouchRecord::noRecordsIsEndMarkOnly()
{
    QCOMPARE(encodeTouchFile({}), hex("FFFF"));
}

void TestTouchRecord::geometry_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QByteArray>("bytes"); // left, top, right, bottom

    QTest::newRow("10 x 4 at the origin")
        << 0.0 << 0.0 << 10.0 << 4.0 << hex("0000 0000 0009 0003");
    // Truncated separately: 0.9 + 0.9 would give 1, the record gives 0 + 0 - 1.
    QTest::newRow("separate truncations") << 0.9 << 0.9 << 0.9 << 0.9 << hex("0000 0000 FFFF FFFF");
    QTest::newRow("toward zero") << -0.5 << -1.9 << 2.5 << 3.9 << hex("0000 FFFF 0001 0001");
    QTest::newRow("off the page") << -3.0 << 5.0 << 10.0 << 10.0 << hex("FFFD 0005 0006 000E");
    QTest::newRow("high bits lost")
        << 65541.0 << 70000.0 << 1.0 << 1.0 << hex("0005 1170 0005 1170");
    QTest::newRow("beyond 32 bits") << 1e300 << 0.0 << 1e300 << 1.0 << hex("0000 0000 FFFF 0000");
}

void TestTouchRecord::geometry()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QByteArray, bytes);
    const TouchRecord r = touchRecordFor(9, x, y, width, height, -1, -1, -1);
    QCOMPARE(encodeTouchRecord(r), hex("0009") + bytes + hex("FFFF FFFF FFFF"));
}

void TestTouchRecord::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVector<TouchRecord>>("records");

    const QByteArray one = hex("0003 000A 0014 0027 0018 0004 0000 1234");
    const TouchRecord first = record(3, 10, 20, 39, 24, 4, 0, 0x1234);
    const QByteArray two = hex("FE00 FFFF 8000 7FFF 0001 FFFF 8000 FFFF");
    const TouchRecord second = record(0xFE00, 0xFFFF, 0x8000, 0x7FFF, 1, 0xFFFF, 0x8000, 0xFFFF);

    QTest::newRow("empty") << QByteArray() << QVector<TouchRecord>();
    QTest::newRow("end mark only") << hex("FFFF") << QVector<TouchRecord>();
    QTest::newRow("one record") << one + hex("FFFF") << QVector<TouchRecord> { first };
    QTest::newRow("fields unsigned")
        << one + two + hex("FFFF") << QVector<TouchRecord> { first, second };
    QTest::newRow("no end mark") << one << QVector<TouchRecord> { first };
    QTest::newRow("truncated last record") << one + two.left(15) << QVector<TouchRecord> { first };
    QTest::newRow("page FF00 ends the reading")
        << one + hex("FF00 0000 0000 0001 0001 0000 0000 0000") + one
        << QVector<TouchRecord> { first };
    QTest::newRow("records after the end mark are not read") << one + hex("FFFF")
            + hex("00000000000000000000000000") + one << QVector<TouchRecord> { first };
}

void TestTouchRecord::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QVector<TouchRecord>, records);
    QCOMPARE(decodeTouchFile(bytes), records);
}

void TestTouchRecord::signedFields_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("7FFF") << 0x7FFF << 32767;
    QTest::newRow("8000") << 0x8000 << -32768;
    QTest::newRow("FFFF") << 0xFFFF << -1;
}

void TestTouchRecord::signedFields()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QCOMPARE(signed16(field), value);
}

void TestTouchRecord::roundTrip()
{
    const QVector<TouchRecord> records = {
        record(0, 0, 0, 479, 271, 1, 2, 0),
        record(0xFEFF, 100, 200, 100, 200, 0x7FFF, 0, 0xFFFF),
        record(7, 1, 2, 3, 4, 0xFFFF, 0xFFFF, 0x00FF),
    };
    QCOMPARE(decodeTouchFile(encodeTouchFile(records)), records);
}

void TestTouchRecord::pagePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("picture");
    for (const char *name :
        { "1.bmp", "1.jpg", "1.jpeg", "1.gif", "1.png", "1.ico", "5.PNG", "5.Jpeg", "a.b.png" })
        QTest::newRow(name) << name << true;
    for (const char *name : { "5.txt", "5", "png", "5.png.txt", "5.tiff" })
        QTest::newRow(name) << name << false;
}

void TestTouchRecord::pagePicture()
{
    QFETCH(QString, name);
    QFETCH(bool, picture);
    QCOMPARE(isPagePicture(QFileInfo(QStringLiteral("/pictures/") + name)), picture);
}

QTEST_APPLESS_MAIN(TestTouchRecord)
#include "tst_touchrecord.moc"
