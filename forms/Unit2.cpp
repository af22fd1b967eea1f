#include "forms/Unit2.h"

#include "forms/BatchLines.h"
#include "gui/Application.h"
#include "base/Exception.h"
#include "gui/Files.h"
#include "base/GbkText.h"
#include "locdb/LocationLookup.h"

TForm2* Form2 = nullptr;

namespace {
const char kMemoHint[] =
    "请按照以下格式输入：\r219.89.189.166\r221.0.119.135\r121.23.209.78\r重新查询，请先清空！";
const char kCaption[] = "提示";
}  // namespace

TForm2::TForm2(TMainWindowLink& mainWindow)
    : TForm({.ClassName = L"TForm2",
             .Caption = "批量查询",
             .ClientWidth = 310,
             .ClientHeight = 248,
             .BorderStyle = TBorderStyle::ToolWindow,
             .Position = TPosition::MainFormCenter,
             .OwnedByDesktop = true}),
      FMainWindow(mainWindow) {
    CreateControls();
    BindEvents();
    Created();
}

// Controls are made in tab order, so keyboard navigation follows it.
void TForm2::CreateControls() {
    GroupBox1.Create(*this, {.Bounds = {0, 0, 310, 215}, .Caption = "请输入要查询的IP"});
    memo1.Create(GroupBox1, {.Bounds = {2, 15, 306, 198}, .ShowHint = true});
    memo1.ImeName = "中文 (简体) - 微软拼音";
    Panel1.Create(*this, {.Bounds = {0, 215, 310, 33}});
    Button1.Create(Panel1, {.Bounds = {14, 6, 45, 21}, .Caption = "查询"});
    Button3.Create(Panel1, {.Bounds = {91, 6, 45, 21}, .Caption = "清空"});
    Button2.Create(Panel1, {.Bounds = {246, 6, 45, 21}, .Caption = "取消"});
    Button4.Create(Panel1, {.Bounds = {168, 6, 45, 21}, .Caption = "保存"});
}

void TForm2::BindEvents() {
    OnCreate = [this](TObject*) { FormCreate(); };
    OnHide = [this](TObject*) { FormHide(); };
    Button1.OnClick = [this](TObject*) { Button1Click(); };
    Button2.OnClick = [this](TObject*) { Button2Click(); };
    Button3.OnClick = [this](TObject*) { Button3Click(); };
    Button4.OnClick = [this](TObject*) { Button4Click(); };
}

void TForm2::FormCreate() {
    Application.SetHintPause(0);
    memo1.Hint = kMemoHint;
}

// Each line is looked up as typed, without its surrounding blanks, and keeps
// its own text in front of the result. The memo is read once and written
// once, so the work grows with the number of lines only.
void TForm2::Button1Click() {
    std::string text = memo1.Text();
    if (text.empty()) return;
    SystemPath databasePath = FMainWindow.DatabasePath();
    std::string annotated = AnnotateLines(text, [&](const std::string& line) {
        return line + " " + LocationOrNoData(LookUpLocation(databasePath, TrimText(line)));
    });
    if (annotated != text) memo1.SetText(annotated);
}

void TForm2::Button2Click() { Hide(); }

void TForm2::Button3Click() { memo1.Clear(); }

void TForm2::Button4Click() {
    if (!SaveDialog1.Execute(Handle())) return;
    const std::string& path = SaveDialog1.FileName;
    if (FileExists(path) && ShowMessageBox(path + "\r文件已存在，是否替换？", kCaption, MB_YESNO) != IDYES) return;
    SaveResults(path);
}

// A failed save would lose the user's work unseen, so it is told.
void TForm2::SaveResults(const std::string& path) {
    try {
        WriteFileReplacing(path, memo1.Text());
    } catch (const Exception& error) {
        ShowMessageBox(path + "\r文件保存失败：" + error.Message(), kCaption, MB_OK | MB_ICONERROR);
    }
}

void TForm2::FormHide() {
    if (FMainWindow.ReturnsToMainWindow()) FMainWindow.ShowMainWindow();
}
