#include "zafworkspace.h"

#include "drawtypes.h"
#include "filebytes.h"
#include "fontscene.h"
#include "glyphencoder.h"
#include "character.h"
#include "picturenumber.h"
#include "prompt.h"
#include "validation.h"
#include "zaflog.h"

#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kMaxPicturesPerAdd = 255;

QString twoHexDigits(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

bool isInFolder(const QString &file, const QString &folder)
{
    return QDir::cleanPath(QFileInfo(file).absolutePath())
        == QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool isGroupMember(const QGraphicsItem *item)
{
    const QGraphicsItem *parent = item->parentItem();
    return parent && parent->type() == GroupType;
}

} // namespace

ZafWorkspace::ZafWorkspace(QObject *parent)
    : QObject(parent)
{
}

ZafWorkspace::~ZafWorkspace() = default;

bool ZafWorkspace::newpro()
{
    const QString path = Prompt::current().getExistingDirectory(
        m_dialogParent, tr("选择工程目录"), QStringLiteral("../"));
    // A cancelled dialog keeps the open project as it was.
    if (path.isEmpty())
        return false;
    clearFontImages();
    emit tableChanged();
    emit propertiesCleared();
    loadProPath(path);
    return true;
}

void ZafWorkspace::loadProPath(const QString &path)
{
    projectPath = path;
    imagePath = path + QStringLiteral("/images");
    QDir().mkpath(imagePath);
    projectFile = path + QStringLiteral("/lumo.prozaf");

    // An existing project file is the user's work; only an explicit save replaces it.
    QFile file(projectFile);
    if (!file.exists() && !file.open(QIODevice::WriteOnly)) {
        Prompt::current().warning(m_dialogParent, tr("提示"),
            tr("未能创建工程 %1:\n%2.").arg(projectFile, file.errorString()));
        projectFile.clear();
        return;
    }
    file.close();
    emit projectLabelChanged(QStringLiteral("      ") + projectFile);
    qCDebug(zafLog).noquote() << "path=" + projectPath;
    qCDebug(zafLog).noquote() << "file=" + projectFile;
}

void ZafWorkspace::btnAddPicClicked()
{
    if (projectPath.isEmpty() && !newpro())
        return;
    openPic();
}

void ZafWorkspace::openPic()
{
    qCDebug(zafLog).noquote() << QStringLiteral("打开图片");
    const QStringList files
        = Prompt::current().getOpenFileNames(m_dialogParent, tr("请选择图片文件"), QString(),
            QStringLiteral("Images (*.png *.bmp *.jpg *.jpeg *.ico *.gif)"));
    if (files.isEmpty())
        return;
    if (files.size() > kMaxPicturesPerAdd) {
        Prompt::current().warning(m_dialogParent, tr("警告"), tr("文件数量错误"));
        return;
    }
    qCDebug(zafLog).noquote() << QStringLiteral("打开了%1张图片").arg(files.size());
    int wrongFileCount = 0;
    QStringList undecodable;
    addPic(files, &wrongFileCount, false, &undecodable);
    emit tableChanged();
    if (wrongFileCount > 0) {
        Prompt::current().information(m_dialogParent, tr("图片命名错误"),
            QString::number(wrongFileCount) + tr("张图片因文件命名错误未打开"));
    }
    if (!undecodable.isEmpty()) {
        Prompt::current().information(m_dialogParent, tr("图片解码错误"),
            tr("%1张图片无法解码，未添加：\n%2")
                .arg(undecodable.size())
                .arg(undecodable.join(QLatin1Char('\n'))));
    }
    if (fontImages.empty())
        qCDebug(zafLog).noquote() << QStringLiteral("未选择图片");
    else
        addScene(fontImages.begin()->first);
}

void ZafWorkspace::addPic(
    const QStringList &files, int *wrongFileCount, bool isStdFont, QStringList *undecodable)
{
    const GlyphFolders folders = GlyphFolders::forProject(projectPath);
    int done = 0;
    for (const QString &source : files) {
        const QString name = QFileInfo(source).fileName();
        emit progress(done++, files.size(), name);
        const int number = pictureNumber(name);
        if (number < 0) {
            ++*wrongFileCount;
            continue;
        }
        QString file = source;
        const GlyphResult stored = checkFile(folders, &file);
        if (!stored.accepted())
            continue;
        // Adding what cannot be decoded would make an empty font image and a broken file.
        if (!stored.decoded()) {
            if (undecodable)
                undecodable->append(QDir::toNativeSeparators(source));
            continue;
        }
        qCDebug(zafLog).noquote() << QStringLiteral("复制图片后的文件：") + file;
        if (fontImages.count(number)) {
            ++*wrongFileCount;
            continue;
        }
        auto image = std::make_unique<FontImage>();
        image->number = number;
        image->isStdFont = isStdFont;
        image->file = QFileInfo(file);
        image->scene = createScene(number, 1, 32, image->file);
        fontImages[number] = std::move(image);
    }
    emit progress(files.size(), files.size(), QString());
}

FontScene *ZafWorkspace::createScene(
    int index, int encryptionKey, int filter, const QFileInfo &finfo)
{
    FontScene *scene = newFontScene(index, encryptionKey, filter, finfo);
    emit sceneCreated(scene);
    return scene;
}

void ZafWorkspace::addScene(int number)
{
    const auto it = fontImages.find(number);
    if (it == fontImages.end())
        return;
    FontScene *scene = it->second->scene;
    showScene(scene);
    canvasSize = scene->sceneRect().size().toSize();
}

void ZafWorkspace::showScene(FontScene *scene)
{
    loadBackground(scene);
    emit sceneShown(scene);
}

void ZafWorkspace::deleteFontImages(const QList<int> &numbers)
{
    // The view lets go of a scene before the scene is deleted.
    emit sceneShown(nullptr);
    const std::set<int> unique(numbers.begin(), numbers.end());
    for (int number : unique) {
        const auto it = fontImages.find(number);
        if (it == fontImages.end())
            continue;
        const QString file = it->second->file.absoluteFilePath();
        // After a failed copy the font image refers to the user's own source file.
        if (isInFolder(file, imagePath))
            QFile::remove(file);
        fontImages.erase(it);
    }
    emit tableChanged();
}

FontImageRow ZafWorkspace::tableRow(const FontImage &image)
{
    FontImageRow row;
    row.number = QString::number(image.number);
    row.fileName = image.file.fileName();
    row.filter = twoHexDigits(image.scene ? image.scene->filter : 32);
    row.encryptionKey = twoHexDigits(image.scene ? image.scene->encryptionKey : 1);
    return row;
}

QVector<FontImageRow> ZafWorkspace::tableRows() const
{
    QVector<FontImageRow> rows;
    rows.reserve(int(fontImages.size()));
    for (const auto &entry : fontImages)
        rows.append(tableRow(*entry.second));
    return rows;
}

bool ZafWorkspace::checkAsc()
{
    const FontConflict conflict = findKeyConflict(fontImages);
    if (!conflict.isValid())
        return true;
    showScene(conflict.fontImage->scene);
    Prompt::current().information(m_dialogParent, conflict.title, conflict.text);
    return false;
}

bool ZafWorkspace::checkCollide()
{
    const FontConflict conflict = findOverlapConflict(fontImages);
    if (!conflict.isValid())
        return false;
    showScene(conflict.fontImage->scene);
    Prompt::current().information(m_dialogParent, conflict.title, conflict.text);
    return true;
}

QVector<ZafChar> ZafWorkspace::sceneChars(FontScene *scene)
{
    QVector<ZafChar> chars;
    for (QGraphicsItem *item : scene->items()) {
        if (item == scene->background || item->type() != ShapeType || isGroupMember(item))
            continue;
        const auto *rect = dynamic_cast<const GraphicsRectItem *>(item);
        const CharacterFields *fields = characterFields(item);
        if (!rect || !fields)
            continue;
        ZafChar c;
        c.asc = fields->asc;
        c.x = rect->scenePos().x();
        c.y = rect->scenePos().y();
        c.width = rect->width();
        c.height = rect->height();
        c.rcX = fields->rc_x;
        c.rcY = fields->rc_y;
        chars.append(c);
    }
    return chars;
}

QByteArray ZafWorkspace::getLut(FontScene *scene)
{
    return ::getLut(sceneChars(scene));
}

QVector<ZafFontInput> ZafWorkspace::writerInputs(const FontImageList &images)
{
    QVector<ZafFontInput> inputs;
    inputs.reserve(int(images.size()));
    for (const auto &entry : images) {
        const FontImage &image = *entry.second;
        ZafFontInput input;
        input.number = image.number;
        input.encryptionKey = image.scene->encryptionKey;
        input.filter = image.scene->filter;
        input.file = image.file.absoluteFilePath();
        // Held all at once, the pictures would double the memory of a large generation.
        input.pictureInFile = true;
        input.chars = sceneChars(image.scene);
        inputs.append(input);
        QCoreApplication::processEvents();
    }
    return inputs;
}

bool ZafWorkspace::writeOutput(const QByteArray &bytes)
{
    const QString fileName = Prompt::current().getSaveFileName(
        m_dialogParent, QString(), QString(), QStringLiteral("*.ZAF"));
    if (fileName.isEmpty())
        return false;
    QString error;
    if (!writeWholeFile(fileName, bytes, &error)) {
        Prompt::current().warning(m_dialogParent, tr("警告"),
            tr("无法写入文件 %1:\n%2.").arg(QDir::toNativeSeparators(fileName), error));
        return false;
    }
    return true;
}

void ZafWorkspace::getZAF()
{
    if (fontImages.empty()) {
        Prompt::current().information(m_dialogParent, tr("提示"), tr("未选择图片"));
        return;
    }
    if (!checkAsc() || checkCollide())
        return;
    qCDebug(zafLog).noquote() << QStringLiteral("字体数量=") + QString::number(fontImages.size());

    const ZafResult result
        = buildZaf(writerInputs(fontImages), [this](int done, int total, const QString &file) {
              emit progress(done, total, QFileInfo(file).fileName());
          });
    emit progress(2 * int(fontImages.size()), 2 * int(fontImages.size()), QString());
    if (!result.ok()) {
        // The window names the picture with the system's separators.
        ZafRefusal shown = result.refusal;
        shown.file = QDir::toNativeSeparators(shown.file);
        Prompt::current().warning(m_dialogParent, tr("警告"), zafRefusalText(shown));
        return;
    }
    if (writeOutput(result.bytes))
        Prompt::current().information(m_dialogParent, tr("提示"), tr("ZAF文件生成完成！"));
}

void ZafWorkspace::clearFontImages()
{
    emit sceneShown(nullptr);
    fontImages.clear();
}
