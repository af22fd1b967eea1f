#include "app/BrowserTable.h"

#include <algorithm>
#include <array>

#include "base/AsciiCase.h"

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
