#include "gui/Application.h"

#include <map>

#include "gui/Form.h"
#include "gui/HintWindow.h"
#include "gui/Win32Text.h"

TApplication Application;

// The application window: never seen itself (it has no size), but it
// carries the taskbar button and is the owner of every form.
class TApplication::Window : public TWinControl {
public:
    explicit Window(TApplication& application) : application_(application) {
        int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        CreateTopLevel(nullptr,
                       {L"TApplication", nullptr, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        0, {x, y, 0, 0}},
                       TFont());
    }

    std::map<int, TWindowHook> hooks;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        // Copied, since a hook may remove itself.
        for (auto [id, hook] : std::map<int, TWindowHook>(hooks)) {
            LRESULT result = 0;
            if (hook(message, wParam, lParam, result)) return result;
        }
        switch (message) {
        case WM_ACTIVATEAPP:
            if (!wParam) CallEvent(application_.OnDeactivate, &application_);
            break;
        case WM_CLOSE:
            if (TForm* main = application_.MainForm()) main->Close();
            return 0;
        }
        return TWinControl::WndProc(message, wParam, lParam);
    }

private:
    TApplication& application_;
};

TApplication::TApplication() = default;

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Initialize() { window_ = std::make_unique<Window>(*this); }

HWND TApplication::Handle() const { return window_ ? window_->Handle() : nullptr; }

void TApplication::SetTitle(const std::string& title) { window_->SetText(title); }

void TApplication::Run() {
    if (mainForm_ && ShowMainForm) mainForm_->Show();
    while (!terminated_ && HandleMessage()) {
    }
    DestroyForms();
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        forms_.back()->DoDestroy();
        forms_.pop_back();
    }
    mainForm_ = nullptr;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::Dispatch(MSG& message) {
    // Tab, arrow and Enter keys move between the controls of the active form.
    HWND active = GetActiveWindow();
    if (active && TWinControl::FromHandle(active) && IsDialogMessageW(active, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool TApplication::HandleMessage() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    Dispatch(message);
    return true;
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
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
    window_->hooks[nextHook] = std::move(hook);
    return nextHook++;
}

void TApplication::UnhookMainWindow(int hook) {
    if (window_) window_->hooks.erase(hook);
}
