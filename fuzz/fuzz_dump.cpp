// The three decoders of lumo dump on the same bytes, as the command tries them.
#include "fuzzsupport.h"

#include "kpxdump.h"
#include "touchdump.h"
#include "zafdump.h"

#include <cstdlib>

namespace {

// `decoder` run once keeping its lines and once handing them to a sink, as lumo dump
// prints them: the same lines and the same verdict.
template <typename Decoder> void check(Decoder decoder, const QByteArray &bytes)
{
    const FileDump dump = decoder(bytes, DumpLineSink());
    const qint64 size = bytes.size();
    if (dump.errorOffset < -1 || dump.errorOffset > size || (!dump.sound() && dump.error.isEmpty()))
        std::abort();
    QStringList streamed;
    const FileDump sunk
        = decoder(bytes, [&streamed](const QString &line) { streamed.append(line); });
    if (streamed != dump.lines || !sunk.lines.isEmpty() || sunk.errorOffset != dump.errorOffset
        || sunk.error != dump.error)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    // Every decoder sees every input, identification or not, so that none relies on it.
    check(dumpZaf, bytes);
    check(dumpKpx, bytes);
    check(dumpTouchFile, bytes);
    if (looksLikeTouchFile(bytes) && !dumpTouchFile(bytes).sound())
        std::abort();
    isZafFile(bytes);
    isKpxFile(bytes);
    return 0;
}
