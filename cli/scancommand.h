#pragma once

#include <QString>
#include <QStringList>

// lumo scan: finds the glyph rectangles of one picture as the icon-font tool's scan
// command does and prints one line "x y w h" per rectangle, in the order found.
int runScan(const QString &command, const QStringList &arguments);
