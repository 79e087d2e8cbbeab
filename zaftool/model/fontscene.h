#pragma once

#include "drawscene.h"

#include <QString>

class QFileInfo;
class QGraphicsPixmapItem;

// The scene of one font image: its picture as the background item, the characters on
// it, and the picture's settings in the icon-font file.
class FontScene : public DrawScene
{
    Q_OBJECT

public:
    explicit FontScene(QObject *parent = nullptr);

    QString file; // the font image's picture
    int number = 0; // font number
    int picWidth = 0; // picture size in pixels
    int picHeight = 0;
    int encryptionKey = 1; // scrambles the picture's Huffman tables; 0 off
    int filter = 32; // background filter strength
    QGraphicsPixmapItem *background = nullptr;
};

// A new scene for font image `number` showing `picture`; the caller owns it. The scene
// takes its size from the picture's header; the picture itself is decoded only when the
// scene is first shown (loadBackground), so that a large project opens quickly and keeps
// only the pictures looked at in memory. A missing picture gives a 0 x 0 scene.
FontScene *newFontScene(int number, int encryptionKey, int filter, const QFileInfo &picture);

// Decodes the scene's picture into its background item unless that has been done.
void loadBackground(FontScene *scene);
