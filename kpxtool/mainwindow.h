#pragma once

#include "kpxbuilder.h"

#include <QMainWindow>
#include <QPoint>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Title;

// The single window of KPXTool: pick the touch and variable files, enter the power-on
// settings, generate the *.KPX file.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The form, by the object names the tests and the catalogue rely on.
    Title *widget_title = nullptr;
    QWidget *widget = nullptr;
    QLabel *label_6 = nullptr;
    QCheckBox *checkBox = nullptr;
    QPushButton *pushButton_3 = nullptr;
    QLabel *label_7 = nullptr;
    QCheckBox *checkBox_2 = nullptr;
    QPushButton *pushButton_4 = nullptr;
    QLabel *label_8 = nullptr;
    QWidget *widget_2 = nullptr;
    QLabel *label_9 = nullptr;
    QLabel *label_2 = nullptr;
    QSpinBox *spinBox_1 = nullptr;
    QLabel *label_3 = nullptr;
    QSpinBox *spinBox_2 = nullptr;
    QWidget *widget_3 = nullptr;
    QLabel *label_10 = nullptr;
    QRadioButton *radioButton = nullptr;
    QRadioButton *radioButton_2 = nullptr;
    QRadioButton *radioButton_3 = nullptr;
    QLabel *label_4 = nullptr;
    QSpinBox *spinBox_3 = nullptr;
    QLabel *label_5 = nullptr;
    QSpinBox *spinBox_4 = nullptr;
    QPushButton *pushButton_2 = nullptr;

public slots:
    void titlePress(QPoint p);
    void titleMove(QPoint p);
    void titleMax();
    void titlemin();
    void on_pushButton_2_clicked();
    void on_radioButton_clicked();
    void on_radioButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_radioButton_3_clicked();

private:
    void setupUi();
    void retranslateUi();
    void setSpeakerFieldsVisible(bool visible);
    KpxSettings settings() const;
    bool readInputs();
    bool readIncluded(const QCheckBox *include, const QLabel *path, QByteArray *data,
                      const QString &missing);

    int m_offsetX = 0;
    int m_offsetY = 0;

    // Builder state, refreshed at every generation.
    QByteArray m_touchData;
    QByteArray m_variableData;
};
