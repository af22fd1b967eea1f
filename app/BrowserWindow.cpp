#include "app/BrowserWindow.h"

#include <initializer_list>

#include "base/GbkText.h"
#include "gui/Win32Text.h"

namespace {
// A browser that does not answer within this time is passed over for a tick.
const UINT kBrowserAnswerMs = 200;
const size_t kAddressBytes = 1023;
}  // namespace

bool IsInternetExplorer(HWND window) {
    wchar_t className[255] = {};
    GetClassNameW(window, className, 254);
    return std::wstring(className) == L"IEFrame";
}

std::optional<std::string> ReadIEAddress(HWND frame) {
    HWND window = frame;
    for (const wchar_t* className : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"}) {
        window = FindWindowExW(window, nullptr, className, nullptr);
        if (!window) return std::string();
    }
    wchar_t text[kAddressBytes + 1] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, kAddressBytes + 1, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kBrowserAnswerMs, &length))
        return std::nullopt;
    std::wstring address(text, std::min<size_t>(length, kAddressBytes));
    return std::string(GbkPrefix(Narrow(address), kAddressBytes));
}
