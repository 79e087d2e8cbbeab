// The icon-font project file with its item XML, nested groups included; what was read is
// written again and read a second time.
#include "fuzzsupport.h"

#include "fontscene.h"
#include "zafproject.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

// Pictures named by the file are not opened: they could be anything on this machine.
FontScene *sceneWithoutPicture(int number, int encryptionKey, int filter, const QFileInfo &)
{
    return newFontScene(number, encryptionKey, filter, QFileInfo());
}

ZafProjectError read(const QByteArray &bytes, FontImageList *images)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readZafProject(&buffer, QStringLiteral("/nonexistent"), sceneWithoutPicture, images);
}

void paint(QGraphicsScene *scene)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    scene->render(&painter, QRectF(image.rect()), scene->itemsBoundingRect());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the platform plugin leaves objects behind when it is torn down.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FontImageList images;
    read(fuzzBytes(data, size), &images);
    // Shapes of any size and place are painted as a window would paint them.
    if (!images.empty())
        paint(images.begin()->second->scene);

    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    writeZafProject(&buffer, images);
    FontImageList again;
    const ZafProjectError error = read(written, &again);
    if (!error.sound || again.size() != images.size())
        std::abort();
    QCoreApplication::processEvents();
    return 0;
}
