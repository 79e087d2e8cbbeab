#pragma once

#include "filedump.h"

using ZafDump = FileDump;

// The file starts with the identification "ORBI_3" 0x17 "ZAF".
bool isZafFile(const QByteArray &bytes);

// Header, the index entries in use, each font's descriptor and every defined character.
// Numbers are decimal; marks, keys and the per-font key `secury` and `filter` are hex.
// With a `sink`, the lines go there as they are found and `lines` stays empty.
ZafDump dumpZaf(const QByteArray &bytes, const DumpLineSink &sink = {});
