#pragma once

#include "filedump.h"

// The records of a touch configuration file as text lines, in file order.
using TouchDump = FileDump;

// The file has no identification: it is taken for a touch configuration file when it is
// whole 16-byte records and the end mark FF FF, with no record that the reader would take
// for the end, and every area spans at most 32768 pixels each way (counted modulo 65536,
// as right and bottom wrap for areas dragged off the page).
bool looksLikeTouchFile(const QByteArray &bytes);

// One line per record, fields as the touch tool reads them back: picNum and catoonNum
// signed, the others unsigned; commond in hex.
// With a `sink`, the lines go there as they are found and `lines` stays empty.
TouchDump dumpTouchFile(const QByteArray &bytes, const DumpLineSink &sink = {});
