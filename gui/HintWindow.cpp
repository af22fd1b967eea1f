#include "gui/HintWindow.h"

#include <commctrl.h>

#include "base/Exception.h"

namespace {
const int kHidePause = 10000;
const int kMaxWidth = 600;  // any width makes the tooltip break lines
}  // namespace

THintWindow& THintWindow::Instance() {
    static THintWindow hints;
    return hints;
}

THintWindow::THintWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    FHandle = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (!FHandle) throw Exception("cannot create the hint window");
    SendMessageW(FHandle, TTM_SETMAXTIPWIDTH, 0, kMaxWidth);
    SendMessageW(FHandle, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHidePause);
}

void THintWindow::AddTool(HWND control) { SendAboutTool(TTM_ADDTOOLW, control); }

void THintWindow::Refresh(HWND control) { SendAboutTool(TTM_UPDATETIPTEXTW, control); }

void THintWindow::SendAboutTool(UINT message, HWND control) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(FHandle, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintWindow::SetPause(int milliseconds) {
    SendMessageW(FHandle, TTM_SETDELAYTIME, TTDT_INITIAL, milliseconds);
    SendMessageW(FHandle, TTM_SETDELAYTIME, TTDT_RESHOW, milliseconds);
}
