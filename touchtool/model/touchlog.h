#pragma once

#include <QLoggingCategory>

// Diagnostics of the touch tool, "lumo.touch": quiet unless QT_LOGGING_RULES asks for them,
// since a large file read back would spend more time on them than on the areas.
Q_DECLARE_LOGGING_CATEGORY(touchLog)
