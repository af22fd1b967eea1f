#include <winsock2.h>

#include <gtest/gtest.h>

#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/StartedProgram.h"

using namespace ui;

namespace {

const MenuPath kAutoNotice = {1, 0};      // "  设 置" → "自动弹出提示"

// Whether the driver's own resolver knows the name, as the program's will.
bool Resolves(const char* name) {
    WSADATA winsock;
    WSAStartup(MAKEWORD(2, 0), &winsock);
    bool known = gethostbyname(name) != nullptr;
    WSACleanup();
    return known;
}

// Wine's own Internet Explorer, where the system installs it.
std::wstring WineBrowser() {
    wchar_t path[MAX_PATH] = {};
    ExpandEnvironmentStringsW(L"%ProgramFiles%\\Internet Explorer\\iexplore.exe", path, MAX_PATH);
    return path;
}

class WatchTest : public testing::Test {
protected:
    StartedProgram FQuorvik;
};

// What depends on reading the address bar, over every browser generation's layout.
class WatchLayoutTest : public testing::TestWithParam<BrowserLayout> {
protected:
    StartedProgram FQuorvik;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(BrowserGenerations, WatchLayoutTest, testing::ValuesIn(kBrowserLayouts), LayoutTestName());

TEST_P(WatchLayoutTest, NewAddressFillsTheBoxesAndShowsTheNotice) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/index.html", GetParam());
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

// Another port of the same site is the same host.
TEST_P(WatchLayoutTest, SameSiteAgainKeepsHostAndLocation) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/a", GetParam());
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    std::string host = TextOf(main.host);
    browser.GoTo("http://127.0.0.1:8080/b");
    ASSERT_TRUE(WaitFor([&] { return TextOf(main.webAddress) == "http://127.0.0.1:8080/b"; }, 3000ms));
    Sleep(500);  // the answer of the new look-up
    EXPECT_EQ(TextOf(main.ip), "127.0.0.1");
    EXPECT_EQ(TextOf(main.host), host);
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
}

// The location lookup fails: the new address shows, the host and location
// of the last result stay, and no notice comes.
TEST_F(WatchTest, MissingDatabaseUpdatesTheAddressAndKeepsTheRest) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    std::string host = TextOf(main.host);
    ASSERT_TRUE(WaitFor([&] { return VisibleTooltipContaining("IP地址：127.0.0.1") != nullptr; }));
    FQuorvik.folder.RemoveDatabase();
    browser.GoTo("http://127.0.0.3/");
    ASSERT_TRUE(main.WaitForIp("127.0.0.3"));
    Sleep(300);  // what the handler would do after the address
    EXPECT_EQ(TextOf(main.host), host);
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
    EXPECT_EQ(VisibleTooltipContaining("IP地址：127.0.0.3"), nullptr) << "no notice may come";
}

// Hints: the location box shows its whole text at once, the address and
// host boxes never show one, and the web-address box follows the mode.
TEST_F(WatchTest, HintsShowWhatEachBoxPromises) {
    WatchBoxes main;
    ChooseMenu(main.window, kAutoNotice);  // no balloon to mistake for a hint
    FakeBrowser browser("http://127.0.0.1/page");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    BringForward(main.window);
    PointAt(main.location);
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("本机回环地址") != nullptr; })) << "location hint";
    for (HWND box : {main.ip, main.host}) {
        PointAt(box);
        EXPECT_FALSE(WaitFor([&] { return VisibleTooltipContaining(TextOf(box)) != nullptr; }, 700ms))
            << TextOf(box) << " has a hint";
    }
    PointAt(main.webAddress);
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("http://127.0.0.1/page") != nullptr; }));
    Click(main.automatic);
    PointAt(main.location);
    PointAt(main.webAddress);
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("请按照如下格式输入") != nullptr; })) << "manual-mode hint";
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

// A real browser rather than the stand-in. Nothing needs to answer on the
// address: the browser shows the address it was asked for, and the watch
// reads only that.
TEST_F(WatchTest, WinesOwnBrowserOnALocalAddressFillsTheBoxes) {
    WatchBoxes main;
    Program browser(WineBrowser(), L"http://localhost/quorvik-watch");
    HWND frame = FindTopWindow(L"IEFrame");
    ASSERT_NE(frame, nullptr) << "Wine's browser did not start";
    BringForward(frame);
    ASSERT_TRUE(main.WaitForIp("127.0.0.1")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.webAddress), "http://localhost/quorvik-watch");
    EXPECT_FALSE(TextOf(main.host).empty());
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
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
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main.manualQuery) != FALSE; }));
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    Sleep(2500);  // two watch periods
    EXPECT_EQ(TextOf(main.webAddress), "");
    Type(main.webAddress, "127.0.0.1/typed");
    ASSERT_EQ(TextOf(main.webAddress), "127.0.0.1/typed");
    Click(main.manualQuery);
    ASSERT_TRUE(main.WaitForIp("127.0.0.1")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.webAddress), "127.0.0.1/typed");
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
    PointAtTrayIcon();
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("IP地址：127.0.0.1") != nullptr; }))
        << "pointing at the icon still shows the notice";
}

TEST_F(WatchTest, WatchGoesOnWhileTheWindowIsInTheTray) {
    WatchBoxes main;
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window); }));
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    EXPECT_TRUE(main.WaitForIp("127.0.0.1"));
}

TEST_P(WatchLayoutTest, BrowserThatDoesNotAnswerDoesNotFreezeTheMainWindow) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/", GetParam());
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
