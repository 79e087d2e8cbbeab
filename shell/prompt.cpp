#include "prompt.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {
Prompt *installedPrompt = nullptr;
}

Prompt::~Prompt() = default;

Prompt &Prompt::current()
{
    static DialogPrompt dialogs;
    return installedPrompt ? *installedPrompt : dialogs;
}

Prompt *Prompt::install(Prompt *prompt)
{
    Prompt *previous = installedPrompt;
    installedPrompt = prompt;
    return previous;
}

void DialogPrompt::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void DialogPrompt::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void DialogPrompt::about(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::about(parent, title, text);
}

QString DialogPrompt::getOpenFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QStringList DialogPrompt::getOpenFileNames(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString DialogPrompt::getSaveFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString DialogPrompt::getExistingDirectory(
    QWidget *parent, const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QFont DialogPrompt::getFont(bool *ok, const QFont &initial, QWidget *parent, const QString &title)
{
    return QFontDialog::getFont(ok, initial, parent, title);
}

QColor DialogPrompt::getColor(const QColor &initial, QWidget *parent, const QString &title)
{
    return QColorDialog::getColor(initial, parent, title);
}
