#include "kpxcommand.h"

#include <limits>

#include <QCommandLineParser>
#include <QDateTime>
#include <QRegularExpression>

#include "commandline.h"
#include "filebytes.h"
#include "kpxbuilder.h"

namespace {

const char usageLine[] = "lumo kpx [--touch FILE] [--var FILE] [--rpl N] [--start N] "
                         "[--sound buzzer|speaker|silent] [--zva N] [--audio N] "
                         "[--time YYYY-MM-DDTHH:MM:SS] -o OUT.KPX";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QStringLiteral(
        "Builds a start-up configuration file (.KPX) from the touch file, the variable file "
        "and the power-on settings. A file option given means that file is included."));
    parser->addOptions({
        { QStringLiteral("touch"), QStringLiteral("Include the touch file <file>."),
            QStringLiteral("file") },
        { QStringLiteral("var"), QStringLiteral("Include the variable file <file>."),
            QStringLiteral("file") },
        { QStringLiteral("rpl"), QStringLiteral("Page file ID, 0 to 65535 (default 32)."),
            QStringLiteral("n"), QStringLiteral("32") },
        { QStringLiteral("start"),
            QStringLiteral("Page shown at power-on, 0 to 65535 (default 0)."), QStringLiteral("n"),
            QStringLiteral("0") },
        { QStringLiteral("sound"),
            QStringLiteral("Sound mode: buzzer, speaker or silent (default speaker)."),
            QStringLiteral("mode"), QStringLiteral("speaker") },
        { QStringLiteral("zva"),
            QStringLiteral("Audio file ID for speaker mode, -1 to 65534 (default 0)."),
            QStringLiteral("n"), QStringLiteral("0") },
        { QStringLiteral("audio"),
            QStringLiteral("Audio ID for speaker mode, 0 to 65535 (default 0)."),
            QStringLiteral("n"), QStringLiteral("0") },
        { QStringLiteral("time"),
            QStringLiteral("Time of generation written to the file, as YYYY-MM-DDTHH:MM:SS. "
                           "Default: SOURCE_DATE_EPOCH (seconds, UTC) when set, else the "
                           "local time now."),
            QStringLiteral("stamp") },
        { { QStringLiteral("o"), QStringLiteral("output") },
            QStringLiteral("Write the file to <file> (required; - for standard output)."),
            QStringLiteral("file") },
    });
}

bool readNumber(const QCommandLineParser &parser, const QString &name, int minimum, int maximum,
    int *value, QString *error)
{
    qint64 number = 0;
    if (!parseDecimal(parser.value(name), minimum, maximum, &number)) {
        *error = QStringLiteral("--%1 takes a decimal integer from %2 to %3, not '%4'")
                     .arg(name)
                     .arg(minimum)
                     .arg(maximum)
                     .arg(parser.value(name));
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}

bool readSettings(const QCommandLineParser &parser, KpxSettings *settings, QString *error)
{
    const QString sound = parser.value(QStringLiteral("sound"));
    if (sound == QLatin1String("buzzer")) {
        settings->sound = KpxSound::Buzzer;
    } else if (sound == QLatin1String("speaker")) {
        settings->sound = KpxSound::Speaker;
    } else if (sound == QLatin1String("silent")) {
        settings->sound = KpxSound::Silent;
    } else {
        *error = QStringLiteral("--sound takes buzzer, speaker or silent, not '%1'").arg(sound);
        return false;
    }
    return readNumber(parser, QStringLiteral("rpl"), 0, 65535, &settings->pageFileId, error)
        && readNumber(parser, QStringLiteral("start"), 0, 65535, &settings->startPageId, error)
        && readNumber(parser, QStringLiteral("zva"), -1, 65534, &settings->audioFileId, error)
        && readNumber(parser, QStringLiteral("audio"), 0, 65535, &settings->audioId, error);
}

// Only the one exact form, so that a stamp never depends on the locale.
QDateTime parseStamp(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("\\A([0-9]{4})-([0-9]{2})-([0-9]{2})T([0-9]{2}):([0-9]{2}):([0-9]{2})\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QDateTime();
    auto field = [&match](int n) { return match.captured(n).toInt(); };
    const QDate date(field(1), field(2), field(3));
    const QTime time(field(4), field(5), field(6));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    // The fields are written as given; a local time would shift them in a daylight-saving gap.
    return QDateTime(date, time, Qt::UTC);
}

bool readStamp(const QCommandLineParser &parser, QDateTime *stamp, QString *error)
{
    if (parser.isSet(QStringLiteral("time"))) {
        *stamp = parseStamp(parser.value(QStringLiteral("time")));
        if (!stamp->isValid()) {
            *error = QStringLiteral("--time takes a date and time as YYYY-MM-DDTHH:MM:SS, not '%1'")
                         .arg(parser.value(QStringLiteral("time")));
            return false;
        }
        return true;
    }
    if (qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH")) {
        const QString seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH");
        qint64 value = 0;
        if (parseDecimal(seconds, 0, std::numeric_limits<qint64>::max(), &value))
            *stamp = QDateTime::fromSecsSinceEpoch(value, Qt::UTC);
        if (!stamp->isValid()) {
            *error = QStringLiteral("SOURCE_DATE_EPOCH must be a number of seconds since "
                                    "1970-01-01T00:00:00Z, not '%1'")
                         .arg(seconds);
            return false;
        }
        return true;
    }
    *stamp = QDateTime::currentDateTime();
    return true;
}

bool readInput(const QString &command, const QString &kind, const QString &path, QByteArray *bytes)
{
    QString error;
    if (readWholeFile(path, bytes, &error))
        return true;
    printError(command, QStringLiteral("cannot read %1 file '%2': %3").arg(kind, path, error));
    return false;
}

} // namespace

int runKpx(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    if (!parser.positionalArguments().isEmpty())
        return usageError(command,
            QStringLiteral("unexpected argument '%1'")
                .arg(parser.positionalArguments().constFirst()));
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return usageError(command, QStringLiteral("no output file given (-o OUT.KPX)"));

    KpxSettings settings;
    QDateTime stamp;
    QString error;
    if (!readSettings(parser, &settings, &error) || !readStamp(parser, &stamp, &error))
        return usageError(command, error);

    KpxSources sources;
    sources.touchIncluded = parser.isSet(QStringLiteral("touch"));
    sources.variablesIncluded = parser.isSet(QStringLiteral("var"));
    const QString touchPath = parser.value(QStringLiteral("touch"));
    const QString variablesPath = parser.value(QStringLiteral("var"));
    if ((sources.touchIncluded
            && !readInput(command, QStringLiteral("touch"), touchPath, &sources.touch))
        || (sources.variablesIncluded
            && !readInput(command, QStringLiteral("variable"), variablesPath, &sources.variables)))
        return ExitRefused;

    const KpxBuild build = buildKpx(sources, settings, stamp);
    if (build.refusal != KpxRefusal::None) {
        printError(command, kpxRefusalText(build, variablesPath, sources.variables.size()));
        return ExitRefused;
    }
    if (!writeOutput(output, build.bytes, &error)) {
        printError(command, QStringLiteral("cannot write '%1': %2").arg(output, error));
        return ExitRefused;
    }
    return ExitOk;
}
