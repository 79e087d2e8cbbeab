#pragma once

#include "projectcheck.h"

// One line "command: FILE is damaged at line L, column C: what" per problem of the project
// file `file` on standard error; `file` as the subcommand words it ("'a.prozaf'"). After
// ten problems only their number is given.
void printDamage(const QString &command, const QString &file, const ReadProblems &problems);
