#pragma once

#include <QLoggingCategory>

// Diagnostics of the drawing tools; quiet unless QT_LOGGING_RULES enables "lumo.drawing".
Q_DECLARE_LOGGING_CATEGORY(lumoDrawing)
