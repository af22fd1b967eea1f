#include "forms/Unit2.h"

#include <algorithm>

#include "base/Exception.h"
#include "base/GbkText.h"
#include "base/win32/Files.h"
#include "forms/BatchLines.h"
#include "gui/Application.h"
#include "gui/EventBinding.h"
#include "locdb/AddressLookup.h"

TForm2* Form2 = nullptr;

namespace {
const char kMemoHint[] =
    "请按照以下格式输入：\r219.89.189.166\r221.0.119.135\r121.23.209.78\r重新查询，请先清空！";
const char kCaption[] = "提示";
const char kWindowCaption[] = "批量查询";

// Each part (lookups, then appending them to the memo) should take about
// this long, well below the quarter second after which a window that does
// not answer seems hung. Appending costs more as the memo grows, so the
// parts shrink as it does.
constexpr auto kPartTime = std::chrono::milliseconds(100);
constexpr size_t kFirstPartBytes = 16 << 10;
constexpr size_t kSmallestPartBytes = 2 << 10;
constexpr size_t kLargestPartBytes = 256 << 10;

// The size of the next part, from how long the last one of this size took;
// it grows at most twofold at a time.
size_t NextPartBytes(size_t bytes, std::chrono::steady_clock::duration spent) {
    double milliseconds = std::max(1.0, std::chrono::duration<double, std::milli>(spent).count());
    double scale = std::min(2.0, double(kPartTime.count()) / milliseconds);
    return std::clamp(size_t(double(bytes) * scale), kSmallestPartBytes, kLargestPartBytes);
}
}  // namespace

TForm2::TForm2(TMainWindowLink& mainWindow)
    : TForm({.ClassName = L"TForm2",
             .Caption = kWindowCaption,
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
    OnCreate = Handler(this, &TForm2::FormCreate);
    OnHide = Handler(this, &TForm2::FormHide);
    Button1.OnClick = Handler(this, &TForm2::Button1Click);
    Button2.OnClick = Handler(this, &TForm2::Button2Click);
    Button3.OnClick = Handler(this, &TForm2::Button3Click);
    Button4.OnClick = Handler(this, &TForm2::Button4Click);
}

void TForm2::FormCreate() {
    Application.SetHintPause(0);
    memo1.Hint = kMemoHint;
}

void TForm2::Button1Click() {
    std::string text = memo1.Text();
    if (!text.empty()) StartBatch(std::move(text));
}

// The memo is read once, and each annotated part replaces its lines once,
// so the work grows with the number of lines only. Meanwhile the window
// repaints, shows its progress in the caption, and holds back what would
// change the memo.
void TForm2::StartBatch(std::string text) {
    FBatch = std::make_unique<TBatchAnnotation>(std::move(text));
    FMemoCleared = false;
    FPartBytes = kFirstPartBytes;
    HoldInput(true);
    FMainWindow.BatchRunning(true);
    FBatchTimer.SetEnabled(true);
}

void TForm2::BatchTimerTimer() {
    FBatchTimer.SetEnabled(false);
    if (!FBatch) return;
    bool stepped = false;
    RunGuarded([&] {
        BatchStep();
        stepped = true;
    });
    // A part that failed otherwise (memory) ends the batch, giving the memo
    // back the lines it had not reached.
    if (FBatch && !stepped) {
        RunGuarded([&] {
            FBatch->Stop();
            if (FMemoCleared) memo1.Append(FBatch->TakeAnnotated());
        });
        EndBatch();
    }
}

// One part: readers of its own for its lines (so the main window's lookups
// find the files free between parts), then the lines into the memo. A
// database that cannot be opened ends the batch at the first line that needs it.
void TForm2::BatchStep() {
    auto started = std::chrono::steady_clock::now();
    TAddressLookup lookup(FMainWindow.DatabasePath(), FMainWindow.Ipv6DatabasePath());
    FBatch->Step([&](const std::string& line) { return line + " " + lookup.LookUp(TrimText(line)).Location; },
                 FPartBytes);
    // A batch whose first line already fails leaves the memo untouched.
    if (FBatch->Done() && !FBatch->Changed()) return EndBatch();
    if (!FMemoCleared) {
        memo1.Clear();
        FMemoCleared = true;
    }
    memo1.Append(FBatch->TakeAnnotated());
    if (FBatch->Done()) return EndBatch();

    SetText(std::string(kWindowCaption) + " " + std::to_string(FBatch->PercentDone()) + "%");
    FPartBytes = NextPartBytes(FPartBytes, std::chrono::steady_clock::now() - started);
    FBatchTimer.SetEnabled(true);
}

void TForm2::EndBatch() {
    FBatch.reset();
    SetText(kWindowCaption);
    HoldInput(false);
    FMainWindow.BatchRunning(false);
}

// Saving waits too: until the batch ends the memo holds only its first lines.
void TForm2::HoldInput(bool hold) {
    memo1.SetReadOnly(hold);
    for (TButton* button : {&Button1, &Button3, &Button4}) button->SetEnabled(!hold);
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
