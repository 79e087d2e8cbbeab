#pragma once

#include "prompt.h"

#include <QList>
#include <QStringList>
#include <QVariant>

// A prompt for tests: hands out prepared answers in order and records every message box
// and dialog. Installed for its lifetime; an unanswered dialog counts as cancelled.
class ScriptedPrompt : public Prompt
{
public:
    struct Message
    {
        QString kind; // "information", "warning" or "about"
        QString title;
        QString text;
    };
    struct Dialog
    {
        QString kind; // "open", "openMany", "save", "directory", "font", "color"
        QString caption;
        QString dir;
        QString filter;
    };

    ScriptedPrompt();
    ~ScriptedPrompt() override;

    // The next dialog gets this answer; an empty text or list means cancel.
    void answer(const QVariant &value) { m_answers.append(value); }

    QList<Message> messages;
    QList<Dialog> dialogs;
    int unanswered = 0; // dialogs that found no prepared answer
    int remainingAnswers() const { return m_answers.size(); }

    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void about(QWidget *parent, const QString &title, const QString &text) override;
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;
    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;
    QString getExistingDirectory(
        QWidget *parent, const QString &caption, const QString &dir) override;
    QFont getFont(bool *ok, const QFont &initial, QWidget *parent, const QString &title) override;
    QColor getColor(const QColor &initial, QWidget *parent, const QString &title) override;

private:
    QVariant take(
        const QString &kind, const QString &caption, const QString &dir, const QString &filter);

    QList<QVariant> m_answers;
    Prompt *m_previous;
};

// Every message the prompt recorded, as "kind|title|text".
inline QStringList messages(const ScriptedPrompt &prompt)
{
    QStringList list;
    for (const ScriptedPrompt::Message &m : prompt.messages)
        list.append(m.kind + QLatin1Char('|') + m.title + QLatin1Char('|') + m.text);
    return list;
}
