// Reading icon-font project files as lumo zaf does (the damage check, then the reader) at
// 1x, 10x and 100x their size: one rectangle with 2 000 to 200 000 attributes, and one
// picture with 300 to 30 000 rectangles. Both must grow linearly with the size. Every file
// is larger than what the C library takes from its heap, so that all sizes pay the same
// for fresh memory.

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>

#include "benchsupport.h"
#include "fontscene.h"
#include "zafproject.h"
#include "zafprojectcheck.h"

namespace {

QByteArray documentOf(const QByteArray &shapes)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Lumo_ZAF_Tool>\n<scenes>\n"
           "<canvas width=\"480\" height=\"272\" file=\"\" key=\"1\" secury=\"0\" filter=\"32\">\n"
        + shapes + "</canvas>\n</scenes>\n";
}

QByteArray crowdedRect(int attributes)
{
    QByteArray rect = "<rect";
    for (int i = 0; i < attributes; ++i)
        rect += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i % 100) + "\"";
    return documentOf(rect + "/>\n");
}

QByteArray manyRects(int count)
{
    QByteArray rects;
    for (int i = 0; i < count; ++i)
        rects += "<rect rotate=\"0\" x=\"" + QByteArray::number(i % 400) + "\" y=\""
            + QByteArray::number(i / 400 % 260) + "\" z=\"0\" width=\"3\" height=\"3\" asc=\""
            + QByteArray::number(i % 256) + "\" rc_x=\"1.5\" rc_y=\"1.5\"/>\n";
    return documentOf(rects);
}

double readMs(const QByteArray &document)
{
    return bench::bestMilliseconds(3, [&] {
        checkZafDocument(document);
        QBuffer buffer;
        buffer.setData(document);
        buffer.open(QIODevice::ReadOnly);
        FontImageList images;
        readZafProject(
            &buffer, QString(),
            [](int number, int key, int filter, const QFileInfo &) {
                return newFontScene(number, key, filter, QFileInfo());
            },
            &images);
        // An unindexed scene is deleted in quadratic time; the event loop indexes it.
        QCoreApplication::processEvents();
    });
}

void series(const char *name, QByteArray (*make)(int), int smallest)
{
    const double small = readMs(make(smallest));
    const double medium = readMs(make(smallest * 10));
    const double large = readMs(make(smallest * 100));
    const QByteArray prefix = QByteArray("project_read_") + name + "_";
    const auto figure = [&prefix](const QByteArray &what) { return prefix + what; };
    bench::print(figure(QByteArray::number(smallest) + "_ms").constData(), small, "ms");
    bench::print(figure(QByteArray::number(smallest * 10) + "_ms").constData(), medium, "ms");
    bench::print(figure(QByteArray::number(smallest * 100) + "_ms").constData(), large, "ms");
    bench::print(figure("growth_10x").constData(), medium / small, "x(target<=12)");
    bench::print(figure("growth_100x").constData(), large / medium, "x(target<=12)");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    series("attributes", crowdedRect, 2000);
    series("rects", manyRects, 300);
    return 0;
}
