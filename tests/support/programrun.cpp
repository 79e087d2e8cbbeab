#include "programrun.h"

#include <QProcess>
#include <QTemporaryDir>

ProgramRun runProgram(const QString &program, const QStringList &arguments,
    const QString &workingDirectory, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QStringList expandFolders(QStringList texts, const QTemporaryDir &dir)
{
    for (QString &text : texts) {
        text.replace(QLatin1String("@in"), dir.filePath(QStringLiteral("in")));
        text.replace(QLatin1String("@out"), dir.filePath(QStringLiteral("out")));
    }
    return texts;
}
