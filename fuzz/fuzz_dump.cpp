// The three decoders of lumo dump on the same bytes, as the command tries them.
#include "fuzzsupport.h"

#include "kpxdump.h"
#include "touchdump.h"
#include "zafdump.h"

#include <cstdlib>

namespace {

template <typename Dump> void check(const Dump &dump, qint64 size)
{
    if (dump.errorOffset < -1 || dump.errorOffset > size || (!dump.sound() && dump.error.isEmpty()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const qint64 length = bytes.size();
    // Every decoder sees every input, identification or not, so that none relies on it.
    check(dumpZaf(bytes), length);
    check(dumpKpx(bytes), length);
    check(dumpTouchFile(bytes), length);
    if (looksLikeTouchFile(bytes) && !dumpTouchFile(bytes).sound())
        std::abort();
    isZafFile(bytes);
    isKpxFile(bytes);
    return 0;
}
