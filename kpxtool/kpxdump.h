#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The fields of a start-up configuration file as text lines "name value", in file order.
// A damaged file is read as far as it is sound; `errorOffset` then gives the byte where
// the first inconsistency lies and `error` says what it is.
struct KpxDump
{
    QStringList lines;
    qint64 errorOffset = -1; // -1 for a sound file
    QString error;
    bool sound() const { return errorOffset < 0; }
};

// The file starts with the identification "ORBI_3" 0x15 "KPX".
bool isKpxFile(const QByteArray &bytes);

// Header, the page index entries in use and each page block's header with its record
// counts. The records themselves are not decoded.
KpxDump dumpKpx(const QByteArray &bytes);
