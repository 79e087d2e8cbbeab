#pragma once

#include "fontimage.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class FontScene;

// A standard font image holds the printable ASCII characters 32 ... 126 of a system font
// in a 10 x 10 grid of equal cells, the character code being the key.
constexpr int kFirstStandardChar = 32;
constexpr int kLastStandardChar = 126;
constexpr int kStandardGridColumns = 10;

// The cell size of `font` in pixels: the widest advance of the characters 33 ... 126 and
// the line height, each rounded up to a multiple of 4.
QSize getFontPointSize(const QFont &font);

// The font number of the next font image: one above the highest, 0 for an empty project,
// -1 when the highest is already 65535.
int nextFontNumber(const FontImageList &images);
// The picture name of the next font image, e.g. "8.jpg"; empty when there is no number left.
QString getFileName(const FontImageList &images);

// The cell of character `code`, in picture pixels.
QRect standardCell(int code, const QSize &cell);

// Renders the characters of `font` in `colour` on black and stores the picture at `strPath`
// as a quality-100 JPEG. False, with the reason in `*error`, when it could not be written.
bool drawJpg(const QFont &font, const QColor &colour, const QString &strPath, QString *error);

// Adds one rectangle per character cell of `font`, keyed with its code (not for undo).
void stdFontAddRect(FontScene *scene, const QFont &font);
