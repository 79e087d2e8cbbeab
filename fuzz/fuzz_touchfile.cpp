// The touch configuration file read back into a project: the records, then the areas
// added to the pages they name, then the file written again from those pages.
#include "fuzzsupport.h"
#include "offscreenapplication.h"

#include "pagescene.h"
#include "picmsg.h"
#include "touchareas.h"
#include "touchrecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    return startOffscreenApplication(argc, argv);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QVector<TouchRecord> records = decodeTouchFile(bytes);
    if (records.size() > bytes.size() / touchRecordSize)
        std::abort();

    PageMap pages;
    for (int number : { 0, 1, 2, 0x0101 })
        pages.insert(number, new PicMsg(number, QFileInfo(), new PageScene(QFileInfo())));
    const int added = addMissingAreas(pages, records);
    if (added > records.size())
        std::abort();
    const QByteArray again = hmiConfigBytes(pages);
    if (again.size() % touchRecordSize != 2 || !again.endsWith("\xFF\xFF"))
        std::abort();
    QCoreApplication::processEvents();
    deletePages(&pages);
    return 0;
}
