#include "zafwriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

#include "filebytes.h"
#include "inttobytes.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

constexpr int kMaxFonts = 1020;
constexpr int kBlock = 4096;
constexpr int kEntrySize = 12;
constexpr int kLutSize = 256 * kEntrySize;
constexpr qint64 kPictureLimit = qint64(1) << 24;
constexpr int kHeaderLimit = 1 << 16;
constexpr qint64 kFileLimit = qint64(1) << 32;
// Qt 5 byte arrays hold at most about 2 GiB, counting their own header.
constexpr qint64 kLargestArray = std::numeric_limits<int>::max() - 64;

// Big-endian field of `count` bytes; values up to 4 GiB keep their low 32 bits.
QByteArray field(qint64 value, int count)
{
    return intToBytes(static_cast<int>(static_cast<quint32>(value)), count, 0);
}

// Where the preparation of one JPEG inserts and appends bytes. Positions refer to the
// source extended by `narrowPad` zero bytes, as the preparation sees it.
struct JpegPlan
{
    ZafProblem problem = ZafProblem::None;
    int narrowPad = 0;
    int scanStart = 0;
    int scanPad = 0;
    int tailPad = 0;
    qint64 length = 0;
    int headLength() const { return scanStart + scanPad; }
};

JpegPlan planJpeg(const QByteArray &jpeg)
{
    JpegPlan plan;
    const int frame = jpeg.indexOf(QByteArrayLiteral("\xFF\xC0"));
    if (frame < 0) {
        plan.problem = ZafProblem::NoFrameMarker;
        return plan;
    }
    if (frame + 8 >= jpeg.size()) {
        plan.problem = ZafProblem::TruncatedMarker;
        return plan;
    }
    const auto byteAt = [&jpeg](int at) {
        return at < jpeg.size() ? static_cast<unsigned char>(jpeg.at(at)) : 0;
    };
    const int width = byteAt(frame + 7) << 8 | byteAt(frame + 8);
    plan.narrowPad = width <= 47 ? 8 : 0;
    const int size = jpeg.size() + plan.narrowPad;

    const int scan = jpeg.indexOf(QByteArrayLiteral("\xFF\xDA"));
    if (scan < 0) {
        plan.problem = ZafProblem::NoScanMarker;
        return plan;
    }
    if (scan + 3 >= size) {
        plan.problem = ZafProblem::TruncatedMarker;
        return plan;
    }
    plan.scanStart = scan + 2 + (byteAt(scan + 2) << 8 | byteAt(scan + 3));
    // A scan header that ends the picture leaves no picture to decode; the narrow padding
    // is not scan data either.
    if (plan.scanStart >= jpeg.size()) {
        plan.problem = ZafProblem::TruncatedMarker;
        return plan;
    }
    // Scan data stuffs every FF byte, so any FF D9 after the header ends the picture. A whole
    // picture ends with it, so the search from the end stops at once.
    if (jpeg.lastIndexOf(QByteArrayLiteral("\xFF\xD9")) < plan.scanStart) {
        plan.problem = ZafProblem::NoEndMarker;
        return plan;
    }
    // Checked last, so that a picture with more than one fault is named by the first as
    // before. The module, like the file's own reader, takes a JPEG from its first byte.
    if (!jpeg.startsWith(QByteArrayLiteral("\xFF\xD8"))) {
        plan.problem = ZafProblem::NoStartMarker;
        return plan;
    }
    plan.scanPad = (4 - plan.scanStart % 4) % 4;
    const qint64 aligned = qint64(size) + plan.scanPad;
    plan.tailPad = static_cast<int>((4 - aligned % 4) % 4);
    plan.length = aligned + plan.tailPad;
    return plan;
}

// The next FF C4 at or after `from` in the first `size` bytes; -1 when there is none.
// memchr finds the FF bytes far faster than a general substring search.
int findTable(const char *data, int size, int from)
{
    while (from + 1 < size) {
        const void *hit = std::memchr(data + from, 0xFF, size_t(size - 1 - from));
        if (!hit)
            return -1;
        const int at = int(static_cast<const char *>(hit) - data);
        if (static_cast<unsigned char>(data[at + 1]) == 0xC4)
            return at;
        from = at + 1;
    }
    return -1;
}

// The search resumes one byte after each table start over the bytes already rewritten,
// so a rewritten body that happens to contain FF C4 is taken up again.
void scrambleTables(char *data, int size, int key)
{
    int from = 0;
    for (;;) {
        const int table = findTable(data, size, from);
        if (table < 0 || table + 3 >= size)
            return;
        from = table + 1;
        const int length = static_cast<unsigned char>(data[table + 2]) << 8
            | static_cast<unsigned char>(data[table + 3]);
        const int end = std::min(table + 2 + length, size);
        int previous = 0;
        for (int at = table + 4; at < end; ++at) {
            int c = static_cast<unsigned char>(data[at]);
            if (c == 0)
                c = 0xFF;
            const int t = (c * 19 + key) & 0xFF;
            previous = at == table + 4 ? t : t ^ previous;
            data[at] = static_cast<char>(previous);
        }
    }
}

// Appends the prepared form of `jpeg` (planned as `plan`) to `out`.
void appendPrepared(QByteArray *out, const QByteArray &jpeg, const JpegPlan &plan, int key)
{
    const int start = out->size();
    out->append(jpeg);
    out->append(plan.narrowPad, '\0');
    if (key != 0)
        scrambleTables(out->data() + start, out->size() - start, key);
    out->insert(start + plan.scanStart, QByteArray(plan.scanPad, '\xFF'));
    out->append(plan.tailPad, '\0');
}

// Truncated toward zero, then the low 16 bits; values that are not finite store 0.
int low16(qreal value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::fmod(std::trunc(value), 65536.0));
}

QByteArray header(qint64 total, int count)
{
    QByteArray bytes = QByteArrayLiteral("ORBI_3\x17ZAF");
    bytes += field(total, 4);
    bytes += field(count, 2);
    return bytes;
}

QByteArray fontIndex(int count)
{
    QByteArray bytes;
    bytes.reserve(kMaxFonts * 4);
    for (int i = 0; i < kMaxFonts; ++i) {
        if (i < count)
            bytes += '\x5A' + field(qint64(kBlock) * (i + 1), 3);
        else
            bytes += QByteArray(4, '\0');
    }
    return bytes;
}

QByteArray descriptor(const ZafFontInput &font, qint64 filePt, const JpegPlan &plan)
{
    QByteArray bytes(kBlock, '\xFF');
    bytes[0] = '\x5A';
    bytes[1] = static_cast<char>(font.encryptionKey & 0xFF);
    bytes[2] = static_cast<char>(font.filter & 0xFF);
    bytes.replace(3, 4, field(filePt, 4));
    bytes.replace(7, 3, field(plan.length, 3));
    bytes.replace(10, 2, field(plan.headLength(), 2));
    bytes.replace(16, kLutSize, getLut(font.chars));
    return bytes;
}

ZafRefusal refusal(ZafProblem problem, const ZafFontInput &font, qint64 value = 0)
{
    ZafRefusal result;
    result.problem = problem;
    result.number = font.number;
    result.file = font.file;
    result.value = value;
    return result;
}

// The picture of `font`: its bytes, or the file read now. False with the reason when it
// cannot be read.
bool pictureOf(const ZafFontInput &font, QByteArray *jpeg, QString *error)
{
    if (!font.pictureInFile) {
        *jpeg = font.jpeg;
        *error = font.readError;
        return !font.readFailed;
    }
    return readWholeFile(font.file, jpeg, error);
}

bool samePlan(const JpegPlan &a, const JpegPlan &b)
{
    return a.problem == b.problem && a.narrowPad == b.narrowPad && a.scanStart == b.scanStart
        && a.scanPad == b.scanPad && a.tailPad == b.tailPad && a.length == b.length;
}

ZafRefusal unreadable(const ZafFontInput &font, const QString &detail)
{
    ZafRefusal result = refusal(ZafProblem::Unreadable, font);
    result.detail = detail;
    return result;
}

// The first problem of `font` once it is placed after `*running` bytes, which it advances.
ZafRefusal checkFont(const ZafFontInput &font, const JpegPlan &plan, qint64 *running)
{
    if (plan.problem != ZafProblem::None)
        return refusal(plan.problem, font);
    if (plan.length >= kPictureLimit)
        return refusal(ZafProblem::PictureTooLarge, font, plan.length);
    if (plan.headLength() >= kHeaderLimit)
        return refusal(ZafProblem::HeaderTooLarge, font, plan.headLength());
    *running += plan.length;
    if (*running >= kFileLimit)
        return refusal(ZafProblem::FileTooLarge, font, *running);
    return {};
}

QVector<int> fontOrder(const QVector<ZafFontInput> &fonts)
{
    QVector<int> order(fonts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&fonts](int a, int b) { return fonts[a].number < fonts[b].number; });
    return order;
}

} // namespace

namespace {

// The words of a problem with one picture, without the font image it belongs to.
QString pictureProblemText(const ZafRefusal &refusal)
{
    switch (refusal.problem) {
    case ZafProblem::Unreadable:
        return QCoreApplication::translate("ZafWriter", "无法读取图片：%1").arg(refusal.detail);
    case ZafProblem::NoFrameMarker:
        return QCoreApplication::translate(
            "ZafWriter", "缺少基线帧标记 FF C0（渐进式或损坏的JPEG图片）");
    case ZafProblem::NoScanMarker:
        return QCoreApplication::translate("ZafWriter", "缺少扫描开始标记 FF DA（损坏的JPEG图片）");
    case ZafProblem::TruncatedMarker:
        return QCoreApplication::translate("ZafWriter", "标记超出图片末尾（损坏的JPEG图片）");
    case ZafProblem::NoEndMarker:
        return QCoreApplication::translate(
            "ZafWriter", "扫描数据后缺少图片结束标记 FF D9（JPEG图片不完整）");
    case ZafProblem::NoStartMarker:
        return QCoreApplication::translate(
            "ZafWriter", "不以JPEG图片开始标记 FF D8 开头（不是JPEG图片或已损坏）");
    case ZafProblem::PictureTooLarge:
        return QCoreApplication::translate("ZafWriter", "处理后的图片有%1字节，必须小于16 MiB")
            .arg(refusal.value);
    case ZafProblem::HeaderTooLarge:
        return QCoreApplication::translate("ZafWriter", "扫描数据从第%1字节开始，必须小于64 KiB")
            .arg(refusal.value);
    case ZafProblem::FileTooLarge:
        return QCoreApplication::translate("ZafWriter", "文件达到%1字节，必须小于4 GiB")
            .arg(refusal.value);
    default:
        return QString();
    }
}

} // namespace

QString zafRefusalText(const ZafRefusal &refusal)
{
    switch (refusal.problem) {
    case ZafProblem::None:
        return QString();
    case ZafProblem::NoFontImages:
        return QCoreApplication::translate("ZafWriter", "未选择图片");
    case ZafProblem::TooManyFontImages:
        return QCoreApplication::translate(
            "ZafWriter", "共有%1张图片，ZAF文件最多容纳1020张（从第%2张图片起放不下）")
            .arg(refusal.value)
            .arg(refusal.number);
    case ZafProblem::TooLargeForMemory:
        return QCoreApplication::translate("ZafWriter", "文件将有%1字节，超出内存中能生成的大小")
            .arg(refusal.value);
    default:
        break;
    }
    return QCoreApplication::translate("ZafWriter", "第%1张图片（%2）：")
               .arg(refusal.number)
               .arg(refusal.file)
        + pictureProblemText(refusal);
}

QString zafJpegProblemText(ZafProblem problem)
{
    ZafRefusal refusal;
    refusal.problem = problem;
    return pictureProblemText(refusal);
}

ZafProblem jpegMarkerProblem(const QByteArray &jpeg)
{
    return planJpeg(jpeg).problem;
}

bool loadZafWriterCommandLineCatalogue(QTranslator *translator)
{
    Q_INIT_RESOURCE(zaf_format_lumo);
    return translator->load(QStringLiteral(":/lumo/zafwriter_en.qm"));
}

PreparedJpeg getJpg(const QByteArray &jpeg, qint64 nStart, int scrambleKey)
{
    PreparedJpeg prepared;
    prepared.filePt = nStart;
    const JpegPlan plan = planJpeg(jpeg);
    prepared.problem = plan.problem;
    if (plan.problem != ZafProblem::None)
        return prepared;

    QByteArray bytes;
    bytes.reserve(static_cast<int>(plan.length));
    appendPrepared(&bytes, jpeg, plan, scrambleKey & 0xFF);

    prepared.bytes = bytes;
    prepared.fileLen = bytes.size();
    prepared.fileHeadLen = plan.headLength();
    return prepared;
}

QByteArray getLut(const QVector<ZafChar> &chars)
{
    QByteArray table(kLutSize, '\xFF');
    for (const ZafChar &c : chars) {
        if (c.asc < 0 || c.asc > 255)
            continue;
        const qreal fields[] = { c.x, c.y, c.width, c.height, c.rcX, c.rcY };
        char *entry = table.data() + c.asc * kEntrySize;
        for (qreal value : fields) {
            const int field = low16(value);
            *entry++ = static_cast<char>((field >> 8) & 0xFF);
            *entry++ = static_cast<char>(field & 0xFF);
        }
    }
    return table;
}

bool readZafPicture(ZafFontInput *input)
{
    input->readFailed = !readWholeFile(input->file, &input->jpeg, &input->readError);
    if (input->readFailed)
        input->jpeg.clear();
    return !input->readFailed;
}

ZafResult buildZaf(const QVector<ZafFontInput> &fonts, const ZafProgress &progress)
{
    ZafResult result;
    const QVector<int> order = fontOrder(fonts);
    if (fonts.isEmpty()) {
        result.refusal.problem = ZafProblem::NoFontImages;
        return result;
    }
    if (fonts.size() > kMaxFonts) {
        result.refusal
            = refusal(ZafProblem::TooManyFontImages, fonts[order[kMaxFonts]], fonts.size());
        return result;
    }

    const int count = fonts.size();
    QVector<JpegPlan> plans;
    plans.reserve(count);
    qint64 total = qint64(count + 1) * kBlock;
    const int steps = 2 * count;
    for (int index : order) {
        if (progress)
            progress(plans.size(), steps, fonts[index].file);
        QByteArray jpeg;
        QString error;
        if (!pictureOf(fonts[index], &jpeg, &error)) {
            result.refusal = unreadable(fonts[index], error);
            return result;
        }
        plans.append(planJpeg(jpeg));
        result.refusal = checkFont(fonts[index], plans.last(), &total);
        if (!result.ok())
            return result;
    }
    if (total > kLargestArray) {
        result.refusal.problem = ZafProblem::TooLargeForMemory;
        result.refusal.value = total;
        return result;
    }

    QByteArray bytes;
    bytes.reserve(static_cast<int>(total));
    bytes += header(total, count);
    bytes += fontIndex(count);
    qint64 filePt = qint64(count + 1) * kBlock;
    for (int i = 0; i < count; ++i) {
        bytes += descriptor(fonts[order[i]], filePt, plans[i]);
        filePt += plans[i].length;
    }
    for (int i = 0; i < count; ++i) {
        const ZafFontInput &font = fonts[order[i]];
        if (progress)
            progress(count + i, steps, font.file);
        QByteArray jpeg;
        QString error;
        if (!pictureOf(font, &jpeg, &error) || !samePlan(planJpeg(jpeg), plans[i])) {
            result.refusal = unreadable(font,
                error.isEmpty() ? QStringLiteral("the picture changed while the file was built")
                                : error);
            return result;
        }
        appendPrepared(&bytes, jpeg, plans[i], font.encryptionKey & 0xFF);
    }
    result.bytes = bytes;
    return result;
}
