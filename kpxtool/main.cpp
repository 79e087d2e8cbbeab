#include "kpxresources.h"
#include "mainwindow.h"
#include "startup.h"

int main(int argc, char **argv)
{
    initKpxResources();
    return runProgram<MainWindow>(argc, argv, kpxCatalogue);
}
