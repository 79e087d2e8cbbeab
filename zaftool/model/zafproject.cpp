#include "zafproject.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "crowdedtag.h"
#include "itemxml.h"

namespace {

const QString kDocumentType = QStringLiteral("<!DOCTYPE Lumo_ZAF_Tool>");

int readInt(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    bool ok = false;
    const int value = attributes.value(name).toInt(&ok, 10);
    return ok ? value : 0;
}

// Shapes that write themselves: the background, handles and group members do not.
QList<QGraphicsItem *> topLevelShapes(const FontScene *scene)
{
    QList<QGraphicsItem *> shapes;
    for (QGraphicsItem *item : scene->items()) {
        if (!item->parentItem() && item != scene->background)
            shapes.append(item);
    }
    return shapes;
}

void writeCanvas(QXmlStreamWriter *xml, const FontImage &image)
{
    const FontScene *scene = image.scene;
    xml->writeStartElement(QStringLiteral("canvas"));
    xml->writeAttribute(
        QStringLiteral("width"), QString::number(scene->sceneRect().width(), 'g', 6));
    xml->writeAttribute(
        QStringLiteral("height"), QString::number(scene->sceneRect().height(), 'g', 6));
    xml->writeAttribute(QStringLiteral("file"), scene->file);
    xml->writeAttribute(QStringLiteral("key"), QString::number(image.number));
    xml->writeAttribute(QStringLiteral("secury"), QString::number(scene->encryptionKey));
    xml->writeAttribute(QStringLiteral("filter"), QString::number(scene->filter));
    if (image.isStdFont) {
        xml->writeAttribute(QStringLiteral("font"), image.font.family());
        xml->writeAttribute(QStringLiteral("size"), QString::number(image.font.pointSize()));
    }
    writeShapes(xml, topLevelShapes(scene));
    xml->writeEndElement();
}

// Values the file format and the device cannot hold would be silently cut short later.
QString rangeProblem(int number, int encryptionKey, int filter)
{
    if (number < 0 || number > 65535)
        return QStringLiteral("font number %1 is not in 0 ... 65535").arg(number);
    if (encryptionKey < 0 || encryptionKey > 255)
        return QStringLiteral("encryption key %1 is not in 0 ... 255").arg(encryptionKey);
    if (filter < 0 || filter > 63)
        return QStringLiteral("filter strength %1 is not in 0 ... 63").arg(filter);
    return QString();
}

void readCanvas(QXmlStreamReader *xml, const QString &projectFolder,
    const FontSceneFactory &createScene, FontImageList *images)
{
    const QXmlStreamAttributes attributes = xml->attributes();
    const int number = readInt(attributes, QLatin1String("key"));
    const int encryptionKey = readInt(attributes, QLatin1String("secury"));
    const int filter = readInt(attributes, QLatin1String("filter"));
    const QString problem = rangeProblem(number, encryptionKey, filter);
    if (!problem.isEmpty()) {
        xml->raiseError(problem);
        return;
    }
    const QString file = attributes.value(QLatin1String("file")).toString();
    const QString fontFamily = attributes.value(QLatin1String("font")).toString();
    const int pointSize = readInt(attributes, QLatin1String("size"));

    auto image = std::make_unique<FontImage>();
    image->number = number;
    image->file
        = QFileInfo(file.isEmpty() ? QString() : QDir(projectFolder).absoluteFilePath(file));
    image->scene = createScene(number, encryptionKey, filter, image->file);
    loadCanvas(xml, image->scene);
    if (!fontFamily.isEmpty()) {
        image->isStdFont = true;
        image->font = QFont(fontFamily);
        if (pointSize > 0)
            image->font.setPointSize(pointSize);
    }
    (*images)[number] = std::move(image);
}

} // namespace

void writeZafProject(QIODevice *device, const FontImageList &images)
{
    // The writer hands the device every attribute separately; a file pays for each such
    // write, a byte array in memory hardly at all.
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    writeZafDocument(&buffer, images);
    device->write(document);
}

void writeZafDocument(QIODevice *device, const FontImageList &images)
{
    QXmlStreamWriter xml(device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(kDocumentType);
    xml.writeStartElement(QStringLiteral("scenes"));
    for (const auto &entry : images)
        writeCanvas(&xml, *entry.second);
    xml.writeEndDocument();
}

ZafProjectError readZafProject(QIODevice *device, const QString &projectFolder,
    const FontSceneFactory &createScene, FontImageList *images)
{
    ZafProjectError error;
    // A new project's file is empty until its first save.
    if (device->size() == 0)
        return error;
    const QByteArray document = device->readAll();
    const CrowdedTag crowded = findCrowdedTag(document);
    QXmlStreamReader xml(crowded.found() ? document.left(crowded.offset) : document);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("scenes"))
        readScenes(&xml, projectFolder, createScene, images);
    if (crowded.found() && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
        error.sound = false;
        error.line = crowded.line;
        error.column = crowded.column;
        error.text = crowded.text();
    } else if (xml.hasError()) {
        error.sound = false;
        error.line = xml.lineNumber();
        error.column = xml.columnNumber();
        error.text = xml.errorString();
    }
    return error;
}

void readScenes(QXmlStreamReader *xml, const QString &projectFolder,
    const FontSceneFactory &createScene, FontImageList *images)
{
    while (xml->readNextStartElement()) {
        if (xml->name() == QLatin1String("canvas"))
            readCanvas(xml, projectFolder, createScene, images);
        else
            xml->skipCurrentElement();
    }
}

bool loadCanvas(QXmlStreamReader *xml, FontScene *scene)
{
    return readShapes(xml, scene);
}
