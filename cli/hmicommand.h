#pragma once

#include <QString>
#include <QStringList>

// lumo hmi: loads a touch project file and writes its touch configuration file, the same
// bytes as the touch tool's generate command.
int runHmi(const QString &command, const QStringList &arguments);
