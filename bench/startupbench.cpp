// Start-up of the three programs, each started as a process of its own on the offscreen
// platform, up to its first shown window, against a minimal Qt window program. The
// programs are unchanged: a generic plugin (quitonexpose) reports the first expose and
// ends them. Each figure is the median of several starts.

#include <algorithm>
#include <ctime>
#include <vector>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "benchsupport.h"

namespace {

constexpr int starts = 7;

long long monotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Milliseconds from starting `program` to its first exposed window; -1 when none came.
double firstWindowMs(const QString &program, const QString &home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(LUMO_BENCH_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("quitonexpose"));
    environment.insert(QStringLiteral("HOME"), home); // no recent projects of anyone's
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const long long started = monotonicNs();
    process.start(program, QStringList());
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("lumo-bench-exposed "))
            return (line.mid(19).toLongLong() - started) / 1e6;
    }
    return -1;
}

double measure(const char *name, const QString &program, const QString &home)
{
    firstWindowMs(program, home); // libraries into the page cache
    std::vector<double> times;
    for (int i = 0; i < starts; ++i)
        times.push_back(firstWindowMs(program, home));
    const double ms = median(times);
    bench::print(name, ms, "ms");
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    const double reference
        = measure("startup_minimal_window_ms", QStringLiteral(LUMO_MINIMAL_WINDOW), home.path());
    const struct
    {
        const char *name;
        const char *ratio;
        const char *path;
    } programs[] = {
        { "startup_zaftool_ms", "startup_zaftool_ratio", LUMO_ZAFTOOL },
        { "startup_touchtool_ms", "startup_touchtool_ratio", LUMO_TOUCHTOOL },
        { "startup_kpxtool_ms", "startup_kpxtool_ratio", LUMO_KPXTOOL },
    };
    for (const auto &program : programs) {
        const double ms = measure(program.name, QString::fromLocal8Bit(program.path), home.path());
        bench::print(program.ratio, ms / reference, "x_reference(target<=3)");
    }
    return 0;
}
