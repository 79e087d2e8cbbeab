#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The fields of an icon-font file as text lines "name value", in file order. A damaged file
// is read as far as it is sound; `errorOffset` then gives the byte where the first
// inconsistency lies and `error` says what it is.
struct ZafDump
{
    QStringList lines;
    qint64 errorOffset = -1; // -1 for a sound file
    QString error;
    bool sound() const { return errorOffset < 0; }
};

// The file starts with the identification "ORBI_3" 0x17 "ZAF".
bool isZafFile(const QByteArray &bytes);

// Header, the index entries in use, each font's descriptor and every defined character.
// Numbers are decimal; marks, keys and the per-font key `secury` and `filter` are hex.
ZafDump dumpZaf(const QByteArray &bytes);
