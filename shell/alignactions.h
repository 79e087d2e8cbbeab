#pragma once

#include "alignmode.h"
#include "makeaction.h"

#include <QList>
#include <QVariant>

#include <initializer_list>

// One alignment command of the drawing windows. The texts are those of each tool's
// catalogue, context "MainWindow".
struct AlignActionInfo
{
    AlignMode mode;
    const char *name;
    const char *icon;
    const char *iconFontText;
    const char *touchText;
};

// The command of `mode`.
const AlignActionInfo &alignActionInfo(AlignMode mode);

// The mode an alignment action carries.
inline AlignMode alignModeOf(const QAction *action)
{
    return AlignMode(action->data().toInt());
}

// Alignment actions for `modes`, in that order, each triggering `slot` of `receiver`.
template <class Receiver>
QList<QAction *> makeAlignActions(
    Receiver *receiver, std::initializer_list<AlignMode> modes, void (Receiver::*slot)())
{
    QList<QAction *> actions;
    for (AlignMode mode : modes) {
        const AlignActionInfo &info = alignActionInfo(mode);
        QAction *action = makeAction(receiver, info.name, info.icon, slot);
        action->setData(int(mode));
        actions.append(action);
    }
    return actions;
}
