#pragma once

#include <QApplication>
#include <QScopedPointer>
#include <QString>
#include <QTranslator>

// Which compiled catalogue a program carries and the language setting that loads it.
struct CatalogueRule
{
    QString resource;
    int loadWhen;
};

// "<application directory>/config.ini": the only settings file the programs read.
QString configPath();

// Key `en` of section `language` in the INI file at `iniPath` as a decimal integer;
// 0 when the file, the key or a valid number is missing.
int languageSetting(const QString &iniPath);

// Loads the rule's catalogue into `translator` when `language` meets its condition.
// Returns whether a catalogue was loaded; a failed load leaves the translator empty.
bool loadCatalogue(QTranslator *translator, int language, const CatalogueRule &rule);

// The first command-line argument that names an existing file ending in `suffix`; empty
// when there is none.
QString fileArgument(const QString &suffix);

// Registers the title images shared by the three programs (they live in a static library).
void initShellResources();

// The start-up routine shared by the three programs: application, language from
// config.ini, translator installed before the window exists, window, event loop.
template <class Window> int runProgram(int argc, char **argv, const CatalogueRule &catalogue)
{
    QScopedPointer<QApplication> app(new QApplication(argc, argv));
    initShellResources();
    QScopedPointer<QTranslator> translator(new QTranslator);
    loadCatalogue(translator.data(), languageSetting(configPath()), catalogue);
    app->installTranslator(translator.data());

    QScopedPointer<Window> window(new Window);
    window->show();
    const int result = app->exec();

    window.reset();
    translator.reset();
    app.reset();
    return result;
}
