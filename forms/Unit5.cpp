#include "forms/Unit5.h"

#include "base/GbkText.h"
#include "base/win32/Win32Text.h"
#include "gui/Dialogs.h"
#include "gui/EventBinding.h"

TForm5* Form5 = nullptr;

namespace {
const char kCaption[] = "更新数据库";
const int kBarSteps = 1000;
}  // namespace

TForm5::TForm5(TMainWindowLink& mainWindow, TDataUpdateLink& update)
    : TForm({.ClassName = L"TForm5",
             .Caption = kCaption,
             .ClientWidth = 300,
             .ClientHeight = 178,
             .BorderStyle = TBorderStyle::ToolWindow,
             .StayOnTop = true,
             .Position = TPosition::MainFormCenter}),
      FMainWindow(mainWindow),
      FUpdate(update) {
    CreateControls();
    BindEvents();
    Created();
}

// Controls are made in tab order, so keyboard navigation follows it.
void TForm5::CreateControls() {
    GroupBox1.Create(*this, {.Bounds = {0, 0, 300, 64}, .Caption = "已安装的数据"});
    Label1.Create(GroupBox1, {.Bounds = {10, 20, 282, 14}});
    Label2.Create(GroupBox1, {.Bounds = {10, 40, 282, 14}});
    Label3.Create(*this, {.Bounds = {8, 77, 60, 13}, .Caption = "镜像地址："});
    Edit1.Create(*this, {.Bounds = {68, 73, 224, 21}});
    ProgressBar1.Create(*this, {.Bounds = {8, 102, 284, 16}, .Max = kBarSteps, .Smooth = true});
    Label4.Create(*this, {.Bounds = {8, 124, 284, 14}});
    Button1.Create(*this, {.Bounds = {44, 148, 66, 21}, .Caption = "检查更新"});
    Button2.Create(*this, {.Bounds = {117, 148, 66, 21}, .Caption = "取消", .Enabled = false});
    Button3.Create(*this, {.Bounds = {190, 148, 66, 21}, .Caption = "关闭"});
}

void TForm5::BindEvents() {
    OnShow = Handler(this, &TForm5::FormShow);
    OnHide = Handler(this, &TForm5::FormHide);
    Button1.OnClick = Handler(this, &TForm5::Button1Click);
    Button2.OnClick = Handler(this, &TForm5::Button2Click);
    Button3.OnClick = Handler(this, &TForm5::Button3Click);
    Timer1.SetOnTimer(Handler(this, &TForm5::Timer1Timer));
}

void TForm5::FormShow() {
    Edit1.SetText(Narrow(FUpdate.Mirror()));
    Timer1Timer();
    Timer1.SetEnabled(true);
    FMainWindow.LowerMainWindow();
}

// The update goes on unseen; closing the window does not end it.
void TForm5::FormHide() {
    Timer1.SetEnabled(false);
    FMainWindow.RaiseMainWindow();
}

void TForm5::Button1Click() {
    if (std::optional<std::string> refusal = FUpdate.Start(Widen(TrimText(Edit1.Text()))))
        ShowMessageBox(*refusal, kCaption, MB_OK | MB_ICONWARNING, Handle());
    Timer1Timer();
}

void TForm5::Button2Click() {
    FUpdate.Cancel();
    Timer1Timer();
}

void TForm5::Button3Click() { Close(); }

// What changed is shown; a failure is told once, in a message box.
void TForm5::Timer1Timer() {
    TUpdateView view = FUpdate.View();
    for (auto [label, line] : {std::pair{&Label1, 0}, {&Label2, 1}})
        if (size_t(line) < view.Installed.size() && label->Text() != view.Installed[line])
            label->SetText(view.Installed[line]);
    if (Label4.Text() != view.Status) Label4.SetText(view.Status);
    int position = view.Total ? int(view.Received * kBarSteps / view.Total) : 0;
    if (ProgressBar1.Position() != position) ProgressBar1.SetPosition(position);
    if (Button1.Enabled() != view.CanStart) Button1.SetEnabled(view.CanStart);
    if (Button2.Enabled() != view.CanCancel) Button2.SetEnabled(view.CanCancel);
    if (view.Failure && view.Run != FFailureShown) {
        FFailureShown = view.Run;
        ShowMessageBox("更新数据库失败，已安装的数据没有改动。\r" + *view.Failure, kCaption, MB_OK | MB_ICONERROR,
                       Handle());
    }
}
