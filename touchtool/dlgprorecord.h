#pragma once

#include <QDialog>

// The recently opened projects, one button each, from the record file.
class DlgProRecord : public QDialog
{
    Q_OBJECT

public:
    explicit DlgProRecord(
        QWidget *parent = nullptr, const QString &recordFile = QStringLiteral("record.txt"));

signals:
    void openProject(const QString &fileName);
};
