#pragma once

#include <QString>

// The digits that number a picture: at most five leading ASCII digits of its file name;
// empty when the name starts with none or they make a number above 65535.
QString pictureNumberDigits(const QString &fileName);

// The number of a picture from its file name (12.png gives 12, 007 arrows.bmp gives 7,
// 123456.png gives 12345); -1 when the name gives none (icon.png, 99999.png).
int pictureNumber(const QString &fileName);
