#pragma once

#include <QString>

class QWidget;

// Puts `path` first in the record file of recently opened projects (at most four, no
// duplicates), reporting failures over `parent`.
void saveOpenRecord(
    QWidget *parent, const QString &path, const QString &recordFile = QStringLiteral("record.txt"));
