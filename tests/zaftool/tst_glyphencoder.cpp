#include "debugmessages.h"
#include "testfiles.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "glyphencoder.h"
#include "jpegencoder.h"
#include "zaflog.h"

Q_DECLARE_METATYPE(PictureKind)
Q_DECLARE_METATYPE(GlyphStatus)

namespace {

struct Segment
{
    int marker;
    QByteArray body; // after the length field
};

// Marker segments up to the start of scan.
QVector<Segment> segments(const QByteArray &jpeg)
{
    QVector<Segment> found;
    int at = 2;
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg.at(at)) == 0xFF) {
        const int marker = static_cast<unsigned char>(jpeg.at(at + 1));
        const int length = (static_cast<unsigned char>(jpeg.at(at + 2)) << 8)
            | static_cast<unsigned char>(jpeg.at(at + 3));
        found.append({ marker, jpeg.mid(at + 4, length - 2) });
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return found;
}

QVector<Segment> segmentsOf(const QByteArray &jpeg, int marker)
{
    QVector<Segment> result;
    for (const Segment &segment : segments(jpeg)) {
        if (segment.marker == marker)
            result.append(segment);
    }
    return result;
}

QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
    }
    return image;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    return image;
}

BmpPixels pixelsOf(const QImage &image)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "bmp", 100);
    BmpPixels pixels;
    QString error;
    readBmp24(bmp, &pixels, &error);
    return pixels;
}

void putLittleEndian(QByteArray *bytes, int at, quint32 value, int count)
{
    for (int i = 0; i < count; ++i)
        (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The standard (Annex K) code-length counts of the luminance DC and AC tables.
const QByteArray standardDcBits = QByteArray::fromHex("00010501010101010100000000000000");
const QByteArray standardAcBits = QByteArray::fromHex("0002010303020403050504040000017d");

} // namespace

class TestGlyphEncoder : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void pictureKindBySuffix_data();
    void pictureKindBySuffix();
    void checkFileStores_data();
    void checkFileStores();
    void transparentBecomesWhite();
    void jpegCopiedByteForByte();
    void diagnosticsQuietByDefault();
    void encoderSettings_data();
    void encoderSettings();
    void qualityLoopStopsAtFirstFit_data();
    void qualityLoopStopsAtFirstFit();
    void hugeNoiseStaysAt50();
    void loopEqualsWriteEveryStep();
    void undecodableNotStored_data();
    void undecodableNotStored();
    void badBmpRefused_data();
    void badBmpRefused();
    void libraryErrorDoesNotEndProcess();
    void unwritableOutput();

private:
    QString writePicture(const QString &name, const QImage &image, const char *format);
    QString writeBytes(const QString &name, const QByteArray &bytes);
    QStringList storedFiles() const { return QDir(m_folders.imagePath).entryList(QDir::Files); }

    QScopedPointer<QTemporaryDir> m_dir;
    GlyphFolders m_folders;
};

void TestGlyphEncoder::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("project/images"));
    QVERIFY(QDir(m_dir->path()).mkpath("sources"));
    m_folders = GlyphFolders::forProject(m_dir->filePath("project"));
}

QString TestGlyphEncoder::writePicture(const QString &name, const QImage &image, const char *format)
{
    const QString path = m_dir->filePath("sources/" + name);
    if (!image.save(path, format))
        return QString();
    return path;
}

QString TestGlyphEncoder::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath("sources/" + name);
    QString error;
    return writeWholeFile(path, bytes, &error) ? path : QString();
}

void TestGlyphEncoder::pictureKindBySuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PictureKind>("kind");
    QTest::newRow("bmp") << "1.bmp" << PictureKind::Converted;
    QTest::newRow("GIF") << "1.GIF" << PictureKind::Converted;
    QTest::newRow("png") << "1.png" << PictureKind::Converted;
    QTest::newRow("Ico") << "1.Ico" << PictureKind::Converted;
    QTest::newRow("jpg") << "1.jpg" << PictureKind::Copied;
    QTest::newRow("JPEG") << "1.JPEG" << PictureKind::Copied;
    QTest::newRow("tif") << "1.tif" << PictureKind::Refused;
    QTest::newRow("no suffix") << "png" << PictureKind::Refused;
    QTest::newRow("last suffix counts") << "1.png.txt" << PictureKind::Refused;
}

void TestGlyphEncoder::pictureKindBySuffix()
{
    QFETCH(QString, name);
    QFETCH(PictureKind, kind);
    QCOMPARE(pictureKind(name), kind);
}

void TestGlyphEncoder::checkFileStores_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<GlyphStatus>("status");
    QTest::addColumn<QString>("stored"); // empty: the reference stays the source
    QTest::newRow("7.PNG") << "7.PNG" << QByteArray("png") << GlyphStatus::Converted << "7.jpg";
    QTest::newRow("12.font.png") << "12.font.png" << QByteArray("png") << GlyphStatus::Converted
                                 << "12.jpg";
    QTest::newRow("bmp") << "3.bmp" << QByteArray("bmp") << GlyphStatus::Converted << "3.jpg";
    QTest::newRow("gif") << "4.gif" << QByteArray("gif") << GlyphStatus::Converted << "4.jpg";
    QTest::newRow("ico") << "5.ico" << QByteArray("ico") << GlyphStatus::Converted << "5.jpg";
    QTest::newRow(".JPEG") << "8.JPEG" << QByteArray("jpg") << GlyphStatus::Copied << "8.JPEG";
    QTest::newRow(".tif") << "9.tif" << QByteArray("png") << GlyphStatus::Refused << QString();
}

void TestGlyphEncoder::checkFileStores()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(GlyphStatus, status);
    QFETCH(QString, stored);
    // Qt writes no GIF, so that one is a one-pixel picture made by hand.
    const QString source = format == "gif"
        ? writeBytes(name,
            QByteArray::fromHex("47494638396101000100800000000000ffffff2c000000"
                                "00010001000002014c003b"))
        : writePicture(name, gradient(32, 24), format.constData());
    QVERIFY(!source.isEmpty());

    QString file = source;
    const GlyphResult result = checkFile(m_folders, &file);
    QCOMPARE(result.status, status);
    QCOMPARE(result.accepted(), status != GlyphStatus::Refused);
    if (stored.isEmpty()) {
        QCOMPARE(file, source);
        QCOMPARE(storedFiles(), QStringList());
        return;
    }
    QCOMPARE(file, m_folders.imagePath + "/" + stored);
    QCOMPARE(result.storedPath, file);
    QCOMPARE(storedFiles(), QStringList { stored });
    if (status == GlyphStatus::Converted) {
        QCOMPARE(result.quality, 100);
        const QByteArray bmp = fileBytes(m_folders.projectPath + "/temp.bmp");
        QVERIFY(bmp.size() > 30);
        QCOMPARE(int(bmp.at(28)), 24);
    } else {
        QCOMPARE(result.qualityText(), QString("copied"));
    }
}

void TestGlyphEncoder::transparentBecomesWhite()
{
    QImage picture(40, 16, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 24; x < 40; ++x)
            picture.setPixel(x, y, qRgba(0, 0, 255, 255));
    QString file = writePicture("1.png", picture, "png");
    const GlyphResult result = checkFile(m_folders, &file);
    QCOMPARE(result.status, GlyphStatus::Converted);

    const QByteArray jpeg = fileBytes(file);
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    const QVector<Segment> frames = segmentsOf(jpeg, 0xC0);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(int(frames.first().body.at(5)), 3);
    QVERIFY(segmentsOf(jpeg, 0xC2).isEmpty());
    QVERIFY(!jpeg.contains("\xFF\xC2"));

    const QImage back = QImage::fromData(jpeg);
    QCOMPARE(back.size(), picture.size());
    for (const QPoint &point : { QPoint(2, 2), QPoint(10, 8), QPoint(0, 15) }) {
        const QRgb pixel = back.pixel(point);
        QVERIFY2(qRed(pixel) >= 248 && qGreen(pixel) >= 248 && qBlue(pixel) >= 248,
            qPrintable(QString::number(pixel, 16)));
    }
    const QRgb blue = back.pixel(34, 8);
    QVERIFY(qBlue(blue) >= 240 && qRed(blue) <= 15 && qGreen(blue) <= 15);
}

void TestGlyphEncoder::jpegCopiedByteForByte()
{
    const QString first = writePicture("21.jpg", gradient(30, 20), "jpg");
    QVERIFY(QDir(m_dir->path()).mkpath("other"));
    const QString second = m_dir->filePath("other/21.jpg");
    QVERIFY(noise(30, 20, 7).save(second, "jpg"));
    const QByteArray firstBytes = fileBytes(first);
    QVERIFY(firstBytes != fileBytes(second));

    QString file = first;
    const QString destination = m_folders.imagePath + "/21.jpg";
    const DebugMessagesOn diagnostics("lumo.zaf");
    QTest::ignoreMessage(QtDebugMsg, qPrintable("copy ok " + destination));
    const GlyphResult copied = checkFile(m_folders, &file);
    QCOMPARE(copied.status, GlyphStatus::Copied);
    QCOMPARE(file, destination);
    QCOMPARE(fileBytes(destination), firstBytes);

    file = second;
    QTest::ignoreMessage(QtDebugMsg, qPrintable("copy err " + second));
    const GlyphResult again = checkFile(m_folders, &file);
    QVERIFY(again.accepted());
    QCOMPARE(again.status, GlyphStatus::CopyFailed);
    QVERIFY(!again.error.isEmpty());
    QCOMPARE(file, second);
    QCOMPARE(fileBytes(destination), firstBytes);
}

void TestGlyphEncoder::diagnosticsQuietByDefault()
{
    QVERIFY(!zafLog().isDebugEnabled());
    QVERIFY(zafLog().isInfoEnabled());
    QCOMPARE(QString::fromLatin1(zafLog().categoryName()), QStringLiteral("lumo.zaf"));
}

void TestGlyphEncoder::encoderSettings_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("firstLuminanceStep");
    QTest::newRow("100") << 100 << 1;
    QTest::newRow("75") << 75 << 8;
    QTest::newRow("50") << 50 << 16;
}

void TestGlyphEncoder::encoderSettings()
{
    QFETCH(int, quality);
    QFETCH(int, firstLuminanceStep);
    QString error;
    const QByteArray jpeg = encodeJpeg(pixelsOf(gradient(64, 48)), quality, &error);
    QVERIFY2(!jpeg.isEmpty(), qPrintable(error));
    QVERIFY(jpeg.endsWith("\xFF\xD9"));

    const QVector<Segment> frames = segmentsOf(jpeg, 0xC0);
    QCOMPARE(frames.size(), 1);
    const QByteArray frame = frames.first().body;
    QCOMPARE(int(frame.at(0)), 8); // precision
    QCOMPARE((uchar(frame.at(1)) << 8) | uchar(frame.at(2)), 48);
    QCOMPARE((uchar(frame.at(3)) << 8) | uchar(frame.at(4)), 64);
    QCOMPARE(int(frame.at(5)), 3);
    for (int component = 0; component < 3; ++component)
        QCOMPARE(int(uchar(frame.at(6 + 3 * component + 1))), 0x11);

    const QVector<Segment> scans = segmentsOf(jpeg, 0xDA);
    QCOMPARE(scans.size(), 1);
    QCOMPARE(scans.first().body.size() + 2, 12);

    const QVector<Segment> quantisation = segmentsOf(jpeg, 0xDB);
    QVERIFY(!quantisation.isEmpty());
    QCOMPARE(int(quantisation.first().body.at(0)), 0); // 8-bit table 0: baseline
    QCOMPARE(int(quantisation.first().body.at(1)), firstLuminanceStep);

    // Optimised tables are computed for the picture, so they are not the standard ones.
    const QVector<Segment> tables = segmentsOf(jpeg, 0xC4);
    QVERIFY(!tables.isEmpty());
    bool anyStandard = false;
    for (const Segment &segment : tables) {
        for (int at = 0; at + 17 <= segment.body.size();) {
            const QByteArray bits = segment.body.mid(at + 1, 16);
            anyStandard = anyStandard || bits == standardDcBits || bits == standardAcBits;
            int count = 0;
            for (char bit : bits)
                count += uchar(bit);
            at += 17 + count;
        }
    }
    QVERIFY(!anyStandard);
}

void TestGlyphEncoder::qualityLoopStopsAtFirstFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("small: 100") << 120 << 90;
    QTest::newRow("400 x 300") << 400 << 300;
    QTest::newRow("480 x 360") << 480 << 360;
}

void TestGlyphEncoder::qualityLoopStopsAtFirstFit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const BmpPixels pixels = pixelsOf(noise(width, height, 11));
    const QualityLoopResult loop = compressToLimit(pixels);
    QVERIFY2(loop.ok, qPrintable(loop.error));
    QVERIFY(loop.quality > glyphLowestQuality);
    QVERIFY(loop.jpeg.size() <= glyphSizeLimit);
    QString error;
    QCOMPARE(loop.jpeg, encodeJpeg(pixels, loop.quality, &error));
    for (int higher = loop.quality + 1; higher <= glyphTopQuality; ++higher)
        QVERIFY2(encodeJpeg(pixels, higher, &error).size() > glyphSizeLimit,
            qPrintable(QString::number(higher)));
}

void TestGlyphEncoder::hugeNoiseStaysAt50()
{
    const BmpPixels pixels = pixelsOf(noise(720, 540, 5));
    const QualityLoopResult loop = compressToLimit(pixels);
    QVERIFY2(loop.ok, qPrintable(loop.error));
    QCOMPARE(loop.quality, glyphLowestQuality);
    QVERIFY(loop.jpeg.size() > glyphSizeLimit);
    QString error;
    QCOMPARE(loop.jpeg, encodeJpeg(pixels, glyphLowestQuality, &error));
}

void TestGlyphEncoder::loopEqualsWriteEveryStep()
{
    QString file = writePicture("30.png", noise(400, 300, 3), "png");
    const GlyphResult result = checkFile(m_folders, &file);
    QCOMPARE(result.status, GlyphStatus::Converted);
    QVERIFY(result.quality < glyphTopQuality);

    // The loop as it reads on disk: encode the file, look at its size, encode again.
    const QString bmp = m_folders.projectPath + "/temp.bmp";
    const QString everyStep = m_dir->filePath("every-step.jpg");
    int quality = glyphTopQuality;
    QString error;
    QVERIFY2(bmpToJpeg(bmp, everyStep, quality, &error), qPrintable(error));
    while (QFileInfo(everyStep).size() > glyphSizeLimit) {
        --quality;
        QVERIFY(bmpToJpeg(bmp, everyStep, quality, &error));
        if (quality == glyphLowestQuality)
            break;
    }
    QCOMPARE(result.quality, quality);
    QCOMPARE(fileBytes(file), fileBytes(everyStep));

    const QString once = m_dir->filePath("once.jpg");
    const QualityLoopResult loop = compressFileToLimit(bmp, once);
    QVERIFY(loop.ok);
    QCOMPARE(loop.quality, quality);
    QCOMPARE(fileBytes(once), fileBytes(everyStep));
}

void TestGlyphEncoder::undecodableNotStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(4000, '\0');
    QRandomGenerator generator(99);
    for (char &byte : random)
        byte = static_cast<char>(generator.bounded(256));
    QTest::newRow("random bytes") << "x.png" << random;
    QTest::newRow("empty") << "y.png" << QByteArray();
    QTest::newRow("cut PNG header") << "z.png" << QByteArray("\x89PNG\r\n\x1a\n", 8);
    // Qt decodes these without complaint, the missing rows left as uninitialised memory.
    for (const QImage::Format format : { QImage::Format_RGB888, QImage::Format_Indexed8 }) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture = picture.convertToFormat(format);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "bmp"));
        QTest::addRow("BMP of depth %d cut short", picture.depth())
            << "cut.bmp" << bmp.left(bmp.size() - 40);
    }
}

void TestGlyphEncoder::undecodableNotStored()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString source = writeBytes(name, bytes);
    QVERIFY(!source.isEmpty());
    QString file = source;
    const GlyphResult result = checkFile(m_folders, &file);
    QVERIFY(result.accepted());
    QVERIFY(!result.decoded());
    QCOMPARE(result.status, GlyphStatus::Undecodable);
    QVERIFY(!result.stored());
    QVERIFY(result.storedPath.isEmpty());
    QVERIFY(result.error.contains(name));
    QCOMPARE(file, source);
    QCOMPARE(storedFiles(), QStringList());
    QVERIFY(!QFile::exists(m_folders.projectPath + "/temp.bmp"));
}

void TestGlyphEncoder::badBmpRefused_data()
{
    QTest::addColumn<QByteArray>("bmp");
    QByteArray good;
    {
        QBuffer buffer(&good);
        buffer.open(QIODevice::WriteOnly);
        gradient(17, 9).convertToFormat(QImage::Format_ARGB32).save(&buffer, "bmp");
    }
    QByteArray eightBit;
    {
        QBuffer buffer(&eightBit);
        buffer.open(QIODevice::WriteOnly);
        gradient(17, 9).convertToFormat(QImage::Format_Indexed8).save(&buffer, "bmp");
    }
    QCOMPARE(int(eightBit.at(28)), 8);
    QByteArray topDown = good;
    putLittleEndian(&topDown, 22, quint32(-9), 4);
    QByteArray hugeWidth = good;
    putLittleEndian(&hugeWidth, 18, 0x7FFFFFFF, 4);
    QByteArray farOffset = good;
    putLittleEndian(&farOffset, 10, 0xFFFFFFF0u, 4);
    QByteArray zeroSize = good;
    putLittleEndian(&zeroSize, 18, 0, 4);

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("headers only") << good.left(54);
    QTest::newRow("truncated by one byte") << good.left(good.size() - 1);
    QTest::newRow("half the rows") << good.left(54 + (good.size() - 54) / 2);
    QTest::newRow("8-bit") << eightBit;
    QTest::newRow("top-down") << topDown;
    QTest::newRow("huge width") << hugeWidth;
    QTest::newRow("offset past the end") << farOffset;
    QTest::newRow("zero width") << zeroSize;
    QTest::newRow("not a BMP") << QByteArray(200, 'x');
}

void TestGlyphEncoder::badBmpRefused()
{
    QFETCH(QByteArray, bmp);
    BmpPixels pixels;
    QString error;
    QVERIFY(!readBmp24(bmp, &pixels, &error));
    QVERIFY(!error.isEmpty());

    const QString bmpPath = writeBytes("bad.bmp", bmp);
    const QString jpegPath = m_dir->filePath("bad.jpg");
    error.clear();
    QVERIFY(!bmpToJpeg(bmpPath, jpegPath, 100, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!compressFileToLimit(bmpPath, jpegPath).ok);
    QVERIFY(!QFile::exists(jpegPath));
}

void TestGlyphEncoder::libraryErrorDoesNotEndProcess()
{
    // libjpeg itself refuses a side above 65500 pixels.
    BmpPixels wide;
    wide.width = 70000;
    wide.height = 1;
    wide.rgb = QByteArray(3 * 70000, '\x7F');
    JpegEncoder encoder;
    QString error;
    QVERIFY(!encoder.encode(wide, 90, &error));
    QVERIFY2(error.contains("JPEG"), qPrintable(error));
    QCOMPARE(encoder.size(), std::size_t(0));

    // The same encoder goes on working after the failure.
    QVERIFY(encoder.encode(pixelsOf(gradient(8, 8)), 90, &error));
    QVERIFY(encoder.size() > 0);
    QVERIFY(!encoder.encode(wide, 0, &error));
}

void TestGlyphEncoder::unwritableOutput()
{
    const QString source = writePicture("40.png", gradient(10, 10), "png");
    const GlyphResult result
        = convertPicture(source, m_dir->filePath("temp.bmp"), m_dir->filePath("missing/40.jpg"));
    QCOMPARE(result.status, GlyphStatus::EncodeFailed);
    QVERIFY(result.decoded());
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath("missing/40.jpg")));

    const GlyphResult missing = convertPicture(
        m_dir->filePath("sources/none.png"), m_dir->filePath("temp.bmp"), m_dir->filePath("a.jpg"));
    QCOMPARE(missing.status, GlyphStatus::Unreadable);
    QVERIFY(!QFile::exists(m_dir->filePath("a.jpg")));
}

QTEST_MAIN(TestGlyphEncoder)
#include "tst_glyphencoder.moc"
