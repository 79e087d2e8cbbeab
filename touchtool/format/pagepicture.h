#pragma once

class QFileInfo;

// Whether `file` is a page picture by its suffix: bmp, jpg, jpeg, gif, png or ico, in any
// letter case.
bool isPagePicture(const QFileInfo &file);
