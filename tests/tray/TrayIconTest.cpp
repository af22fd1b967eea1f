#include "tray/TrayIcon.h"

#include <gtest/gtest.h>

#include "base/win32/Win32Text.h"
#include "gui/Application.h"
#include "gui/Menus.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TimerTicks.h"

using namespace std::chrono_literals;

namespace {

class ApplicationWindow : public testing::Environment {
public:
    void SetUp() override { Application.Initialize(); }
};
const auto* const application = testing::AddGlobalTestEnvironment(new ApplicationWindow);

// Counts what the icon reports, and the shell requests it makes.
class CountingTrayIcon : public TTrayIcon {
public:
    CountingTrayIcon() : TTrayIcon(nullptr) {
        OnClick = [this](TObject*) { ++clicks; };
        OnDblClick = [this](TObject*) { ++doubleClicks; };
        OnMouseEnter = [this](TObject*) { ++enters; };
        OnMouseExit = [this](TObject*) { ++exits; };
        OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) { lastUp = button, ++ups; };
    }
    bool AddIcon() override {
        ++adds;
        return TTrayIcon::AddIcon();
    }

    // What the shell would send about this icon.
    void Callback(UINT event) {
        SendMessageW(TTrayIconHandler::SharedWindow(), TrayCallbackMessage,
                     reinterpret_cast<WPARAM>(this), event);
    }

    int clicks = 0, doubleClicks = 0, enters = 0, exits = 0, ups = 0, adds = 0;
    TMouseButton lastUp = mbMiddle;
};

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

std::chrono::milliseconds DoubleClickTime() { return std::chrono::milliseconds(GetDoubleClickTime()); }

}  // namespace

TEST(TrayIconClicks, SingleClickWaitsOneDoubleClickTime) {
    CountingTrayIcon icon;
    icon.Callback(WM_LBUTTONDOWN);
    icon.Callback(WM_LBUTTONUP);
    EXPECT_EQ(icon.clicks, 0);
    EXPECT_EQ(icon.ups, 1);  // mouse up is never held back
    PumpFor(DoubleClickTime() + 200ms);
    EXPECT_EQ(icon.clicks, 1);
    PumpFor(DoubleClickTime());
    EXPECT_EQ(icon.clicks, 1);
}

TEST(TrayIconClicks, DoubleClickFiresNoSingleClick) {
    CountingTrayIcon icon;
    for (UINT event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) icon.Callback(event);
    PumpFor(DoubleClickTime() + 200ms);
    EXPECT_EQ(icon.doubleClicks, 1);
    EXPECT_EQ(icon.clicks, 0);
}

TEST(TrayIconClicks, WithoutDoubleClickHandlerClickFiresAtButtonUp) {
    CountingTrayIcon icon;
    icon.OnDblClick = nullptr;
    icon.Callback(WM_LBUTTONDOWN);
    icon.Callback(WM_LBUTTONUP);
    EXPECT_EQ(icon.clicks, 1);
}

TEST(TrayIconClicks, DisabledIconIgnoresTheMouseButNotBalloons) {
    CountingTrayIcon icon;
    int balloonClicks = 0;
    icon.OnBalloonHintClick = [&](TObject*) { ++balloonClicks; };
    icon.Enabled = false;
    for (UINT event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) icon.Callback(event);
    icon.Callback(NIN_BALLOONUSERCLICK);
    PumpFor(DoubleClickTime() + 100ms);
    EXPECT_EQ(icon.clicks + icon.doubleClicks + icon.ups + icon.enters, 0);
    EXPECT_EQ(balloonClicks, 1);
}

TEST(TrayIconClicks, RightButtonReleaseComesFromTheVersionsOwnCallback) {
    CountingTrayIcon icon;
    icon.Callback(WM_RBUTTONUP);
    EXPECT_EQ(icon.ups, 1);
    EXPECT_EQ(icon.lastUp, mbRight);
    icon.Callback(NIN_SELECT);
    EXPECT_EQ(icon.ups, 1);
    icon.SetNotifyVersion(1);
    icon.Callback(WM_RBUTTONUP);
    EXPECT_EQ(icon.ups, 1);
    icon.Callback(NIN_SELECT);
    icon.Callback(WM_CONTEXTMENU);
    EXPECT_EQ(icon.ups, 3);
}

TEST(TrayIconClicks, CallbackForAnIconThatIsGoneIsIgnored) {
    CountingTrayIcon keepsWindow;
    auto gone = std::make_unique<CountingTrayIcon>();
    WPARAM id = reinterpret_cast<WPARAM>(gone.get());
    gone.reset();
    EXPECT_EQ(SendMessageW(TTrayIconHandler::SharedWindow(), TrayCallbackMessage, id, WM_LBUTTONDOWN), 0);
}

TEST(TrayIconPointer, EnterOncePerVisitExitWhenThePointerLeaves) {
    CountingTrayIcon icon;
    icon.SetWantEnterExitEvents(true);
    SetCursorPos(300, 300);
    icon.Callback(WM_MOUSEMOVE);
    icon.Callback(WM_MOUSEMOVE);
    PumpFor(100ms);
    EXPECT_EQ(icon.enters, 1);
    EXPECT_EQ(icon.exits, 0);  // still where the last move was reported
    SetCursorPos(320, 310);
    PumpFor(100ms);
    EXPECT_EQ(icon.exits, 1);
    icon.Callback(WM_MOUSEMOVE);
    EXPECT_EQ(icon.enters, 2);
}

TEST(TrayIconPointer, ExitPollTicksOnlyWhileThePointerIsOverTheIcon) {
    CountingTrayIcon icon;
    icon.SetWantEnterExitEvents(true);
    EXPECT_EQ(TimerTicksDuring(200ms), 0);
    SetCursorPos(300, 300);
    icon.Callback(WM_MOUSEMOVE);
    EXPECT_GT(TimerTicksDuring(200ms), 0);
    SetCursorPos(320, 310);
    PumpFor(100ms);
    ASSERT_EQ(icon.exits, 1);
    EXPECT_EQ(TimerTicksDuring(200ms), 0);
}

TEST(TrayIconPointer, NoEnterWithoutEnterExitEvents) {
    CountingTrayIcon icon;
    icon.Callback(WM_MOUSEMOVE);
    EXPECT_EQ(icon.enters, 0);
}

TEST(TrayIconMenu, DoubleClickClicksTheFirstDefaultItem) {
    CountingTrayIcon icon;
    TPopupMenu menu;
    TMenuItem plain("a"), firstDefault("b"), secondDefault("c");
    firstDefault.Default = secondDefault.Default = true;
    std::string clicked;
    firstDefault.OnClick = [&](TObject*) { clicked += "b"; };
    secondDefault.OnClick = [&](TObject*) { clicked += "c"; };
    menu.Add({&plain, &firstDefault, &secondDefault});
    icon.PopupMenu = &menu;
    icon.Callback(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, "b");
    icon.LeftPopup = true;
    menu.AutoPopup = false;  // keeps the left button from opening the menu here
    icon.Callback(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, "b");
}

TEST(TrayIconMenu, RightButtonOpensTheMenuLeftOnlyWithLeftPopup) {
    CountingTrayIcon icon;
    TPopupMenu menu;
    TMenuItem item("x");
    menu.Add({&item});
    int popups = 0;
    // Each opening closes itself once the menu runs.
    menu.OnPopup = [&](TObject*) {
        ++popups;
        SetTimer(nullptr, 0, 50, CloseMenu);
    };
    icon.PopupMenu = &menu;
    icon.Callback(WM_RBUTTONDOWN);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu.PopupComponent, &icon);
    icon.Callback(WM_LBUTTONDOWN);
    EXPECT_EQ(popups, 1);
    icon.LeftPopup = true;
    icon.Callback(WM_LBUTTONDOWN);
    EXPECT_EQ(popups, 2);
}

TEST(TrayIconData, TooltipIsCutAtTheLimitWithoutSplittingACharacter) {
    CountingTrayIcon icon;
    std::string hint;
    for (int i = 0; i < 70; ++i) hint += "中";  // 140 bytes
    icon.SetHint(hint);
    EXPECT_EQ(Narrow(icon.IconData().szTip), hint.substr(0, 126));
    icon.SetHint(std::string(200, 'h'));
    EXPECT_EQ(Narrow(icon.IconData().szTip), std::string(127, 'h'));
    icon.SetShowHint(false);
    EXPECT_EQ(icon.IconData().szTip[0], 0);
}

TEST(TrayIconData, BalloonRequestCarriesTextTitleTimeAndIcon) {
    CountingTrayIcon icon;
    icon.ShowBalloon(std::string(100, 't'), std::string(300, 'x'), 1, 10);
    const NOTIFYICONDATAW& data = icon.IconData();
    EXPECT_EQ(Narrow(data.szInfo), std::string(255, 'x'));
    EXPECT_EQ(Narrow(data.szInfoTitle), std::string(63, 't'));
    EXPECT_EQ(data.uTimeout, 10000u);
    EXPECT_EQ(data.dwInfoFlags, DWORD(NIIF_INFO));
    EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));  // balloon flag only for that request
    icon.ShowBalloon("", "notice", 3, 1);
    EXPECT_EQ(icon.IconData().szInfoTitle[0], 0);
    EXPECT_EQ(icon.IconData().dwInfoFlags, DWORD(NIIF_ERROR));
    icon.HideBalloon();
    EXPECT_EQ(icon.IconData().szInfo[0], 0);
}

// Text and title are cut at 255 and 63 GBK bytes, never inside a character.
TEST(TrayIconData, BalloonTextAndTitleAreCutInGbkBytesWithoutSplittingACharacter) {
    CountingTrayIcon icon;
    std::string text, title;
    for (int i = 0; i < 140; ++i) text += "中";  // 280 bytes
    for (int i = 0; i < 40; ++i) title += "国";  // 80 bytes
    icon.ShowBalloon(title, text, 1, 10);
    EXPECT_EQ(Narrow(icon.IconData().szInfo), text.substr(0, 254));
    EXPECT_EQ(Narrow(icon.IconData().szInfoTitle), title.substr(0, 62));
    icon.ShowBalloon("t" + title, "a" + text, 1, 10);
    EXPECT_EQ(Narrow(icon.IconData().szInfo), ("a" + text).substr(0, 255));
    EXPECT_EQ(Narrow(icon.IconData().szInfoTitle), ("t" + title).substr(0, 63));
}

TEST(TrayIconData, IconIndexStaysInsideTheList) {
    CountingTrayIcon icon;
    icon.SetIconIndex(5);
    EXPECT_EQ(icon.IconIndex(), 0);  // no list
    TImageList list;
    for (LPCWSTR stock : {IDI_APPLICATION, IDI_WARNING, IDI_ERROR}) list.Add(LoadIconW(nullptr, stock));
    icon.SetIconList(&list);
    icon.SetIconIndex(7);
    EXPECT_EQ(icon.IconIndex(), 2);
    EXPECT_FALSE(icon.Icon().Empty());
}

TEST(TrayIconData, CyclingStepsThroughTheListAndWrapsAround) {
    CountingTrayIcon icon;
    TImageList list;
    for (LPCWSTR stock : {IDI_APPLICATION, IDI_WARNING}) list.Add(LoadIconW(nullptr, stock));
    std::vector<int> nextIndexes;
    icon.OnCycle = [&](TObject*, int next) { nextIndexes.push_back(next); };
    icon.SetIconList(&list);
    icon.SetCycleInterval(20);
    icon.SetCycleIcons(true);
    PumpFor(150ms);
    icon.SetCycleIcons(false);
    ASSERT_GE(nextIndexes.size(), 3u);
    EXPECT_EQ(nextIndexes[0], 1);
    EXPECT_EQ(nextIndexes[1], 0);
    EXPECT_EQ(nextIndexes[2], 1);
}

TEST(TrayIconShell, RestartedTaskbarGetsTheVisibleIconBack) {
    CountingTrayIcon icon;
    UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(Application.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(icon.adds, 0);  // not shown, so not added
    icon.SetIconVisible(true);
    SendMessageW(Application.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(icon.adds, 2);
}

TEST(TrayIconShell, SharedWindowSurvivesCloseRequests) {
    CountingTrayIcon icon;
    HWND shared = TTrayIconHandler::SharedWindow();
    SendMessageW(shared, WM_CLOSE, 0, 0);
    EXPECT_EQ(SendMessageW(shared, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_TRUE(IsWindow(shared));
}
