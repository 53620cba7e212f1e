#include "firstframereport.h"

#include "startup.h"

#include <QApplication>

// The least a Qt program showing a window of tamo's outer size does.
int main(int argc, char *argv[])
{
    App::prepareApplication();
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(1266, 798);
    reportFirstFrame(&window);
    window.show();
    return application.exec();
}
