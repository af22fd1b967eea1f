#include "app/BrowserTable.h"

#include <algorithm>
#include <array>

namespace {
const std::array<KnownBrowser, 8> kKnownBrowsers = {{
    {L"Chrome_WidgetWin_1", L"chrome.exe"},
    {L"Chrome_WidgetWin_1", L"msedge.exe"},
    {L"Chrome_WidgetWin_1", L"brave.exe"},
    {L"Chrome_WidgetWin_1", L"opera.exe"},
    {L"MozillaWindowClass", L"firefox.exe"},
    // Dual-engine browsers with frame classes of their own.
    {L"360se6_Frame", L"360se.exe"},
    {L"QQBrowser_WidgetWin_1", L"QQBrowser.exe"},
    {L"SE_SogouExplorerFrame", L"SogouExplorer.exe"},
}};

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c | 0x20) : c; }

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}
}  // namespace

const KnownBrowser* FindKnownBrowser(std::wstring_view frameClass, std::wstring_view executable) {
    auto row = std::find_if(kKnownBrowsers.begin(), kKnownBrowsers.end(), [&](const KnownBrowser& known) {
        return known.FrameClass == frameClass && SameIgnoringCase(known.Executable, executable);
    });
    return row == kKnownBrowsers.end() ? nullptr : &*row;
}

bool IsBrowserFrameClass(std::wstring_view frameClass) {
    return std::any_of(kKnownBrowsers.begin(), kKnownBrowsers.end(),
                       [&](const KnownBrowser& known) { return known.FrameClass == frameClass; });
}
