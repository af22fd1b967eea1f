#include "app/Unit1.h"

#include <winsock2.h>

#include "app/ProgramPaths.h"
#include "forms/StayOnTop.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "gui/Application.h"
#include "gui/Exception.h"
#include "gui/GbkText.h"
#include "locdb/LocationLookup.h"

TForm1* Form1 = nullptr;
bool ReturnToMainWindow = true;

namespace {
const char kAddressExample[] = "请按照如下格式输入：\r192.168.1.1";
const char kWebAddressExample[] = "请按照如下格式输入：\rhttp://www.example.com/";
const char kFirstWebAddressHint[] = "请按照以下格式输入：\rhttp://www.example.com/";
}  // namespace

TForm1::TForm1()
    : TForm({.ClassName = L"TForm1",
             .Caption = "Quorvik",
             .ClientWidth = 234,
             .ClientHeight = 246,
             .MinimizeBox = true,
             .StayOnTop = true,
             .Position = TPosition::DesktopCenter,
             .Font = {.Name = "Tahoma", .Height = -11}}) {
    CreateControls();
    CreateMenus();
    BindEvents();
    Created();
}

// Controls are made in tab order, so keyboard navigation follows it.
void TForm1::CreateControls() {
    GroupBox1.Create(*this, {.Bounds = {0, 0, 234, 97}, .Caption = "请输入要查询的IP"});
    Edit1.Create(GroupBox1, {.Bounds = {10, 19, 143, 21}, .ShowHint = true});
    Button1.Create(GroupBox1, {.Bounds = {178, 20, 35, 21}, .Caption = "查询"});
    Edit2.Create(GroupBox1, {.Bounds = {10, 66, 215, 21}, .ParentColor = true, .ShowHint = true});
    Label2.Create(GroupBox1, {.Bounds = {8, 47, 67, 13}, .Caption = "查询结果： "});

    GroupBox2.Create(*this, {.Bounds = {0, 97, 234, 149}, .Caption = "Sitorva"});
    Button3.Create(GroupBox2, {.Bounds = {152, 121, 59, 21}, .Caption = "手动查询", .Enabled = false});
    CheckBox1.Create(GroupBox2, {.Bounds = {22, 123, 77, 17}, .Caption = "自动查询", .Checked = true});
    Edit6.Create(GroupBox2, {.Bounds = {66, 93, 159, 21}, .ReadOnly = true, .ParentColor = true, .ShowHint = true});
    Edit5.Create(GroupBox2, {.Bounds = {66, 67, 159, 21}, .ReadOnly = true, .ParentColor = true});
    Edit4.Create(GroupBox2, {.Bounds = {66, 41, 159, 21}, .ReadOnly = true, .ParentColor = true});
    Edit3.Create(GroupBox2, {.Bounds = {66, 16, 159, 21}, .ShowHint = true});
    Label1.Create(GroupBox2, {.Bounds = {6, 20, 60, 13}, .Caption = "网站地址："});
    Label3.Create(GroupBox2, {.Bounds = {20, 45, 46, 13}, .Caption = "IP地址："});
    Label4.Create(GroupBox2, {.Bounds = {6, 71, 60, 13}, .Caption = "主机地址："});
    Label5.Create(GroupBox2, {.Bounds = {6, 97, 60, 13}, .Caption = "地理位置："});
}

void TForm1::CreateMenus() {
    N11.Add({&N12, &IP3, &N13});
    N14.Add({&N9, &N3, &N5});
    N18.Add({&N19, &N1, &N21});
    MainMenu1.Add({&N11, &N14, &N18});
    SetMainMenu(MainMenu1);
    PopupMenu2.Add({&N6, &N7, &IP2, &N8});
}

void TForm1::BindEvents() {
    OnCreate = [this](TObject*) { FormCreate(); };
    OnDestroy = [this](TObject*) { FormDestroy(); };
    Button1.OnClick = [this](TObject*) { Button1Click(); };
    N8.OnClick = [this](TObject*) { N8Click(); };
    N13.OnClick = [this](TObject*) { N13Click(); };
    N12.OnClick = [this](TObject*) { N12Click(); };
    N7.OnClick = [this](TObject*) { N7Click(); };
    IP3.OnClick = [this](TObject*) { IP3Click(); };
    IP2.OnClick = [this](TObject*) { IP2Click(); };
    N21.OnClick = [this](TObject*) { N21Click(); };
    Edit1.OnMouseMove = [this](TObject*, TShiftState, int, int) { Edit1MouseMove(); };
    Edit2.OnMouseMove = [this](TObject*, TShiftState, int, int) { Edit2MouseMove(); };
    Edit3.OnMouseMove = [this](TObject*, TShiftState, int, int) { Edit3MouseMove(); };
    Edit6.OnMouseMove = [this](TObject*, TShiftState, int, int) { Edit6MouseMove(); };
}

void TForm1::FormCreate() {
    Application.SetHintPause(0);
    Application.OnDeactivate = [this](TObject*) { AppDeactivate(); };
    WSADATA winsock;
    if (WSAStartup(MAKEWORD(2, 0), &winsock) != 0) throw Exception("Winsock Version Error");
    Edit3.Hint = kFirstWebAddressHint;
}

void TForm1::FormDestroy() { WSACleanup(); }

// Whenever the program loses activation, stay-on-top puts the main window
// back above the program that took it.
void TForm1::AppDeactivate() {
    if (SuspendTopMost || !Showing()) return;
    TBounds bounds = Bounds();
    SetWindowPos(Handle(), HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width, bounds.Height, 0);
}

void TForm1::Button1Click() {
    if (Edit1.Text().empty()) return;
    std::string location = LookUpLocation(DatabasePath(), TrimText(Edit1.Text()));
    Edit2.SetText("");
    Edit2.SetText(LocationOrNoData(location));
}

void TForm1::N8Click() {
    Exiting = true;
    Close();
}

void TForm1::N13Click() {
    Exiting = true;
    Close();
}

// The batch and local information windows take the main window's place on
// screen; opened from the tray while it sat there, they leave it there.
void TForm1::N12Click() {
    ReturnToMainWindow = true;
    Hide();
    Form2->Show();
}

void TForm1::N7Click() {
    ReturnToMainWindow = Showing();
    Hide();
    Form2->Show();
}

void TForm1::IP3Click() {
    ReturnToMainWindow = true;
    Hide();
    Form3->ShowLocalInformation();
}

void TForm1::IP2Click() {
    ReturnToMainWindow = Showing();
    Hide();
    Form3->ShowLocalInformation();
}

void TForm1::N21Click() {
    LowerMainWindow();
    Form4->ShowModal();
}

void TForm1::Edit1MouseMove() { Edit1.Hint = kAddressExample; }

void TForm1::Edit2MouseMove() { Edit2.Hint = Edit2.Text(); }

void TForm1::Edit3MouseMove() { Edit3.Hint = CheckBox1.Checked() ? Edit3.Text() : kWebAddressExample; }

void TForm1::Edit6MouseMove() { Edit6.Hint = Edit6.Text(); }

// At the end of the Windows session the close query still runs (hiding the
// window unless an exit was chosen), then the process ends at once.
LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYENDSESSION) {
        TForm::WndProc(message, wParam, lParam);
        TerminateProcess(GetCurrentProcess(), 0);
    }
    return TForm::WndProc(message, wParam, lParam);
}
