#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <limits>

class QByteArray;

// One place where reading a project document defaults, skips or replaces something.
struct ReadProblem
{
    qint64 line = 0;
    qint64 column = 0;
    QString text; // in English
    bool endsReading = false; // broken XML or a crowded element: nothing after it is read
};
using ReadProblems = QList<ReadProblem>;

// What a number attribute may hold: the text must read whole as a number whose value,
// truncated toward zero as the file writers store it, lies in [low, high].
struct NumberRule
{
    enum Kind { Integer, Real };
    QLatin1String name;
    Kind kind = Real;
    double low = std::numeric_limits<double>::lowest();
    double high = std::numeric_limits<double>::max();
};

// The words of one editor's project documents beyond what every shape has.
struct ProjectVocabulary
{
    QList<NumberRule> canvasNumbers; // numbers of "canvas"; "key" names the picture
    QList<QLatin1String> canvasTexts; // text attributes of "canvas"
    QList<NumberRule> toolNumbers; // the editor's own attributes of every shape
    QList<NumberRule> placeNumbers; // "x", "y", "width", "height" of a top-level rectangle
    // Attributes the other editor writes into the same elements; read by neither as damage.
    QList<QLatin1String> foreignAttributes;
};

// Reads `document` as the project readers do and lists every place where they would not
// read what the file says: numbers that are damaged or do not fit their field, unknown
// elements and attributes, text between elements, a second canvas with the same key,
// groups nested too deep, anything after the root element and broken XML. Sound documents
// (and empty ones) give no problems.
ReadProblems checkProjectDocument(const QByteArray &document, const ProjectVocabulary &vocabulary);

// The problems before where reading stopped at (`line`, `column`): that place was told
// already, and nothing after it was read. All of them when `line` is 0.
ReadProblems problemsBefore(ReadProblems problems, qint64 line, qint64 column);

// "line L, column C: text", one problem a line, at most `shown` of them.
QString problemLines(const ReadProblems &problems, int shown = 10);
