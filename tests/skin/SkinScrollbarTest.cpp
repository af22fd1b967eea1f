// The skinned scroll bars of a memo on a real skinned window, with the
// skin the program carries: what shows on screen against the skin's own
// element pixels, and the system's scrolling under the panels.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "gui/Edit.h"
#include "gui/GroupBox.h"
#include "gui/Timer.h"
#include "skin/data/ProgramResource.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGdi.h"
#include "skin/data/Win32SkinHost.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestForm.h"

using namespace std::chrono_literals;

namespace {
// A memo with both bars in a group box, as the batch window has it.
class MemoForm : public TTestForm {
public:
    explicit MemoForm(bool scrollBars = true) {
        Group.Create(*this, {.Bounds = {0, 0, 200, 150}, .Caption = "group"});
        Memo.Create(Group, {.Bounds = {2, 15, 180, 120}, .ScrollBars = scrollBars});
    }
    TGroupBox Group;
    TMemo Memo;
};

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

std::vector<TScrollbarPanel*> PanelsIn(HWND parent) {
    std::vector<TScrollbarPanel*> panels;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* panel = dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(child))) panels.push_back(panel);
    return panels;
}

SCROLLBARINFO BarInfo(HWND control, LONG bar) {
    SCROLLBARINFO info = {sizeof info};
    GetScrollBarInfo(control, bar, &info);
    return info;
}

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// Every pixel of the window's client area as the screen shows it now.
std::vector<COLORREF> PixelsOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

// A key pressed and released through the input queue, as a user types it.
void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

class SkinnedMemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Skin = new TSkinData(SystemSkinHost());
        ReadSkinStreamResource(*Skin);
        Skin->SetActive(true);
        Skin->Loaded();
    }
    static void TearDownTestSuite() {
        delete Skin;
        Skin = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(Skin->SkinEmpty());
        TSkinManager::Instance()->SetEnabled(true);
        form.Memo.SetText(NumberedLines(100));
        form.Show();
        PumpFor(200ms);
        ASSERT_NE(TSkinManager::Instance()->FindSkinForm(form.Handle()), nullptr);
        for (TScrollbarPanel* panel : PanelsIn(form.Group.Handle()))
            (panel->Kind() == ScrollbarKind::Vertical ? vertical : horizontal) = panel;
        ASSERT_NE(vertical, nullptr);
        ASSERT_NE(horizontal, nullptr);
    }

    HWND Memo() const { return form.Memo.Handle(); }
    int FirstVisibleLine() const { return int(SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

    // Pixels of the panel in the area (or in `count` of its rows from
    // `first`) that differ from the element drawn over the area in the
    // frame. Where the element is transparent the button face is expected
    // with overFace, and nothing is compared without it.
    static int Mismatches(TScrollbarPanel& panel, Rect area, const char* section, int frame, bool overFace = true,
                          int first = 0, int count = -1) {
        PixelBuffer drawn = ComposeElement(Skin->Element(section)->Picture(), frame, area.Width, area.Height);
        int mismatches = 0;
        int end = count < 0 ? area.Height : first + count;
        for (int y = first; y < end; ++y) {
            for (int x = 0; x < area.Width; ++x) {
                Pixel pixel = drawn.At(x, y);
                if (pixel == kMagenta && !overFace) continue;
                COLORREF expected = pixel == kMagenta ? ToColorRef(Skin->Colours.ButtonFace) : ColorFromPixel(pixel);
                if (PixelOf(panel.Handle(), area.Left + x, area.Top + y) != expected) ++mismatches;
            }
        }
        return mismatches;
    }

    static inline TSkinData* Skin = nullptr;
    MemoForm form;
    TScrollbarPanel* vertical = nullptr;
    TScrollbarPanel* horizontal = nullptr;
};

RECT ScreenRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

void ExpectSameRect(RECT actual, RECT expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}
}  // namespace

TEST_F(SkinnedMemo, APanelLiesExactlyOverEachNativeBar) {
    EXPECT_TRUE(vertical->Shows());
    EXPECT_TRUE(horizontal->Shows());
    ExpectSameRect(ScreenRect(vertical->Handle()), BarInfo(Memo(), OBJID_VSCROLL).rcScrollBar);
    ExpectSameRect(ScreenRect(horizontal->Handle()), BarInfo(Memo(), OBJID_HSCROLL).rcScrollBar);
    EXPECT_EQ(SendMessageW(vertical->Handle(), SkinMessage::Query, 0, 0), 1);
}

TEST_F(SkinnedMemo, ScrolledToTheEndByKeyboardTheThumbSitsOnTheDownArrow) {
    form.Memo.SetFocus();
    for (int i = 0; i < 30; ++i) SendMessageW(Memo(), WM_KEYDOWN, VK_NEXT, 0);
    PumpFor(100ms);
    SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
    int width = info.rcScrollBar.right - info.rcScrollBar.left;
    int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    int arrow = width;  // square arrows
    ASSERT_GT(FirstVisibleLine(), 80);
    ASSERT_EQ(info.xyThumbBottom, height - arrow);  // the system's thumb is at the end
    EXPECT_EQ(vertical->Facts().ThumbStart, info.xyThumbTop);
    EXPECT_EQ(vertical->Facts().ThumbEnd, info.xyThumbBottom);

    EXPECT_EQ(Mismatches(*vertical, {0, height - arrow, width, arrow}, "Scrollbar", 13), 0);
    Rect thumb = {0, info.xyThumbTop, width, info.xyThumbBottom - info.xyThumbTop};
    EXPECT_EQ(Mismatches(*vertical, thumb, "VertScrollThumb", 1, false), 0);
    // Not at the top any more: the shaft shows below the up arrow.
    EXPECT_EQ(Mismatches(*vertical, {0, arrow, width, height - 2 * arrow}, "VertScroll", 1, true, 0,
                         info.xyThumbTop - arrow),
              0);
}

TEST_F(SkinnedMemo, TheArrowKeysStillScrollTheMemoAndThePanelFollows) {
    SetForegroundWindow(form.Handle());
    form.Memo.SetFocus();
    PumpFor(50ms);
    ASSERT_EQ(GetFocus(), Memo());
    int thumbAtTop = vertical->Facts().ThumbStart;
    // Down past the last visible line scrolls one line a press.
    for (int i = 0; i < 40; ++i) PressKey(VK_DOWN);
    PumpFor(200ms);
    int scrolled = FirstVisibleLine();
    EXPECT_GT(scrolled, 20);
    EXPECT_GT(vertical->Facts().ThumbStart, thumbAtTop);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
    for (int i = 0; i < 40; ++i) PressKey(VK_UP);
    PumpFor(200ms);
    EXPECT_LT(FirstVisibleLine(), scrolled);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
}

TEST_F(SkinnedMemo, TheSystemsOwnDrawingOfABarNeverShowsOverThePanel) {
    PumpFor(50ms);
    std::vector<COLORREF> skinned = PixelsOf(vertical->Handle());
    // Moved from outside: the system redraws its bar at once and tells the
    // memo nothing, so the panel has no cue to paint again.
    SetScrollPos(Memo(), SB_VERT, 60, TRUE);
    EXPECT_EQ(PixelsOf(vertical->Handle()), skinned);
}

TEST_F(SkinnedMemo, APressOnTheDownArrowRunsTheSystemsScrollingWithTheArrowPressed) {
    ASSERT_EQ(FirstVisibleLine(), 0);
    RECT bar = ScreenRect(vertical->Handle());
    int width = bar.right - bar.left, height = bar.bottom - bar.top;
    Rect downArrow = {0, height - width, width, width};
    bool pressedInLoop = false;
    int mismatchesInLoop = -1;
    // Runs inside the system's loop: looks at the panel, then lets go.
    TWindowTimer release(30, [&](TObject*) {
        release.SetEnabled(false);
        pressedInLoop = vertical->Look().Pressed;
        mismatchesInLoop = Mismatches(*vertical, downArrow, "Scrollbar", 14);
        PostMessageW(Memo(), WM_LBUTTONUP, 0, 0);
    });
    release.SetEnabled(true);
    SendMessageW(vertical->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width / 2, height - width / 2));
    EXPECT_EQ(FirstVisibleLine(), 1);
    EXPECT_TRUE(pressedInLoop);
    EXPECT_EQ(mismatchesInLoop, 0);
    EXPECT_FALSE(vertical->Look().Pressed);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
}

TEST_F(SkinnedMemo, ThePartUnderThePointerIsHotUntilItLeaves) {
    RECT bar = ScreenRect(vertical->Handle());
    int width = bar.right - bar.left, height = bar.bottom - bar.top;
    Rect up = {0, 0, width, width}, down = {0, height - width, width, width};
    SendMessageW(vertical->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(width / 2, width / 2));
    EXPECT_EQ(vertical->Look().Hot, ScrollbarPart::FirstArrow);
    EXPECT_EQ(Mismatches(*vertical, up, "Scrollbar", 12), 0);
    SendMessageW(vertical->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(width / 2, height - width / 2));
    EXPECT_EQ(vertical->Look().Hot, ScrollbarPart::SecondArrow);
    EXPECT_EQ(Mismatches(*vertical, up, "Scrollbar", 9), 0);
    EXPECT_EQ(Mismatches(*vertical, down, "Scrollbar", 16), 0);
    SendMessageW(vertical->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(vertical->Look().Hot, ScrollbarPart::None);
    EXPECT_EQ(Mismatches(*vertical, down, "Scrollbar", 13), 0);
}

TEST_F(SkinnedMemo, AnArrowOfADisabledBarStaysDisabledUnderThePointer) {
    RECT bar = ScreenRect(horizontal->Handle());
    int height = bar.bottom - bar.top;
    ASSERT_FALSE(horizontal->Facts().Enabled);  // short lines: nothing to scroll across
    SendMessageW(horizontal->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(height / 2, height / 2));
    EXPECT_EQ(Mismatches(*horizontal, {0, 0, height, height}, "Scrollbar", 3), 0);
}

TEST_F(SkinnedMemo, ThePanelsFollowAResize) {
    SetWindowPos(Memo(), nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(50ms);
    SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
    ExpectSameRect(ScreenRect(vertical->Handle()), info.rcScrollBar);
    ExpectSameRect(ScreenRect(horizontal->Handle()), BarInfo(Memo(), OBJID_HSCROLL).rcScrollBar);
    int width = info.rcScrollBar.right - info.rcScrollBar.left;
    int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    EXPECT_EQ(Mismatches(*vertical, {0, height - width, width, width}, "Scrollbar", 13), 0);
}

TEST_F(SkinnedMemo, MoreTextGivesTheThumbItsNewSizeAtOnce) {
    form.Memo.SetText("short");
    PumpFor(50ms);
    EXPECT_FALSE(vertical->Facts().Enabled);
    int typedLines = 0;
    // Appended as typing or pasting does; no repaint is waited for.
    while (!vertical->Facts().Enabled && typedLines < 20) {
        form.Memo.Append("\r\nmore");
        ++typedLines;
    }
    EXPECT_TRUE(vertical->Facts().Enabled);
    SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
    EXPECT_EQ(vertical->Facts().ThumbStart, info.xyThumbTop);
    EXPECT_EQ(vertical->Facts().ThumbEnd, info.xyThumbBottom);
}

TEST_F(SkinnedMemo, ADisabledMemoShowsTheDisabledShaftAndNoThumb) {
    form.Memo.SetEnabled(false);
    PumpFor(50ms);
    RECT bar = ScreenRect(vertical->Handle());
    int width = bar.right - bar.left, height = bar.bottom - bar.top;
    EXPECT_FALSE(vertical->Facts().Enabled);
    EXPECT_EQ(Mismatches(*vertical, {0, width, width, height - 2 * width}, "VertScroll", 3), 0);
    EXPECT_EQ(Mismatches(*vertical, {0, 0, width, width}, "Scrollbar", 11), 0);
    form.Memo.SetEnabled(true);
    PumpFor(50ms);
    EXPECT_TRUE(vertical->Facts().Enabled);
    EXPECT_EQ(Mismatches(*vertical, {0, 0, width, width}, "Scrollbar", 9), 0);
}

TEST_F(SkinnedMemo, TheBoxWhereTheBarsMeetTakesTheSkinsButtonFace) {
    RECT across = ScreenRect(horizontal->Handle()), down = ScreenRect(vertical->Handle()), memo = ScreenRect(Memo());
    HDC dc = GetWindowDC(Memo());
    COLORREF corner = GetPixel(dc, down.left - memo.left + 2, across.top - memo.top + 2);
    ReleaseDC(Memo(), dc);
    EXPECT_EQ(corner, ToColorRef(Skin->Colours.ButtonFace));
}

TEST_F(SkinnedMemo, PaintingSwitchedOffShowsTheNativeBarsAndOnAgainTheSkin) {
    RECT bar = ScreenRect(vertical->Handle());
    int width = bar.right - bar.left;
    SendMessageW(Memo(), SkinMessage::PaintingSwitch, 0, 0);
    PumpFor(50ms);
    EXPECT_FALSE(vertical->Shows());
    EXPECT_FALSE(horizontal->Shows());
    EXPECT_EQ(WindowFromPoint({bar.left + 2, bar.top + 2}), Memo());
    SendMessageW(Memo(), SkinMessage::PaintingSwitch, 1, 0);
    PumpFor(50ms);
    EXPECT_TRUE(vertical->Shows());
    EXPECT_TRUE(horizontal->Shows());
    EXPECT_EQ(Mismatches(*vertical, {0, 0, width, width}, "Scrollbar", 9), 0);
}

TEST_F(SkinnedMemo, AHiddenMemoHidesItsPanels) {
    ShowWindow(Memo(), SW_HIDE);
    EXPECT_FALSE(vertical->Shows());
    EXPECT_FALSE(horizontal->Shows());
    ShowWindow(Memo(), SW_SHOW);
    EXPECT_TRUE(vertical->Shows());
    EXPECT_TRUE(horizontal->Shows());
}

TEST_F(SkinnedMemo, UnskinningTakesThePanelsAwayAndTheNativeBarsBack) {
    RECT bar = ScreenRect(vertical->Handle());
    TSkinManager::Instance()->RequestAction(TSkinAction::UnskinAll, 10, Skin);
    PumpFor(150ms);
    EXPECT_TRUE(PanelsIn(form.Group.Handle()).empty());
    EXPECT_EQ(WindowFromPoint({bar.left + 2, bar.top + 2}), Memo());
    TSkinManager::Instance()->RequestAction(TSkinAction::SkinAll, 10, Skin);
    PumpFor(150ms);
    EXPECT_EQ(PanelsIn(form.Group.Handle()).size(), 2u);
}

TEST(SkinnedMemoWithoutBars, AMemoWithoutBarsGetsNoPanels) {
    TSkinData skin(SystemSkinHost());
    ReadSkinStreamResource(skin);
    skin.SetActive(true);
    skin.Loaded();
    TSkinManager::Instance()->SetEnabled(true);
    MemoForm form(false);
    form.Show();
    PumpFor(200ms);
    ASSERT_NE(TSkinManager::Instance()->FindSkinForm(form.Handle()), nullptr);
    EXPECT_EQ(SendMessageW(form.Memo.Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_TRUE(PanelsIn(form.Group.Handle()).empty());
}
