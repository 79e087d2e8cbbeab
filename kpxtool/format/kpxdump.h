#pragma once

#include "filedump.h"

using KpxDump = FileDump;

// The file starts with the identification "ORBI_3" 0x15 "KPX".
bool isKpxFile(const QByteArray &bytes);

// Header, the page index entries in use and each page block's header with its record
// counts. The records themselves are not decoded.
// With a `sink`, the lines go there as they are found and `lines` stays empty.
KpxDump dumpKpx(const QByteArray &bytes, const DumpLineSink &sink = {});
