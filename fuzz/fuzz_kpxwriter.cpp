// What the start-up configuration builder writes, its own reader reads: power-on settings
// in the ranges the window and lumo kpx take, touch and variable bytes from the input; an
// accepted file must dump sound and give back the settings, the time and the highest page.
#include "kpxfuzzbuild.h"

#include "kpxdump.h"

#include <cstdlib>

namespace {

void expect(const QStringList &lines, const QString &line)
{
    if (!lines.contains(line)) {
        qWarning("the file read back lacks \"%s\"", qPrintable(line));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    KpxSettings settings;
    const KpxBuild build = buildKpxFromFuzzInput(input, &settings);
    if (build.refusal != KpxRefusal::None)
        return 0;
    const KpxDump dump = dumpKpx(build.bytes);
    if (!dump.sound())
        qFatal("the file written reads back damaged at %lld: %s", dump.errorOffset,
            qPrintable(dump.error));
    const QStringList &lines = dump.lines;
    expect(lines, QStringLiteral("header.size %1").arg(build.bytes.size()));
    expect(lines, QStringLiteral("header.highest_page %1").arg(qMax(build.highestPage, 0)));
    expect(lines, QStringLiteral("header.time 26-03-01T09:05:07"));
    expect(lines, QStringLiteral("header.rpl %1").arg(settings.pageFileId));
    expect(lines, QStringLiteral("header.start_page %1").arg(settings.startPageId));
    switch (settings.sound) {
    case KpxSound::Buzzer:
        expect(lines, QStringLiteral("header.sound buzzer"));
        break;
    case KpxSound::Silent:
        expect(lines, QStringLiteral("header.sound silent"));
        break;
    case KpxSound::Speaker:
        // The sound field cannot tell speaker mode with audio file -1 (or 0xFEFF) and audio
        // 65535 from the buzzer (or silent) pattern; the module reads those as the latter.
        if (settings.audioId == 0xFFFF
            && (settings.audioFileId == -1 || settings.audioFileId == 0xFEFF)) {
            expect(lines,
                QStringLiteral("header.sound ")
                    + (settings.audioFileId == -1 ? QStringLiteral("buzzer")
                                                  : QStringLiteral("silent")));
            break;
        }
        expect(lines, QStringLiteral("header.sound speaker"));
        expect(lines, QStringLiteral("header.zva %1").arg(settings.audioFileId));
        expect(lines, QStringLiteral("header.audio %1").arg(settings.audioId));
        break;
    }
    return 0;
}
