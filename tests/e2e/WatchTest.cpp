#include <winsock2.h>
#include <ws2tcpip.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "app/AccessibleAddress.h"
#include "app/BrowserWindow.h"
#include "tests/e2e/DohStandIn.h"
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

bool ResolvesToIpv6(const char* name) {
    WSADATA winsock;
    WSAStartup(MAKEWORD(2, 0), &winsock);
    addrinfo hints = {};
    hints.ai_family = AF_INET6;
    addrinfo* found = nullptr;
    bool known = getaddrinfo(name, nullptr, &hints, &found) == 0;
    if (known) freeaddrinfo(found);
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

// A browser read through accessibility, and what the boxes show of it: the
// web address (empty when the browser is to be left alone) and the IP
// address (empty when nothing is to be resolved).
struct TreeCase {
    const char* name;
    const wchar_t* executable;
    const wchar_t* shape;
    const wchar_t* frameClass;
    const wchar_t* options;
    const char* address;
    const char* shown;
    const char* ip;
};

std::ostream& operator<<(std::ostream& out, const TreeCase& tree) { return out << tree.name; }

const TreeCase kTrees[] = {
    {"ChromeHiddenScheme", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"-", "127.0.0.4/path", "127.0.0.4/path",
     "127.0.0.4"},
    {"EdgeChinesePort", L"msedge.exe", L"Chromium", L"Chrome_WidgetWin_1", L"chinese", "127.0.0.5:8080/x",
     "127.0.0.5:8080/x", "127.0.0.5"},
    {"OlderChromeWith300TabsFirst", L"chrome.exe", L"ChromiumOlder", L"Chrome_WidgetWin_1", L"-", "127.0.0.15/",
     "127.0.0.15/", "127.0.0.15"},
    {"FirefoxUser", L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"-", "http://me@127.0.0.6/",
     "http://me@127.0.0.6/", "127.0.0.6"},
    {"FirefoxChinese", L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"chinese", "https://127.0.0.7/路径",
     "https://127.0.0.7/路径", "127.0.0.7"},
    {"UnicodeHost", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"-", "例子.中国/", "例子.中国/",
     "无法解析IP地址"},
    {"PageOf10000", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"bigpage", "127.0.0.8", "127.0.0.8",
     "127.0.0.8"},
    {"ChangingTree", L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"changing", "127.0.0.9/", "127.0.0.9/",
     "127.0.0.9"},
    {"DualEngine360", L"360se.exe", L"Chromium", L"360se6_Frame", L"-", "127.0.0.10", "127.0.0.10", "127.0.0.10"},
    {"HangsMidWalk", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"hang", "127.0.0.11/", "127.0.0.11/",
     "127.0.0.11"},
    // The find bar's words are never read; the address is, once the bar is closed.
    {"FindBarFocused", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"findbar", "127.0.0.16/", "127.0.0.16/",
     "127.0.0.16"},
    {"BrowserPage", L"msedge.exe", L"Chromium", L"Chrome_WidgetWin_1", L"-", "edge://settings", "edge://settings", ""},
    // Firefox shows the words searched for in its address bar.
    {"SearchText", L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"-", "what is 127.0.0.12", "", ""},
    {"FieldBeingTyped", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"focused", "127.0.0.13/par", "", ""},
    // An installed web app's window: no field to read, and no walk every step.
    {"ReadOnlyField", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"readonly", "127.0.0.17/", "", ""},
    {"ElectronProgram", L"Code.exe", L"Chromium", L"Chrome_WidgetWin_1", L"-", "127.0.0.14/", "", ""},
};

class AccessibleBrowserTest : public testing::TestWithParam<TreeCase> {
protected:
    StartedProgram FQuorvik;
};

struct TreeTestName {
    std::string operator()(const testing::TestParamInfo<TreeCase>& info) const { return info.param.name; }
};

// The main window's own message loop runs all through the time given: a
// key posted to its typed box shows there within a second. Only a posted
// message tells: a thread blocked in a call to another process still
// answers the messages sent to it.
void ExpectAnswering(std::chrono::milliseconds during) {
    MainWindow main;
    auto end = std::chrono::steady_clock::now() + during;
    while (std::chrono::steady_clock::now() < end) {
        size_t typed = TextOf(main.addressBox).size();
        PostMessageW(main.addressBox, WM_CHAR, L'0', 0);
        EXPECT_TRUE(WaitFor([&] { return TextOf(main.addressBox).size() > typed; }, 1000ms))
            << "the main window stopped answering";
        Sleep(100);
    }
}

}  // namespace

// The tree's address fills the boxes, and a later change of it too, and the
// web-address box shows nothing else on the way. A window that is not a
// browser, a field being typed in and text that is no address are left
// alone, and such a window is walked once.
TEST_P(AccessibleBrowserTest, AddressOfTheTreeFillsTheBoxes) {
    const TreeCase& tree = GetParam();
    WatchBoxes main;
    AccessibleBrowser browser(tree.executable, tree.shape, tree.frameClass, tree.options, tree.address);
    browser.BringForward();
    if (std::wstring(tree.options) == L"hang") ExpectAnswering(3000ms);
    if (!*tree.shown) {
        ExpectAnswering(2500ms);  // two watch periods
        EXPECT_EQ(TextOf(main.webAddress), "");
        EXPECT_LE(browser.Walks(), 1);
        return;
    }
    std::string stray;  // whatever else the box showed on the way
    ASSERT_TRUE(WaitFor([&] {
        std::string text = TextOf(main.webAddress);
        if (text != tree.shown) stray += text;
        return text == tree.shown;
    }, 8000ms)) << TextOf(main.webAddress);
    EXPECT_EQ(stray, "");
    if (*tree.ip) {
        EXPECT_TRUE(main.WaitForIp(tree.ip)) << TextOf(main.ip);
    } else {
        Sleep(1000);  // an answer that must not come
        EXPECT_EQ(TextOf(main.ip), "");
    }
    browser.GoTo("http://127.0.0.3/next");
    EXPECT_TRUE(main.WaitForIp("127.0.0.3")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.webAddress), "http://127.0.0.3/next");
}

INSTANTIATE_TEST_SUITE_P(Trees, AccessibleBrowserTest, testing::ValuesIn(kTrees), TreeTestName());

// The reading stuck in a browser that stopped answering is given up: the
// browser brought forward next is read before the first answers again, and
// its address is named a web address in the notice.
TEST_F(WatchTest, AnotherBrowserIsReadWhileOneHangs) {
    WatchBoxes main;
    AccessibleBrowser hung(L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"hang", "127.0.0.21/");
    AccessibleBrowser other(L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"-", "127.0.0.22/");
    hung.BringForward();
    Sleep(1500);  // its first walk has stopped answering
    other.BringForward();
    EXPECT_TRUE(main.WaitForIp("127.0.0.22", 2500ms)) << TextOf(main.ip);
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("网址：127.0.0.22/") != nullptr; }))
        << "the notice names a browser's address a web address";
}

INSTANTIATE_TEST_SUITE_P(BrowserGenerations, WatchLayoutTest, testing::ValuesIn(kBrowserLayouts), LayoutTestName());

// A new address fills the boxes and shows the notice; another port of the
// same site is the same host.
TEST_P(WatchLayoutTest, NewAddressFillsTheBoxesAndShowsTheNoticeAndAnotherPortIsTheSameSite) {
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/index.html", GetParam());
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.1"));
    EXPECT_EQ(TextOf(main.webAddress), "http://127.0.0.1/index.html");
    EXPECT_EQ(TextOf(main.location), "本机回环地址");
    std::string host = TextOf(main.host);
    EXPECT_FALSE(host.empty());
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("IP地址：127.0.0.1") != nullptr; }))
        << "no balloon notice";
    EXPECT_NE(VisibleTooltipContaining("IE地址：http://127.0.0.1/index.html"), nullptr);
    SaveScreenshot(GetDesktopWindow(), ScreenshotPath("balloon-notice"));

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
    // Its address bar through accessibility reads as through the window chain.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<TAddressReading> reading = ReadAccessibleAddress(frame);
    ForgetAddressFields();
    CoUninitialize();
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->Address, ReadIEAddress(frame));
}

TEST_F(WatchTest, CanonicalNameOfTheHostIsShown) {
    ASSERT_TRUE(Resolves("quorvik-alias.test")) << "the test host names are not in the hosts file (scripts/test.sh)";
    WatchBoxes main;
    FakeBrowser browser("http://quorvik-alias.test/page");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("127.0.0.2"));
    EXPECT_EQ(TextOf(main.host), "quorvik-canonical.test");
}

// A site with only an IPv6 address is resolved on the worker once the IPv4
// resolver finds nothing; an IPv6 literal in the address is shown as it is.
TEST_F(WatchTest, SitesReachableOnlyOverIpv6ShowTheirIpv6Address) {
    ASSERT_TRUE(ResolvesToIpv6("quorvik-v6only.test"))
        << "the IPv6 test host name is not in the hosts file (scripts/test.sh)";
    FQuorvik.folder.PutDefaultDatabases();
    WatchBoxes main;
    FakeBrowser browser("http://[2001:DB8:0::1]:8080/");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("2001:db8::1")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.location), "IANA文档示例地址");
    browser.GoTo("http://quorvik-v6only.test/page");
    ASSERT_TRUE(main.WaitForIp("2001:db8::10")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.host), "quorvik-v6only.test");
    EXPECT_EQ(TextOf(main.location), "IANA文档示例地址");
}

// With the default databases a site in mainland China shows its province and
// carrier, as the pinned data gives them. The addresses are literals:
// nothing is sent to them.
TEST_F(WatchTest, DefaultDatabasesNameProvinceAndCarrier) {
    FQuorvik.folder.PutDefaultDatabases();
    WatchBoxes main;
    FakeBrowser browser("http://220.181.38.148/");
    browser.BringForward();
    ASSERT_TRUE(main.WaitForIp("220.181.38.148")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.location), "北京市电信");
    browser.GoTo("http://[2400:3200::1]/");
    ASSERT_TRUE(main.WaitForIp("2400:3200::1")) << TextOf(main.ip);
    EXPECT_EQ(TextOf(main.location), "浙江省阿里云");
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
    browser.Hang(2000);
    browser.BringForward();
    ExpectAnswering(1500ms);
    EXPECT_TRUE(main.WaitForIp("127.0.0.1")) << "the watch resumes once the browser answers";
}

namespace {
// resolvers: of the stand-in that ctest starts around these tests, as
// DohSwitches takes them; typed: the manual lookup, else the watch.
struct ProxyRow {
    const char* name;
    std::vector<std::wstring> resolvers;
    bool typed;
    bool answered;  // the stand-in's answer shows, else the fake one
};

const ProxyRow kProxyRows[] = {
    {"Answered", {L"1/dns-query"}, false, true},
    {"CertificateForAnotherAddress", {L"2/dns-query", L"1/dns-query"}, true, true},
    {"NeverAnswers", {L"1/hang", L"1/dns-query"}, false, true},
    {"AllFail", {L"2/dns-query", L"1/error"}, true, false},
};

class ProxyTest : public testing::TestWithParam<ProxyRow> {};
}  // namespace

// A name the system answers from a proxy's fake block is asked again: the
// boxes fill once, with the proxy's note, after a resolver that fails,
// refuses its certificate or never answers, while the window answers.
TEST_P(ProxyTest, FakeAnswerIsAskedAgainOverHttps) {
    const ProxyRow& row = GetParam();
    ASSERT_TRUE(Resolves("quorvik-proxied.test")) << "the proxy test host name is not in the hosts file (scripts/test.sh)";
    ASSERT_TRUE(TrustStandIn()) << "the stand-in resolver's certificate authority";
    std::string ip = row.answered ? "220.181.38.148" : "198.18.0.9";
    std::string location = row.answered ? "北京市电信（经代理）" : "IANA网络基准测试地址（经代理）";
    ProgramFolder folder(row.name);
    folder.PutDefaultDatabases();
    Program quorvik(folder.Exe(), DohSwitches(row.resolvers));
    WatchBoxes main;
    std::optional<FakeBrowser> browser;
    if (row.typed) {
        Click(main.automatic);
        Type(main.webAddress, "quorvik-proxied.test/page");
        Tap(main.manualQuery);  // the button gives up the focus while it starts the lookup
    } else {
        browser.emplace("http://quorvik-proxied.test/page").BringForward();
    }
    if (std::string(row.name) == "NeverAnswers") ExpectAnswering(1500ms);
    std::string stray;  // whatever else the box showed on the way
    auto shown = [&] {
        std::string text = TextOf(main.ip);
        if (text != ip) stray += text;
        return text == ip;
    };
    ASSERT_TRUE(WaitFor(shown, 8000ms)) << stray;
    EXPECT_EQ(stray, "");
    EXPECT_EQ(TextOf(main.host), row.answered ? "quorvik-real.test" : "quorvik-proxied.test");
    EXPECT_EQ(TextOf(main.location), location);
    EXPECT_TRUE(WaitFor([&] { return VisibleTooltipContaining("地理位置：" + location) != nullptr; }));
}

INSTANTIATE_TEST_SUITE_P(Resolvers, ProxyTest, testing::ValuesIn(kProxyRows),
                         [](const testing::TestParamInfo<ProxyRow>& info) { return std::string(info.param.name); });
