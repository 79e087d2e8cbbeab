#include "linetoolbar.h"

#include <QPainter>

LineToolBar::LineToolBar(int edge, QWidget *parent)
    : QToolBar(parent)
    , m_edge(edge)
{
}

void LineToolBar::paintEvent(QPaintEvent *event)
{
    QToolBar::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    if (m_edge != 0)
        painter.drawLine(0, 0, 0, height() - 1);
    else
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}
