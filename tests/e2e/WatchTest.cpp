#include <winsock2.h>

#include <gtest/gtest.h>

#include "tests/e2e/FakeBrowser.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

const MenuPath kAutoNotice = {1, 0};      // "  设 置" → "自动弹出提示"
const MenuPath kStartWithWindows = {1, 2};  // "  设 置" → "开机自启动"
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

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
    explicit FakeBrowser(const std::string& address)
        : program_(FromBuild("QUORVIK_FAKE_BROWSER"), Widen(address)) {
        frame_ = FindTopWindow(L"IEFrame");
        // The frame shows before its address bar exists.
        WaitFor([&] {
            addressBar_ = frame_;
            for (const wchar_t* name : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"})
                addressBar_ = FindWindowExW(addressBar_, nullptr, name, nullptr);
            return addressBar_ != nullptr;
        });
    }

    void GoTo(const std::string& address) {
        SendMessageW(addressBar_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(address).c_str()));
    }
    void BringForward() { ui::BringForward(frame_); }
    void Hang(DWORD milliseconds) { PostMessageW(addressBar_, kFakeBrowserHang, milliseconds, 0); }

private:
    Program program_;
    HWND frame_ = nullptr;
    HWND addressBar_ = nullptr;
};

// The start-with-Windows value as the registry holds it, or "(none)".
std::string RunValue() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "(none)";
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    LONG result = RegQueryValueExW(key, L"ip", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Narrow(data) : "(none)";
}

void DeleteRunValue() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, L"ip");
    RegCloseKey(key);
}

// Whether the driver's own resolver knows the name, as the program's will.
bool Resolves(const char* name) {
    WSADATA winsock;
    WSAStartup(MAKEWORD(2, 0), &winsock);
    bool known = gethostbyname(name) != nullptr;
    WSACleanup();
    return known;
}

class WatchTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteRunValue();
        folder_ = std::make_unique<ProgramFolder>("watch");
        folder_->PutDatabase(TestDatabase());
        program_ = folder_->Start();
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr);
    }

    std::unique_ptr<ProgramFolder> folder_;
    Program program_;
};

}  // namespace

TEST_F(WatchTest, NewAddressFillsTheBoxesAndShowsTheNotice) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/index.html");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    EXPECT_EQ(TextOf(main.webAddress), "http://127.0.0.1/index.html");
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
    EXPECT_FALSE(TextOf(main.host).empty());
    HWND balloon = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (balloon = VisibleTooltipContaining("IP地址：127.0.0.1")) != nullptr; }))
        << "no balloon notice";
    SaveScreenshot(GetDesktopWindow(), ScreenshotPath("balloon-notice"));
}

TEST_F(WatchTest, SameSiteAgainKeepsHostAndLocation) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/a");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    std::string host = TextOf(main.host);
    browser.GoTo("http://127.0.0.1/b");
    ASSERT_TRUE(WaitFor([&] { return TextOf(main.webAddress) == "http://127.0.0.1/b"; }, 3000ms));
    Sleep(500);  // the answer of the new look-up
    EXPECT_EQ(TextOf(main.ip), "127.0.0.1");
    EXPECT_EQ(TextOf(main.host), host);
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
}

TEST_F(WatchTest, UnresolvableHostSaysSoAndClearsTheOtherBoxes) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    browser.GoTo("http://a.b.c:8080/x");
    ASSERT_TRUE(main.WaitForIp("无法解析IP地址"));
    EXPECT_EQ(TextOf(main.host), "");
    EXPECT_EQ(TextOf(main.location), "");
    EXPECT_EQ(TextOf(main.webAddress), "http://a.b.c:8080/x");
}

TEST_F(WatchTest, CanonicalNameOfTheHostIsShown) {
    if (!Resolves("quorvik-alias.test")) GTEST_SKIP() << "the test host names are not in the hosts file";
    WatchBoxes main;
    FakeBrowser browser("http://quorvik-alias.test/page");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.2"));
    EXPECT_EQ(TextOf(main.host), "quorvik-canonical.test");
}

TEST_F(WatchTest, ManualModeResolvesOnlyWhatIsTyped) {
    WatchBoxes main;
    Click(main.automatic);
    EXPECT_TRUE(IsWindowEnabled(main.manualQuery));
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    Sleep(2500);  // two watch periods
    EXPECT_EQ(TextOf(main.webAddress), "");
    Type(main.webAddress, "http://127.0.0.1/typed");
    ASSERT_EQ(TextOf(main.webAddress), "http://127.0.0.1/typed");
    Click(main.manualQuery);
    ASSERT_TRUE(main.WaitForIp("127.0.0.1")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.webAddress), "http://127.0.0.1/typed");
}

TEST_F(WatchTest, NoticesOffStillFillsTheBoxes) {
    WatchBoxes main;
    ChooseMenu(main.window, kAutoNotice);
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
    Sleep(300);
    EXPECT_EQ(VisibleTooltipContaining("IP地址：127.0.0.1"), nullptr);
}

TEST_F(WatchTest, CloseBoxHidesToTheTrayAndATrayClickBringsItBack) {
    WatchBoxes main;
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window); }));
    EXPECT_TRUE(program_.Running());
    ClickTrayIcon();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main.window) != FALSE; }));
}

TEST_F(WatchTest, WatchGoesOnWhileTheWindowIsInTheTray) {
    WatchBoxes main;
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window); }));
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    EXPECT_TRUE(main.WaitForIp("127.0.0.1"));
}

TEST_F(WatchTest, StartWithWindowsWritesAndDeletesTheRunValue) {
    WatchBoxes main;
    std::string quoted = "\"" + Narrow(folder_->Exe()) + "\"";
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == quoted; })) << RunValue();
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == "(none)"; })) << RunValue();
    // Deleted behind the program's back: opening the menu takes the mark
    // from the registry, so choosing the command switches the setting on.
    ChooseMenu(main.window, kStartWithWindows);
    ASSERT_TRUE(WaitFor([&] { return RunValue() == quoted; }));
    DeleteRunValue();
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == quoted; })) << RunValue();
}

TEST_F(WatchTest, BrowserThatDoesNotAnswerDoesNotFreezeTheMainWindow) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/");
    browser.Hang(4000);
    browser.BringForward();
    auto end = std::chrono::steady_clock::now() + 3000ms;
    while (std::chrono::steady_clock::now() < end) {
        DWORD_PTR result;
        EXPECT_TRUE(SendMessageTimeoutW(main.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result))
            << "the main window stopped answering";
        Sleep(100);
    }
    EXPECT_TRUE(main.WaitForIp("127.0.0.1")) << "the watch resumes once the browser answers";
}
