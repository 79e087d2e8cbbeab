// The start-up configuration builder on a touch file and a variable file from elsewhere.
#include "kpxfuzzbuild.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    KpxSettings settings;
    const KpxBuild build = buildKpxFromFuzzInput(input, &settings);
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
