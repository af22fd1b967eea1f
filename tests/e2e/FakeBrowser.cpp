// A stand-in for Internet Explorer: a top-level "IEFrame" window with the
// child chain "WorkerW" > "ReBarWindow32" > "ComboBoxEx32" whose text is the
// address. Tests set the address with WM_SETTEXT on the last child, and can
// make the browser stop answering for a while.
#include <windows.h>

#include <initializer_list>

#include "tests/e2e/FakeBrowser.h"

namespace {

LRESULT CALLBACK AddressBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kFakeBrowserHang) {
        Sleep(DWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    Register(L"IEFrame", FrameProc);
    Register(L"WorkerW", DefWindowProcW);
    Register(L"ReBarWindow32", DefWindowProcW);
    Register(L"ComboBoxEx32", AddressBarProc);
    HWND frame = CreateWindowExW(0, L"IEFrame", L"Fake Browser", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480,
                                 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND parent = frame;
    for (const wchar_t* name : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"})
        parent = CreateWindowExW(0, name, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 460, 24, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetWindowTextW(parent, commandLine);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
