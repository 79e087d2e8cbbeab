// The start-up tool's picture for the guide: KPXTOOL_SHOTS OUTPUT_FOLDER
#include "kpxresources.h"
#include "mainwindow.h"
#include "shotsupport.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    initShellResources();
    NoPrompt prompt;
    initKpxResources();
    MainWindow window;
    return shoot(&window, window.size(), QString::fromLocal8Bit(argv[1]),
               QStringLiteral("kpxtool-main.png"))
        ? 0
        : 1;
}
