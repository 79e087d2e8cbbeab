// The start-up benchmark's reference: the least a Qt widgets program does to show a window.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}
