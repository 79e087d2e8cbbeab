#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>

// Takes the leading bytes of a fuzz input as parameters; what remains is the file.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_data(reinterpret_cast<const char *>(data))
        , m_size(static_cast<int>(size))
    {
    }

    // The next byte, 0 once the input is used up.
    int takeByte()
    {
        if (m_position >= m_size)
            return 0;
        return static_cast<quint8>(m_data[m_position++]);
    }

    int takeShort() { return takeByte() << 8 | takeByte(); }

    // The next `count` bytes (fewer at the end), copied.
    QByteArray take(int count)
    {
        count = qMax(0, qMin(count, m_size - m_position));
        const QByteArray bytes(m_data + m_position, count);
        m_position += count;
        return bytes;
    }

    QByteArray rest() { return take(m_size - m_position); }

    bool atEnd() const { return m_position >= m_size; }

private:
    const char *m_data;
    int m_size;
    int m_position = 0;
};

// The whole input as a file's bytes.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size));
}
