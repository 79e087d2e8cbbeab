#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

// Every modal interaction of the windows goes through here, so that tests can answer the
// dialogs and read the message boxes without a modal loop. Windows never call
// QMessageBox or QFileDialog directly.
class Prompt
{
public:
    virtual ~Prompt();

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void about(QWidget *parent, const QString &title, const QString &text) = 0;

    // File and folder dialogs return an empty result when the user cancels.
    virtual QString getOpenFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
    virtual QStringList getOpenFileNames(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
    virtual QString getSaveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
    virtual QString getExistingDirectory(
        QWidget *parent, const QString &caption, const QString &dir)
        = 0;
    // `ok` tells whether the user accepted; an invalid colour means cancelled.
    virtual QFont getFont(bool *ok, const QFont &initial, QWidget *parent, const QString &title)
        = 0;
    virtual QColor getColor(const QColor &initial, QWidget *parent, const QString &title) = 0;

    // The prompt in force: the Qt dialogs unless a test installed its own.
    static Prompt &current();
    // Installs `prompt` (not owned) and returns the one it replaces; nullptr restores the
    // Qt dialogs.
    static Prompt *install(Prompt *prompt);
};

// The ordinary implementation: Qt's own dialogs and message boxes.
class DialogPrompt : public Prompt
{
public:
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
};
