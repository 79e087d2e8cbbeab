#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

class DrawView;

// A ruler beside the view's viewport, labelled in scene coordinates.
class QtRuleBar : public QWidget
{
    Q_OBJECT

public:
    // Takes the parent's font at pixel size 10, normal weight.
    QtRuleBar(Qt::Orientation orientation, DrawView *view, QWidget *parent = nullptr);

    // Scene coordinates at the bar's start and end; `maxSize` only sizes the labels.
    void setRange(double lower, double upper, double maxSize);
    // `pos` in view coordinates; drawn as a line across the bar.
    void updatePosition(const QPoint &pos);

    // A tick label: "3k" for multiples of 1000 from 2000 on, plain decimal otherwise.
    static QString labelText(int value);

    int orientation;
    double lower = 0;
    double upper = 0;
    double maxSize = 0;
    QPoint cursorPos;
    QColor background = QColor(255, 255, 255, 255);
    DrawView *view;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawTicks(QPainter *painter);
    void drawTick(QPainter *painter, int pos, int length);
    void drawLabel(QPainter *painter, int pos, double value);
    void drawPointer(QPainter *painter);
};

// The square where the two rulers meet.
class QtCornerBox : public QWidget
{
    Q_OBJECT

public:
    explicit QtCornerBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
