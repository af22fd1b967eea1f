// A stand-in for Internet Explorer: a top-level "IEFrame" window with the
// window chain of one browser generation below it, whose last window holds
// the address. Command line: the layout's name, a blank, the address. Tests
// set the address with WM_SETTEXT on the last window, and can make the
// browser stop answering for a while.
#include <windows.h>

#include <string>

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

const BrowserLayout* LayoutNamed(const std::wstring& name) {
    for (const BrowserLayout& layout : kBrowserLayouts)
        if (name == std::wstring(layout.name, layout.name + std::char_traits<char>::length(layout.name)))
            return &layout;
    return nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    std::wstring arguments = commandLine;
    size_t blank = arguments.find(L' ');
    const BrowserLayout* named = LayoutNamed(arguments.substr(0, blank));
    if (!named) return 2;
    const BrowserLayout& layout = *named;
    std::wstring address = blank == std::wstring::npos ? L"" : arguments.substr(blank + 1);

    Register(L"IEFrame", FrameProc);
    for (const wchar_t* name : layout.chain)
        Register(name, name == layout.chain.back() ? AddressBarProc : DefWindowProcW);
    HWND frame = CreateWindowExW(0, L"IEFrame", L"Fake Browser", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480,
                                 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND parent = frame;
    for (const wchar_t* name : layout.chain)
        parent = CreateWindowExW(0, name, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 460, 24, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetWindowTextW(parent, address.c_str());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
