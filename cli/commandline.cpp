#include "commandline.h"

#include "filebytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QCommandLineParser>
#include <QRegularExpression>

void printError(const QString &command, const QString &message)
{
    std::fputs(qPrintable(command + QStringLiteral(": ") + message + QLatin1Char('\n')), stderr);
}

int usageError(const QString &command, const QString &message)
{
    printError(command, message);
    std::fputs(
        qPrintable(QStringLiteral("Try '%1 --help' for more information.\n").arg(command)), stderr);
    return ExitUsage;
}

void printHelp(const QCommandLineParser &parser, const QString &usage)
{
    // The parser names the program as it was started; a subcommand wants its own name.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: ") + usage);
    std::fputs(qPrintable(text), stdout);
}

QCommandLineOption addHelp(QCommandLineParser *parser)
{
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Displays this help."));
    parser->addOption(help);
    return help;
}

int parseSubcommand(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &usage)
{
    const QCommandLineOption help = addHelp(&parser);
    if (!parser.parse(QStringList(command) + arguments))
        return usageError(command, parser.errorText());
    if (parser.isSet(help)) {
        printHelp(parser, usage);
        return ExitOk;
    }
    return -1;
}

bool writeOutput(const QString &output, const QByteArray &bytes, QString *error)
{
    if (output != QLatin1String("-"))
        return writeWholeFile(output, bytes, error);
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
        || std::fflush(stdout) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool flushStandardOutput(QString *error)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    *error = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    return false;
}

bool parseDecimal(const QString &text, qint64 minimum, qint64 maximum, qint64 *value)
{
    static const QRegularExpression decimal(QStringLiteral("\\A-?[0-9]{1,18}\\z"));
    if (!decimal.match(text).hasMatch())
        return false;
    const qint64 number = text.toLongLong();
    if (number < minimum || number > maximum)
        return false;
    *value = number;
    return true;
}

int oneArgument(
    const QCommandLineParser &parser, const QString &command, const QString &what, QString *value)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(command, QStringLiteral("no %1 given").arg(what));
    if (positional.size() > 1)
        return usageError(
            command, QStringLiteral("unexpected argument '%1'").arg(positional.at(1)));
    *value = positional.constFirst();
    return -1;
}

namespace {

QStringList heldRemarks;
QtMessageHandler previousHandler = nullptr;

void holdRemark(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The program ends right after a fatal message: it cannot wait.
    if (type == QtFatalMsg)
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    else if (type != QtDebugMsg && !heldRemarks.contains(message))
        heldRemarks.append(message);
}

} // namespace

DecoderRemarks::DecoderRemarks()
{
    heldRemarks.clear();
    previousHandler = qInstallMessageHandler(holdRemark);
}

DecoderRemarks::~DecoderRemarks()
{
    qInstallMessageHandler(previousHandler);
}

void DecoderRemarks::printAsWarnings(const QString &command) const
{
    for (const QString &remark : qAsConst(heldRemarks))
        printError(command, QStringLiteral("warning: ") + remark);
}
