#include "touchproject.h"

#include "crowdedtag.h"
#include "drawscene.h"
#include "itemxml.h"
#include "pagescene.h"
#include "touchareas.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

void readCanvas(QXmlStreamReader *xml, const QString &projectFolder, PageMap *pages,
    const PageSceneFactory &createScene)
{
    const QXmlStreamAttributes attributes = xml->attributes();
    const QString file = attributes.value(QLatin1String("file")).toString();
    // Stored paths are absolute; a relative one (a project made by hand) starts at the
    // project's folder.
    const QFileInfo picture(
        file.isEmpty() ? QString() : QDir(projectFolder).absoluteFilePath(file));
    bool ok = false;
    int number = attributes.value(QLatin1String("key")).toInt(&ok, 10);
    if (!ok)
        number = 0;
    PageScene *scene = createScene(number, picture);
    readShapes(xml, scene);
    auto *page = new PicMsg(number, picture, scene);
    const auto earlier = pages->find(number);
    if (earlier != pages->end()) {
        delete earlier.value();
        earlier.value() = page;
    } else {
        pages->insert(number, page);
    }
}

void readScenes(QXmlStreamReader *xml, const QString &projectFolder, PageMap *pages,
    const PageSceneFactory &createScene)
{
    while (xml->readNextStartElement()) {
        if (xml->name() == QLatin1String("canvas"))
            readCanvas(xml, projectFolder, pages, createScene);
        else
            xml->skipCurrentElement();
    }
}

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void writeCanvas(QXmlStreamWriter *xml, const PicMsg &page)
{
    const QSize size = pageSize(page.scene);
    xml->writeStartElement(QStringLiteral("canvas"));
    xml->writeAttribute(QStringLiteral("width"), shortest(size.width()));
    xml->writeAttribute(QStringLiteral("height"), shortest(size.height()));
    xml->writeAttribute(QStringLiteral("file"), page.file.filePath());
    xml->writeAttribute(QStringLiteral("key"), QString::number(page.number));
    writeShapes(xml, topLevelShapes(page.scene));
    xml->writeEndElement();
}

} // namespace

ProjectReadResult readProjectPages(const QByteArray &bytes, PageMap *pages,
    const PageSceneFactory &createScene, const QString &projectFolder)
{
    ProjectReadResult result;
    // A new project's file is empty until the first save; that is no damage.
    if (bytes.trimmed().isEmpty())
        return result;
    const CrowdedTag crowded = findCrowdedTag(bytes);
    QXmlStreamReader xml(crowded.found() ? bytes.left(crowded.offset) : bytes);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("scenes"))
        readScenes(&xml, projectFolder, pages, createScene);
    if (crowded.found() && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
        result.damaged = true;
        result.error = crowded.text();
        result.line = crowded.line;
        result.column = crowded.column;
    } else if (xml.hasError()) {
        result.damaged = true;
        result.error = xml.errorString();
        result.line = xml.lineNumber();
        result.column = xml.columnNumber();
    }
    return result;
}

QByteArray projectDocument(const PageMap &pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Lumo_ZAF_Tool>"));
    xml.writeStartElement(QStringLiteral("scenes"));
    for (const PicMsg *page : pages)
        writeCanvas(&xml, *page);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
