#pragma once

#include "fontimage.h"

#include <functional>

#include <QString>

class FontScene;

class QFileInfo;
class QIODevice;
class QXmlStreamReader;

// Makes the scene of a font image read from a project file; the caller owns it.
using FontSceneFactory = std::function<FontScene *(
    int number, int encryptionKey, int filter, const QFileInfo &picture)>;

// Writes the project document of `images`: the declaration, the document type line, the
// "scenes" root and one "canvas" per font image in ascending number with its shapes.
void writeZafProject(QIODevice *device, const FontImageList &images);
// The same document written straight to `device`, piece by piece.
void writeZafDocument(QIODevice *device, const FontImageList &images);

// Where reading a project document stopped short; `sound` when it did not.
struct ZafProjectError
{
    bool sound = true;
    qint64 line = 0;
    qint64 column = 0;
    QString text; // the reader's own words, in English
};

// Reads a project document from `device` into `images` (which it does not clear). An empty
// file or a root other than "scenes" gives no font images and no error. What was read before an
// error stays in `images`. Relative picture paths are taken from `projectFolder`.
ZafProjectError readZafProject(QIODevice *device, const QString &projectFolder,
    const FontSceneFactory &createScene, FontImageList *images);

// The "canvas" children of the "scenes" element the reader is on, up to its end element.
// A later canvas with the same font number replaces the earlier one.
void readScenes(QXmlStreamReader *xml, const QString &projectFolder,
    const FontSceneFactory &createScene, FontImageList *images);

// The shapes of one "canvas" element (the reader on its start element) into `scene`.
bool loadCanvas(QXmlStreamReader *xml, FontScene *scene);
