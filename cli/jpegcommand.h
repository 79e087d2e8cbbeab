#pragma once

#include <QString>
#include <QStringList>

// lumo jpeg: stores one picture as the icon-font tool does (a JPEG copied unchanged, any
// other accepted kind converted with the quality loop) and prints the quality or "copied".
int runJpeg(const QString &command, const QStringList &arguments);
