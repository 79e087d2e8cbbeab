#pragma once

#include <QLoggingCategory>
#include <QString>

// Lets the debug messages of logging category `name` through while it lives, for a test
// that expects a diagnostic; the categories are quiet otherwise.
class DebugMessagesOn
{
public:
    explicit DebugMessagesOn(const char *name)
    {
        QLoggingCategory::setFilterRules(QStringLiteral("%1.debug=true").arg(QLatin1String(name)));
    }
    ~DebugMessagesOn() { QLoggingCategory::setFilterRules(QString()); }
    DebugMessagesOn(const DebugMessagesOn &) = delete;
    DebugMessagesOn &operator=(const DebugMessagesOn &) = delete;
};
