#pragma once

#include <QPoint>
#include <QToolBar>

// The icon-font tool's title area: a tool bar that reports presses and drags with the
// left button; its logo, texts and actions belong to the main window.
class TitleBar : public QToolBar
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = nullptr);

signals:
    void titlePress(QPoint p);
    void titleMove(QPoint p);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
