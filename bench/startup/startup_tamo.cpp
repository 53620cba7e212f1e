#include "firstframereport.h"

#include "Unit1.h"
#include "startup.h"
#include "startupwarmup.h"

#include <QApplication>

// tamo's own start-up, as Project1.cpp does it.
int main(int argc, char *argv[])
{
    App::StartupWarmUp warmUp;
    App::prepareApplication();
    QApplication application(argc, argv);
    TfrmStart frmStart;
    reportFirstFrame(&frmStart);
    frmStart.show();
    return application.exec();
}
