#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include "tests/e2e/BatchWindowParts.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/StartedProgram.h"

using namespace ui;

namespace {

const MenuPath kStayOnTop = {1, 1};         // "  设 置" → "软件在最上"
const MenuPath kStartWithWindows = {1, 2};  // "  设 置" → "开机自启动"
const MenuPath kHelpFile = {2, 0};          // " 帮 助" → "帮助文件"
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kOlderRunValue[] = L"\"C:\\Quorvik 1.0\\quorvik.exe\"";

// The start-with-Windows value under one root's Run key, or "(none)".
std::wstring WideRunValue(HKEY root = HKEY_CURRENT_USER) {
    HKEY key;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return L"(none)";
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    LONG result = RegQueryValueExW(key, L"ip", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? data : L"(none)";
}

std::string RunValue(HKEY root = HKEY_CURRENT_USER) { return Narrow(WideRunValue(root)); }

// Behind the program's back, as another program or an older version would.
void PutRunValue(HKEY root, const wchar_t* value) {
    HKEY key;
    if (RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    RegSetValueExW(key, L"ip", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void DeleteRunValue() {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        HKEY key;
        if (RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) continue;
        RegDeleteValueW(key, L"ip");
        RegCloseKey(key);
    }
}

// The machine's Run key as a standard user meets it: its values can be read
// but neither set nor deleted. Its own permissions come back at the end.
class LockedMachineRunKey {
public:
    LockedMachineRunKey() {
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, READ_CONTROL | WRITE_DAC, &FKey);
        DWORD size = sizeof FOwn;
        RegGetKeySecurity(FKey, DACL_SECURITY_INFORMATION, FOwn, &size);
        PSECURITY_DESCRIPTOR locked = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &locked,
                                                             nullptr);
        RegSetKeySecurity(FKey, DACL_SECURITY_INFORMATION, locked);
        LocalFree(locked);
    }
    ~LockedMachineRunKey() {
        RegSetKeySecurity(FKey, DACL_SECURITY_INFORMATION, FOwn);
        RegCloseKey(FKey);
    }

private:
    HKEY FKey = nullptr;
    alignas(void*) BYTE FOwn[4096] = {};
};

bool Topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

void ExpectHelpViewerFromTheMenu(HWND mainWindow) {
    ChooseMenu(mainWindow, kHelpFile);
    HWND help = FindTopWindow(L"HH Parent", 10000ms);
    ASSERT_NE(help, nullptr) << "no help viewer";
    PostMessageW(help, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(help); });
}

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { DeleteRunValue(); }
    void TearDown() override { DeleteRunValue(); }

    StartedProgram FQuorvik;
};

}  // namespace

// Back from the tray the window can be typed into at once: it is the active
// window and the focus is in the box that had it.
void ExpectReadyForTyping(HWND window, HWND focused) {
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; })) << "not the active window";
    EXPECT_TRUE(WaitFor([&] { return HasFocus(focused); })) << "the focus is elsewhere";
}

TEST_F(SettingsTest, CloseBoxHidesToTheTrayAndATrayClickBringsItBack) {
    MainWindow main;
    Type(main.addressBox, "1.2.3.4");
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window); }));
    EXPECT_TRUE(FQuorvik.program.Running());
    ClickTrayIcon();
    ExpectReadyForTyping(main.window, main.addressBox);
}

// Switched on, the value goes under the user's Run key, which needs no
// rights. Opening the menu takes the mark from both keys: values left under
// them behind the program's back make the command switch off, removing both.
// One that cannot be removed is told, and the mark stays on.
TEST_F(SettingsTest, StartWithWindowsUsesTheUsersRunKeyAndTellsWhatItCannotRemove) {
    WatchBoxes main;
    std::string quoted = Narrow(L"\"" + FQuorvik.folder.Exe() + L"\"");
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == quoted; })) << RunValue();
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "(none)");
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == "(none)"; })) << RunValue();

    PutRunValue(HKEY_CURRENT_USER, kOlderRunValue);
    PutRunValue(HKEY_LOCAL_MACHINE, kOlderRunValue);
    ChooseMenu(main.window, kStartWithWindows);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == "(none)" && RunValue(HKEY_LOCAL_MACHINE) == "(none)"; }));

    PutRunValue(HKEY_LOCAL_MACHINE, kOlderRunValue);
    LockedMachineRunKey locked;
    for (int attempt = 0; attempt < 2; ++attempt) {
        ChooseMenu(main.window, kStartWithWindows);
        HWND refusal = ShownDialog();
        ASSERT_NE(refusal, nullptr) << "a value that cannot be removed must be told";
        EXPECT_EQ(TextOf(refusal), "Quorvik");
        EXPECT_EQ(MessageOf(refusal), "无法删除所有用户的开机启动项，请以管理员身份运行 Quorvik 后再试。");
        EXPECT_EQ(SendMessageW(refusal, 13603, 0, 0), 1) << "the message box is not skinned";
        SaveScreenshot(refusal, ScreenshotPath("start-with-windows-refused"));
        AnswerBox(refusal, IDOK);
    }
    EXPECT_EQ(RunValue(), "(none)") << "the mark follows the machine's value, so the command switches off again";
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), Narrow(kOlderRunValue));
}

TEST_F(SettingsTest, StayOnTopCanBeSwitchedOffAndOn) {
    MainWindow main;
    EXPECT_TRUE(Topmost(main.window));
    FakeBrowser browser("about:blank");
    browser.BringForward();
    EXPECT_TRUE(Topmost(main.window)) << "switching to the browser keeps the window above it";
    ChooseMenu(main.window, kStayOnTop);
    EXPECT_TRUE(WaitFor([&] { return !Topmost(main.window); }));
    browser.BringForward();
    Sleep(300);
    EXPECT_FALSE(Topmost(main.window)) << "no longer put back when another program is activated";
    ChooseMenu(main.window, kStayOnTop);
    EXPECT_TRUE(WaitFor([&] { return Topmost(main.window); }));
}

// Something else takes the window out of the topmost band; when the program
// loses activation to another one, it is put back.
TEST_F(SettingsTest, LosingActivationPutsTheWindowBackOnTop) {
    MainWindow main;
    FakeBrowser browser("about:blank");
    SetWindowPos(main.window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_FALSE(Topmost(main.window));
    BringForward(main.window);
    browser.BringForward();
    EXPECT_TRUE(WaitFor([&] { return Topmost(main.window); }));
}

TEST_F(SettingsTest, HelpCommandOpensTheHelpFile) {
    MainWindow main;
    ExpectHelpViewerFromTheMenu(main.window);
}

TEST_F(SettingsTest, MinimisedWindowGoesToTheTrayWithItsTaskbarButton) {
    MainWindow main;
    Click(main.addressBox);
    HWND taskbarButton = FindWindowW(L"TApplication", nullptr);
    ASSERT_TRUE(IsWindowVisible(taskbarButton));
    PostMessageW(main.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window) && !IsWindowVisible(taskbarButton); }));
    ClickTrayIcon();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main.window) && IsWindowVisible(taskbarButton); }));
    EXPECT_FALSE(IsIconic(main.window));
    ExpectReadyForTyping(main.window, main.addressBox);
}

TEST_F(SettingsTest, TrayMenuShowCommandBringsTheWindowBack) {
    MainWindow main;
    Click(main.resultBox);
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main.window); }));
    ClickTrayIcon(TMouseButton::Right);
    ASSERT_NE(FindTopWindow(L"#32768"), nullptr) << "no tray menu";
    PressKeys({VK_DOWN, VK_RETURN});  // "显示界面", the first command
    ExpectReadyForTyping(main.window, main.resultBox);
}

// What Windows reads from quorvik.exe before it runs it: no elevation and no
// redirected writes, the Windows versions it knows, no stretching of its own
// (it is not DPI-aware) and the classic controls the skin draws over.
TEST(ProgramManifest, AsksToRunAsInvokerUnawareOfDpiOnVistaTo11) {
    std::wstring exe = FromBuild("QUORVIK_EXE");
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr) << "quorvik.exe has no manifest";
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                         SizeofResource(module, found));
    FreeLibrary(module);
    for (const char* element : {
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             R"(<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"/>)",  // Vista
             R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",  // 7
             R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)",  // 8
             R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)",  // 8.1
             R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)",  // 10 and 11
             R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">false</dpiAware>)"})
        EXPECT_NE(manifest.find(element), std::string::npos) << element;
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);

    // The system's own reader takes it: a manifest it refuses stops the program on Windows.
    ACTCTXW context = {sizeof context};
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE parsed = CreateActCtxW(&context);
    EXPECT_NE(parsed, INVALID_HANDLE_VALUE);
    ReleaseActCtx(parsed);
}

// Installed in a folder that code page 936 cannot spell, the program still
// finds its database and help file and writes its true path to the Run key.
class FolderOutsideCodePage936 : public testing::Test {
protected:
    void TearDown() override { DeleteRunValue(); }

    void Start(const std::wstring& parent) {
        DeleteRunValue();
        FFolder = std::make_unique<ProgramFolder>("outside-936", parent);
        FFolder->PutDatabase(TestDatabase());
        FProgram = FFolder->Start();
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr);
    }

    std::unique_ptr<ProgramFolder> FFolder;
    Program FProgram;
};

TEST_F(FolderOutsideCodePage936, RunValueAndDatabaseFollowTheTruePath) {
    Start(L"Program Files\\Zo\u00EB \u2603");
    MainWindow main;
    EXPECT_EQ(main.LookUp("1.2.4.0"), "中国北京 电信");
    ChooseMenu(main.window, kStartWithWindows);
    std::wstring quoted = L"\"" + FFolder->Exe() + L"\"";
    EXPECT_TRUE(WaitFor([&] { return WideRunValue() == quoted; })) << Narrow(WideRunValue());
}

// Wine's help viewer itself opens no file under a name outside the ANSI code
// page (the snowman), so this folder stays within it, though not within 936.
TEST_F(FolderOutsideCodePage936, HelpFileIsFound) {
    Start(L"Program Files\\Zo\u00EB");
    MainWindow main;
    ExpectHelpViewerFromTheMenu(main.window);
}
