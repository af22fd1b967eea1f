#pragma once
#include "forms/DataUpdateLink.h"
#include "forms/MainWindowLink.h"
#include "gui/Button.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/ProgressBar.h"
#include "gui/Timer.h"

// The database update window: where the installed data comes from, a
// mirror to ask first, and an update with its progress that can be
// cancelled. It only shows the update, which runs elsewhere, and looks at
// it while it is open.
class TForm5 : public TForm {
public:
    TForm5(TMainWindowLink& mainWindow, TDataUpdateLink& update);

    TGroupBox GroupBox1;
    TLabel Label1;
    TLabel Label2;
    TLabel Label3;
    TEdit Edit1;
    TProgressBar ProgressBar1;
    TLabel Label4;
    TButton Button1;
    TButton Button2;
    TButton Button3;
    TTimer Timer1{50, false};

    void FormShow();
    void FormHide();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Timer1Timer();

private:
    void CreateControls();
    void BindEvents();

    TMainWindowLink& FMainWindow;
    TDataUpdateLink& FUpdate;
    unsigned FFailureShown = 0;
};

extern TForm5* Form5;
