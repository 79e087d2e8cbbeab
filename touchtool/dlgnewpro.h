#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// Asks for the folder of a new touch project.
class DlgNewPro : public QDialog
{
    Q_OBJECT

public:
    explicit DlgNewPro(QWidget *parent = nullptr);

signals:
    // `size` and `pixmap` carry the hidden screen settings; `path` is the project folder.
    void sendData(const QString &size, const QString &pixmap, const QString &path);

private slots:
    void on_btnSelectPath_clicked();
    void on_btnOk_clicked();
    void on_btnCancel_clicked();

private:
    QLineEdit *m_path = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_pixmap = nullptr;
};
