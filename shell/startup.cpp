#include "startup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

namespace {

// Diagnostics only: quiet unless QT_LOGGING_RULES asks for them.
Q_LOGGING_CATEGORY(shellLog, "lumo.shell", QtInfoMsg)

} // namespace

QString configPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/config.ini");
}

QString fileArgument(const QString &suffix)
{
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i].endsWith(suffix, Qt::CaseInsensitive) && QFileInfo(arguments[i]).isFile())
            return arguments[i];
    }
    return QString();
}

int languageSetting(const QString &iniPath)
{
    const QSettings settings(iniPath, QSettings::IniFormat);
    const QString text = settings.value(QStringLiteral("/language/en"), QString()).toString();
    qCDebug(shellLog) << "language=" << text;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

bool loadCatalogue(QTranslator *translator, int language, const CatalogueRule &rule)
{
    if (language != rule.loadWhen)
        return false;
    return translator->load(rule.resource);
}

void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}
