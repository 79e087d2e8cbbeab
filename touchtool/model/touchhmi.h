#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "touchpages.h"

// The device file of a touch project document, for programs that cannot hold the touch
// model themselves (see touch_hmi in CMakeLists.txt). Only Qt value types cross here.
struct HmiConfigBuild
{
    enum Problem {
        None,
        Damaged, // the XML is broken at `line`, `column`: `error`
        NoPages, // the document holds no page, so there is no file to write
        PageOutOfRange, // a page number the file cannot hold: `pages`
    };
    Problem problem = None;
    QString error;
    qint64 line = 0;
    qint64 column = 0;
    TouchPageRefusal pages;
    QByteArray bytes; // the whole device file when problem is None
};

// Reads the project document `projectBytes` as the touch tool opens a project (pictures are
// loaded for their sizes, relative paths from `projectFolder`) and builds the bytes its generate
// command writes. Needs a QApplication.
HmiConfigBuild buildHmiConfig(const QByteArray &projectBytes, const QString &projectFolder);
