// The JPEG preparation of the icon-font writer: marker search, Huffman table scrambling
// and alignment, then the whole file of one font image, read back by the dump.
#include "fuzzsupport.h"

#include "zafdump.h"
#include "zafwriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int key = input.takeByte();
    const qint64 start = qint64(input.takeShort()) * 4096;
    const QByteArray jpeg = input.rest();

    const PreparedJpeg prepared = getJpg(jpeg, start, key);
    if (prepared.problem == ZafProblem::None) {
        if (prepared.fileLen % 4 != 0 || prepared.fileHeadLen % 4 != 0
            || prepared.fileLen != prepared.bytes.size() || prepared.fileHeadLen > prepared.fileLen
            || prepared.fileLen < jpeg.size())
            std::abort();
    } else if (!prepared.bytes.isEmpty()) {
        std::abort();
    }

    ZafFontInput font;
    font.number = key;
    font.encryptionKey = key;
    font.jpeg = jpeg;
    font.chars = { ZafChar { key, 1, 2, 3, 4, 0.5, 0.5 } };
    const ZafResult result = buildZaf({ font });
    // The file refuses scan data that starts at 64 KiB or later.
    const bool placeable = prepared.problem == ZafProblem::None && prepared.fileHeadLen < (1 << 16);
    if (result.ok() != placeable)
        std::abort();
    // The writer refuses what its own reader would call damaged.
    if (result.ok()) {
        const ZafDump dump = dumpZaf(result.bytes);
        if (!dump.sound())
            qFatal("the file written reads back damaged at %lld: %s", dump.errorOffset,
                qPrintable(dump.error));
    }
    return 0;
}
