#pragma once

// Helpers shared by the benchmark programs: figures printed as "name value unit", wall
// times, peak resident memory, and running a measurement in a fresh child process so
// that its peak memory is its own.

#include <algorithm>
#include <cstdio>
#include <limits>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace bench {

inline void print(const char *name, double value, const char *unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

inline double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

template <typename Work> double bestMilliseconds(int times, Work work)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed());
    }
    return best / 1e6;
}

// A field of /proc/self/status in MB (VmHWM: peak resident set, VmRSS: current).
inline double statusMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() * 1024 / 1e6;
    }
    return -1;
}

inline double peakRssMb()
{
    return statusMb("VmHWM");
}
inline double currentRssMb()
{
    return statusMb("VmRSS");
}

// Fixtures are kept between runs in the build folder, beside the programs.
inline QString dataFolder(const QString &name)
{
    const QString path
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data/") + name;
    QDir().mkpath(path);
    return QDir(path).absolutePath();
}

// Runs this program again with `arguments`; its standard output becomes ours. The figures
// a child prints are read back so that the caller can relate them.
inline QStringList runChild(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    std::fputs(out.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        std::fprintf(stderr, "%s %s: the measurement failed\n",
            qPrintable(QCoreApplication::applicationName()), qPrintable(arguments.join(' ')));
    return out.split('\n', Qt::SkipEmptyParts);
}

// The value of figure `name` among printed lines; -1 when absent.
inline double figure(const QStringList &lines, const QString &name)
{
    for (const QString &line : lines) {
        const QStringList parts = line.split(' ');
        if (parts.size() >= 2 && parts[0] == name)
            return parts[1].toDouble();
    }
    return -1;
}

// Debug diagnostics of the code under test would otherwise time the terminal.
inline void dropDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace bench
