#pragma once

#include "drawingfwd.h"

class QFileInfo;

// A new scene for font image `number` showing `picture`; the caller owns it. The scene
// takes its size from the picture's header; the picture itself is decoded only when the
// scene is first shown (loadBackground), so that a large project opens quickly and keeps
// only the pictures looked at in memory. A missing picture gives a 0 x 0 scene.
DrawScene *newFontScene(int number, int secury, int filter, const QFileInfo &picture);

// Decodes the scene's picture into its background item unless that has been done.
void loadBackground(DrawScene *scene);
