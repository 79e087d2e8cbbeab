#include "dumpcommand.h"

#include <cstdio>

#include <QCommandLineParser>

#include "commandline.h"
#include "filebytes.h"
#include "kpxdump.h"
#include "touchdump.h"
#include "zafdump.h"

namespace {

const char usageLine[] = "lumo dump FILE [--as zaf|kpx|hmi]";

// Wrapped by hand: the parser prints the description as it stands.
const char description[]
    = "Prints the fields of an icon-font file (.ZAF), a start-up configuration file\n"
      "(.KPX) or a touch configuration file (HmiConfig.bin), one per line, in file\n"
      "order.\n"
      "\n"
      "Recognition, by content: a file starting with \"ORBI_3\" 0x17 \"ZAF\" is an\n"
      "icon-font file, one starting with \"ORBI_3\" 0x15 \"KPX\" a start-up configuration\n"
      "file. A touch configuration file has no identification: it is recognised when\n"
      "it is whole 16-byte records followed by the end mark FF FF, no record starts\n"
      "with 0xFF and every area spans at most 32768 pixels each way (modulo 65536).\n"
      "--as reads the file as the given format whatever it holds; a damaged touch\n"
      "configuration file needs it.\n"
      "\n"
      "Output: the first line is 'format zaf', 'format kpx' or 'format hmi', then one\n"
      "line 'name value' per field. Names are dotted, indices in brackets; sizes,\n"
      "offsets, counts and coordinates are decimal, marks, keys and codes hex (0x41).\n"
      "\n"
      "zaf: header.magic, header.id, header.type, header.size, header.fonts;\n"
      "index[I].descriptor per font; per font font[I].secury, .filter,\n"
      ".picture.offset, .picture.length, .picture.scan, .chars (the number of defined\n"
      "characters), then one line 'font[I].char[0xKK] x= y= w= h= rc_x= rc_y=' per\n"
      "defined character, values as stored (unsigned 16-bit).\n"
      "\n"
      "kpx: header.magic, header.id, header.type, header.size, header.highest_page,\n"
      "header.fixed, header.time (YY-MM-DDTHH:MM:SS as stored), header.rpl,\n"
      "header.start_page, header.sound (buzzer, silent, or speaker followed by\n"
      "header.zva (signed: FF FF is -1) and header.audio); index.size; index[P].length\n"
      "and index[P].offset per page with a block; per block page[P].variable_records,\n"
      ".variable_offset, .variable_bytes, .touch_records, .touch_offset, .touch_bytes.\n"
      "\n"
      "hmi: one line 'record[I] page= left= top= right= bottom= picNum= catoonNum=\n"
      "commond=0xCCCC' per record, picNum and catoonNum signed as the touch tool reads\n"
      "them back, the others unsigned; then 'records N' and 'end_mark.offset N'.\n"
      "\n"
      "A damaged file is printed as far as it is sound; then 'error at offset N: ...'\n"
      "on standard error names the first inconsistency, and the exit status is 1.\n"
      "Content of none of the three formats also exits with 1.";

void addOptions(QCommandLineParser *parser)
{
    parser->setApplicationDescription(QLatin1String(description));
    parser->addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("The file to print."), QStringLiteral("FILE"));
    parser->addOption({ QStringLiteral("as"),
        QStringLiteral("Read the file as <format>: zaf, kpx or hmi (default: recognised by "
                       "content)."),
        QStringLiteral("format") });
}

// The format named by --as or recognised in `bytes`; empty when there is none.
QString formatOf(const QByteArray &bytes)
{
    if (isZafFile(bytes))
        return QStringLiteral("zaf");
    if (isKpxFile(bytes))
        return QStringLiteral("kpx");
    if (looksLikeTouchFile(bytes))
        return QStringLiteral("hmi");
    return QString();
}

// Each line is printed as the decoder finds it: a file of a million records is not held
// twice more as text.
void printLine(const QString &line)
{
    QByteArray text = line.toUtf8();
    text += '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
}

FileDump decode(const QString &format, const QByteArray &bytes)
{
    if (format == QLatin1String("zaf"))
        return dumpZaf(bytes, printLine);
    if (format == QLatin1String("kpx"))
        return dumpKpx(bytes, printLine);
    return dumpTouchFile(bytes, printLine);
}

} // namespace

int runDump(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    const int parsed = parseSubcommand(parser, command, arguments, QLatin1String(usageLine));
    if (parsed >= 0)
        return parsed;
    QString file;
    if (const int status = oneArgument(parser, command, QStringLiteral("file"), &file); status >= 0)
        return status;
    QString format = parser.value(QStringLiteral("as"));
    if (parser.isSet(QStringLiteral("as"))
        && !QStringList({ QStringLiteral("zaf"), QStringLiteral("kpx"), QStringLiteral("hmi") })
                .contains(format))
        return usageError(
            command, QStringLiteral("--as takes zaf, kpx or hmi, not '%1'").arg(format));

    QByteArray bytes;
    QString error;
    if (!readWholeFile(file, &bytes, &error)) {
        printError(command, QStringLiteral("cannot read '%1': %2").arg(file, error));
        return ExitRefused;
    }
    if (format.isEmpty())
        format = formatOf(bytes);
    if (format.isEmpty()) {
        printError(command,
            QStringLiteral("'%1' is neither an icon-font file (.ZAF), a start-up configuration "
                           "file (.KPX) nor a touch configuration file; --as hmi reads a "
                           "damaged touch configuration file")
                .arg(file));
        return ExitRefused;
    }
    const FileDump dump = decode(format, bytes);
    if (dump.sound())
        return ExitOk;
    std::fflush(stdout);
    printError(command,
        QStringLiteral("'%1': error at offset %2: %3")
            .arg(file, QString::number(dump.errorOffset), dump.error));
    return ExitRefused;
}
