#pragma once

#include <QDialog>

// The start-up choice between a new project folder and an existing project file.
class DlgNewPro : public QDialog
{
    Q_OBJECT

public:
    explicit DlgNewPro(QWidget *parent = nullptr);

signals:
    void newPro(const QString &path);
    void oldPro(const QString &file);

private slots:
    void on_btnNewPro_clicked();
    void on_btnOldPro_clicked();
};
