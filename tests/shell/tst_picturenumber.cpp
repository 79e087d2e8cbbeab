#include "picturenumber.h"

#include <QtTest>

class TestPictureNumber : public QObject
{
    Q_OBJECT

private slots:
    void number_data();
    void number();
};

void TestPictureNumber::number_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "12.png"
                           << "12" << 12;
    QTest::newRow("leading zeros, space") << "007 arrows.bmp"
                                          << "007" << 7;
    QTest::newRow("underscore") << "007_start.png"
                                << "007" << 7;
    QTest::newRow("six digits take five") << "123456.png"
                                          << "12345" << 12345;
    QTest::newRow("five zeros and a one") << "000012.bmp"
                                          << "00001" << 1;
    QTest::newRow("five digits with zeros") << "00012.bmp"
                                            << "00012" << 12;
    QTest::newRow("largest") << "65535.png"
                             << "65535" << 65535;
    QTest::newRow("above 65535") << "65536.png"
                                 << "" << -1;
    QTest::newRow("99999") << "99999.png"
                           << "" << -1;
    QTest::newRow("70000") << "70000.bmp"
                           << "" << -1;
    QTest::newRow("no digits") << "icon.png"
                               << "" << -1;
    QTest::newRow("empty") << ""
                           << "" << -1;
    QTest::newRow("only digits") << "42"
                                 << "42" << 42;
    QTest::newRow("zero") << "0.png"
                          << "0" << 0;
    // Digits of other scripts are not ASCII digits and end the run.
    QTest::newRow("fullwidth digit") << QString::fromUtf8("1\xEF\xBC\x92.png") << "1" << 1;
    QTest::newRow("arabic-indic first") << QString::fromUtf8("\xD9\xA1"
                                                             "2.png")
                                        << "" << -1;
}

void TestPictureNumber::number()
{
    QFETCH(QString, fileName);
    QFETCH(QString, digits);
    QFETCH(int, number);
    QCOMPARE(pictureNumberDigits(fileName), digits);
    QCOMPARE(pictureNumber(fileName), number);
}

QTEST_GUILESS_MAIN(TestPictureNumber)
#include "tst_picturenumber.moc"
