#include "scriptedprompt.h"

ScriptedPrompt::ScriptedPrompt()
    : m_previous(Prompt::install(this))
{
}

ScriptedPrompt::~ScriptedPrompt()
{
    Prompt::install(m_previous);
}

QVariant ScriptedPrompt::take(
    const QString &kind, const QString &caption, const QString &dir, const QString &filter)
{
    dialogs.append({ kind, caption, dir, filter });
    if (m_answers.isEmpty()) {
        ++unanswered;
        return QVariant();
    }
    return m_answers.takeFirst();
}

void ScriptedPrompt::information(QWidget *, const QString &title, const QString &text)
{
    messages.append({ QStringLiteral("information"), title, text });
}

void ScriptedPrompt::warning(QWidget *, const QString &title, const QString &text)
{
    messages.append({ QStringLiteral("warning"), title, text });
}

void ScriptedPrompt::about(QWidget *, const QString &title, const QString &text)
{
    messages.append({ QStringLiteral("about"), title, text });
}

QString ScriptedPrompt::getOpenFileName(
    QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    return take(QStringLiteral("open"), caption, dir, filter).toString();
}

QStringList ScriptedPrompt::getOpenFileNames(
    QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    return take(QStringLiteral("openMany"), caption, dir, filter).toStringList();
}

QString ScriptedPrompt::getSaveFileName(
    QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    return take(QStringLiteral("save"), caption, dir, filter).toString();
}

QString ScriptedPrompt::getExistingDirectory(QWidget *, const QString &caption, const QString &dir)
{
    return take(QStringLiteral("directory"), caption, dir, QString()).toString();
}

QFont ScriptedPrompt::getFont(bool *ok, const QFont &initial, QWidget *, const QString &title)
{
    const QVariant value = take(QStringLiteral("font"), title, QString(), QString());
    *ok = value.canConvert<QFont>() && value.userType() == QMetaType::QFont;
    return *ok ? value.value<QFont>() : initial;
}

QColor ScriptedPrompt::getColor(const QColor &, QWidget *, const QString &title)
{
    const QVariant value = take(QStringLiteral("color"), title, QString(), QString());
    return value.userType() == QMetaType::QColor ? value.value<QColor>() : QColor();
}
