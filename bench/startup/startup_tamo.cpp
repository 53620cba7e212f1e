#include "firstframereport.h"

#include "Unit1.h"
#include "startup.h"

#include <QApplication>

// tamo's own start-up, as Project1.cpp does it.
int main(int argc, char *argv[])
{
    App::prepareApplication();
    QApplication application(argc, argv);
    TfrmStart frmStart;
    reportFirstFrame(&frmStart);
    frmStart.show();
    return application.exec();
}
