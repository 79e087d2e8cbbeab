// What the touch tool writes to HmiConfig.bin, its own reader reads: touch areas with their
// pages and page numbers from the input, drawn on page scenes; when the writer accepts the
// pages, the file must dump sound and decode to the same records, and every page number
// must come back as it was.
#include "fuzzsupport.h"
#include "offscreenapplication.h"

#include "pagescene.h"
#include "picmsg.h"
#include "toucharea.h"
#include "touchareas.h"
#include "touchdump.h"
#include "touchpages.h"
#include "touchrecord.h"

#include <cstdlib>

namespace {

constexpr int kMaxAreas = 48;

// 0..65535, or now and then below 0 or above 65535, as a project file can hold it.
int pageNumber(FuzzInput *input, int flags)
{
    int value = input->takeShort();
    if (flags & 1)
        value -= 0x10000;
    if (flags & 2)
        value += 0x10000;
    return value;
}

qreal coordinate(FuzzInput *input, int flags)
{
    qreal value = static_cast<qint16>(input->takeShort());
    if (flags & 4)
        value += 0.5;
    return value;
}

void expect(bool holds, const char *what)
{
    if (!holds) {
        qWarning("the file read back differs: %s", what);
        std::abort();
    }
}

bool sameRecord(const TouchRecord &written, const TouchRecord &read)
{
    return read.page == written.page && read.left == (written.left & 0xFFFF)
        && read.top == (written.top & 0xFFFF) && read.right == (written.right & 0xFFFF)
        && read.bottom == (written.bottom & 0xFFFF) && signed16(read.picNum) == written.picNum
        && signed16(read.pressedPage) == written.pressedPage
        && read.command == (written.command & 0xFFFF);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    return startOffscreenApplication(argc, argv);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    PageMap pages;
    int areas = 0;
    while (areas < kMaxAreas && !input.atEnd()) {
        const int flags = input.takeByte();
        const int page = pageNumber(&input, flags);
        auto *area = new TouchArea(QRect(0, 0, 1, 1), flags & 8);
        area->setPos(coordinate(&input, flags), coordinate(&input, flags >> 1));
        area->setWidth(input.takeShort() & 0x7FFF);
        area->setHeight(input.takeShort() & 0x7FFF);
        TouchFields *fields = touchFields(area);
        fields->picNum = pageNumber(&input, flags >> 4);
        fields->pressedPage = pageNumber(&input, flags >> 6);
        fields->command = input.takeShort();
        if (!pages.contains(page))
            pages.insert(page, new PicMsg(page, QFileInfo(), new PageScene(QFileInfo())));
        pages.value(page)->scene->addItem(area);
        ++areas;
    }

    const QVector<TouchRecord> records = hmiConfigRecords(pages);
    const TouchPageRefusal refusal = checkTouchPages(records);
    if (!refusal.ok()) {
        expect(!touchPageRefusalText(refusal).isEmpty(), "a refusal without words");
    } else {
        const QByteArray bytes = hmiConfigBytes(pages);
        const QVector<TouchRecord> read = decodeTouchFile(bytes);
        expect(read.size() == records.size(), "record count");
        for (int i = 0; i < read.size(); ++i)
            expect(sameRecord(records.at(i), read.at(i)), "a record");
        const TouchDump dump = dumpTouchFile(bytes);
        if (!dump.sound())
            qFatal("the file written reads back damaged at %lld: %s", dump.errorOffset,
                qPrintable(dump.error));
        expect(dump.lines.size() == records.size() + 3, "dump lines");
    }
    QCoreApplication::processEvents();
    deletePages(&pages);
    return 0;
}
