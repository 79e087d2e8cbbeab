// The start-up configuration builder on a touch file and a variable file from elsewhere.
#include "fuzzsupport.h"

#include "kpxbuilder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int flags = input.takeByte();
    KpxSettings settings;
    settings.pageFileId = input.takeShort();
    settings.startPageId = input.takeShort();
    settings.sound = static_cast<KpxSound>(flags % 3);
    settings.audioFileId = input.takeShort() - 1;
    settings.audioId = input.takeShort();

    KpxSources sources;
    sources.touchIncluded = flags & 0x10;
    sources.variablesIncluded = flags & 0x20;
    sources.touch = input.take(input.takeShort());
    sources.variables = input.rest();

    const KpxBuild build
        = buildKpx(sources, settings, QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7), Qt::UTC));
    if (build.refusal == KpxRefusal::None) {
        // The header's total length is the length of what was built.
        const auto total = static_cast<quint32>(static_cast<quint8>(build.bytes.at(10)) << 24
            | static_cast<quint8>(build.bytes.at(11)) << 16
            | static_cast<quint8>(build.bytes.at(12)) << 8
            | static_cast<quint8>(build.bytes.at(13)));
        if (total != static_cast<quint32>(build.bytes.size()))
            std::abort();
    } else if (!build.bytes.isEmpty()) {
        std::abort();
    }
    return 0;
}
