// Reading many shapes of one picture, as a project file holds them: 1 000, 10 000 and
// 100 000 touch areas on one page. The reader must grow linearly with their number.

#include <QApplication>
#include <QFileInfo>
#include <QXmlStreamReader>

#include "benchsupport.h"
#include "itemxml.h"
#include "pagescene.h"

namespace {

QByteArray canvasOf(int count)
{
    QByteArray text = "<canvas>";
    for (int i = 0; i < count; ++i)
        text += QByteArray("<rect rotate=\"0\" x=\"") + QByteArray::number(i % 400) + "\" y=\""
            + QByteArray::number(i / 400 % 260)
            + "\" z=\"0\" width=\"3\" height=\"3\" picNum=\"-1\" catoonNum=\"-1\" commond=\""
            + QByteArray::number(i % 65536) + "\"/>";
    return text + "</canvas>";
}

double readMs(int count)
{
    const QByteArray text = canvasOf(count);
    return bench::bestMilliseconds(1, [&] {
        PageScene scene { QFileInfo() };
        QXmlStreamReader xml(text);
        xml.readNextStartElement();
        readShapes(&xml, &scene);
        // An unindexed scene is deleted in quadratic time; the event loop indexes it.
        QCoreApplication::processEvents();
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double small = readMs(1000);
    const double medium = readMs(10000);
    const double large = readMs(100000);
    bench::print("shapes_read_1000_ms", small, "ms");
    bench::print("shapes_read_10000_ms", medium, "ms");
    bench::print("shapes_read_100000_ms", large, "ms");
    bench::print("shapes_read_growth_10x", medium / small, "x(target<=12)");
    bench::print("shapes_read_growth_100x", large / medium, "x(target<=12)");
    return 0;
}
