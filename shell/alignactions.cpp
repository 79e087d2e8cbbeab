#include "alignactions.h"

#include <QtGlobal>

namespace {

const AlignActionInfo infos[] = {
    { AlignTop, "actionAlignTop", ":/icons/align_top.png",
        QT_TRANSLATE_NOOP("MainWindow", "上对齐"), QT_TRANSLATE_NOOP("MainWindow", "top") },
    { AlignHCenter, "actionAlignHCenter", ":/icons/align_hcenter.png",
        QT_TRANSLATE_NOOP("MainWindow", "水平居中"), QT_TRANSLATE_NOOP("MainWindow", "hcenter") },
    { AlignVCenter, "actionAlignVCenter", ":/icons/align_vcenter.png",
        QT_TRANSLATE_NOOP("MainWindow", "垂直居中"), QT_TRANSLATE_NOOP("MainWindow", "vcenter") },
    { AlignBottom, "actionAlignBottom", ":/icons/align_bottom.png",
        QT_TRANSLATE_NOOP("MainWindow", "下对齐"), QT_TRANSLATE_NOOP("MainWindow", "bottom") },
    { AlignLeft, "actionAlignLeft", ":/icons/align_left.png",
        QT_TRANSLATE_NOOP("MainWindow", "左对齐"), QT_TRANSLATE_NOOP("MainWindow", "left") },
    { AlignRight, "actionAlignRight", ":/icons/align_right.png",
        QT_TRANSLATE_NOOP("MainWindow", "右对齐"), QT_TRANSLATE_NOOP("MainWindow", "right") },
    { SpaceHorizontally, "actionAlignHorzEven", ":/icons/align_horzeven.png",
        QT_TRANSLATE_NOOP("MainWindow", "水平等距"),
        QT_TRANSLATE_NOOP("MainWindow", "Horizontal") },
    { SpaceVertically, "actionAlignVertEven", ":/icons/align_verteven.png",
        QT_TRANSLATE_NOOP("MainWindow", "垂直等距"), QT_TRANSLATE_NOOP("MainWindow", "vertical") },
    { SameWidth, "actionAlignWidth", ":/icons/align_width.png",
        QT_TRANSLATE_NOOP("MainWindow", "等宽"), QT_TRANSLATE_NOOP("MainWindow", "width") },
    { SameHeight, "actionAlignHeight", ":/icons/align_height.png",
        QT_TRANSLATE_NOOP("MainWindow", "等高"), QT_TRANSLATE_NOOP("MainWindow", "height") },
    { SameSize, "actionAlignAll", ":/icons/align_all.png", QT_TRANSLATE_NOOP("MainWindow", "相等"),
        QT_TRANSLATE_NOOP("MainWindow", "width and height") },
};

} // namespace

const AlignActionInfo &alignActionInfo(AlignMode mode)
{
    for (const AlignActionInfo &info : infos) {
        if (info.mode == mode)
            return info;
    }
    // Centring on both lines has no command of its own.
    Q_ASSERT_X(false, "alignActionInfo", "no command for this mode");
    return infos[0];
}
