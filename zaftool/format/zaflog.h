#pragma once

#include <QLoggingCategory>

// Diagnostics of the icon-font tool, "lumo.zaf": quiet unless QT_LOGGING_RULES asks for them.
Q_DECLARE_LOGGING_CATEGORY(zafLog)
