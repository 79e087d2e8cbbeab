#include "jpegcommand.h"

#include <cstdio>

#include <QBuffer>
#include <QCommandLineParser>
#include <QImageReader>
#include <QTemporaryDir>

#include "commandline.h"
#include "filebytes.h"
#include "glyphencoder.h"
#include "picturelimit.h"
#include "signalcleanup.h"
#include "zafwriter.h"

namespace {

const char usageLine[] = "lumo jpeg PICTURE -o OUT.jpg";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Encodes one picture as the icon-font tool stores it. A jpg or jpeg picture is copied "
        "unchanged; a bmp, gif, png or ico picture is flattened onto white and encoded as a "
        "baseline JPEG, lowering the quality from 100 until the file is at most 255999 bytes "
        "or the quality is 50. Prints the quality used, or 'copied'."));
    parser->addPositionalArgument(QStringLiteral("picture"),
        QStringLiteral("The picture (bmp, gif, png, ico, jpg or jpeg)."),
        QStringLiteral("PICTURE"));
    parser->addOption({ { QStringLiteral("o"), QStringLiteral("output") },
        QStringLiteral("Write the JPEG to <file> (required; - for standard output, the quality "
                       "then\ngoes to standard error)."),
        QStringLiteral("file") });
}

// What makes `jpeg` no whole JPEG: empty, not starting with FF D8, or cut short. A
// progressive picture is a whole JPEG and is copied as the icon-font tool stores it,
// though the icon-font file cannot take it.
ZafProblem damage(const QByteArray &jpeg)
{
    if (!jpeg.startsWith(QByteArrayLiteral("\xFF\xD8")))
        return ZafProblem::NoStartMarker;
    const ZafProblem problem = jpegMarkerProblem(jpeg);
    return problem == ZafProblem::NoFrameMarker ? ZafProblem::None : problem;
}

int copyJpeg(const QString &command, const QString &source, const QString &output)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(source, &bytes, &error)) {
        printError(command, QStringLiteral("cannot read '%1': %2").arg(source, error));
        return ExitRefused;
    }
    QBuffer header(&bytes);
    header.open(QIODevice::ReadOnly);
    if (const QString problem = fileSizeProblem(source, QImageReader(&header).size());
        !problem.isEmpty()) {
        printError(command, problem);
        return ExitRefused;
    }
    if (const ZafProblem problem = damage(bytes); problem != ZafProblem::None) {
        printError(command,
            QStringLiteral("'%1' is refused: %2").arg(source, zafJpegProblemText(problem)));
        return ExitRefused;
    }
    if (!writeOutput(output, bytes, &error)) {
        printError(command, QStringLiteral("cannot write '%1': %2").arg(output, error));
        return ExitRefused;
    }
    // With the picture on standard output, the verdict goes beside it.
    std::fputs("copied\n", output == QLatin1String("-") ? stderr : stdout);
    return ExitOk;
}

int convert(const QString &command, const QString &source, const QString &output)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        printError(command,
            QStringLiteral("cannot make a temporary folder: %1").arg(folder.errorString()));
        return ExitRefused;
    }
    const QString bmpName = QStringLiteral("temp.bmp");
    const QString jpegName = QStringLiteral("out.jpg");
    const RemovedOnSignal stopped(folder.path(), { bmpName, jpegName });
    const bool toStandardOutput = output == QLatin1String("-");
    const QString target = toStandardOutput ? folder.filePath(jpegName) : output;
    const GlyphResult result = convertPicture(source, folder.filePath(bmpName), target);
    if (!result.stored()) {
        printError(command, result.error);
        return ExitRefused;
    }
    if (toStandardOutput) {
        QByteArray bytes;
        QString error;
        if (!readWholeFile(target, &bytes, &error) || !writeOutput(output, bytes, &error)) {
            printError(command, QStringLiteral("cannot write '-': %1").arg(error));
            return ExitRefused;
        }
    }
    std::fputs(
        qPrintable(result.qualityText() + QLatin1Char('\n')), toStandardOutput ? stderr : stdout);
    return ExitOk;
}

} // namespace

int runJpeg(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    QString source;
    if (const int status = onePicture(parser, command, &source); status >= 0)
        return status;
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return usageError(command, QStringLiteral("no output file given (-o OUT.jpg)"));

    const PictureKind kind = pictureKind(source);
    if (kind != PictureKind::Refused) {
        const DecoderRemarks remarks;
        const int status = kind == PictureKind::Copied ? copyJpeg(command, source, output)
                                                       : convert(command, source, output);
        if (status == ExitOk)
            remarks.printAsWarnings(command);
        return status;
    }
    printError(command,
        QStringLiteral("'%1' is refused: only bmp, gif, png, ico, jpg and jpeg pictures are "
                       "accepted")
            .arg(source));
    return ExitRefused;
}
