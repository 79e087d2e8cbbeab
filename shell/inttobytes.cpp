#include "inttobytes.h"

QByteArray intToBytes(int value, int count, int order)
{
    count = qBound(0, count, 4);
    const quint32 bits = static_cast<quint32>(value);
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i) {
        const char byte = static_cast<char>((bits >> (8 * i)) & 0xFF);
        bytes[order == 1 ? i : count - 1 - i] = byte;
    }
    return bytes;
}
