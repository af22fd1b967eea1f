#pragma once
#include "forms/MainWindowLink.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"

// The About window: the product's name, its transcription, the version and
// the maker. Almost any click closes it.
class TForm4 : public TForm {
public:
    explicit TForm4(TMainWindowLink& mainWindow);

    TGroupBox GroupBox1;
    TLabel Label1;
    TLabel Label5;
    TGroupBox GroupBox2;
    TLabel Label3;
    TLabel Label4;
    TLabel Label2;

    void CloseClick();
    void FormClose();

private:
    TMainWindowLink& FMainWindow;
    void CreateControls();
    void BindEvents();
};

extern TForm4* Form4;
