#pragma once

#include <QString>
#include <QStringList>

// lumo zaf PROJECT.prozaf -o OUT.ZAF
int runZaf(const QString &command, const QStringList &arguments);
