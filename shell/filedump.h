#pragma once

#include <functional>

#include <QByteArray>
#include <QString>
#include <QStringList>

// The fields of a file as text lines "name value", in file order. A damaged file is read as
// far as it is sound; `errorOffset` then gives the byte where the first inconsistency lies
// and `error` says what it is.
struct FileDump
{
    QStringList lines;
    qint64 errorOffset = -1; // -1 for a sound file
    QString error;
    bool sound() const { return errorOffset < 0; }
};

// Takes each line as the decoder finds it, instead of `FileDump::lines`: a printer that
// writes them out at once needs no more memory than the file's bytes, however many records
// it holds.
using DumpLineSink = std::function<void(const QString &line)>;

// What the readers of the dump decoders share: big-endian fields, bounds, the first failure.
class DumpReader
{
protected:
    DumpReader(const QByteArray &bytes, const DumpLineSink &sink)
        : m_bytes(bytes)
        , m_sink(sink)
    {
    }

    qint64 size() const { return m_bytes.size(); }
    // The big-endian unsigned value of `width` bytes at `at`; the caller checked the bounds.
    quint32 value(qint64 at, int width) const;
    // Fails at the end of the file unless `width` bytes from `at` are there.
    bool need(qint64 at, qint64 width, const QString &what);
    // Records the first inconsistency; returns false for the caller to stop with.
    bool fail(qint64 at, const QString &what);
    // The identification bytes at the start, failing at the first byte that differs;
    // `name` describes them in the message.
    bool checkIdentification(const QByteArray &expected, const QString &name);
    // Nothing may follow the last part (`last` names it) at `end`, and the size field at
    // offset 10 must give the file's size.
    bool checkEnd(qint64 end, const QString &last);
    void line(const QString &name, const QString &text) { addLine(name + QLatin1Char(' ') + text); }
    void addLine(const QString &text);
    void line(const QString &name, qint64 number) { line(name, QString::number(number)); }
    // "0x" and `digits` upper-case hex digits.
    static QString hex(quint32 value, int digits);

    const QByteArray &m_bytes;
    DumpLineSink m_sink;
    FileDump m_dump;
};
