#include "titlebar.h"

#include <QMouseEvent>
#include <QPainter>

TitleBar::TitleBar(QWidget *parent)
    : QToolBar(parent)
{
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit titlePress(event->globalPos());
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit titleMove(event->globalPos());
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, QPixmap(QStringLiteral("://icons/title.png")));
}
