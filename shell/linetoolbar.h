#pragma once

#include <QToolBar>

// A plain tool bar with a thin grey edge line: along the left edge when `edge` is
// non-zero, along the right edge when it is 0.
class LineToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit LineToolBar(int edge, QWidget *parent = nullptr);

    int edge() const { return m_edge; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_edge;
};
