#pragma once

#include "picmsg.h"

#include <QByteArray>
#include <QString>
#include <functional>

#include "drawingfwd.h"

// Makes the scene of page `number` for its picture; the page that is built takes it over.
using PageSceneFactory = std::function<PageScene *(int number, const QFileInfo &picture)>;

// What reading a project document gave besides its pages.
struct ProjectReadResult
{
    // The XML was broken; the pages before the error were kept.
    bool damaged = false;
    QString error; // the reader's reason
    qint64 line = 0;
    qint64 column = 0;
};

// Reads the pages of the project document `bytes` into `pages`, which owns them: one page
// per "canvas" element of the root "scenes", built from the picture named by "file" and
// keyed by "key" (not decimal: page 0). A later canvas with the same key replaces the
// earlier page. A document whose root is not "scenes", or no document at all, gives no
// pages. Relative picture paths are taken from `projectFolder`.
ProjectReadResult readProjectPages(const QByteArray &bytes, PageMap *pages,
    const PageSceneFactory &createScene, const QString &projectFolder = QString());

// The project document of `pages`: the XML declaration, the document type line, the root
// "scenes" and one "canvas" per page in ascending page number, its touch areas topmost
// first.
QByteArray projectDocument(const PageMap &pages);
