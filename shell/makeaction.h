#pragma once

#include <QAction>
#include <QKeySequence>

// A command of a window: named for the tests and the catalogue, with the icon at resource
// path `icon` (none when null) and an optional shortcut; `parent` owns it.
inline QAction *makeAction(QObject *parent, const char *name, const char *icon,
    const QKeySequence &shortcut = QKeySequence())
{
    auto *action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    if (icon)
        action->setIcon(QIcon(QLatin1String(icon)));
    action->setShortcut(shortcut);
    return action;
}

// The same, triggering `slot` of `receiver`.
template <class Receiver>
QAction *makeAction(Receiver *receiver, const char *name, const char *icon,
    void (Receiver::*slot)(), const QKeySequence &shortcut = QKeySequence())
{
    QAction *action = makeAction(static_cast<QObject *>(receiver), name, icon, shortcut);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}
