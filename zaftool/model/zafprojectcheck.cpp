#include "zafprojectcheck.h"

#include <QByteArray>

namespace {

// Sizes are unsigned 16-bit fields. A position or rotation centre may also lie a little
// off the picture (a character dragged over its edge), stored in two's complement.
NumberRule size(const char *name)
{
    return { QLatin1String(name), NumberRule::Real, 0, 65535 };
}

NumberRule place(const char *name)
{
    return { QLatin1String(name), NumberRule::Real, -32768, 65535 };
}

NumberRule integer(const char *name, double low, double high)
{
    return { QLatin1String(name), NumberRule::Integer, low, high };
}

ProjectVocabulary zafVocabulary()
{
    ProjectVocabulary vocabulary;
    const double int32 = 2147483647;
    vocabulary.canvasNumbers = { { QLatin1String("width") }, { QLatin1String("height") },
        integer("key", 0, 65535), integer("secury", 0, 255), integer("filter", 0, 63),
        integer("size", -int32 - 1, int32) };
    vocabulary.canvasTexts = { QLatin1String("file"), QLatin1String("font") };
    vocabulary.toolNumbers = { integer("asc", 0, 255), place("rc_x"), place("rc_y") };
    vocabulary.placeNumbers = { place("x"), place("y"), size("width"), size("height") };
    vocabulary.foreignAttributes
        = { QLatin1String("picNum"), QLatin1String("catoonNum"), QLatin1String("commond") };
    return vocabulary;
}

} // namespace

ReadProblems checkZafDocument(const QByteArray &document)
{
    static const ProjectVocabulary vocabulary = zafVocabulary();
    return checkProjectDocument(document, vocabulary);
}
