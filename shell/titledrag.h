#pragma once

#include <QPoint>

class QWidget;

// Moves a frameless window by its title bar: the spot grabbed stays under the pointer.
class TitleDrag
{
public:
    enum Maximised { StayWhenMaximised, MoveEvenMaximised };

    explicit TitleDrag(Maximised maximised = StayWhenMaximised)
        : m_maximised(maximised)
    {
    }

    // A press at screen point `global` grabs `window` there.
    void press(const QWidget *window, const QPoint &global);
    // The pointer at screen point `global` takes the grabbed spot of `window` with it.
    void move(QWidget *window, const QPoint &global) const;

private:
    Maximised m_maximised;
    QPoint m_offset; // from the window's frame corner to the spot grabbed
};
