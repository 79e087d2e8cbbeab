#include <cstdio>
#include <memory>

#include <QCommandLineParser>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTextCodec>
#include <QTranslator>

#include "commandline.h"
#include "dumpcommand.h"
#include "hmicommand.h"
#include "jpegcommand.h"
#include "kpxbuilder.h"
#include "kpxcommand.h"
#include "scancommand.h"
#include "zafcommand.h"
#include "zafwriter.h"

namespace {

// Every subcommand of lumo; a new one is one more row here.
const Subcommand subcommands[] = {
    { "kpx", "Build a start-up configuration file (.KPX).", runKpx },
    { "jpeg", "Encode one picture as the icon-font tool stores it.", runJpeg },
    { "scan", "Print the glyph rectangles found in one picture.", runScan },
    { "zaf", "Build the icon-font file (.ZAF) of an icon-font project.", runZaf, true },
    { "hmi", "Build the touch configuration file of a touch project.", runHmi, true },
    { "dump", "Print the fields of a .ZAF, .KPX or touch configuration file.", runDump },
};

const Subcommand *findSubcommand(const QString &name)
{
    for (const Subcommand &subcommand : subcommands) {
        if (name == QLatin1String(subcommand.name))
            return &subcommand;
    }
    return nullptr;
}

QString description()
{
    QString text = QStringLiteral("The Lumo resource tools on the command line.\n\nSubcommands:\n");
    for (const Subcommand &subcommand : subcommands)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(subcommand.name), -8)
                    .arg(QLatin1String(subcommand.summary));
    text += QStringLiteral("\nRun 'lumo SUBCOMMAND --help' for the options of a subcommand.");
    return text;
}

// Only the options of lumo itself: no subcommand word came first.
int runWithoutSubcommand(const QStringList &arguments)
{
    const QString command = QStringLiteral("lumo");
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = addHelp(&parser);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("subcommand"),
        QStringLiteral("The subcommand to run, then its options."),
        QStringLiteral("SUBCOMMAND [options]"));
    if (!parser.parse(arguments))
        return usageError(command, parser.errorText());
    if (parser.isSet(help)) {
        printHelp(parser, QStringLiteral("lumo [--help | --version] SUBCOMMAND [options]"));
        return ExitOk;
    }
    if (parser.isSet(version)) {
        std::fputs(
            qPrintable(QStringLiteral("lumo %1\n").arg(QCoreApplication::applicationVersion())),
            stdout);
        return ExitOk;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(command,
            QStringLiteral("unknown subcommand '%1'")
                .arg(parser.positionalArguments().constFirst()));
    return usageError(command, QStringLiteral("no subcommand given"));
}

// Scenes and pictures need a GUI application; lumo never shows a window, so it needs no
// display either.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    const Subcommand *subcommand
        = argc >= 2 ? findSubcommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (subcommand && subcommand->needsScenes) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's start-up remarks (a missing runtime folder, say) are not lumo's
        // output.
        const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        auto application = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
        return application;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Qt decodes arguments with the locale's encoding and replaces what does not decode (a GBK
// file name unpacked under a UTF-8 locale, say): such a name would open, or write, another
// file. Returns the first such argument as decoded; empty when every one is exact.
QString undecodableArgument(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QFile::encodeName(QFile::decodeName(raw)) != raw)
            return QFile::decodeName(raw);
    }
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMO_VERSION));
    // The format libraries word their refusals in the tools' Chinese; lumo speaks English.
    QTranslator zafWords;
    QTranslator kpxWords;
    if (loadZafWriterCommandLineCatalogue(&zafWords))
        QCoreApplication::installTranslator(&zafWords);
    if (loadKpxBuilderCommandLineCatalogue(&kpxWords))
        QCoreApplication::installTranslator(&kpxWords);

    const QStringList arguments = QCoreApplication::arguments();
    if (const QString argument = undecodableArgument(argc, argv); !argument.isEmpty()) {
        const Subcommand *subcommand = findSubcommand(arguments.value(1));
        printError(subcommand ? QStringLiteral("lumo ") + arguments.at(1) : QStringLiteral("lumo"),
            QStringLiteral("'%1' cannot be represented in this system's character encoding "
                           "(%2): a file of that name could be neither read nor written")
                .arg(argument, QString::fromLatin1(QTextCodec::codecForLocale()->name())));
        return ExitRefused;
    }
    if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1Char('-')))
        return runWithoutSubcommand(arguments);
    const QString name = arguments.at(1);
    const Subcommand *subcommand = findSubcommand(name);
    if (!subcommand)
        return usageError(
            QStringLiteral("lumo"), QStringLiteral("unknown subcommand '%1'").arg(name));
    const QString command = QStringLiteral("lumo ") + name;
    const int status = subcommand->run(command, arguments.mid(2));
    QString error;
    if (!flushStandardOutput(&error)) {
        printError(command, QStringLiteral("cannot write standard output: %1").arg(error));
        return status == ExitOk ? ExitRefused : status;
    }
    return status;
}
