#pragma once
#include "forms/Sockets.h"
#include "gui/Button.h"
#include "gui/Edit.h"
#include "forms/MainWindowLink.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"

// The local information window: the local host's IPv4 addresses, their
// count, the host name and a MAC address.
class TForm3 : public TForm {
public:
    explicit TForm3(TMainWindowLink& mainWindow);

    TPanel Panel1;
    TMemo Memo1;
    TPanel Panel2;
    TButton Button1;
    TUdpSocket UdpSocket1;

    // Each opening writes the report anew.
    void FormShow();
    void Button1Click();
    void FormClose();
    void FormHide();

private:
    TMainWindowLink& FMainWindow;
    void CreateControls();
    void BindEvents();
    void AddAddressLines();
};

extern TForm3* Form3;
