#include "touchhmi.h"

#include "pagescene.h"
#include "picmsg.h"
#include "touchareas.h"
#include "touchproject.h"

#include <QCoreApplication>
#include <QFileInfo>

HmiConfigBuild buildHmiConfig(const QByteArray &projectBytes, const QString &projectFolder)
{
    HmiConfigBuild build;
    PageMap pages;
    const ProjectReadResult read = readProjectPages(
        projectBytes, &pages, [](int, const QFileInfo &picture) { return new PageScene(picture); },
        projectFolder);
    if (read.damaged) {
        build.problem = HmiConfigBuild::Damaged;
        build.error = read.error;
        build.line = read.line;
        build.column = read.column;
    } else if (pages.isEmpty()) {
        build.problem = HmiConfigBuild::NoPages;
    } else {
        const QVector<TouchRecord> records = hmiConfigRecords(pages);
        build.pages = checkTouchPages(records);
        if (build.pages.ok())
            build.bytes = encodeTouchFile(records);
        else
            build.problem = HmiConfigBuild::PageOutOfRange;
    }
    // Qt deletes a scene whose index was never built in quadratic time.
    QCoreApplication::processEvents();
    deletePages(&pages);
    return build;
}
