#pragma once

#include "fontscene.h"

#include <map>
#include <memory>

#include <QFileInfo>
#include <QFont>

// One picture of an icon-font project. It owns its scene: deleting the font image deletes
// the scene and, with it, the characters. Before dropping scenes with many items, let the
// event loop run once (Qt 5.15 deletes an unindexed scene in quadratic time).
struct FontImage
{
    FontImage() = default;
    FontImage(const FontImage &) = delete;
    FontImage &operator=(const FontImage &) = delete;
    ~FontImage() { delete scene; }

    int number = 0; // font number 0 ... 65535; also the list key
    bool isStdFont = false; // rendered from a system font
    QFileInfo file; // stored picture (the source file after a failed copy)
    QFont font; // the system font, meaningful only when isStdFont
    FontScene *scene = nullptr; // owned
};

// The font images of a project by ascending font number; the list owns them.
using FontImageList = std::map<int, std::unique_ptr<FontImage>>;
