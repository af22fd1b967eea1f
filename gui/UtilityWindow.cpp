#include "gui/UtilityWindow.h"

namespace {
const wchar_t kClassName[] = L"QuorvikUtilityWindow";

void RegisterOnce(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassW(&windowClass) != 0;
}
}  // namespace

TUtilityWindow::TUtilityWindow(Handler handler) : FHandler(std::move(handler)) {
    RegisterOnce(WindowProc);
    // A top-level window rather than a message-only one: it must also see
    // broadcasts such as "TaskbarCreated" and end-of-session messages.
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->FHandler) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->FHandler(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
