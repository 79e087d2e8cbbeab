#include "scancommand.h"

#include <cstdio>

#include <QCommandLineParser>

#include "commandline.h"
#include "filebytes.h"
#include "glyphscanner.h"
#include "picturecutshort.h"

namespace {

const char usageLine[] = "lumo scan PICTURE";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Finds the glyphs of one picture as the icon-font tool's scan command does: the "
        "picture is decoded in colour, turned grey, smoothed with a 3 x 3 Gaussian blur, "
        "edge-detected (Canny, thresholds 100 and 250) and its external outlines are taken. "
        "Prints one line 'x y w h' per outline in the order found, where w and h are one "
        "less than the outline's pixel extent."));
    parser->addPositionalArgument(QStringLiteral("picture"),
        QStringLiteral("The picture (any kind the image library decodes)."),
        QStringLiteral("PICTURE"));
}

void printRects(const QVector<QRect> &rects)
{
    QByteArray text;
    for (const QRect &rect : rects)
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height())
                    .toLatin1();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
}

} // namespace

int runScan(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    QString source;
    if (const int status = onePicture(parser, command, &source); status >= 0)
        return status;

    QByteArray bytes;
    QString error;
    if (!readWholeFile(source, &bytes, &error)) {
        printError(command, QStringLiteral("cannot read '%1': %2").arg(source, error));
        return ExitRefused;
    }
    if (const QString problem = cutShortProblem(source, bytes); !problem.isEmpty()) {
        printError(command, problem);
        return ExitRefused;
    }
    const ScanResult result = scanPicture(bytes);
    if (!result.error.isEmpty()) {
        printError(command, result.error);
        return ExitRefused;
    }
    if (!result.decoded) {
        printError(command, QStringLiteral("'%1' cannot be decoded as a picture").arg(source));
        return ExitRefused;
    }
    printRects(result.rects);
    return ExitOk;
}
