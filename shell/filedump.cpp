#include "filedump.h"

quint32 DumpReader::value(qint64 at, int width) const
{
    quint32 number = 0;
    for (int i = 0; i < width; ++i)
        number = number << 8 | static_cast<unsigned char>(m_bytes.at(int(at) + i));
    return number;
}

void DumpReader::addLine(const QString &text)
{
    if (m_sink)
        m_sink(text);
    else
        m_dump.lines.append(text);
}

bool DumpReader::need(qint64 at, qint64 width, const QString &what)
{
    if (at + width <= size())
        return true;
    return fail(size(),
        QStringLiteral("the file ends inside %1 (%2 bytes from offset %3)")
            .arg(what)
            .arg(width)
            .arg(at));
}

bool DumpReader::fail(qint64 at, const QString &what)
{
    m_dump.errorOffset = at;
    m_dump.error = what;
    return false;
}

bool DumpReader::checkIdentification(const QByteArray &expected, const QString &name)
{
    for (int i = 0; i < expected.size(); ++i) {
        if (!need(i, 1, QStringLiteral("the identification")))
            return false;
        if (m_bytes.at(i) != expected.at(i))
            return fail(i, QStringLiteral("the identification is not %1").arg(name));
    }
    return true;
}

QString DumpReader::hex(quint32 value, int digits)
{
    return QStringLiteral("0x")
        + QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

bool DumpReader::checkEnd(qint64 end, const QString &last)
{
    if (end < size())
        return fail(end, QStringLiteral("%1 bytes follow the %2").arg(size() - end).arg(last));
    if (value(10, 4) != size())
        return fail(10,
            QStringLiteral("the header gives the size %1, the file has %2 bytes")
                .arg(value(10, 4))
                .arg(size()));
    return true;
}
