#include "touchprojectcheck.h"

#include <QByteArray>

namespace {

NumberRule size(const char *name)
{
    return { QLatin1String(name), NumberRule::Real, 0, 65535 };
}

// An area dragged partly off the page has a negative position, stored in two's complement.
NumberRule place(const char *name)
{
    return { QLatin1String(name), NumberRule::Real, -32768, 65535 };
}

// Jump page, animation and command are kept as signed numbers in the tool: -1 means none
// and is stored as FFFF.
NumberRule code(const char *name)
{
    return { QLatin1String(name), NumberRule::Integer, -32768, 65535 };
}

ProjectVocabulary touchVocabulary()
{
    ProjectVocabulary vocabulary;
    vocabulary.canvasNumbers = { { QLatin1String("width") }, { QLatin1String("height") },
        { QLatin1String("key"), NumberRule::Integer, 0, 65535 } };
    vocabulary.canvasTexts = { QLatin1String("file") };
    vocabulary.toolNumbers = { code("picNum"), code("catoonNum"), code("commond") };
    vocabulary.placeNumbers = { place("x"), place("y"), size("width"), size("height") };
    vocabulary.foreignAttributes = { QLatin1String("secury"), QLatin1String("filter"),
        QLatin1String("font"), QLatin1String("size"), QLatin1String("asc"), QLatin1String("rc_x"),
        QLatin1String("rc_y") };
    return vocabulary;
}

} // namespace

ReadProblems checkTouchDocument(const QByteArray &document)
{
    static const ProjectVocabulary vocabulary = touchVocabulary();
    return checkProjectDocument(document, vocabulary);
}
