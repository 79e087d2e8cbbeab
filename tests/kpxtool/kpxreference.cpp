#include "kpxreference.h"

namespace {

int u8(const QByteArray &data, qint64 i)
{
    return static_cast<unsigned char>(data[static_cast<int>(i)]);
}

void be(QByteArray &out, qint64 value, int count)
{
    for (int i = count - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray block(const ReferenceInput &in, const QByteArray &touch, const QByteArray &vars, int p)
{
    QByteArray touchPart;
    int touchCount = 0;
    if (touch.size() >= 3) {
        int pos = 0;
        while (pos < touch.size() - 2) {
            const int page = (u8(touch, pos) & 0x0F) * 256 + u8(touch, pos + 1);
            int len = 16;
            if (touch.size() > pos + 16 && u8(touch, pos + 16) == 0xFE) {
                len = 32;
                if (touch.size() > pos + 32 && u8(touch, pos + 32) == 0xFE) {
                    len = 48;
                    if (touch.size() > pos + 48 && u8(touch, pos + 48) == 0xFE)
                        len = 64;
                }
            }
            if (page == p) {
                touchPart += touch.mid(pos, len);
                ++touchCount;
            }
            pos += len;
        }
    }
    int count = 0;
    QByteArray varPart;
    const qint64 entry = 16 + 4 * static_cast<qint64>(p);
    if (!vars.isEmpty() && entry + 3 < vars.size()) {
        count = u8(vars, entry);
        const qint64 offset
            = (u8(vars, entry + 1) << 16) + (u8(vars, entry + 2) << 8) + u8(vars, entry + 3);
        for (qint64 i = offset; i < offset + 32 * count && i < vars.size(); ++i)
            varPart.append(vars[static_cast<int>(i)]);
    }
    Q_UNUSED(in);
    if (count == 0 && touchCount == 0)
        return QByteArray();
    QByteArray b;
    b.append('\x5A');
    b.append('\xA5');
    be(b, p, 2);
    be(b, count, 2);
    be(b, 32, 2);
    be(b, varPart.size(), 2);
    be(b, touchCount, 2);
    be(b, varPart.size() + 32, 2);
    be(b, touchPart.size(), 2);
    for (int i = 0; i < 6; ++i)
        b.append('\0');
    for (int i = 0; i < 10; ++i)
        b.append('\xFF');
    b += varPart;
    b += touchPart;
    return b.left(16384);
}

} // namespace

QByteArray referenceKpx(const ReferenceInput &in)
{
    const QByteArray touch = in.touchIncluded ? in.touch : QByteArray();
    const QByteArray vars = in.variablesIncluded ? in.variables : QByteArray();
    int highest = -1;
    if (in.variablesIncluded)
        highest = u8(vars, 8) * 256 + u8(vars, 9);
    if (in.touchIncluded) {
        int touchHighest = 0;
        for (int pos = 0; pos + 16 <= touch.size(); pos += 16) {
            if (u8(touch, pos) == 0xFE)
                continue;
            touchHighest = qMax(touchHighest, (u8(touch, pos) & 0x0F) * 256 + u8(touch, pos + 1));
        }
        highest = qMax(highest, touchHighest);
    }

    QByteArray index;
    QByteArray blocks;
    qint64 running = 256;
    if (in.touchIncluded || in.variablesIncluded) {
        int length = 0;
        while (length < 8 * (highest + 1))
            length += 256;
        index = QByteArray(length, '\xFF');
        running += length;
        for (int p = 0; p <= highest; ++p) {
            const QByteArray b = block(in, touch, vars, p);
            if (b.isEmpty())
                continue;
            QByteArray entry;
            entry.append('\x5A');
            be(entry, b.size(), 2);
            be(entry, running, 3);
            entry.append('\xFF');
            entry.append('\xFF');
            index.replace(8 * p, 8, entry);
            running += b.size();
            blocks += b;
        }
    }

    QByteArray h("ORBI_3");
    h.append('\x15');
    h.append("KPX");
    be(h, running, 4);
    be(h, qMax(highest, 0), 2);
    h.append('\x10');
    h.append('\x10');
    h.append(static_cast<char>(in.stamp.date().year() % 100));
    h.append(static_cast<char>(in.stamp.date().month()));
    h.append(static_cast<char>(in.stamp.date().day()));
    h.append(static_cast<char>(in.stamp.time().hour()));
    h.append(static_cast<char>(in.stamp.time().minute()));
    h.append(static_cast<char>(in.stamp.time().second()));
    be(h, in.rpl, 2);
    be(h, in.start, 2);
    if (in.sound == 0) {
        be(h, 0xFFFFFFFF, 4);
    } else if (in.sound == 2) {
        be(h, 0xFEFFFFFF, 4);
    } else {
        be(h, in.zva, 2);
        be(h, in.audio, 2);
    }
    while (h.size() < 256)
        h.append('\xFF');
    return h + index + blocks;
}
