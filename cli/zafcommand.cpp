#include "zafcommand.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>

#include "commandline.h"
#include "damagereport.h"
#include "filebytes.h"
#include "fontscene.h"
#include "validation.h"
#include "zafproject.h"
#include "zafprojectcheck.h"
#include "zafworkspace.h"

namespace {

const char usageLine[] = "lumo zaf PROJECT.prozaf -o OUT.ZAF";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Builds the icon-font file of an icon-font project as the icon-font tool's generate "
        "command does. The project's pictures are read from the paths stored in it. Every "
        "font image must have unique keys and no overlapping characters; the first conflict "
        "found is reported and nothing is written."));
    parser->addPositionalArgument(QStringLiteral("project"),
        QStringLiteral("The icon-font project file (.prozaf)."), QStringLiteral("PROJECT.prozaf"));
    parser->addOption({ { QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("Write the icon-font file to <file> (required; - for standard output)."),
        QStringLiteral("file") });
}

QString place(const QGraphicsItem *item)
{
    const QPointF position = item->scenePos();
    return QStringLiteral("(%1, %2)").arg(position.x()).arg(position.y());
}

// The first key or overlap conflict of the project in words; empty when there is none.
QString conflictText(const FontImageList &images)
{
    const FontConflict keys = findKeyConflict(images);
    if (keys.isValid())
        return QStringLiteral("font image %1: the characters at %2 and %3 both have the key 0x%4")
            .arg(keys.fontImage->number)
            .arg(place(keys.shapes.first), place(keys.shapes.second))
            .arg(keys.key, 2, 16, QLatin1Char('0'));
    const FontConflict overlap = findOverlapConflict(images);
    if (overlap.isValid())
        return QStringLiteral("font image %1: the characters at %2 and %3 overlap")
            .arg(overlap.fontImage->number)
            .arg(place(overlap.shapes.first), place(overlap.shapes.second));
    return QString();
}

int generate(const QString &command, const QString &project, const QString &output,
    const FontImageList &images)
{
    const QString conflict = conflictText(images);
    if (!conflict.isEmpty()) {
        printError(command, QStringLiteral("'%1': %2").arg(project, conflict));
        return ExitRefused;
    }
    const ZafResult result = buildZaf(ZafWorkspace::writerInputs(images));
    if (!result.ok()) {
        printError(
            command, QStringLiteral("'%1': %2").arg(project, zafRefusalText(result.refusal)));
        return ExitRefused;
    }
    QString error;
    if (!writeOutput(output, result.bytes, &error)) {
        printError(command, QStringLiteral("cannot write '%1': %2").arg(output, error));
        return ExitRefused;
    }
    return ExitOk;
}

int loadAndGenerate(const QString &command, const QString &project, const QString &output)
{
    QByteArray document;
    QString readError;
    if (!readWholeFile(project, &document, &readError)) {
        printError(command, QStringLiteral("cannot read '%1': %2").arg(project, readError));
        return ExitRefused;
    }
    // A file that the window would read only in part, or with values it made up, is not
    // the project the user made.
    const ReadProblems problems = checkZafDocument(document);
    if (!problems.isEmpty()) {
        printDamage(command, QStringLiteral("'%1'").arg(project), problems);
        return ExitRefused;
    }
    QBuffer file(&document);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    FontImageList images;
    const ZafProjectError error
        = readZafProject(&file, QFileInfo(project).absolutePath(), newFontScene, &images);
    int status = ExitRefused;
    // The window keeps what it could read; a build from part of a project would not be
    // the project the user made.
    if (!error.sound)
        printError(command,
            QStringLiteral("'%1' is damaged at line %2, column %3: %4")
                .arg(project)
                .arg(error.line)
                .arg(error.column)
                .arg(error.text));
    else
        status = generate(command, project, output, images);
    // Qt deletes a scene whose index was never built in quadratic time.
    QCoreApplication::processEvents();
    return status;
}

} // namespace

int runZaf(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    QString project;
    if (const int status = oneArgument(parser, command, QStringLiteral("project file"), &project);
        status >= 0)
        return status;
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return usageError(command, QStringLiteral("no output file given (-o OUT.ZAF)"));

    const DecoderRemarks remarks;
    const int status = loadAndGenerate(command, project, output);
    if (status == ExitOk)
        remarks.printAsWarnings(command);
    return status;
}
