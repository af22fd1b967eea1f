// Laying window procedures over windows, ours and the system's, and what
// happens when one of ours fails.
#include "gui/Subclass.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/GroupBox.h"
#include "gui/Menus.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/WindowWatch.h"

namespace {
const UINT kProbeMessage = WM_APP + 7;

// Records what it saw; can be told to fail at a message, before or after
// passing it on.
class TRecordingSubclass : public TSubclass {
public:
    std::vector<UINT> Seen;
    bool Destroyed = false;
    enum { Pass, FailBefore, FailAfter } Mode = Pass;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        Seen.push_back(message);
        if (message == kProbeMessage && Mode == FailBefore) throw std::runtime_error("before");
        LRESULT result = CallDefault(message, wParam, lParam);
        if (message == kProbeMessage && Mode == FailAfter) throw std::runtime_error("after");
        return result;
    }
    void WindowDestroyed() override { Destroyed = true; }
};

bool Saw(const TRecordingSubclass& subclass, UINT message) {
    return std::find(subclass.Seen.begin(), subclass.Seen.end(), message) != subclass.Seen.end();
}

// The class below every window here: counts the probe messages it gets and
// answers them with 42.
int baseProbeCalls = 0;
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbeMessage) {
        ++baseProbeCalls;
        return 42;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CountingWindow() {
    static ATOM registered = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = CountingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"CountingBase";
        return RegisterClassW(&windowClass);
    }();
    EXPECT_NE(registered, 0);
    return CreateWindowExW(0, L"CountingBase", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// A framework control built on the counting class, failing like the subclass.
class TFailingControl : public TWinControl {
public:
    TFailingControl() { CreateTopLevel(nullptr, {L"TFailingControl", L"CountingBase", WS_POPUP, 0, {}}, TFont()); }
    bool FailBeforeDefault = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbeMessage && FailBeforeDefault) throw std::runtime_error("before");
        LRESULT result = TWinControl::WndProc(message, wParam, lParam);
        if (message == kProbeMessage) throw std::runtime_error("after");
        return result;
    }
};

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }
}  // namespace

TEST(Subclass, SeesMessagesFirstAndComesOffWithItsWindow) {
    TTestForm form;
    TGroupBox box;
    box.Create(form, {.Bounds = {0, 0, 50, 50}});
    TRecordingSubclass outer, inner;
    ASSERT_TRUE(inner.Attach(box.Handle()));
    ASSERT_TRUE(outer.Attach(box.Handle()));
    EXPECT_FALSE(outer.Attach(box.Handle()));
    box.SetText("x");
    EXPECT_TRUE(Saw(outer, WM_SETTEXT));
    EXPECT_TRUE(Saw(inner, WM_SETTEXT));
    EXPECT_EQ(box.Text(), "x");  // passed on to the control below

    DestroyWindow(box.Handle());
    for (TRecordingSubclass* subclass : {&outer, &inner}) {
        EXPECT_TRUE(Saw(*subclass, WM_NCDESTROY));
        EXPECT_TRUE(subclass->Destroyed);
        EXPECT_FALSE(subclass->Attached());
    }
    EXPECT_EQ(box.Handle(), nullptr);  // the control below saw its end too
}

TEST(Subclass, DetachedSubclassSeesNothingMore) {
    TTestForm form;
    TRecordingSubclass subclass;
    subclass.Attach(form.Handle());
    subclass.Detach();
    subclass.Seen.clear();
    form.SetText("y");
    EXPECT_TRUE(subclass.Seen.empty());
    EXPECT_EQ(form.Text(), "y");
}

TEST(Subclass, WorksOnAMessageBoxAndItsButtonsAndComesOffWithThem) {
    TRecordingSubclass box, button;
    WindowWatch watch(L"#32770", HCBT_ACTIVATE, [&](HWND window) {
        if (box.Attached()) return;
        box.Attach(window);
        button.Attach(FindWindowExW(window, nullptr, L"Button", nullptr));
        PostMessageW(button.Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", MB_OK), IDOK);
    EXPECT_TRUE(Saw(button, BM_CLICK));
    EXPECT_TRUE(Saw(box, WM_COMMAND));
    EXPECT_TRUE(box.Destroyed);
    EXPECT_TRUE(button.Destroyed);
}

TEST(Subclass, WorksOnTheSaveDialog) {
    TRecordingSubclass dialog;
    WindowWatch watch(L"#32770", HCBT_ACTIVATE, [&](HWND window) {
        if (dialog.Attached()) return;
        dialog.Attach(window);
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    wchar_t fileName[MAX_PATH] = L"x.txt";
    OPENFILENAMEW save = {};
    save.lStructSize = sizeof save;
    save.lpstrFile = fileName;
    save.nMaxFile = MAX_PATH;
    save.Flags = OFN_EXPLORER;
    EXPECT_FALSE(GetSaveFileNameW(&save));
    EXPECT_TRUE(Saw(dialog, WM_COMMAND));
    EXPECT_TRUE(dialog.Destroyed);
}

TEST(Subclass, WorksOnAPopupMenuWindowFromItsCreation) {
    TTestForm form;
    TPopupMenu menu;
    TMenuItem item("item");
    menu.Add({&item});
    TRecordingSubclass menuWindow;
    WindowWatch watch(L"#32768", HCBT_CREATEWND, [&](HWND window) { menuWindow.Attach(window); });
    // The menu closes itself once it has shown.
    SetTimer(form.Handle(), 1, 100, CloseMenu);
    menu.Popup(10, 10, form.Handle());
    KillTimer(form.Handle(), 1);
    EXPECT_TRUE(Saw(menuWindow, WM_PAINT) || Saw(menuWindow, WM_PRINTCLIENT));
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_TRUE(menuWindow.Destroyed);
}

TEST(FailingProcedure, FailureBeforePassingOnStillPassesOnOnce) {
    baseProbeCalls = 0;
    HWND window = CountingWindow();
    TRecordingSubclass subclass;
    subclass.Attach(window);
    subclass.Mode = TRecordingSubclass::FailBefore;
    EXPECT_EQ(SendMessageW(window, kProbeMessage, 0, 0), 42);
    EXPECT_EQ(baseProbeCalls, 1);
    DestroyWindow(window);
}

TEST(FailingProcedure, FailureAfterPassingOnNeverPassesOnTwiceAndTheWindowGoesOn) {
    baseProbeCalls = 0;
    HWND window = CountingWindow();
    TRecordingSubclass subclass;
    subclass.Attach(window);
    subclass.Mode = TRecordingSubclass::FailAfter;
    EXPECT_EQ(SendMessageW(window, kProbeMessage, 0, 0), 42);
    EXPECT_EQ(baseProbeCalls, 1);
    subclass.Mode = TRecordingSubclass::Pass;
    EXPECT_EQ(SendMessageW(window, kProbeMessage, 0, 0), 42);
    EXPECT_EQ(baseProbeCalls, 2);
    DestroyWindow(window);
}

TEST(FailingProcedure, AFrameworkControlFailingAroundItsDefaultRunsItOnce) {
    CountingWindow();  // registers the class below
    TFailingControl control;
    baseProbeCalls = 0;
    EXPECT_EQ(SendMessageW(control.Handle(), kProbeMessage, 0, 0), 42);
    EXPECT_EQ(baseProbeCalls, 1);
    control.FailBeforeDefault = true;
    EXPECT_EQ(SendMessageW(control.Handle(), kProbeMessage, 0, 0), 42);
    EXPECT_EQ(baseProbeCalls, 2);
    control.SetText("still works");
    EXPECT_EQ(control.Text(), "still works");
}
