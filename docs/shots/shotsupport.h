#pragma once

// Shared by the programs that take the guide's screenshots: offscreen, with the shell's
// images and a prompt that answers nothing.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>

#include "prompt.h"
#include "startup.h"

#include <cstdio>

// Answers every dialog with "cancel" and prints every message, so that nothing waits for
// a user.
class NoPrompt : public Prompt
{
public:
    NoPrompt() { Prompt::install(this); }
    ~NoPrompt() override { Prompt::install(nullptr); }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        print(title, text);
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        print(title, text);
    }
    void about(QWidget *, const QString &title, const QString &text) override
    {
        print(title, text);
    }
    QString getOpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QStringList getOpenFileNames(
        QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString getExistingDirectory(QWidget *, const QString &, const QString &) override
    {
        return {};
    }
    QFont getFont(bool *ok, const QFont &initial, QWidget *, const QString &) override
    {
        *ok = false;
        return initial;
    }
    QColor getColor(const QColor &, QWidget *, const QString &) override { return {}; }

private:
    static void print(const QString &title, const QString &text)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
};

// Renders `widget` (shown at `size`) into `folder`/`name` once pending events are done.
inline bool shoot(QWidget *widget, const QSize &size, const QString &folder, const QString &name)
{
    widget->resize(size);
    widget->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return widget->grab().save(QDir(folder).filePath(name));
}
