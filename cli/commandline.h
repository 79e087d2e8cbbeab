#pragma once

#include <QString>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

enum ExitStatus {
    ExitOk = 0,
    ExitRefused = 1, // the input was refused or a file could not be read or written
    ExitUsage = 2,
};

// A subcommand gets its name as the user sees it ("lumo kpx") and the arguments after it.
using SubcommandMain = int (*)(const QString &command, const QStringList &arguments);

struct Subcommand
{
    const char *name;
    const char *summary;
    SubcommandMain run;
    // The subcommand builds drawing scenes, which need a (window-less) GUI application.
    bool needsScenes = false;
};

// "command: message" on standard error.
void printError(const QString &command, const QString &message);

// Prints the message and a hint at --help; returns ExitUsage.
int usageError(const QString &command, const QString &message);

// The parser's help with `usage` as its usage line, on standard output.
void printHelp(const QCommandLineParser &parser, const QString &usage);

// -h and --help. The parser's own help option also brings --help-all, which offers Qt's
// options: they mean nothing to lumo.
QCommandLineOption addHelp(QCommandLineParser *parser);

// Parses `arguments` (without the program name) and answers --help. Returns -1 when the
// subcommand should go on, otherwise the exit status to end with.
int parseSubcommand(QCommandLineParser &parser, const QString &command,
    const QStringList &arguments, const QString &usage);

// The one file a subcommand takes as its argument, into `value`; `what` names it in the
// usage error ("picture"). Returns -1 when there is exactly one, otherwise the usage
// error's exit status.
int oneArgument(
    const QCommandLineParser &parser, const QString &command, const QString &what, QString *value);
inline int onePicture(const QCommandLineParser &parser, const QString &command, QString *picture)
{
    return oneArgument(parser, command, QStringLiteral("picture"), picture);
}

// While it lives, keeps the format code's debug lines (meant for the windowed tools' debug
// output) away from a script reading lumo's output, and holds back what the picture
// decoders remark ("Corrupt JPEG data: ..."): such a line names no file, and before a
// refusal it would only blur the command's own message. A command that succeeds prints
// them as its warnings; one that refuses drops them. One at a time.
class DecoderRemarks
{
public:
    DecoderRemarks();
    ~DecoderRemarks();
    DecoderRemarks(const DecoderRemarks &) = delete;
    DecoderRemarks &operator=(const DecoderRemarks &) = delete;
    // "command: warning: remark" on standard error, each different remark once.
    void printAsWarnings(const QString &command) const;
};

// Writes a subcommand's output file whole: "-" is standard output, any other name goes
// through writeWholeFile. On failure returns false with the system's reason in `error`.
bool writeOutput(const QString &output, const QByteArray &bytes, QString *error);

// Pushes out what is buffered for standard output. False, with the system's reason, when
// any of it could not be written (a full disk, a closed pipe): that is a failure too.
bool flushStandardOutput(QString *error);

// A decimal integer from `minimum` to `maximum`, nothing else: no sign other than a
// leading minus, no spaces, no other base.
bool parseDecimal(const QString &text, qint64 minimum, qint64 maximum, qint64 *value);
