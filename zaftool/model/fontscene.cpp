#include "fontscene.h"

#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "character.h"
#include "picturelimit.h"

namespace {

QSize pictureSize(const QString &path)
{
    if (path.isEmpty())
        return QSize(0, 0);
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid())
        return size;
    // Some formats tell their size only by decoding.
    const QImage image(path);
    return image.size();
}

SceneOptions fontSceneOptions()
{
    SceneOptions options;
    options.shapes = &characterShapes();
    options.rotationPointTool = true;
    options.doubleClickEditsShape = true;
    return options;
}

} // namespace

FontScene::FontScene(QObject *parent)
    : DrawScene(fontSceneOptions(), parent)
{
}

FontScene *newFontScene(int number, int encryptionKey, int filter, const QFileInfo &picture)
{
    auto *scene = new FontScene;
    const QSize size = pictureSize(picture.absoluteFilePath());
    scene->file = picture.absoluteFilePath();
    scene->number = number;
    scene->picWidth = size.width();
    scene->picHeight = size.height();
    scene->encryptionKey = encryptionKey;
    scene->filter = filter;
    scene->setSceneRect(0, 0, size.width(), size.height());
    scene->setToolBounds(size);
    scene->background = scene->addPixmap(QPixmap());
    scene->background->setPos(0, 0);
    return scene;
}

void loadBackground(FontScene *scene)
{
    if (!scene || !scene->background || !scene->background->pixmap().isNull()
        || scene->file.isEmpty())
        return;
    // A picture put in the project's place since it was added may claim more pixels than
    // memory holds; it shows as a damaged one does.
    if (!pictureSizeProblem(scene->file, QSize(scene->picWidth, scene->picHeight)).isEmpty())
        return;
    scene->background->setPixmap(QPixmap(scene->file));
}
