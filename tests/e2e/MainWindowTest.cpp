#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/DefaultRanges.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/TestDatabase.h"

using namespace ui;

namespace {

const MenuPath kFileExit = {0, 2};  // " 文 件" → "退出"

class MainWindowTest : public testing::Test {
protected:
    void Start(const std::string& folderName, bool withDatabase = true) {
        FFolder = std::make_unique<ProgramFolder>(folderName);
        if (withDatabase) FFolder->PutDatabase(TestDatabase());
        FProgram = FFolder->Start();
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr) << "the main window did not appear";
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
};

}  // namespace

// The main window's layout as its form defines it: every control's group,
// place, size, caption and tab order. (Wine keeps menus inside their
// process, so their captions cannot be read from here.)
struct ControlRow {
    int group;  // 0: "请输入要查询的IP", 1: "Sitorva"
    const wchar_t* className;
    RECT bounds;  // left, top, width, height inside the group box
    const char* caption;
    int tab;  // -1: no tab stop
};

const ControlRow kLayout[] = {
    {0, L"TEdit", {10, 19, 143, 21}, "", 0},
    {0, L"TButton", {178, 20, 35, 21}, "查询", 1},
    {0, L"TLabel", {8, 47, 67, 13}, "查询结果： ", -1},
    {0, L"TEdit", {10, 66, 215, 21}, "", 2},
    {1, L"TLabel", {6, 20, 60, 13}, "网站地址：", -1},
    {1, L"TEdit", {66, 16, 159, 21}, "", 5},
    {1, L"TLabel", {20, 45, 46, 13}, "IP地址：", -1},
    {1, L"TEdit", {66, 41, 159, 21}, "", 4},
    {1, L"TLabel", {6, 71, 60, 13}, "主机地址：", -1},
    {1, L"TEdit", {66, 67, 159, 21}, "", 3},
    {1, L"TLabel", {6, 97, 60, 13}, "地理位置：", -1},
    {1, L"TEdit", {66, 93, 159, 21}, "", 2},
    {1, L"TCheckBox", {22, 123, 77, 17}, "自动查询", 1},
    {1, L"TButton", {152, 121, 59, 21}, "手动查询", 0},
};

// The child at a place inside the group box, of the given class.
HWND ChildAt(HWND group, const wchar_t* className, POINT place) {
    for (HWND child = GetWindow(group, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 63);
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, group, reinterpret_cast<POINT*>(&rect), 2);
        if (std::wstring(name) == className && rect.left == place.x && rect.top == place.y) return child;
    }
    return nullptr;
}

TEST_F(MainWindowTest, LayoutFollowsTheForm) {
    Start("layout");
    MainWindow main;
    EXPECT_EQ(TextOf(main.window), "Quorvik");
    RECT client;
    GetClientRect(main.window, &client);
    EXPECT_EQ(client.right, 234);
    EXPECT_EQ(client.bottom, 246);
    HWND groups[] = {main.typed, ChildWithText(main.window, L"TGroupBox", "Sitorva")};
    for (int g = 0; g < 2; ++g) {
        std::vector<std::pair<int, HWND>> tabStops;
        for (const ControlRow& row : kLayout) {
            if (row.group != g) continue;
            HWND control = ChildAt(groups[g], row.className, {row.bounds.left, row.bounds.top});
            ASSERT_NE(control, nullptr) << row.caption << " at " << row.bounds.left << "," << row.bounds.top;
            RECT rect;
            GetWindowRect(control, &rect);
            EXPECT_EQ(rect.right - rect.left, row.bounds.right) << row.caption;
            EXPECT_EQ(rect.bottom - rect.top, row.bounds.bottom) << row.caption;
            EXPECT_EQ(TextOf(control), row.caption);
            EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, row.tab >= 0) << row.caption;
            if (row.tab >= 0) tabStops.push_back({row.tab, control});
        }
        // Tab order is the order of the tab stops among the group's children.
        std::sort(tabStops.begin(), tabStops.end());
        std::vector<HWND> expected, actual;
        for (auto [tab, control] : tabStops) expected.push_back(control);
        for (HWND child = GetWindow(groups[g], GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) actual.push_back(child);
        EXPECT_EQ(actual, expected) << "tab order in group " << g;
    }
    EXPECT_TRUE(SendMessageW(Children(groups[1], L"TCheckBox").at(0), BM_GETCHECK, 0, 0) == BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(ChildWithText(groups[1], L"TButton", "手动查询")));
}

TEST_F(MainWindowTest, TypedAddressShowsTheLocationOfItsRange) {
    Start("typed");
    MainWindow main;
    EXPECT_EQ(main.LookUp("1.2.4.0"), "中国北京 电信");
    EXPECT_EQ(main.LookUp("  9.255.255.255  "), "中国北京 电信");  // blanks around are dropped
    EXPECT_EQ(main.LookUp("1.2.3.255"), "本地保留");
    EXPECT_EQ(main.LookUp("200.1.2.3"), "暂无该IP的数据纪录");
    SaveScreenshot(main.window, ScreenshotPath("main-window"));
}

// With the default databases: text that reads as IPv6 is looked up in the
// IPv6 file and comes back in its short form; an IPv4-mapped address is an
// IPv4 host; malformed text takes the IPv4 lookup's way as before.
TEST_F(MainWindowTest, TypedIpv6AddressShowsItsShortFormAndItsLocation) {
    FFolder = std::make_unique<ProgramFolder>("typed-ipv6");
    FFolder->PutDefaultDatabases();
    FProgram = FFolder->Start();
    MainWindow main;
    struct Row {
        const char* typed;
        const char* shown;
        const char* location;
    } rows[] = {
        {"2001:db8:::1", "2001:db8:::1", "本机未指定地址"},  // no address: number 0 of the IPv4 lookup
        {"fe80::1%", "fe80::1%", "本机未指定地址"},
        {"::1", "::1", "本机回环地址"},
        {"0:0:0:0:0:0:0:1", "::1", "本机回环地址"},
        {"  fe80::1%eth0 ", "fe80::1", "局域网链路本地地址"},
        {"FD12:3456:0000::0001", "fd12:3456::1", "局域网唯一本地地址"},
        {"2001:DB8::1", "2001:db8::1", "IANA文档示例地址"},
        {"2001:db8::192.0.2.1", "2001:db8::c000:201", "IANA文档示例地址"},
        {"::ffff:192.168.1.1", "::ffff:192.168.1.1", "局域网私有地址"},
        {"::FFFF:7F00:1", "::ffff:127.0.0.1", "本机回环地址"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(main.LookUp(row.typed), row.location) << row.typed;
        EXPECT_EQ(TextOf(main.addressBox), row.shown) << row.typed;
    }
    // A missing IPv6 file is met as a missing IPv4 file, by IPv6 text alone.
    FFolder->RemoveDatabase(kIpv6Database);
    EXPECT_EQ(main.LookUp("FF02::1"), "本机回环地址");  // the last result stays
    EXPECT_EQ(TextOf(main.addressBox), "FF02::1");
    EXPECT_EQ(main.LookUp("192.168.1.1"), "局域网私有地址");
    EXPECT_EQ(FindTopWindow(L"#32770", 300ms), nullptr) << "no message box may appear";
}

TEST_F(MainWindowTest, DefaultDatabaseAnswersAsItsSourceSays) {
    FFolder = std::make_unique<ProgramFolder>("default");
    FFolder->PutDefaultDatabases();
    FProgram = FFolder->Start();
    MainWindow main;
    auto rows = SampleRanges(25);
    ASSERT_EQ(rows.size(), 25u);
    for (const auto& row : rows) {
        for (const std::string& address : {row[0], MiddleOf(row[0], row[1]), row[1]})
            EXPECT_EQ(main.LookUp(address), ShownLocation(row)) << address;
    }
    // Mainland China in both files, as the pinned data gives it: province and carrier.
    EXPECT_EQ(main.LookUp("220.181.38.148"), "北京市电信");
    EXPECT_EQ(main.LookUp("2400:3200::1"), "浙江省阿里云");
}

TEST_F(MainWindowTest, AddressBoxTakesTextOfAnyLength) {
    Start("long");
    MainWindow main;
    std::string text(40000, '1');
    Paste(main.addressBox, text);
    EXPECT_EQ(TextOf(main.addressBox).size(), 40000u);
}

TEST_F(MainWindowTest, EmptyAddressChangesNothing) {
    Start("empty");
    MainWindow main;
    main.LookUp("1.2.4.0");
    Type(main.addressBox, "");
    Click(main.queryButton);
    Click(main.addressBox);
    EXPECT_EQ(TextOf(main.resultBox), "中国北京 电信");
}

TEST_F(MainWindowTest, MissingDatabaseLeavesTheResultAlone) {
    Start("nodb");
    MainWindow main;
    main.LookUp("1.2.4.0");
    FFolder->RemoveDatabase();
    EXPECT_EQ(main.LookUp("1.2.3.4"), "中国北京 电信");
    EXPECT_EQ(FindTopWindow(L"#32770", 300ms), nullptr) << "no message box may appear";
}

TEST_F(MainWindowTest, SecondStartEndsSilentlyAndTheFirstRunsOn) {
    Start("twice");
    HWND first = FindTopWindow(L"TForm1");
    Program second = FFolder->Start();
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(FProgram.Running());
    EXPECT_EQ(FindTopWindow(L"TForm1"), first);
}

TEST_F(MainWindowTest, ExitCommandEndsTheProgramAndANewStartSucceeds) {
    Start("exit");
    ChooseMenu(FindTopWindow(L"TForm1"), kFileExit);
    EXPECT_EQ(FProgram.WaitForExit(), 0);
    FProgram = FFolder->Start();
    EXPECT_NE(FindTopWindow(L"TForm1"), nullptr);
}

TEST_F(MainWindowTest, EndOfTheWindowsSessionEndsTheProgramAtOnce) {
    Start("logoff");
    DWORD_PTR result;
    SendMessageTimeoutW(FindTopWindow(L"TForm1"), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 2000, &result);
    EXPECT_EQ(FProgram.WaitForExit(), 0);
}
