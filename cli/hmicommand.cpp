#include "hmicommand.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "commandline.h"
#include "damagereport.h"
#include "filebytes.h"
#include "touchhmi.h"
#include "touchprojectcheck.h"

namespace {

const char usageLine[] = "lumo hmi PROJECT.hmi -o HmiConfig.bin";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Loads a touch project file (LMprj.hmi) and writes its touch configuration file: one "
        "16-byte record per touch area (page, left, top, right, bottom, jump page, animation "
        "page, command; big-endian), pages in ascending order, the topmost area of a page "
        "first, then the end mark FF FF. The page pictures need not exist."));
    parser->addPositionalArgument(QStringLiteral("project"),
        QStringLiteral("The touch project file."), QStringLiteral("PROJECT.hmi"));
    parser->addOption({ { QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("Write the file to <file> (required; - for standard output)."),
        QStringLiteral("file") });
}

int writeConfig(const QString &command, const QString &project, const QString &output)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(project, &bytes, &error)) {
        printError(
            command, QStringLiteral("cannot read project file '%1': %2").arg(project, error));
        return ExitRefused;
    }
    // Areas the touch tool would read only in part, or with values it made up, are not the
    // project the user made.
    const ReadProblems problems = checkTouchDocument(bytes);
    if (!problems.isEmpty()) {
        printDamage(command, QStringLiteral("project file '%1'").arg(project), problems);
        return ExitRefused;
    }
    const HmiConfigBuild build = buildHmiConfig(bytes, QFileInfo(project).absolutePath());
    switch (build.problem) {
    case HmiConfigBuild::Damaged:
        printError(command,
            QStringLiteral("project file '%1' is damaged at line %2, column %3: %4")
                .arg(project)
                .arg(build.line)
                .arg(build.column)
                .arg(build.error));
        return ExitRefused;
    case HmiConfigBuild::NoPages:
        printError(command,
            QStringLiteral("project file '%1' has no pages; no touch configuration file is "
                           "written")
                .arg(project));
        return ExitRefused;
    case HmiConfigBuild::PageOutOfRange:
        printError(command,
            QStringLiteral("project file '%1': %2 No touch configuration file is written.")
                .arg(project, touchPageRefusalText(build.pages)));
        return ExitRefused;
    case HmiConfigBuild::None:
        break;
    }
    if (!writeOutput(output, build.bytes, &error)) {
        printError(command, QStringLiteral("cannot write '%1': %2").arg(output, error));
        return ExitRefused;
    }
    return ExitOk;
}

} // namespace

int runHmi(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(command, QStringLiteral("no project file given"));
    if (positional.size() > 1)
        return usageError(
            command, QStringLiteral("unexpected argument '%1'").arg(positional.at(1)));
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return usageError(command, QStringLiteral("no output file given (-o HmiConfig.bin)"));
    return writeConfig(command, positional.constFirst(), output);
}
