#include <winsock2.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

const MenuPath kFileLocalInfo = {0, 1};  // " 文 件" → "本机信息"
const int kTrayLocalInfo = 2;            // tray menu → "本机信息"
const MenuPath kStayOnTop = {1, 1};      // "  设 置" → "软件在最上"

// What the resolver tells this process about the local host, which the
// program runs on too, in the report's words: a line per address, their
// count and the separator.
std::vector<std::string> ExpectedAddressLines() {
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    char name[64] = {};
    gethostname(name, sizeof name - 1);
    std::vector<std::string> lines;
    hostent* host = gethostbyname(name);
    EXPECT_NE(host, nullptr) << "the test machine's resolver knows no address of " << name;
    for (char** address = host ? host->h_addr_list : nullptr; address && *address; ++address)
        lines.push_back(std::string("本机IP:") + inet_ntoa(*reinterpret_cast<in_addr*>(*address)));
    WSACleanup();
    lines.push_back("本机共有" + std::to_string(lines.size()) + "个IP");
    lines.push_back(std::string(41, '-'));
    return lines;
}

std::string LocalHostName() {
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    WSACleanup();
    return name;
}

// The adapters' addresses as the MAC line writes them; the line names one
// of them, or none when there is no adapter.
std::set<std::string> AdapterAddresses() {
    ULONG size = 0;
    GetAdaptersInfo(nullptr, &size);
    std::vector<char> buffer(size + 1);
    auto* adapter = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    std::set<std::string> addresses;
    if (size == 0 || GetAdaptersInfo(adapter, &size) != NO_ERROR) return addresses;
    for (; adapter; adapter = adapter->Next) {
        if (adapter->AddressLength != 6) continue;
        char text[18];
        const BYTE* a = adapter->Address;
        snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
        addresses.insert(text);
    }
    return addresses;
}

std::vector<std::string> MemoLines(HWND memo) {
    std::vector<std::string> lines;
    std::string text = TextOf(memo);
    for (size_t begin = 0, end; begin < text.size(); begin = end + 2) {
        end = text.find("\r\n", begin);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(begin, end - begin));
    }
    return lines;
}

bool TopMost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class LocalInfoWindowTest : public testing::Test {
protected:
    void SetUp() override {
        FFolder = std::make_unique<ProgramFolder>("localinfo");
        FFolder->PutDatabase(TestDatabase());
        FProgram = FFolder->Start();
        FMain = FindTopWindow(L"TForm1");
        ASSERT_NE(FMain, nullptr) << "the main window did not appear";
    }

    HWND Open() {
        ChooseMenu(FMain, kFileLocalInfo);
        return FindTopWindow(L"TForm3");
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
    HWND FMain = nullptr;
};

}  // namespace

TEST_F(LocalInfoWindowTest, ListsAddressesCountHostNameAndMac) {
    HWND window = Open();
    ASSERT_NE(window, nullptr) << "the local information window did not appear";
    EXPECT_EQ(TextOf(window), "本机信息");
    std::vector<std::string> lines = MemoLines(Children(window, L"TMemo").at(0));
    std::vector<std::string> expected = ExpectedAddressLines();
    expected.push_back("主机名：" + LocalHostName());
    ASSERT_EQ(lines.size(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]);

    std::string mac = lines.back();
    ASSERT_TRUE(mac.starts_with("本机MAC:")) << mac;
    mac = mac.substr(std::string("本机MAC:").size());
    std::set<std::string> adapters = AdapterAddresses();
    if (adapters.empty())
        EXPECT_EQ(mac, "");
    else
        EXPECT_TRUE(adapters.contains(mac)) << mac;
    SaveScreenshot(window, ScreenshotPath("local-info-window"));
}

TEST_F(LocalInfoWindowTest, OpeningTwiceShowsTheListOnce) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    HWND memo = Children(window, L"TMemo").at(0);
    std::vector<std::string> first = MemoLines(memo);
    Tap(ChildWithText(window, L"TButton", "确定"));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(FMain); }));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(MemoLines(memo), first);
}

TEST_F(LocalInfoWindowTest, TakesTheMainWindowsPlaceAndLowersItUntilClosed) {
    ASSERT_TRUE(TopMost(FMain)) << "the main window starts on top";
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(FMain));
    EXPECT_FALSE(TopMost(FMain));

    Tap(ChildWithText(window, L"TButton", "确定"));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain); }));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(TopMost(FMain));
}

TEST_F(LocalInfoWindowTest, WithStayOnTopOffTheMainWindowIsNotRaisedOnClose) {
    ChooseMenu(FMain, kStayOnTop);
    ASSERT_TRUE(WaitFor([&] { return !TopMost(FMain); }));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    Tap(ChildWithText(window, L"TButton", "确定"));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) != FALSE; }));
    EXPECT_FALSE(TopMost(FMain));
}

TEST_F(LocalInfoWindowTest, CloseBoxActsAsOk) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    Press(VK_F4, VK_MENU);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(FMain) && !IsWindowVisible(window); }));
    EXPECT_TRUE(TopMost(FMain));
}

TEST_F(LocalInfoWindowTest, TrayMenuWhileInTheTrayLeavesTheMainWindowThere) {
    PostMessageW(FMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(FMain); }));
    ChooseTrayMenu(kTrayLocalInfo);
    HWND window = FindTopWindow(L"TForm3");
    ASSERT_NE(window, nullptr) << "the local information window did not appear";
    EXPECT_FALSE(TopMost(FMain));
    Tap(ChildWithText(window, L"TButton", "确定"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(window); }));
    EXPECT_FALSE(WaitFor([&] { return IsWindowVisible(FMain) != FALSE; }, 500ms));
    EXPECT_TRUE(TopMost(FMain));
}
