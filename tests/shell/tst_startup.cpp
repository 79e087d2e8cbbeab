#include "inttobytes.h"
#include "kpxresources.h"
#include "startup.h"
#include "title.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Writes `content` as config.ini in `dir`; a null content writes nothing.
QString writeConfig(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    if (!content.isNull()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
    }
    return path;
}

// Restores the working directory when the test leaves, even through a failed check.
class CurrentDirGuard
{
public:
    CurrentDirGuard()
        : m_saved(QDir::currentPath())
    {
    }
    ~CurrentDirGuard() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void languageSetting_data();
    void languageSetting();
    void loadCatalogueCondition_data();
    void loadCatalogueCondition();
    void failedLoadLeavesTranslatorEmpty();
    void configIsReadBesideProgramOnly();
    void catalogueResourceBothPathForms();
    void installedCatalogueReachesTitle();

    void intToBytes_data();
    void intToBytes();
};

void TestStartup::initTestCase()
{
    initShellResources();
    initKpxResources();
}

void TestStartup::languageSetting_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected");

    QTest::newRow("no file") << QByteArray() << 0;
    QTest::newRow("en=0") << QByteArray("[language]\nen=0\n") << 0;
    QTest::newRow("en=1") << QByteArray("[language]\nen=1\n") << 1;
    QTest::newRow("en=2") << QByteArray("[language]\nen=2\n") << 2;
    QTest::newRow("en=-3") << QByteArray("[language]\nen=-3\n") << -3;
    QTest::newRow("en=abc") << QByteArray("[language]\nen=abc\n") << 0;
    QTest::newRow("not base 10") << QByteArray("[language]\nen=0x1\n") << 0;
    QTest::newRow("not an integer") << QByteArray("[language]\nen=1.0\n") << 0;
    QTest::newRow("empty value") << QByteArray("[language]\nen=\n") << 0;
    QTest::newRow("section without key") << QByteArray("[language]\nzh=1\n") << 0;
    QTest::newRow("key in another section") << QByteArray("[general]\nen=1\n") << 0;
    QTest::newRow("key outside any section") << QByteArray("en=1\n") << 0;
    QTest::newRow("other keys beside it")
        << QByteArray("[general]\nen=2\n[language]\nzh=0\nen=1\n") << 1;
}

// The setting read from a file, and what the KPX rule makes of it.
void TestStartup::languageSetting()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeConfig(dir, content);
    QVERIFY(!path.isEmpty());

    const int language = ::languageSetting(path);
    QCOMPARE(language, expected);

    QTranslator translator;
    const bool loaded = loadCatalogue(&translator, language, kpxCatalogue);
    QCOMPARE(loaded, expected == 1);
    if (loaded) {
        QCOMPARE(translator.translate("Title", "KPX工具"), QStringLiteral("KPX Tool"));
        QCOMPARE(translator.translate("MainWindow", "13文件未找到！"),
            QStringLiteral("13 file no find"));
        // Looked up by context: the same text under another class is not translated.
        QVERIFY(translator.translate("MainWindow", "KPX工具").isEmpty());
    } else {
        QVERIFY(translator.isEmpty());
    }
}

// A rule loads its catalogue exactly when the setting equals its condition (TouchTool
// loads on 0, the other programs on 1).
void TestStartup::loadCatalogueCondition_data()
{
    QTest::addColumn<int>("loadWhen");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("loads");

    QTest::newRow("rule 1, setting 1") << 1 << 1 << true;
    QTest::newRow("rule 1, setting 0") << 1 << 0 << false;
    QTest::newRow("rule 1, setting 2") << 1 << 2 << false;
    QTest::newRow("rule 0, setting 0") << 0 << 0 << true;
    QTest::newRow("rule 0, setting 1") << 0 << 1 << false;
    QTest::newRow("rule 0, setting -1") << 0 << -1 << false;
}

void TestStartup::loadCatalogueCondition()
{
    QFETCH(int, loadWhen);
    QFETCH(int, language);
    QFETCH(bool, loads);

    const CatalogueRule rule { kpxCatalogue.resource, loadWhen };
    QTranslator translator;
    QCOMPARE(loadCatalogue(&translator, language, rule), loads);
    QCOMPARE(translator.isEmpty(), !loads);
}

void TestStartup::failedLoadLeavesTranslatorEmpty()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, kpxCatalogue));
    QVERIFY(!translator.isEmpty());

    const CatalogueRule missing { QStringLiteral("://translate/missing.qm"), 1 };
    QVERIFY(!loadCatalogue(&translator, 1, missing));
    QVERIFY(translator.isEmpty());
}

void TestStartup::configIsReadBesideProgramOnly()
{
    QCOMPARE(configPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini"));
    if (QFile::exists(configPath()))
        QSKIP("a config.ini lies beside the test program");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!writeConfig(dir, "[language]\nen=1\n").isEmpty());

    CurrentDirGuard guard;
    QVERIFY(QDir::setCurrent(dir.path()));
    // The file itself is valid: read by its relative name it gives 1.
    QCOMPARE(::languageSetting(QStringLiteral("config.ini")), 1);
    QCOMPARE(::languageSetting(configPath()), 0);
}

void TestStartup::catalogueResourceBothPathForms()
{
    QVERIFY(QFile::exists(QStringLiteral("://translate/en.qm")));
    QVERIFY(QFile::exists(QStringLiteral(":/translate/en.qm")));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translate/en.qm")));
}

// Installed before the window exists, the catalogue translates the texts its constructor sets.
void TestStartup::installedCatalogueReachesTitle()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, kpxCatalogue));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Title title;
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(title.titleLabel->text(), QStringLiteral("KPX Tool"));

    Title untranslated;
    QCOMPARE(untranslated.titleLabel->text(), QStringLiteral("KPX工具"));
}

void TestStartup::intToBytes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("order");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("order 1 little-endian") << 0x1234 << 2 << 1 << QByteArray::fromHex("3412");
    QTest::newRow("order 0 big-endian") << 0x1234 << 2 << 0 << QByteArray::fromHex("1234");
    QTest::newRow("order 2 big-endian") << 0x1234 << 2 << 2 << QByteArray::fromHex("1234");
    QTest::newRow("order -1 big-endian") << 0x1234 << 2 << -1 << QByteArray::fromHex("1234");
    QTest::newRow("-1 in 2 bytes") << -1 << 2 << 0 << QByteArray::fromHex("ffff");
    QTest::newRow("-2 in 4 bytes LE") << -2 << 4 << 1 << QByteArray::fromHex("feffffff");
    QTest::newRow("minimum in 4 bytes")
        << int(0x80000000) << 4 << 0 << QByteArray::fromHex("80000000");
    QTest::newRow("wide value BE keeps low bytes")
        << 0x12345678 << 3 << 0 << QByteArray::fromHex("345678");
    QTest::newRow("wide value LE keeps low bytes")
        << 0x12345678 << 3 << 1 << QByteArray::fromHex("785634");
    QTest::newRow("count 4 BE") << 0x12345678 << 4 << 0 << QByteArray::fromHex("12345678");
    QTest::newRow("count 4 LE") << 0x12345678 << 4 << 1 << QByteArray::fromHex("78563412");
    QTest::newRow("count 1 BE") << 0x1ff << 1 << 0 << QByteArray::fromHex("ff");
    QTest::newRow("count 1 LE") << 0x1ff << 1 << 1 << QByteArray::fromHex("ff");
    QTest::newRow("small value padded BE") << 5 << 4 << 0 << QByteArray::fromHex("00000005");
    QTest::newRow("count 0") << 0x12 << 0 << 0 << QByteArray();
}

void TestStartup::intToBytes()
{
    QFETCH(int, value);
    QFETCH(int, count);
    QFETCH(int, order);
    QFETCH(QByteArray, expected);

    QCOMPARE(::intToBytes(value, count, order).toHex(), expected.toHex());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
