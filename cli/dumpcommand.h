#pragma once

#include <QString>
#include <QStringList>

// lumo dump FILE [--as zaf|kpx|hmi]: prints the fields of an icon-font, start-up
// configuration or touch configuration file, one per line.
int runDump(const QString &command, const QStringList &arguments);
