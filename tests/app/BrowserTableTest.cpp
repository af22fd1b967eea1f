#include "app/BrowserTable.h"

#include <gtest/gtest.h>

namespace {
struct WindowCase {
    const wchar_t* frameClass;
    const wchar_t* executable;
    bool known;
};
}  // namespace

TEST(FindKnownBrowser, ClassAndExecutableMustBeOnOneRow) {
    const WindowCase cases[] = {
        {L"Chrome_WidgetWin_1", L"chrome.exe", true},
        {L"Chrome_WidgetWin_1", L"MSEDGE.EXE", true},
        {L"MozillaWindowClass", L"firefox.exe", true},
        {L"360se6_Frame", L"360se.exe", true},
        {L"SE_SogouExplorerFrame", L"SogouExplorer.exe", true},
        // Vivaldi's interface is a page: its field lies in a document.
        {L"Chrome_WidgetWin_1", L"vivaldi.exe", false},
        // Electron programs and other pairings.
        {L"Chrome_WidgetWin_1", L"Code.exe", false},
        {L"Chrome_WidgetWin_1", L"firefox.exe", false},
        {L"MozillaWindowClass", L"chrome.exe", false},
        {L"chrome_widgetwin_1", L"chrome.exe", false},
        {L"Chrome_WidgetWin_1", L"chrome.exe.bak", false},
        {L"Chrome_WidgetWin_1", L"", false},
    };
    for (const WindowCase& c : cases)
        EXPECT_EQ(FindKnownBrowser(c.frameClass, c.executable) != nullptr, c.known)
            << testing::PrintToString(std::wstring(c.frameClass)) << " " << testing::PrintToString(std::wstring(c.executable));
    EXPECT_TRUE(IsBrowserFrameClass(L"MozillaWindowClass"));
    EXPECT_FALSE(IsBrowserFrameClass(L"IEFrame"));
}
