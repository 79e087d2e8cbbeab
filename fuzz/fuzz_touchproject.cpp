// The touch project file with its item XML, nested groups included; what was read is
// written again and read a second time. What we write, we read: when the file was read
// without a problem, the written file reads back with the same values, and writing those
// gives the same bytes.
#include "fuzzsupport.h"
#include "offscreenapplication.h"
#include "shapevalues.h"

#include "pagescene.h"
#include "picmsg.h"
#include "toucharea.h"
#include "touchproject.h"
#include "touchprojectcheck.h"

#include <cstdlib>

#include <QImage>
#include <QPainter>

namespace {

// Pictures named by the file are not opened: they could be anything on this machine.
ProjectReadResult read(const QByteArray &bytes, PageMap *pages)
{
    return readProjectPages(
        bytes, pages, [](int, const QFileInfo &) { return new PageScene(QFileInfo()); },
        QStringLiteral("/nonexistent"));
}

QStringList values(const PageMap &pages)
{
    QStringList lines;
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
        lines.append(QStringLiteral("page %1 %2 %3")
                         .arg(page.key())
                         .arg(page.value()->number)
                         .arg(page.value()->file.filePath()));
        lines += shapeValues(page.value()->scene, [](const QGraphicsItem *item) {
            const TouchFields *fields = touchFields(item);
            return fields ? QStringLiteral("%1 %2 %3")
                                .arg(fields->picNum)
                                .arg(fields->pressedPage)
                                .arg(fields->command)
                          : QString();
        });
    }
    return lines;
}

void paint(QGraphicsScene *scene)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    scene->render(&painter, QRectF(image.rect()), scene->itemsBoundingRect());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    return startOffscreenApplication(argc, argv);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    PageMap pages;
    const bool sound = !read(input, &pages).damaged && checkTouchDocument(input).isEmpty();
    // Shapes of any size and place are painted as a window would paint them.
    if (!pages.isEmpty())
        paint(pages.first()->scene);
    const QByteArray written = projectDocument(pages);
    PageMap again;
    const ProjectReadResult result = read(written, &again);
    if (result.damaged || again.size() != pages.size())
        std::abort();
    if (sound) {
        if (!checkTouchDocument(written).isEmpty() || values(again) != values(pages)
            || projectDocument(again) != written)
            std::abort();
    }
    QCoreApplication::processEvents();
    deletePages(&pages);
    deletePages(&again);
    return 0;
}
