// Every window of the program wears the skin: frames, captions, menu bars
// and menus show the skin's own pixels, active and inactive.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "tests/e2e/BatchWindowParts.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/StartedProgram.h"

using namespace ui;

namespace {
// The program's skin as its art draws it: a frame's outermost line and the
// white line inside it, in the active and the inactive state; the caption
// bar's height; the menu bar's first row in each state.
const COLORREF kOuterLine[] = {RGB(34, 56, 96), RGB(118, 124, 134)};
const COLORREF kInnerLine = RGB(255, 255, 255);
const int kTopBorder = 26;
const COLORREF kMenuBarTop[] = {RGB(248, 249, 251), RGB(244, 245, 247)};

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    COLORREF pixel = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// Pixels of the window's rectangle on screen dark enough to be text.
int DarkPixels(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    int dark = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF pixel = GetPixel(screen, x, y);
            dark += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 96;
        }
    ReleaseDC(nullptr, screen);
    return dark;
}

// A message box's text shows on screen, not only in its label.
void ExpectTextShown(HWND box, const std::string& part) {
    HWND shown = nullptr;
    for (HWND label : Children(box, L"Static"))
        if (TextOf(label).find(part) != std::string::npos) shown = label;
    ASSERT_NE(shown, nullptr) << "no label holds " << part;
    EXPECT_GT(DarkPixels(shown), 20) << "no text shows: " << TextOf(shown);
}

class SkinnedWindowsTest : public testing::Test {
protected:
    // The caption's top lines right of its text and left of its buttons, the
    // left border's lines half way down, and the menu bar's first row right
    // of its last item, in the state the window is in.
    void ExpectSkinnedFrame(HWND window, bool active, bool menuBar) {
        int state = active ? 0 : 1;
        RECT bounds;
        GetWindowRect(window, &bounds);
        POINT caption = {(bounds.left + bounds.right) / 2 + 10, bounds.top};
        // The window may still be taking its skinned look.
        EXPECT_TRUE(WaitFor([&] { return ScreenPixel(caption) == kOuterLine[state]; })) << "caption, state " << state;
        GetWindowRect(window, &bounds);
        caption = {(bounds.left + bounds.right) / 2 + 10, bounds.top};
        EXPECT_EQ(ScreenPixel({caption.x, caption.y + 1}), kInnerLine) << "caption, state " << state;
        POINT left = {bounds.left, (bounds.top + bounds.bottom) / 2};
        EXPECT_EQ(ScreenPixel(left), kOuterLine[state]) << "left border, state " << state;
        EXPECT_EQ(ScreenPixel({left.x + 1, left.y}), kInnerLine) << "left border, state " << state;
        if (!menuBar) return;
        EXPECT_EQ(ScreenPixel({bounds.right - 12, bounds.top + kTopBorder}), kMenuBarTop[state])
            << "menu bar, state " << state;
    }

    // The window in front, then behind another program's window.
    void ExpectSkinnedActiveAndInactive(HWND window, const std::string& name, bool menuBar = false) {
        BringForward(window);
        ExpectSkinnedFrame(window, true, menuBar);
        SaveScreenshot(window, ScreenshotPath("skinned-" + name + "-active"));
        FakeBrowser browser("about:blank");
        browser.BringForward();
        ExpectSkinnedFrame(window, false, menuBar);
        SaveScreenshot(window, ScreenshotPath("skinned-" + name + "-inactive"));
    }

    StartedProgram FQuorvik;
};
}  // namespace

TEST_F(SkinnedWindowsTest, TheMainWindowWearsTheSkinActiveAndInactive) {
    MainWindow main;
    ExpectSkinnedActiveAndInactive(main.window, "main-window", true);
}

TEST_F(SkinnedWindowsTest, TheAuxiliaryWindowsWearTheSkin) {
    MainWindow main;
    ChooseMenu(main.window, {0, 0});
    ExpectSkinnedActiveAndInactive(FindTopWindow(L"TForm2"), "batch-window");
    PostMessageW(FindTopWindow(L"TForm2"), WM_CLOSE, 0, 0);
    ChooseMenu(FindTopWindow(L"TForm1"), {0, 1});
    ExpectSkinnedActiveAndInactive(FindTopWindow(L"TForm3"), "local-info-window");
}

TEST_F(SkinnedWindowsTest, TheAboutWindowWearsTheSkin) {
    MainWindow main;
    ChooseMenu(main.window, {2, 2});
    HWND about = FindTopWindow(L"TForm4");
    ASSERT_NE(about, nullptr);
    BringForward(about);
    ExpectSkinnedFrame(about, true, false);
    SaveScreenshot(about, ScreenshotPath("skinned-about-window"));
}

TEST_F(SkinnedWindowsTest, EveryMenuIsSkinned) {
    MainWindow main;
    BringForward(main.window);
    RightClickAt(main.window, {60, 10});
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = VisibleMenuWindow()) != nullptr; })) << "no system menu";
    EXPECT_EQ(SendMessageW(menu, 13603, 0, 0), 1) << "the system menu's window is not skinned";
    SaveScreenshot(menu, ScreenshotPath("skinned-system-menu"));
    Press(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return VisibleMenuWindow() == nullptr; }));

    ClickTrayIcon(ui::TMouseButton::Right);
    ASSERT_TRUE(WaitFor([&] { return (menu = VisibleMenuWindow()) != nullptr; })) << "no tray menu";
    EXPECT_EQ(SendMessageW(menu, 13603, 0, 0), 1) << "the tray menu's window is not skinned";
    SaveScreenshot(menu, ScreenshotPath("skinned-tray-menu"));
    Press(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return VisibleMenuWindow() == nullptr; }));

    // A menu of the bar, and the system's own context menu of an edit box.
    BringForward(main.window);
    Press(VK_MENU);
    WaitForOtherMenu(nullptr);
    ASSERT_NE(menu = VisibleMenuWindow(), nullptr) << "no menu of the bar";
    SaveScreenshot(menu, ScreenshotPath("skinned-menu-bar-menu"));
    Press(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return VisibleMenuWindow() == nullptr; }));
    RightClick(main.addressBox);
    ASSERT_TRUE(WaitFor([&] { return (menu = VisibleMenuWindow()) != nullptr; })) << "no context menu";
    EXPECT_EQ(SendMessageW(menu, 13603, 0, 0), 1) << "the context menu's window is not skinned";
    SaveScreenshot(menu, ScreenshotPath("skinned-edit-context-menu"));
    Press(VK_ESCAPE);
}

// The batch window's save dialog, the overwrite question and the failed
// save's notice are bare dialog boxes of the system: they wear the skin too.
TEST_F(SkinnedWindowsTest, TheSaveDialogAndTheMessageBoxesWearTheSkin) {
    MainWindow main;
    ChooseMenu(main.window, {0, 0});
    BatchWindow batch;
    batch.Query("1.2.4.0");
    std::filesystem::path path = std::filesystem::temp_directory_path() / L"quorvik-e2e-skinned-save.txt";
    std::ofstream(path, std::ios::binary) << "old";
    // Another program holds the file, so that saving over it fails.
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    Click(batch.save);
    HWND dialog = ShownDialog();
    ASSERT_NE(dialog, nullptr) << "the save dialog did not appear";
    EXPECT_EQ(SendMessageW(dialog, 13603, 0, 0), 1) << "the save dialog is not skinned";
    ExpectSkinnedFrame(dialog, true, false);
    SaveScreenshot(dialog, ScreenshotPath("skinned-save-dialog"));
    ChooseSavePath(path.wstring());

    HWND question = ShownDialog();
    ASSERT_NE(question, nullptr) << "no overwrite question";
    EXPECT_EQ(SendMessageW(question, 13603, 0, 0), 1) << "the overwrite question is not skinned";
    ExpectSkinnedFrame(question, true, false);
    SaveScreenshot(question, ScreenshotPath("skinned-overwrite-question"));
    ExpectTextShown(question, "文件已存在，是否替换？");
    AnswerBox(question, IDYES);

    HWND failure = ShownDialog();
    ASSERT_NE(failure, nullptr) << "no notice of the failed save";
    EXPECT_EQ(SendMessageW(failure, 13603, 0, 0), 1) << "the failed save's notice is not skinned";
    ExpectSkinnedFrame(failure, true, false);
    SaveScreenshot(failure, ScreenshotPath("skinned-save-failed"));
    ExpectTextShown(failure, "文件保存失败：");
    AnswerBox(failure, IDOK);
    CloseHandle(holder);
    std::filesystem::remove(path);
}

namespace {
struct Key {
    WORD virtualKey, modifier = 0;
};

// What a row's keys lead to: a window of the class shows, a menu is open
// (or none), the focus lies on a control, a check box is cleared.
struct KeyRow {
    const char* name;
    std::vector<Key> keys;
    std::function<bool()> expected;
};

bool Shows(const wchar_t* className) {
    HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window);
}

bool SkinnedMenuOpen() {
    HWND menu = VisibleMenuWindow();
    return menu && SendMessageW(menu, 13603, 0, 0) == 1;
}

// Closes what a row opened, so the next starts from the main window alone;
// the local information window gives the main window its place back.
void CloseOthers(HWND main) {
    for (const wchar_t* className : {L"TForm3", L"TForm4"})
        if (HWND window = FindWindowW(className, nullptr)) PostMessageW(window, WM_CLOSE, 0, 0);
    if (VisibleMenuWindow()) Press(VK_ESCAPE);
    WaitFor([&] { return !VisibleMenuWindow() && !Shows(L"TForm3") && !Shows(L"TForm4") && IsWindowVisible(main); },
            5000ms);
    BringForward(main);
}
}  // namespace

// Real key presses on the skinned main window, each row from the address
// box with nothing else open; a skinned bar opens its first menu with the
// first item selected where a native bar only highlights it.
TEST_F(SkinnedWindowsTest, TheKeyboardWorksTheSkinnedMainWindow) {
    MainWindow main;
    WatchBoxes watch;
    // The first menu's second command opens the local information window:
    // one Down from a selected first item reaches it.
    auto localInfo = [] { return Shows(L"TForm3"); };
    const KeyRow rows[] = {
        {"Alt opens the first menu, its first item selected", {{VK_MENU}, {VK_DOWN}, {VK_RETURN}}, localInfo},
        {"Right walks the bar and wraps", {{VK_MENU}, {VK_RIGHT}, {VK_RIGHT}, {VK_RIGHT}, {VK_DOWN}, {VK_RETURN}},
         localInfo},
        {"Left wraps to the last menu", {{VK_MENU}, {VK_LEFT}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}},
         [] { return Shows(L"TForm4"); }},
        {"Esc closes the menu", {{VK_MENU}, {VK_ESCAPE}}, [] { return !VisibleMenuWindow(); }},
        {"F10 opens the first menu", {{VK_F10}, {VK_DOWN}, {VK_RETURN}}, localInfo},
        {"Alt+Space opens the system menu", {{VK_SPACE, VK_MENU}}, SkinnedMenuOpen},
        {"Tab goes on in the tab order", {{VK_TAB}}, [&] { return HasFocus(main.queryButton); }},
        {"Shift+Tab goes back, round to the last", {{VK_TAB, VK_SHIFT}}, [&] { return HasFocus(watch.webAddress); }},
        {"Space toggles the check box", {{VK_TAB}, {VK_TAB}, {VK_TAB}, {VK_SPACE}},
         [&] { return SendMessageW(watch.automatic, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }},
        {"Enter presses the focused button", {{VK_TAB}, {VK_RETURN}}, [&] { return !TextOf(main.resultBox).empty(); }},
        {"Alt+F4 hides the window to the tray", {{VK_F4, VK_MENU}}, [&] { return !IsWindowVisible(main.window); }},
    };
    Type(main.addressBox, "127.0.0.1");
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        CloseOthers(main.window);
        Click(main.addressBox);
        // The pointer rests on the caption, out of the way of the menus.
        RECT bounds;
        GetWindowRect(main.window, &bounds);
        POINT caption = {bounds.left + 40, bounds.top + 8};
        ScreenToClient(main.window, &caption);
        PointAt(main.window, caption);
        // A move the program takes while a menu is open would leave no item selected.
        std::this_thread::sleep_for(300ms);
        HMENU open = nullptr;
        for (const Key& key : row.keys) {
            Press(key.virtualKey, key.modifier);
            // A skinned bar closes one menu and opens the next in its own
            // time; keys after wait for it.
            bool opensMenu = !key.modifier && (key.virtualKey == VK_MENU || key.virtualKey == VK_F10 ||
                                               key.virtualKey == VK_LEFT || key.virtualKey == VK_RIGHT);
            if (opensMenu) open = WaitForOtherMenu(open);
            // At a person's pace; typed faster, the space bar on the check
            // box was missed now and then under Wine.
            std::this_thread::sleep_for(300ms);
        }
        EXPECT_TRUE(WaitFor(row.expected, 10000ms));
    }
}
