#pragma once

#include "drawingnamespace.h"

DRAWING_BEGIN_NAMESPACE

// Creates the program's tools once, in their registration order: selection, rectangle,
// rounded rectangle, ellipse, line, polygon, bezier, polyline, rotation and, in the
// icon-font tool, rotation point. Calling it again registers nothing more.
void installDrawTools();

DRAWING_END_NAMESPACE
