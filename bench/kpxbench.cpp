// Times buildKpx on a synthetic resource set as large as a module allows (4096 touch
// pages, numbered 0 to 4095), and on a half and a quarter of it.

#include <algorithm>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "kpxbuilder.h"

namespace {

constexpr int fullPages = 4096;
constexpr int touchBytesPerPage = 1024; // 4 MiB of touch data for the full set
constexpr int repeats = 7;

volatile qint64 sink = 0; // keeps the measured work from being optimised away

struct Input
{
    KpxSources sources;
    qint64 size() const { return sources.touch.size() + sources.variables.size(); }
};

void putByte(QByteArray *data, int offset, int value)
{
    (*data)[offset] = static_cast<char>(value);
}

// Records of one to four blocks, in an order that mixes the pages as a real file does.
QByteArray makeTouch(int pages, std::mt19937 *random)
{
    std::vector<std::pair<int, int>> records; // page, number of blocks
    for (int page = 0; page < pages; ++page) {
        for (int left = touchBytesPerPage / 16; left > 0;) {
            const int blocks = std::min(left, static_cast<int>((*random)() % 4) + 1);
            records.emplace_back(page, blocks);
            left -= blocks;
        }
    }
    std::shuffle(records.begin(), records.end(), *random);

    QByteArray touch(pages * touchBytesPerPage, '\0');
    char *out = touch.data();
    for (const auto &record : records) {
        for (int block = 0; block < record.second; ++block, out += 16) {
            for (int i = 0; i < 16; ++i)
                out[i] = static_cast<char>((*random)());
            if (block > 0) {
                out[0] = '\xFE';
            } else {
                // The upper four bits of byte 0 are not part of the page; keep them off FE.
                out[0] = static_cast<char>((((*random)() % 8) << 4) | (record.first >> 8));
                out[1] = static_cast<char>(record.first & 0xFF);
            }
        }
    }
    return touch;
}

// A page table entry for every page and 4 to 12 records of 32 bytes per page behind it.
QByteArray makeVariables(int pages, std::mt19937 *random)
{
    const int tableEnd = 16 + 4 * pages;
    QByteArray variables(tableEnd, '\0');
    putByte(&variables, 8, (pages - 1) >> 8);
    putByte(&variables, 9, (pages - 1) & 0xFF);
    for (int page = 0; page < pages; ++page) {
        const int count = 4 + page % 9;
        const int offset = variables.size();
        const int entry = 16 + 4 * page;
        putByte(&variables, entry, count);
        putByte(&variables, entry + 1, offset >> 16);
        putByte(&variables, entry + 2, (offset >> 8) & 0xFF);
        putByte(&variables, entry + 3, offset & 0xFF);
        for (int i = 0; i < 32 * count; ++i)
            variables.append(static_cast<char>((*random)()));
    }
    return variables;
}

Input makeInput(int pages)
{
    std::mt19937 random(20260301);
    Input input;
    input.sources.touchIncluded = true;
    input.sources.touch = makeTouch(pages, &random);
    input.sources.variablesIncluded = true;
    input.sources.variables = makeVariables(pages, &random);
    return input;
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

void print(const char *name, const char *size, const char *what, double value, const char *unit)
{
    std::printf("kpx_%s_%s%s %.3f %s\n", name, size, what, value, unit);
}

// `cold`: this is the first build of the run, which pays for fresh memory as lumo kpx does.
bool measure(const char *size, int pages, bool cold)
{
    const Input input = makeInput(pages);
    const KpxSettings settings;
    const QDateTime stamp(QDate(2026, 3, 1), QTime(9, 5, 7), Qt::UTC);

    QElapsedTimer coldTimer;
    coldTimer.start();
    const KpxBuild build = buildKpx(input.sources, settings, stamp);
    const double coldMs = coldTimer.nsecsElapsed() / 1e6;
    if (build.refusal != KpxRefusal::None || build.highestPage != pages - 1) {
        std::fprintf(stderr, "kpx_bench: the %s input was refused\n", size);
        return false;
    }
    const double buildMs = bestMilliseconds(
        repeats, [&] { sink = sink + buildKpx(input.sources, settings, stamp).bytes.size(); });
    const double copyMs = bestMilliseconds(repeats * 3, [&] {
        const QByteArray touch(input.sources.touch.constData(), input.sources.touch.size());
        const QByteArray variables(
            input.sources.variables.constData(), input.sources.variables.size());
        sink = sink + touch.at(touch.size() / 2) + variables.at(variables.size() / 2);
    });

    const double inputMb = input.size() / 1e6;
    print("input", size, "", inputMb, "MB");
    print("output", size, "", build.bytes.size() / 1e6, "MB");
    print("build", size, "_ms", buildMs, "ms");
    print("build", size, "_throughput", inputMb / (buildMs / 1e3), "MB/s");
    if (cold)
        print("build", size, "_cold_ms", coldMs, "ms");
    print("copy", size, "_ms", copyMs, "ms");
    return true;
}

} // namespace

int main()
{
#ifdef __GLIBC__
    // glibc hands large blocks back to the system on every free, so each build would pay
    // for fresh pages and the figures would depend on which size ran first. Keeping the
    // memory makes the repeated builds measure the builder; the cold figure shows the rest.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
    const bool ok = measure("full", fullPages, true) && measure("half", fullPages / 2, false)
        && measure("quarter", fullPages / 4, false);
    return ok ? 0 : 1;
}
