#include "forms/Unit3.h"

#include <winsock2.h>

#include "forms/LocalReport.h"
#include "forms/MacAddress.h"
#include "gui/EventBinding.h"

TForm3* Form3 = nullptr;

namespace {
const WORD kWinsock11 = MAKEWORD(1, 1);
}

TForm3::TForm3(TMainWindowLink& mainWindow)
    : TForm({.ClassName = L"TForm3",
             .Caption = "本机信息",
             .ClientWidth = 236,
             .ClientHeight = 207,
             .BorderStyle = TBorderStyle::ToolWindow,
             .Position = TPosition::MainFormCenter}),
      FMainWindow(mainWindow) {
    CreateControls();
    BindEvents();
    Created();
}

void TForm3::CreateControls() {
    Panel1.Create(*this, {.Bounds = {0, 0, 236, 170}});
    Memo1.Create(Panel1, {.Bounds = {1, 1, 234, 168}, .ReadOnly = true, .ScrollBars = false});
    Panel2.Create(*this, {.Bounds = {0, 170, 236, 37}});
    Button1.Create(Panel2, {.Bounds = {92, 8, 59, 21}, .Caption = "确定"});
}

void TForm3::BindEvents() {
    OnShow = Handler(this, &TForm3::FormShow);
    OnClose = Handler(this, &TForm3::FormClose);
    OnHide = Handler(this, &TForm3::FormHide);
    Button1.OnClick = Handler(this, &TForm3::Button1Click);
}

// Lines are added as they are found, so a failure keeps what came before.
void TForm3::FormShow() {
    Memo1.Clear();
    AddAddressLines();
    Memo1.Add("主机名：" + UdpSocket1.LocalHostName());
    Memo1.Add("本机MAC:" + QueryMacAddress());
    FMainWindow.LowerMainWindow();
}

// A host without an address record still gets its report, with a line
// that says so, rather than no window at all.
void TForm3::AddAddressLines() {
    std::optional<std::vector<std::string>> addresses;
    {
        TWinsockUse winsock(kWinsock11);
        char name[64] = {};
        gethostname(name, sizeof name - 1);
        if (hostent* host = gethostbyname(name)) {
            addresses.emplace();
            for (char** address = host->h_addr_list; *address; ++address)
                addresses->push_back(inet_ntoa(*reinterpret_cast<in_addr*>(*address)));
        }
    }
    for (const std::string& line : AddressReportLines(addresses)) Memo1.Add(line);
}

void TForm3::Button1Click() { Close(); }

void TForm3::FormClose() { FMainWindow.RaiseMainWindow(); }

void TForm3::FormHide() {
    if (FMainWindow.ReturnsToMainWindow()) FMainWindow.ShowMainWindow();
}
