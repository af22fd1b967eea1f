#pragma once
// The batch window, the save dialog and the message boxes it shows, as a
// person finds and answers them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/UiDriver.h"

namespace ui {

// The batch window as a person sees it.
struct BatchWindow {
    HWND window = FindTopWindow(L"TForm2");
    HWND memo = Children(window, L"TMemo").at(0);
    HWND query = ChildWithText(window, L"TButton", "查询");
    HWND clear = ChildWithText(window, L"TButton", "清空");
    HWND save = ChildWithText(window, L"TButton", "保存");
    HWND cancel = ChildWithText(window, L"TButton", "取消");

    // Presses "查询" and gives back the memo's text once the batch is done.
    std::string Query(const std::string& text) {
        Paste(memo, text);
        Press(query);
        return TextOf(memo);
    }

    // The press takes the focus from the memo ("查询" then loses it at once,
    // being disabled); a click on the memo after that is handled after the
    // button's, and the batch it may have started is waited for.
    void Press(HWND button) {
        Tap(button);
        WaitFor([&] { return !HasFocus(memo); }, 2000ms);
        Click(memo);
        WaitFor([&] { return Idle(); }, 60000ms);
    }

    // No batch runs: the caption is plain and "查询" can be pressed.
    bool Idle() const { return IsWindowEnabled(query) && TextOf(window) == "批量查询"; }
    bool MemoReadOnly() const { return GetWindowLongW(memo, GWL_STYLE) & ES_READONLY; }
};

// The dialog box of the program that shows now (save dialog or message box).
inline HWND ShownDialog() { return FindTopWindow(L"#32770", 5000ms); }

inline std::string MessageOf(HWND box) {
    std::string text;
    for (HWND label : Children(box, L"Static")) text += TextOf(label);
    return text;
}

inline void AnswerBox(HWND box, int button) {
    Click(GetDlgItem(box, button));
    WaitFor([&] { return !IsWindow(box); });
}

// Types the path into the save dialog's file name and confirms it.
inline void ChooseSavePath(const std::wstring& path) {
    HWND dialog = ShownDialog();
    ASSERT_NE(dialog, nullptr) << "the save dialog did not appear";
    std::vector<HWND> edits = Children(dialog, L"Edit");
    ASSERT_FALSE(edits.empty());
    Type(edits.front(), Narrow(path));
    ui::Press(VK_RETURN);
    WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

}  // namespace ui
