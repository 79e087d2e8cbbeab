#pragma once

#include <QFileInfo>
#include <QMap>
#include <QObject>

#include "drawingfwd.h"

class PageScene;

// One page of a touch project: its number, its picture and the scene of its touch areas.
// The page owns its scene; deleting the page deletes the scene and its areas.
class PicMsg : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of `scene`.
    PicMsg(int number, const QFileInfo &file, PageScene *scene, QObject *parent = nullptr);
    ~PicMsg() override;

    int number; // page number 0..65535, also the key in the page map
    QFileInfo file; // the page picture; after copying, the copy in the images folder
    PageScene *scene; // owned
};

// Page number -> page, ascending. Whoever holds the map owns the pages.
using PageMap = QMap<int, PicMsg *>;

// Deletes every page of `pages` and empties the map.
void deletePages(PageMap *pages);
