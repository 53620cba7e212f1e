#include "Unit1.h"
#include "startup.h"
#include "startupwarmup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    App::StartupWarmUp warmUp;
    App::prepareApplication();
    QApplication application(argc, argv);
    TfrmStart frmStart;
    frmStart.show();
    return application.exec();
}
