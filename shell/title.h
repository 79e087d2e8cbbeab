#pragma once

#include <QPoint>
#include <QWidget>

#include "titledrag.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;

// Signalling: the bar reports presses, moves and its buttons, and the main window acts
// (KPXTool). Direct: the bar moves, minimises, maximises and closes the window it is
// given (TouchTool).
enum class TitleStyle { Signalling, Direct };

// The title bar widget with its own form: logo, title text, minimise, maximise, close.
class Title : public QWidget
{
    Q_OBJECT

public:
    explicit Title(QWidget *parent = nullptr, TitleStyle style = TitleStyle::Signalling);

    TitleStyle style() const { return m_style; }
    // Direct style: the window the bar controls (not owned).
    void setControlledWindow(QWidget *window) { m_window = window; }
    QWidget *controlledWindow() const { return m_window; }

    QHBoxLayout *barLayout = nullptr;
    QLabel *logoLabel = nullptr;
    QLabel *titleLabel = nullptr;
    QSpacerItem *spacer = nullptr;
    QPushButton *btnMin = nullptr;
    QPushButton *btnMax = nullptr;
    QPushButton *btnClose = nullptr;

    // Applies the bar's texts through the translators installed now.
    void retranslateUi();

signals:
    void titlePress(QPoint p);
    void titleMove(QPoint p);
    void min();
    void max();
    void close();

public slots:
    void on_btnMax_clicked();
    void on_btnMin_clicked();
    void on_btnClose_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();

    TitleStyle m_style;
    QWidget *m_window = nullptr;
    TitleDrag m_drag;
};
