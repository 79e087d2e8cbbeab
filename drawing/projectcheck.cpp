#include "projectcheck.h"

#include "crowdedtag.h"
#include "itemxml.h"

#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

#include <cctype>
#include <cmath>

namespace {

struct ProjectCheck
{
    Q_DECLARE_TR_FUNCTIONS(ProjectCheck)
};

const QList<QLatin1String> kShapes = { QLatin1String("rect"), QLatin1String("roundrect"),
    QLatin1String("ellipse"), QLatin1String("polygon"), QLatin1String("bezier"),
    QLatin1String("polyline"), QLatin1String("line") };

template <typename Name> bool listed(const QList<QLatin1String> &names, const Name &name)
{
    return std::any_of(names.cbegin(), names.cend(),
        [&name](QLatin1String candidate) { return name == candidate; });
}

QList<NumberRule> commonNumbers()
{
    return { { QLatin1String("rotate") }, { QLatin1String("x") }, { QLatin1String("y") },
        { QLatin1String("z") }, { QLatin1String("width") }, { QLatin1String("height") } };
}

QList<NumberRule> kindNumbers(const QString &element)
{
    if (element == QLatin1String("roundrect"))
        return { { QLatin1String("rx") }, { QLatin1String("ry") } };
    if (element == QLatin1String("ellipse"))
        return { { QLatin1String("startAngle"), NumberRule::Integer },
            { QLatin1String("spanAngle"), NumberRule::Integer } };
    return {};
}

class Checker
{
public:
    Checker(QXmlStreamReader *xml, const ProjectVocabulary &vocabulary)
        : m_xml(xml)
        , m_vocabulary(vocabulary)
    {
    }

    void document();
    ReadProblems problems;

private:
    void add(const QString &text)
    {
        problems.append({ m_xml->lineNumber(), m_xml->columnNumber(), text });
    }
    void scenes();
    void canvas();
    void shapes(int depth);
    void shape(int depth);
    void points();
    void noChildren();
    bool nextChild();
    void numbers(const QList<NumberRule> &rules, const QList<QLatin1String> &texts);
    void number(const NumberRule &rule, const QString &value);

    QXmlStreamReader *m_xml;
    const ProjectVocabulary &m_vocabulary;
    QHash<int, qint64> m_canvasLines;
};

// The next child start element of the current element, reporting text between elements;
// false at the end element or on an XML error.
bool Checker::nextChild()
{
    while (!m_xml->atEnd()) {
        switch (m_xml->readNext()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
            return false;
        case QXmlStreamReader::Characters:
            if (!m_xml->isWhitespace())
                add(ProjectCheck::tr("text \"%1\" between elements is ignored")
                        .arg(m_xml->text().toString().trimmed().left(20)));
            break;
        default:
            break;
        }
    }
    return false;
}

void Checker::number(const NumberRule &rule, const QString &value)
{
    bool ok = false;
    double read = 0;
    if (rule.kind == NumberRule::Integer) {
        read = value.toInt(&ok, 10);
    } else {
        read = value.toDouble(&ok);
        ok = ok && std::isfinite(read);
    }
    if (!ok) {
        add(ProjectCheck::tr("%1=\"%2\" is not a number; read as 0")
                .arg(QString(rule.name), value.left(20)));
        return;
    }
    const double stored = std::trunc(read);
    if (stored < rule.low || stored > rule.high)
        add(ProjectCheck::tr("%1=\"%2\" is outside %3 ... %4, which the file can hold")
                .arg(QString(rule.name), value.left(20))
                .arg(rule.low, 0, 'f', 0)
                .arg(rule.high, 0, 'f', 0));
}

// Each attribute of the current element against `rules` (numbers) and `texts`.
void Checker::numbers(const QList<NumberRule> &rules, const QList<QLatin1String> &texts)
{
    for (const QXmlStreamAttribute &attribute : m_xml->attributes()) {
        const QString name = attribute.name().toString();
        const auto rule = std::find_if(rules.cbegin(), rules.cend(),
            [&name](const NumberRule &candidate) { return name == candidate.name; });
        if (rule != rules.cend())
            number(*rule, attribute.value().toString());
        else if (!listed(texts, name) && !listed(m_vocabulary.foreignAttributes, name))
            add(ProjectCheck::tr("unknown attribute %1 of %2 is ignored")
                    .arg(name, m_xml->name().toString()));
    }
}

void Checker::noChildren()
{
    const QString parent = m_xml->name().toString();
    while (nextChild()) {
        add(ProjectCheck::tr("unknown element %1 inside %2 is skipped")
                .arg(m_xml->name().toString(), parent));
        m_xml->skipCurrentElement();
    }
}

void Checker::points()
{
    while (nextChild()) {
        if (m_xml->name() == QLatin1String("point")) {
            numbers({ { QLatin1String("x") }, { QLatin1String("y") } }, {});
            noChildren();
        } else {
            add(ProjectCheck::tr("unknown element %1 where a point is expected is skipped")
                    .arg(m_xml->name().toString()));
            m_xml->skipCurrentElement();
        }
    }
}

void Checker::shape(int depth)
{
    const QString name = m_xml->name().toString();
    if (name == QLatin1String("group")) {
        // Groups too deep for the reader are left out as they always were: no editor nests
        // them so far, and following them down is what the reader's bound prevents.
        if (depth >= MaxGroupDepth) {
            m_xml->skipCurrentElement();
            return;
        }
        numbers(
            { { QLatin1String("x") }, { QLatin1String("y") }, { QLatin1String("rotate") } }, {});
        shapes(depth + 1);
        return;
    }
    if (!listed(kShapes, name)) {
        add(ProjectCheck::tr("unknown element %1 where a shape is expected is skipped").arg(name));
        m_xml->skipCurrentElement();
        return;
    }
    const bool box = name == QLatin1String("rect") || name == QLatin1String("roundrect");
    QList<NumberRule> rules = kindNumbers(name) + commonNumbers() + m_vocabulary.toolNumbers;
    // Only a rectangle that is not a group member is stored in the device's fields as it is.
    if (box && depth == 0)
        rules = m_vocabulary.placeNumbers + rules;
    numbers(rules, {});
    if (box || name == QLatin1String("ellipse"))
        noChildren();
    else
        points();
}

void Checker::shapes(int depth)
{
    while (nextChild())
        shape(depth);
}

void Checker::canvas()
{
    numbers(m_vocabulary.canvasNumbers, m_vocabulary.canvasTexts);
    bool ok = false;
    const int key = m_xml->attributes().value(QLatin1String("key")).toInt(&ok, 10);
    const int number = ok ? key : 0;
    const auto earlier = m_canvasLines.constFind(number);
    if (earlier != m_canvasLines.cend())
        add(ProjectCheck::tr("a second canvas with key %1 replaces the one at line %2")
                .arg(number)
                .arg(earlier.value()));
    m_canvasLines.insert(number, m_xml->lineNumber());
    shapes(0);
}

void Checker::scenes()
{
    while (nextChild()) {
        if (m_xml->name() == QLatin1String("canvas")) {
            canvas();
        } else {
            add(ProjectCheck::tr("unknown element %1 where a canvas is expected is skipped")
                    .arg(m_xml->name().toString()));
            m_xml->skipCurrentElement();
        }
    }
}

void Checker::document()
{
    if (!m_xml->readNextStartElement())
        return;
    // Another kind of document opens as an empty project; that is no damage of a project.
    if (m_xml->name() != QLatin1String("scenes"))
        return;
    scenes();
    bool reported = false;
    while (!m_xml->atEnd() && !reported) {
        const QXmlStreamReader::TokenType token = m_xml->readNext();
        if (token == QXmlStreamReader::StartElement
            || (token == QXmlStreamReader::Characters && !m_xml->isWhitespace())) {
            add(ProjectCheck::tr("content after the end of the root element is ignored"));
            reported = true;
        }
    }
}

// The reader's words without their full stop, to go on with ours.
QString readerError(const QXmlStreamReader &xml)
{
    QString text = xml.errorString();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

ReadProblems checkProjectDocument(const QByteArray &document, const ProjectVocabulary &vocabulary)
{
    // A new project's file is empty until its first save.
    if (std::all_of(document.cbegin(), document.cend(), [](char c) { return isspace(uchar(c)); }))
        return {};
    const CrowdedTag crowded = findCrowdedTag(document);
    QXmlStreamReader xml(crowded.found() ? document.left(crowded.offset) : document);
    Checker checker(&xml, vocabulary);
    checker.document();
    if (crowded.found())
        checker.problems.append({ crowded.line, crowded.column,
            ProjectCheck::tr("%1; nothing from there on is read").arg(crowded.text()), true });
    else if (xml.hasError())
        checker.problems.append({ xml.lineNumber(), xml.columnNumber(),
            ProjectCheck::tr("%1; nothing from there on is read").arg(readerError(xml)), true });
    return checker.problems;
}

ReadProblems problemsBefore(ReadProblems problems, qint64 line, qint64 column)
{
    if (line > 0)
        problems.erase(std::remove_if(problems.begin(), problems.end(),
                           [=](const ReadProblem &problem) {
                               return problem.endsReading || problem.line > line
                                   || (problem.line == line && problem.column >= column);
                           }),
            problems.end());
    return problems;
}

QString problemLines(const ReadProblems &problems, int shown)
{
    QStringList lines;
    for (int i = 0; i < problems.size() && i < shown; ++i)
        lines.append(ProjectCheck::tr("line %1, column %2: %3")
                         .arg(problems.at(i).line)
                         .arg(problems.at(i).column)
                         .arg(problems.at(i).text));
    if (problems.size() > shown)
        lines.append(ProjectCheck::tr("and %n more", nullptr, int(problems.size() - shown)));
    return lines.join(QLatin1Char('\n'));
}
