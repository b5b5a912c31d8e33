// The floor for start-up: a Qt program that shows one empty window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(695, 453);
    window.show();
    return QApplication::exec();
}
