// The commands of the icon-font workspace that make characters: scanning a picture and
// rendering a standard font.
#include "zafworkspace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "glyphencoder.h"
#include "glyphscanner.h"
#include "glyphscene.h"
#include "picturenumber.h"
#include "prompt.h"
#include "standardfont.h"
#include "zaflog.h"

void ZafWorkspace::scanImage(FontScene *scene)
{
    if (!scene)
        return;
    const ScanResult result = scanPictureFile(scene->file);
    // A program installed without its scanner module says so instead of blaming the picture.
    if (!result.error.isEmpty()) {
        Prompt::current().warning(m_dialogParent, tr("错误！"), result.error);
        return;
    }
    if (!result.decoded) {
        Prompt::current().warning(
            m_dialogParent, tr("错误！"), tr("扫描时加载图片失败！扫描的图片路径不能有中文！"));
        return;
    }
    reDrawRect(scene, result.rects);
}

void ZafWorkspace::getStandardFont()
{
    if (projectPath.isEmpty() && !newpro())
        return;
    const QString name = getFileName(fontImages);
    if (name.isEmpty()) {
        Prompt::current().warning(
            m_dialogParent, tr("提示"), tr("字体编号已用到65535，无法再添加标准字体"));
        return;
    }
    bool ok = false;
    const QFont font
        = Prompt::current().getFont(&ok, QFont(QStringLiteral("宋体")), m_dialogParent, QString());
    if (!ok)
        return;
    const QString path = imagePath + QLatin1Char('/') + name;
    if (!renderStandardFont(font, path))
        return;
    QCoreApplication::processEvents();
    addFont(font, pictureNumber(name), path);
    emit tableChanged();
    addScene(fontImages.begin()->first);
}

// The picture of a standard font, stored as the tool stores every picture. False when
// the user cancelled the colour or the picture could not be made; then nothing is left.
bool ZafWorkspace::renderStandardFont(const QFont &font, const QString &path)
{
    const QColor colour = Prompt::current().getColor(Qt::white, m_dialogParent, tr("选择字体颜色"));
    // Without a colour the characters would vanish into the black background.
    if (!colour.isValid())
        return false;
    QString error;
    bool made = drawJpg(font, colour, path, &error);
    if (made) {
        QString file = path;
        const GlyphResult stored = copyImg(GlyphFolders::forProject(projectPath), &file);
        made = stored.stored();
        error = stored.error;
    }
    if (!made) {
        qCDebug(zafLog).noquote() << error;
        QFile::remove(path);
        Prompt::current().warning(m_dialogParent, tr("提示"), tr("字体生成失败"));
        return false;
    }
    Prompt::current().information(m_dialogParent, tr("提示"), tr("字体生成成功"));
    return true;
}

void ZafWorkspace::addFont(const QFont &font, int key, const QString &file)
{
    auto image = std::make_unique<FontImage>();
    image->number = key;
    image->isStdFont = true;
    image->file = QFileInfo(file);
    image->font = font;
    image->scene = createScene(key, 1, 32, image->file);
    stdFontAddRect(image->scene, font);
    // The view may still show the scene being replaced.
    if (fontImages.count(key))
        emit sceneShown(nullptr);
    fontImages[key] = std::move(image);
}
