#pragma once

#include <QByteArray>

// The low `count` bytes (0 to 4) of a signed 32-bit value. Order 1 puts the least
// significant byte first; any other order puts the most significant byte first.
QByteArray intToBytes(int value, int count, int order);
