#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

class QTemporaryDir;

// What a finished program left: its exit code (-1 when it crashed or hung) and output.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` in `workingDirectory` with `environment`, as a script would, and waits
// for it (a minute at most).
ProgramRun runProgram(const QString &program, const QStringList &arguments,
    const QString &workingDirectory,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Replaces "@in" and "@out" by the test's input and output folders inside `dir`.
QStringList expandFolders(QStringList texts, const QTemporaryDir &dir);
