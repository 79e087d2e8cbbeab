#pragma once

#include <QString>
#include <QStringList>

// lumo kpx: builds a start-up configuration file from the touch and variable files and the
// power-on settings given as options.
int runKpx(const QString &command, const QStringList &arguments);
