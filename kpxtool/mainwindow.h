#pragma once

#include "kpxbuilder.h"
#include "titledrag.h"

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
    Title *titleBar = nullptr;
    QWidget *filePanel = nullptr;
    QLabel *fileHeading = nullptr;
    QCheckBox *touchIncluded = nullptr;
    QPushButton *openTouchButton = nullptr;
    QLabel *touchPathLabel = nullptr;
    QCheckBox *variablesIncluded = nullptr;
    QPushButton *openVariablesButton = nullptr;
    QLabel *variablesPathLabel = nullptr;
    QWidget *startPanel = nullptr;
    QLabel *startHeading = nullptr;
    QLabel *pageFileIdLabel = nullptr;
    QSpinBox *pageFileIdBox = nullptr;
    QLabel *startPageIdLabel = nullptr;
    QSpinBox *startPageIdBox = nullptr;
    QWidget *soundPanel = nullptr;
    QLabel *soundHeading = nullptr;
    QRadioButton *buzzerButton = nullptr;
    QRadioButton *speakerButton = nullptr;
    QRadioButton *silentButton = nullptr;
    QLabel *audioFileIdLabel = nullptr;
    QSpinBox *audioFileIdBox = nullptr;
    QLabel *audioIdLabel = nullptr;
    QSpinBox *audioIdBox = nullptr;
    QPushButton *generateButton = nullptr;

public slots:
    void titlePress(QPoint p);
    void titleMove(QPoint p);
    void titleMax();
    void titleMin();
    void openTouchFile();
    void openVariablesFile();
    void chooseBuzzer();
    void chooseSpeaker();
    void chooseSilent();
    void generateKpx();

private:
    void setupUi();
    void retranslateUi();
    void setSpeakerFieldsVisible(bool visible);
    KpxSettings settings() const;
    bool readInputs();
    bool readIncluded(
        const QCheckBox *include, const QLabel *path, QByteArray *data, const QString &missing);

    // The window has a fixed size, so even maximised it stays draggable.
    TitleDrag m_titleDrag { TitleDrag::MoveEvenMaximised };

    // Builder state, refreshed at every generation.
    QByteArray m_touchData;
    QByteArray m_variableData;
};
