#pragma once

// For the targets whose code builds scenes: one off-screen GUI application for the whole run.

#include <QApplication>

inline int startOffscreenApplication(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the platform plugin leaves objects behind when it is torn down.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}
