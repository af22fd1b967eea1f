#include "gui/Application.h"

#include <map>

#include "base/win32/Win32Text.h"
#include "gui/ControlMessages.h"
#include "gui/HintWindow.h"
#include "gui/WinControl.h"

TApplication Application;

namespace {
// A key that the active form handles for its focused control (moving the
// focus, pressing the default or the cancel button) unless the control
// wants that key itself, as a memo wants Enter and the arrows.
bool IsDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    UINT wanted = UINT(SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)));
    if (wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    switch (message.wParam) {
    case VK_TAB:
        return !(wanted & DLGC_WANTTAB);
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return !(wanted & DLGC_WANTARROWS);
    case VK_RETURN:
    case VK_ESCAPE:
        return true;
    }
    return false;
}

// A failure that a handler swallowed shows in the debugger's output.
void TraceToDebugger(const char* message) noexcept {
    try {
        OutputDebugStringW((L"Quorvik: " + Widen(message) + L"\n").c_str());
    } catch (...) {
        OutputDebugStringW(L"Quorvik: a handler failed; no memory to say how\n");
    }
}
}  // namespace

// The application window: never seen itself (it has no size), but it
// carries the taskbar button and is the owner of every form.
class TApplication::Window : public TWinControl {
public:
    explicit Window(TApplication& application) : FApplication(application) {
        int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        CreateTopLevel(nullptr,
                       {L"TApplication", nullptr, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        0, {x, y, 0, 0}},
                       TFont());
    }

    std::map<int, TWindowHook> FHooks;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        // Copied, since a hook may remove itself.
        for (auto [id, hook] : std::map<int, TWindowHook>(FHooks)) {
            LRESULT result = 0;
            if (hook(message, wParam, lParam, result)) return result;
        }
        switch (message) {
        case WM_ACTIVATEAPP:
            if (!wParam) CallEvent(FApplication.OnDeactivate, &FApplication);
            break;
        case WM_CLOSE:
            if (!FApplication.FForms.empty()) FApplication.FForms.front()->Close();
            return 0;
        }
        return TWinControl::WndProc(message, wParam, lParam);
    }

private:
    TApplication& FApplication;
};

TApplication::TApplication() { FailureTrace = TraceToDebugger; }

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Initialize() { FWindow = std::make_unique<Window>(*this); }

HWND TApplication::Handle() const { return FWindow ? FWindow->Handle() : nullptr; }

void TApplication::SetTitle(const std::string& title) { FWindow->SetText(title); }

void TApplication::Run() {
    if (!FForms.empty() && ShowMainForm) FForms.front()->Show();
    while (!FTerminated && HandleMessage()) {
    }
    DestroyForms();
}

void TApplication::DestroyForms() {
    while (!FForms.empty()) {
        FForms.back()->DoDestroy();
        FForms.pop_back();
    }
}

void TApplication::Terminate() {
    FTerminated = true;
    PostQuitMessage(0);
}

void TApplication::Dispatch(MSG& message) {
    // Tab, arrow and Enter keys move between the controls of the active form;
    // the form hears of them first, and a control that acts on one (a
    // focused button on Enter) keeps it from the dialog manager.
    HWND active = GetActiveWindow();
    if (active && TWinControl::FromHandle(active)) {
        if (IsDialogKey(message) && SendMessageW(active, CM_DIALOGKEY, message.wParam, message.lParam)) return;
        if (IsDialogMessageW(active, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool TApplication::HandleMessage() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        FTerminated = true;
        return false;
    }
    Dispatch(message);
    return true;
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            FTerminated = true;
            return;
        }
        Dispatch(message);
    }
}

void TApplication::Minimize() { ShowWindow(Handle(), SW_MINIMIZE); }

void TApplication::Restore() {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
}

void TApplication::SetHintPause(int milliseconds) { THintWindow::Instance().SetPause(milliseconds); }

int TApplication::HookMainWindow(TWindowHook hook) {
    static int nextHook = 1;
    FWindow->FHooks[nextHook] = std::move(hook);
    return nextHook++;
}

void TApplication::UnhookMainWindow(int hook) {
    if (FWindow) FWindow->FHooks.erase(hook);
}
