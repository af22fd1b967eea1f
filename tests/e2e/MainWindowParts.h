#pragma once
// The program's windows as a person finds them, and the browser stand-in.
#include <windows.h>

#include <string>

#include "tests/e2e/FakeAccessibleBrowser.h"
#include "tests/e2e/FakeBrowser.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"

namespace ui {

// The main window as a person sees it: its boxes found by their place.
struct MainWindow {
    HWND window = FindTopWindow(L"TForm1");
    HWND typed = ChildWithText(window, L"TGroupBox", "请输入要查询的IP");
    HWND addressBox = Children(typed, L"TEdit").at(0);
    HWND resultBox = Children(typed, L"TEdit").at(1);
    HWND queryButton = ChildWithText(typed, L"TButton", "查询");

    std::string LookUp(const std::string& address) {
        Type(addressBox, address);
        Click(queryButton);
        Click(addressBox);
        return TextOf(resultBox);
    }
};

// The lower half of the main window, found by its caption and places.
struct WatchBoxes {
    HWND window = FindTopWindow(L"TForm1");
    HWND group = ChildWithText(window, L"TGroupBox", "Sitorva");
    HWND webAddress = Children(group, L"TEdit").at(0);
    HWND ip = Children(group, L"TEdit").at(1);
    HWND host = Children(group, L"TEdit").at(2);
    HWND location = Children(group, L"TEdit").at(3);
    HWND automatic = Children(group, L"TCheckBox").at(0);
    HWND manualQuery = ChildWithText(group, L"TButton", "手动查询");

    bool WaitForIp(const std::string& expected, std::chrono::milliseconds timeout = 6000ms) {
        return WaitFor([&] { return TextOf(ip) == expected; }, timeout);
    }
};

class FakeBrowser {
public:
    explicit FakeBrowser(const std::string& address, const BrowserLayout& layout = kBrowserLayouts.front())
        : FProgram(FromBuild("QUORVIK_FAKE_BROWSER"), Widen(std::string(layout.name) + " " + address)) {
        FFrame = FindTopWindow(L"IEFrame");
        // The frame shows before its address bar exists.
        WaitFor([&] {
            FAddressBar = FFrame;
            for (const wchar_t* name : layout.chain) FAddressBar = FindWindowExW(FAddressBar, nullptr, name, nullptr);
            return FAddressBar != nullptr;
        });
    }

    void GoTo(const std::string& address) {
        SendMessageW(FAddressBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(address).c_str()));
    }
    void BringForward() { ui::BringForward(FFrame); }
    void Hang(DWORD milliseconds) { PostMessageW(FAddressBar, kFakeBrowserHang, milliseconds, 0); }

private:
    Program FProgram;
    HWND FFrame = nullptr;
    HWND FAddressBar = nullptr;
};

// A browser read through accessibility, started under the executable name
// of the browser it stands in for.
class AccessibleBrowser {
public:
    AccessibleBrowser(const std::wstring& executable, const std::wstring& shape, const std::wstring& frameClass,
                      const std::wstring& options, const std::string& address)
        : FProgram(FromBuild("QUORVIK_FAKE_BROWSERS") + L"\\" + executable,
                   shape + L" " + frameClass + L" " + options + L" " + Widen(address)),
          FFrame(FindTopWindow(frameClass.c_str())) {}

    void GoTo(const std::string& address) {
        SendMessageW(FFrame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(address).c_str()));
    }
    void BringForward() { ui::BringForward(FFrame); }
    void Hang(DWORD milliseconds) { PostMessageW(FFrame, kFakeBrowserHang, milliseconds, 0); }
    HWND Frame() const { return FFrame; }
    // How often its tree has been walked from the root.
    LRESULT Walks() const { return SendMessageW(FFrame, kFakeBrowserWalks, 0, 0); }

private:
    Program FProgram;
    HWND FFrame;
};

}  // namespace ui
