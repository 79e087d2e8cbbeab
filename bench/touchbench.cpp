// The touch device file of a large project, 500 pages of 200 touch areas: written as the
// generate command writes it, and read back as the load command reads it, once into the
// same pages without their areas and once into the pages that still have them.

#include <algorithm>
#include <tuple>

#include <QApplication>
#include <QFileInfo>
#include <QImage>

#include "toucharea.h"
#include "pagescene.h"
#include "benchsupport.h"
#include "filebytes.h"
#include "graphicsrectitem.h"
#include "pagescene.h"
#include "picmsg.h"
#include "touchareas.h"
#include "touchrecord.h"

namespace {

constexpr int pageCount = 500;
constexpr int areasPerPage = 200; // 20 x 10 cells of 40 x 48 on an 800 x 480 page

QFileInfo pagePicture()
{
    const QString path = bench::dataFolder(QStringLiteral("touch")) + QStringLiteral("/page.png");
    if (!QFileInfo::exists(path)) {
        QImage picture(800, 480, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.save(path, "png");
    }
    return QFileInfo(path);
}

PageMap makePages(bool withAreas)
{
    const QFileInfo picture = pagePicture();
    PageMap pages;
    for (int number = 0; number < pageCount; ++number) {
        auto *scene = new PageScene(picture);
        for (int i = 0; withAreas && i < areasPerPage; ++i) {
            auto *area = new TouchArea(QRect((i % 20) * 40 + 1, (i / 20) * 48 + 1, 38, 46), false);
            touchFields(area)->picNum = (number + i) % pageCount;
            touchFields(area)->pressedPage = i % 7 ? -1 : i;
            touchFields(area)->command = (number * areasPerPage + i) & 0xFFFF;
            scene->addItem(area);
            area->normalizeGeometry();
        }
        pages.insert(number, new PicMsg(number, picture, scene));
    }
    return pages;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(bench::dropDebug);
    const QString path
        = bench::dataFolder(QStringLiteral("touch")) + QStringLiteral("/HmiConfig.bin");

    PageMap pages = makePages(true);
    QCoreApplication::processEvents();
    QString error;
    QByteArray written;
    const double writeMs = bench::bestMilliseconds(3, [&] {
        written = hmiConfigBytes(pages);
        writeWholeFile(path, written, &error);
    });

    PageMap empty = makePages(false);
    QCoreApplication::processEvents();
    int added = 0;
    QElapsedTimer timer;
    timer.start();
    {
        QByteArray bytes;
        readWholeFile(path, &bytes, &error);
        added = addMissingAreas(empty, decodeTouchFile(bytes));
    }
    const double readEmptyMs = bench::elapsedMs(timer);
    // Read-back areas stack in file order, so the file they give lists each page reversed.
    auto sorted = [](QVector<TouchRecord> records) {
        std::sort(records.begin(), records.end(), [](const TouchRecord &a, const TouchRecord &b) {
            return std::tie(a.page, a.left, a.top) < std::tie(b.page, b.left, b.top);
        });
        return records;
    };
    const bool same
        = sorted(decodeTouchFile(hmiConfigBytes(empty))) == sorted(decodeTouchFile(written));

    int addedAgain = 0;
    const double readFullMs = bench::bestMilliseconds(3, [&] {
        QByteArray bytes;
        readWholeFile(path, &bytes, &error);
        addedAgain = addMissingAreas(pages, decodeTouchFile(bytes));
    });

    bench::print("touch_file_size", written.size() / 1e6, "MB");
    bench::print("touch_write_ms", writeMs, "ms(target<200)");
    bench::print("touch_read_into_empty_pages_ms", readEmptyMs, "ms(target<200)");
    bench::print("touch_read_into_full_pages_ms", readFullMs, "ms(target<200)");
    bench::print("touch_read_areas_added", added, "areas");
    if (!same || added != pageCount * areasPerPage || addedAgain != 0)
        std::fprintf(stderr, "touch_bench: the file read back differs from the one written\n");
    QCoreApplication::processEvents();
    deletePages(&pages);
    deletePages(&empty);
    return 0;
}
