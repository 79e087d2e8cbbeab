#include "mainwindow.h"
#include "startup.h"
#include "zafresources.h"

int main(int argc, char **argv)
{
    initZafResources();
    return runProgram<MainWindow>(argc, argv, zafCatalogue);
}
