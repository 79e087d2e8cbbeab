#include "crowdedtag.h"

#include <cstring>

namespace {

qsizetype skipPast(const QByteArray &document, qsizetype from, const char *end)
{
    const qsizetype at = document.indexOf(end, from);
    return at < 0 ? document.size() : at + qsizetype(qstrlen(end));
}

// The number of attributes of the start tag at `from` ('<'), counted by their '=' outside
// quoted values; `next` is set past the tag.
int countAttributes(const QByteArray &document, qsizetype from, qsizetype *next)
{
    int count = 0;
    qsizetype i = from + 1;
    while (i < document.size() && document.at(i) != '>') {
        const char c = document.at(i);
        if (c == '"' || c == '\'') {
            const qsizetype close = document.indexOf(c, i + 1);
            i = close < 0 ? document.size() : close + 1;
            continue;
        }
        if (c == '=')
            ++count;
        ++i;
    }
    *next = i;
    return count;
}

bool startsAt(const QByteArray &document, qsizetype at, const char *text)
{
    const qsizetype length = qsizetype(qstrlen(text));
    return at + length <= document.size() && memcmp(document.constData() + at, text, length) == 0;
}

// Past the comment, character data or processing instruction at `at`; -1 for a tag.
qsizetype skipMarkup(const QByteArray &document, qsizetype at)
{
    if (startsAt(document, at, "<!--"))
        return skipPast(document, at + 4, "-->");
    if (startsAt(document, at, "<![CDATA["))
        return skipPast(document, at + 9, "]]>");
    if (startsAt(document, at, "<?"))
        return skipPast(document, at + 2, "?>");
    return -1;
}

void placeOf(const QByteArray &document, CrowdedTag *tag)
{
    tag->line = 1;
    tag->column = 1;
    for (qsizetype i = 0; i < tag->offset; ++i) {
        const uchar c = uchar(document.at(i));
        if (c == '\n') {
            ++tag->line;
            tag->column = 1;
        } else if ((c & 0xC0) != 0x80) { // a UTF-8 continuation byte is no character of its own
            ++tag->column;
        }
    }
}

} // namespace

QString CrowdedTag::text() const
{
    return QStringLiteral("an element with more than %1 attributes").arg(MaxAttributes);
}

CrowdedTag findCrowdedTag(const QByteArray &document)
{
    CrowdedTag tag;
    qsizetype i = document.indexOf('<');
    while (i >= 0 && i < document.size()) {
        qsizetype next = skipMarkup(document, i);
        if (next < 0) {
            if (countAttributes(document, i, &next) > MaxAttributes) {
                tag.offset = i;
                placeOf(document, &tag);
                return tag;
            }
        }
        i = document.indexOf('<', next);
    }
    return tag;
}
