#pragma once

#include "controls/form.h"
#include "ui_Unit1.h"

/// The main window: the toolbars over the screen host and the handlers of its events.
class TfrmStart : public Controls::Form
{
    Q_OBJECT
public:
    explicit TfrmStart(QWidget *parent = nullptr);
    ~TfrmStart() override;
    Q_DISABLE_COPY(TfrmStart)

    Ui::TfrmStart ui;

public Q_SLOTS:
    void FormCreate();
    void sSpeedButton1Click();
    void sSpeedButton2Click();
    void sSpeedButton3Click();
    void sSpeedButton4Click();

private:
    void changeScreen(int pageIndex);
};
