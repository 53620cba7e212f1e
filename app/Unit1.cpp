#include "Unit1.h"

#include "internalskins.h"

#include "assets/assets.h"
#include "controls/animation.h"

TfrmStart::TfrmStart(QWidget *parent)
    : Controls::Form(parent)
{
    // The layout's pictures live in the assets library's resources.
    Assets::initResources();
    ui.setupUi(this);
    // The layout names the skin; its bytes are attached here, which activates it.
    ui.sSkinManager1->setInternalSkins(App::internalSkins());
    FormCreate();
}

TfrmStart::~TfrmStart() = default;

void TfrmStart::FormCreate()
{
    // Its steps arrive with the controls they touch: the inventory tabs and the accordion.
}

void TfrmStart::sSpeedButton1Click()
{
    changeScreen(-1);
}

void TfrmStart::sSpeedButton2Click()
{
    changeScreen(0);
}

void TfrmStart::sSpeedButton3Click()
{
    changeScreen(1);
}

void TfrmStart::sSpeedButton4Click()
{
    changeScreen(2);
}

void TfrmStart::changeScreen(int pageIndex)
{
    Controls::prepareForAnimation(ui.sPageControl1, 0);
    if (pageIndex < 0)
        ui.sPageControl1->setActivePage(nullptr);
    else
        ui.sPageControl1->selectPage(pageIndex);
    Controls::animShowControl(ui.sPageControl1, 100, 255, 0);
}
