#pragma once

#include <functional>

#include <QByteArray>
#include <QString>
#include <QVector>

class QTranslator;

// One character of a font image as its scene holds it: key, scene position (the
// rectangle's top-left corner in picture pixels), size, and rotation centre relative to
// that corner. Values are the items' own floating-point values.
struct ZafChar
{
    int asc = 0;
    qreal x = 0;
    qreal y = 0;
    qreal width = 0;
    qreal height = 0;
    qreal rcX = 0;
    qreal rcY = 0;
};

// Why an icon-font file cannot be written.
enum class ZafProblem {
    None,
    NoFontImages, // the project has no font image
    TooManyFontImages, // more than 1020; `value` is the count
    Unreadable, // the picture file cannot be read; `detail` is the system's reason
    NoFrameMarker, // no FF C0 (baseline start-of-frame), e.g. a progressive JPEG
    NoScanMarker, // no FF DA (start-of-scan)
    TruncatedMarker, // a marker's fields or the scan header reach the end of the picture
    NoEndMarker, // no FF D9 (end of picture) after the scan header: the picture was cut short
    NoStartMarker, // the picture does not start with FF D8 (start of image)
    PictureTooLarge, // prepared picture of 16 MiB or more; `value` is its length
    HeaderTooLarge, // scan data starting at 64 KiB or later; `value` is the offset
    FileTooLarge, // total file of 4 GiB or more; `value` is the total so far
    TooLargeForMemory, // below 4 GiB but more than one in-memory byte array holds
};

// A refusal names the font image (its number and picture file) where it arose; `number`
// is -1 when the problem concerns the project as a whole.
struct ZafRefusal
{
    ZafProblem problem = ZafProblem::None;
    int number = -1;
    QString file;
    qint64 value = 0;
    QString detail;
};

// The wording of a refusal, translated in the context "ZafWriter"; the file is named as
// `refusal.file` has it. The untranslated text is the icon-font tool's Chinese.
QString zafRefusalText(const ZafRefusal &refusal);

// The words of a marker problem of one picture, as in zafRefusalText without the font image.
QString zafJpegProblemText(ZafProblem problem);

// The first marker problem the writer would find in `jpeg` (None for a picture it takes).
ZafProblem jpegMarkerProblem(const QByteArray &jpeg);

// Loads into `translator` the English that the command line prints for these refusals
// (the windows' English catalogues word them in their own way).
bool loadZafWriterCommandLineCatalogue(QTranslator *translator);

// One font image's prepared JPEG and the descriptor fields that locate it.
struct PreparedJpeg
{
    ZafProblem problem = ZafProblem::None; // only marker problems; sizes are not judged here
    QByteArray bytes;
    qint64 filePt = 0; // the offset passed in
    qint64 fileLen = 0; // length of `bytes`, a multiple of 4
    int fileHeadLen = 0; // offset of the first scan-data byte, a multiple of 4
};

// Prepares one JPEG for the file at offset `nStart`: a picture 47 pixels wide or less gets
// 8 zero bytes at its end, a non-zero key (low 8 bits of `scrambleKey`) scrambles every
// Huffman table body, 0xFF bytes align the scan data and 0x00 bytes the length to 4.
PreparedJpeg getJpg(const QByteArray &jpeg, qint64 nStart, int scrambleKey);

// The 3072-byte character table: entry k at 12 × k for key k, six 16-bit big-endian fields
// (x, y, width, height, rc_x, rc_y) truncated toward zero; unused entries stay 0xFF. Keys
// outside 0 … 255 are left out; of two characters with one key the later one wins.
QByteArray getLut(const QVector<ZafChar> &chars);

// What the writer needs of one font image.
struct ZafFontInput
{
    int number = 0;
    int encryptionKey = 1;
    int filter = 32;
    QString file; // its JPEG in the picture folder, named in refusals
    QByteArray jpeg;
    bool readFailed = false;
    QString readError;
    // The writer reads `file` itself instead of taking `jpeg`, once to place the picture
    // and once to copy it, so that only one picture is held besides the file being built.
    bool pictureInFile = false;
    QVector<ZafChar> chars;
};

// Fills `input->jpeg` from `input->file`, or sets `readFailed` and `readError`.
bool readZafPicture(ZafFontInput *input);

struct ZafResult
{
    QByteArray bytes; // the whole file; empty when refused
    ZafRefusal refusal;
    bool ok() const { return refusal.problem == ZafProblem::None; }
};

// Told before each font's picture is read: `done` of `total` steps, the picture's file.
// Pictures read from their files are read twice (to place them, then to copy them).
using ZafProgress = std::function<void(int done, int total, const QString &file)>;

// The whole icon-font file for `fonts`, placed in ascending font number. Every limit is
// checked before any byte is produced; the first problem found in font order is returned.
ZafResult buildZaf(const QVector<ZafFontInput> &fonts, const ZafProgress &progress = {});
