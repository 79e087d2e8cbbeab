#pragma once

#include <QByteArray>
#include <QString>

// Empty when `bytes` hold a whole GIF, PNG or JPEG (or another kind, left to its decoder),
// else why the picture in `file` was cut short. The image decoders give what they could
// read of such a picture without a word, the rest filled with grey or left blank, so glyphs
// would silently go missing.
QString cutShortProblem(const QString &file, const QByteArray &bytes);
