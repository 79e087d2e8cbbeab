#include "titledrag.h"

#include <QWidget>

void TitleDrag::press(const QWidget *window, const QPoint &global)
{
    m_offset = global - window->frameGeometry().topLeft();
}

void TitleDrag::move(QWidget *window, const QPoint &global) const
{
    if (m_maximised == StayWhenMaximised && window->isMaximized())
        return;
    window->move(global - m_offset);
}
