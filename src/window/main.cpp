#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    qz7t::Form1 window;
    window.show();
    return QApplication::exec();
}
