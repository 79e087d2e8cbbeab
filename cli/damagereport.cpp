#include "damagereport.h"

#include "commandline.h"

void printDamage(const QString &command, const QString &file, const ReadProblems &problems)
{
    constexpr int shown = 10;
    for (int i = 0; i < problems.size() && i < shown; ++i) {
        const ReadProblem &problem = problems.at(i);
        printError(command,
            QStringLiteral("%1 is damaged at line %2, column %3: %4")
                .arg(file)
                .arg(problem.line)
                .arg(problem.column)
                .arg(problem.text));
    }
    if (problems.size() > shown)
        printError(command,
            QStringLiteral("%1: %2 more problems not shown")
                .arg(file)
                .arg(problems.size() - shown));
}
