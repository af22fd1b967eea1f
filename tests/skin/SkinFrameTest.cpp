// The skin manager and the skinned frame on real windows of this process,
// with the skin the program carries.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/Menus.h"
#include "gui/Timer.h"
#include "skin/data/ProgramResource.h"
#include "skin/data/SkinData.h"
#include "skin/data/Win32SkinHost.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/SkinMenuBar.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/WindowWatch.h"
#include "tests/skin/MenuForm.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
#ifndef MN_GETHMENU
const UINT MN_GETHMENU = 0x01E1;
#endif

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}
}  // namespace

TEST_F(SkinnedWindows, ANewWindowIsSkinnedWhenItFirstActivatesAndOnlyOnce) {
    TTestForm form;
    EXPECT_EQ(FrameOf(form), nullptr);
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->State(), TSkinFrame::Skinned);
    size_t frames = Manager().Frames().size();
    EXPECT_EQ(SendMessageW(form.Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(SendMessageW(form.Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_FALSE(Manager().SkinWindow(form.Handle()));
    EXPECT_EQ(Manager().Frames().size(), frames);
    EXPECT_EQ(FrameOf(form), frame);
}

TEST_F(SkinnedWindows, AFormTaggedNinetyNineIsNeverSkinned) {
    TTestForm form;
    form.Tag = 99;
    Show(form);
    EXPECT_EQ(FrameOf(form), nullptr);
    EXPECT_NE(SendMessageW(form.Handle(), SkinMessage::Query, 0, 0), 1);
    RunAction(TSkinAction::SkinAll);
    EXPECT_EQ(FrameOf(form), nullptr);
}

namespace {
TSkinData* usedSkin;

// Looks at a message box once the manager has skinned it, then closes it.
void CALLBACK NoteSkinAndClose(HWND box, UINT, UINT_PTR, DWORD) {
    KillTimer(box, 1);
    if (TSkinFrame* frame = TSkinManager::Instance()->FindSkinForm(box)) usedSkin = &frame->Skin();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TSkinData* SkinOfNextMessageBox() {
    usedSkin = nullptr;
    WindowWatch watch(L"#32770", HCBT_ACTIVATE, [](HWND box) { SetTimer(box, 1, 100, NoteSkinAndClose); });
    MessageBoxW(nullptr, L"text", L"caption", MB_OK);
    return usedSkin;
}

bool menuSkinned;
int firstTag;

void CALLBACK InspectAndCloseMenu(HWND menuWindow, UINT, UINT_PTR, DWORD) {
    KillTimer(menuWindow, 1);
    menuSkinned = SendMessageW(menuWindow, SkinMessage::Query, 0, 0) == 1;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    MENUITEMINFOW info = {sizeof info, MIIM_DATA | MIIM_FTYPE};
    if (GetMenuItemInfoW(menu, 0, TRUE, &info) && (info.fType & MFT_OWNERDRAW))
        firstTag = reinterpret_cast<TMenuItem*>(info.dwItemData)->Tag;
    EndMenu();
}
}  // namespace

TEST_F(SkinnedWindows, AMessageBoxTakesTheDialogSkinWhenThereIsOneElseTheMainOne) {
    auto skinOfNextMessageBox = SkinOfNextMessageBox;
    EXPECT_EQ(skinOfNextMessageBox(), MainSkin);

    TSkinData dialogSkin(SystemSkinHost());
    dialogSkin.SkinFormtype = sfDialog;
    ReadSkinStreamResource(dialogSkin);
    dialogSkin.SetActive(true);
    dialogSkin.Loaded();
    EXPECT_EQ(skinOfNextMessageBox(), &dialogSkin);
    TTestForm form;
    EXPECT_EQ(Manager().ChooseSkinData(form.Handle(), "TTestForm"), MainSkin);
}

TEST_F(SkinnedWindows, UnskinAllThenSkinAllGivesEveryFormAFreshFrame) {
    MenuForm form;
    HMENU native = GetMenu(form.Handle());
    Show(form);
    TSkinFrame* first = FrameOf(form);
    ASSERT_NE(first, nullptr);
    RunAction(TSkinAction::UnskinAll);
    EXPECT_EQ(FrameOf(form), nullptr);
    EXPECT_FALSE(Manager().Enabled());
    EXPECT_EQ(GetMenu(form.Handle()), native);
    for (const auto& frame : Manager().Frames()) EXPECT_NE(frame.get(), first);
    RunAction(TSkinAction::SkinAll);
    TSkinFrame* second = FrameOf(form);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->State(), TSkinFrame::Skinned);
    EXPECT_EQ(SendMessageW(form.Handle(), SkinMessage::Query, 0, 0), 1);
}

TEST_F(SkinnedWindows, RestoringGivesBackTheNativeMenuAndTheSameClientArea) {
    MenuForm form;
    HMENU native = GetMenu(form.Handle());
    ASSERT_NE(native, nullptr);
    SIZE client = ClientSize(form);
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    EXPECT_EQ(GetMenu(form.Handle()), nullptr);  // the skin draws the bar
    EXPECT_EQ(ClientSize(form).cx, client.cx);
    EXPECT_EQ(ClientSize(form).cy, client.cy);
    RunAction(TSkinAction::UnskinAll);
    EXPECT_EQ(GetMenu(form.Handle()), native);
    EXPECT_EQ(ClientSize(form).cx, client.cx);
    EXPECT_EQ(ClientSize(form).cy, client.cy);
    RunAction(TSkinAction::SkinAll);
}

namespace {
// A top border of two plain colours, one state above the other, in place of
// the skin's own for as long as it lives.
class PlainTwoStateTop {
public:
    PlainTwoStateTop(TSkinData& skin, COLORREF active, COLORREF inactive) : FSkin(skin), FSaved(skin.Top) {
        int height = FSaved.Image.Height() / 2;
        TSkinFrameBorder& top = skin.Top;
        top.Image = PixelBuffer(8, 2 * height, PixelFromColor(TColor(active)));
        top.Image.Fill({0, height, 8, height}, PixelFromColor(TColor(inactive)));
        top.TopHeight = top.BottomHeight = 0;
        top.Trans = false;
    }
    ~PlainTwoStateTop() { FSkin.Top = FSaved; }

private:
    TSkinData& FSkin;
    TSkinFrameBorder FSaved;
};
}  // namespace

TEST_F(SkinnedWindows, AnInactiveWindowDrawsTheSecondStateOfATwoStateTop) {
    ASSERT_EQ(MainSkin->Top.FrameCount, 2);
    ASSERT_EQ(MainSkin->Top.States, StateLayout::Stacked);
    const COLORREF active = RGB(200, 40, 40), inactive = RGB(40, 160, 40);
    PlainTwoStateTop top(*MainSkin, active, inactive);
    TTestForm form, other;
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    // Right of the caption text, left of the caption buttons.
    int x = (bounds.right - bounds.left) / 2 + 8, y = frame->Metrics().Caption / 2;
    EXPECT_EQ(WindowPixel(form.Handle(), x, y), active);
    Show(other);
    EXPECT_FALSE(frame->Active());
    EXPECT_EQ(WindowPixel(form.Handle(), x, y), inactive);
}

TEST_F(SkinnedWindows, DoubleClickOnTheSystemIconButtonCloses) {
    TTestForm form;
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    const TSkinSysButtonElement* icon = nullptr;
    for (const TSkinSysButtonElement& button : MainSkin->CaptionButtons)
        if (button.Action == 3) icon = &button;
    ASSERT_NE(icon, nullptr);
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    LPARAM at = MAKELPARAM(bounds.left + icon->XCoord + 2, bounds.top + icon->YCoord + 2);
    SendMessageW(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, at);
    PumpFor(100ms);
    EXPECT_FALSE(form.Visible());
}

TEST_F(SkinnedWindows, ARightClickOnTheCaptionOpensTheSkinnedSystemMenu) {
    TTestForm form;
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    menuSkinned = false;
    firstTag = 0;
    WindowWatch watch(L"#32768", HCBT_CREATEWND, [](HWND menuWindow) { SetTimer(menuWindow, 1, 150, InspectAndCloseMenu); });
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    SendMessageW(form.Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(bounds.left + 60, bounds.top + 10));
    EXPECT_TRUE(menuSkinned);
    HMENU system = GetSystemMenu(form.Handle(), FALSE);
    EXPECT_EQ(UINT(firstTag), GetMenuItemID(system, 0));
}

TEST_F(SkinnedWindows, TheRightArrowOnTheThirdMenuOfTheBarOpensTheFirst) {
    MenuForm form;
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->MenuBar(), nullptr);
    int ticks = 0;
    TWindowTimer keys(150, [&](TObject*) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (++ticks == 1 && menu) PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
        if (ticks >= 2) EndMenu();
    });
    keys.SetEnabled(true);
    frame->MenuBar()->OpenByKey(L'C');
    keys.SetEnabled(false);
    EXPECT_EQ(form.Opened, (std::vector<int>{2, 0}));
}

TEST_F(SkinnedWindows, ANewCaptionTextLeavesTheSkinnedFrameAsItWas) {
    TTestForm form;
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    // Where the system would draw its own caption and border.
    std::vector<POINT> probes = {{2, 2}, {6, 12}, {bounds.right - bounds.left - 4, 12}, {2, 60}};
    std::vector<COLORREF> before;
    for (POINT at : probes) before.push_back(WindowPixel(form.Handle(), at.x, at.y));
    // Read before the frame could repaint: any native painting is still there.
    SendMessageW(form.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
    for (size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(WindowPixel(form.Handle(), probes[i].x, probes[i].y), before[i]) << probes[i].x << "," << probes[i].y;
}

// The system would lay a maximised window's native borders off the screen;
// the skin's show, on the work area.
TEST_F(SkinnedWindows, AMaximisedWindowKeepsItsBordersOnTheWorkArea) {
    TTestForm form;
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    // As the system asks, its native borders 4 pixels past each edge.
    MINMAXINFO limits = {};
    limits.ptMaxPosition = {-4, -4};
    limits.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN) + 8, GetSystemMetrics(SM_CYSCREEN) + 8};
    SendMessageW(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(limits.ptMaxPosition.x, work.left);
    EXPECT_EQ(limits.ptMaxPosition.y, work.top);
    EXPECT_EQ(limits.ptMaxSize.x, work.right - work.left);
    EXPECT_EQ(limits.ptMaxSize.y, work.bottom - work.top);
}
