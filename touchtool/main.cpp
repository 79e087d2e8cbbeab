#include "mainwindow.h"
#include "startup.h"
#include "touchresources.h"

int main(int argc, char **argv)
{
    initTouchResources();
    return runProgram<MainWindow>(argc, argv, touchCatalogue);
}
