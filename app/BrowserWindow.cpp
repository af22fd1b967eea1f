#include "app/BrowserWindow.h"

#include <algorithm>
#include <initializer_list>

namespace {
// A browser that does not answer within this time is passed over for a tick.
const UINT kBrowserAnswerMs = 200;
const size_t kAddressLength = 1023;

using WindowChain = std::initializer_list<const wchar_t*>;

// Where each generation of the browser keeps its address box, below the
// frame. The first is the one the watch was made for and is always tried
// first; then Wine's own browser, which has no "WorkerW"; then the later
// generations, which wrap the box in an "Address Band Root".
const WindowChain kAddressBoxChains[] = {
    {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"},
    {L"ReBarWindow32", L"ComboBoxEx32"},
    {L"WorkerW", L"ReBarWindow32", L"Address Band Root", L"ComboBoxEx32"},
    {L"WorkerW", L"ReBarWindow32", L"Address Band Root", L"Edit"},
};

// Each step takes the first direct child of the class; none when one is missing.
HWND FollowChain(HWND frame, WindowChain chain) {
    HWND window = frame;
    for (const wchar_t* className : chain) {
        window = FindWindowExW(window, nullptr, className, nullptr);
        if (!window) return nullptr;
    }
    return window;
}

HWND FindAddressBox(HWND frame) {
    for (WindowChain chain : kAddressBoxChains)
        if (HWND box = FollowChain(frame, chain)) return box;
    return nullptr;
}
}  // namespace

bool IsInternetExplorer(HWND window) {
    wchar_t className[255] = {};
    GetClassNameW(window, className, 254);
    return std::wstring(className) == L"IEFrame";
}

std::optional<std::wstring> ReadIEAddress(HWND frame) {
    HWND box = FindAddressBox(frame);
    if (!box) return std::wstring();
    wchar_t text[kAddressLength + 1] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(box, WM_GETTEXT, kAddressLength + 1, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kBrowserAnswerMs, &length))
        return std::nullopt;
    return std::wstring(text, std::min<size_t>(length, kAddressLength));
}
