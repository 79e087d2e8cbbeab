// The icon-font project file with its item XML, nested groups included; what was read is
// written again and read a second time. What we write, we read: when the file was read
// without a problem, the written file reads back with the same values, and writing those
// gives the same bytes.
#include "fuzzsupport.h"
#include "offscreenapplication.h"
#include "shapevalues.h"

#include "character.h"
#include "fontscene.h"
#include "zafproject.h"
#include "zafprojectcheck.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

// Pictures named by the file are not opened: they could be anything on this machine. The
// scene still names its picture, as the tool's scenes do, so that it is written again.
FontScene *sceneWithoutPicture(int number, int encryptionKey, int filter, const QFileInfo &picture)
{
    FontScene *scene = newFontScene(number, encryptionKey, filter, QFileInfo());
    if (!picture.filePath().isEmpty())
        scene->file = picture.absoluteFilePath();
    return scene;
}

ZafProjectError read(const QByteArray &bytes, FontImageList *images)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readZafProject(&buffer, QStringLiteral("/nonexistent"), sceneWithoutPicture, images);
}

QStringList values(const FontImageList &images)
{
    QStringList lines;
    for (const auto &entry : images) {
        const FontImage &image = *entry.second;
        lines.append(QStringLiteral("font %1 %2 %3 %4 %5 %6 %7")
                         .arg(entry.first)
                         .arg(image.scene->encryptionKey)
                         .arg(image.scene->filter)
                         .arg(image.file.filePath())
                         .arg(image.isStdFont)
                         .arg(image.isStdFont ? image.font.family() : QString())
                         .arg(image.isStdFont ? image.font.pointSize() : 0));
        lines += shapeValues(image.scene, [](const QGraphicsItem *item) {
            const CharacterFields *fields = characterFields(item);
            return fields ? QStringLiteral("%1 %2 %3")
                                .arg(fields->asc)
                                .arg(fileReal(fields->rc_x), fileReal(fields->rc_y))
                          : QString();
        });
    }
    return lines;
}

QByteArray written(const FontImageList &images)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeZafProject(&buffer, images);
    return bytes;
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
    return startOffscreenApplication(argc, argv);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    FontImageList images;
    const bool sound = read(input, &images).sound && checkZafDocument(input).isEmpty();
    // Shapes of any size and place are painted as a window would paint them.
    if (!images.empty())
        paint(images.begin()->second->scene);

    const QByteArray first = written(images);
    FontImageList again;
    const ZafProjectError error = read(first, &again);
    if (!error.sound || again.size() != images.size())
        std::abort();
    if (sound) {
        if (!checkZafDocument(first).isEmpty() || values(again) != values(images)
            || written(again) != first)
            std::abort();
    }
    QCoreApplication::processEvents();
    return 0;
}
