#include "forms/Unit4.h"

#include "base/Version.h"
#include "gui/EventBinding.h"

TForm4* Form4 = nullptr;

namespace {
const char kContact[] = "联系邮箱：quorvik@example.org";
// GBK has no copyright sign.
const char kRightsNotice[] = "(C) 2026 Quorvik 开发者 保留所有权利";
const COLORREF kBlack = RGB(0, 0, 0);
const TFont kTitleFont = {.Name = "隶书", .Height = -29, .Charset = GB2312_CHARSET, .Color = kBlack};
const TFont kTranscriptionFont = {.Name = "黑体", .Height = -11, .Charset = GB2312_CHARSET};
const TFont kVersionFont = {.Name = "黑体", .Height = -12, .Charset = GB2312_CHARSET, .Color = kBlack};
const TFont kMakerFont = {.Name = "黑体", .Height = -12, .Color = kBlack};
}  // namespace

TForm4::TForm4(TMainWindowLink& mainWindow)
    : TForm({.ClassName = L"TForm4",
             .Caption = "关于...",
             .ClientWidth = 286,
             .ClientHeight = 191,
             .BorderStyle = TBorderStyle::ToolWindow,
             .StayOnTop = true,
             .Position = TPosition::MainFormCenter}),
      FMainWindow(mainWindow) {
    CreateControls();
    BindEvents();
    Created();
}

void TForm4::CreateControls() {
    GroupBox1.Create(*this, {.Bounds = {0, 0, 286, 117}});
    Label1.Create(GroupBox1, {.Bounds = {34, 32, 227, 33}, .Caption = "Quorvik", .Transparent = true});
    Label1.SetFont(kTitleFont);
    Label5.Create(GroupBox1, {.Bounds = {68, 70, 181, 21}, .Caption = "QUORVIK"});
    Label5.SetFont(kTranscriptionFont);

    GroupBox2.Create(*this, {.Bounds = {0, 117, 286, 74}});
    Label3.Create(GroupBox2, {.Bounds = {14, 15, 95, 13}, .Caption = "版本：" QUORVIK_VERSION, .Transparent = true});
    Label3.SetFont(kVersionFont);
    Label4.Create(GroupBox2, {.Bounds = {14, 31, 205, 16}, .Caption = kContact, .Transparent = true});
    Label4.SetFont(kMakerFont);
    Label2.Create(GroupBox2, {.Bounds = {14, 49, 247, 18}, .Caption = kRightsNotice, .Transparent = true});
    Label2.SetFont(kMakerFont);
}

// A right click anywhere reaches the window's own handler, since a control
// without one passes the request on to its parent; a left click closes only
// on the title, the version and the rights notice.
void TForm4::BindEvents() {
    OnClose = Handler(this, &TForm4::FormClose);
    auto closeOnRequest = [this](TObject*, POINT, bool& handled) {
        handled = true;
        CloseClick();
    };
    OnContextPopup = closeOnRequest;
    for (TLabel* label : {&Label1, &Label2, &Label3}) {
        label->OnClick = Handler(this, &TForm4::CloseClick);
        label->OnContextPopup = closeOnRequest;
    }
}

void TForm4::CloseClick() { Close(); }

void TForm4::FormClose() { FMainWindow.RaiseMainWindow(); }
