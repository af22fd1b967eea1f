// The skinned scroll bars of a memo on a real skinned window: a panel of the
// skin's over each of the system's bars, following the system's scrolling.
// The bars are drawn from flat elements made here, so the system's own bar,
// wherever it shows, shows as colours none of them has; a watch under the
// skinner looks at the panels as each message returns from the memo, before
// the skin could paint over what the memo drew, in every test.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/Edit.h"
#include "gui/GroupBox.h"
#include "gui/Timer.h"
#include "skin/data/SkinGdi.h"
#include "skin/manager/SkinMessages.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/DrawingWatch.h"
#include "tests/skin/FlatScrollbars.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

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

class SkinnedMemo : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        PutFlatScrollbars(flat);
        form.Memo.SetText(NumberedLines(100));
        watch = std::make_unique<TDrawingWatch>(Memo(), [this] { return ShownPanels(); }, colours);
        Show(form);
        ASSERT_NE(FrameOf(form), nullptr);
        for (TScrollbarPanel* panel : PanelsIn(form.Group.Handle()))
            (panel->Kind() == ScrollbarKind::Vertical ? vertical : horizontal) = panel;
        ASSERT_NE(vertical, nullptr);
        ASSERT_NE(horizontal, nullptr);
    }
    // Whatever a test did, the system's bar never showed over a panel.
    void TearDown() override {
        EXPECT_EQ(watch->Worst(), 0) << "after message " << watch->WorstMessage();
        EXPECT_EQ(ForeignOnPanels(), 0);
    }

    std::vector<PixelBuffer> ShownPanels() const {
        std::vector<PixelBuffer> shown;
        for (TScrollbarPanel* panel : PanelsIn(form.Group.Handle()))
            if (panel->Shows()) shown.push_back(ClientPixels(panel->Handle()));
        return shown;
    }
    int ForeignOnPanels() const {
        int foreign = 0;
        for (const PixelBuffer& panel : ShownPanels()) foreign += ForeignPixels(panel, colours);
        return foreign;
    }

    HWND Memo() const { return form.Memo.Handle(); }
    int FirstVisibleLine() const { return int(SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

    // What the upright panel shows along its length, and what it should
    // show with the system's thumb where it is now.
    std::string UprightShows() const { return ShownAlong(ClientPixels(vertical->Handle()), true); }
    std::string UprightExpected(TBarFrames frames = kUpright) const {
        SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
        int width = info.rcScrollBar.right - info.rcScrollBar.left;
        int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
        return ExpectedAlong(height, width, info.xyThumbTop, info.xyThumbBottom, frames);
    }

    TFlatElements flat{*MainSkin};
    std::set<Pixel> colours = FlatScrollbarColours(PixelFromColor(MainSkin->Colours.ButtonFace));
    MemoForm form;
    std::unique_ptr<TDrawingWatch> watch;
    TScrollbarPanel* vertical = nullptr;
    TScrollbarPanel* horizontal = nullptr;
};
}  // namespace

TEST_F(SkinnedMemo, APanelLiesExactlyOverEachNativeBar) {
    EXPECT_TRUE(vertical->Shows());
    EXPECT_TRUE(horizontal->Shows());
    ExpectSameRect(ScreenRect(vertical->Handle()), BarInfo(Memo(), OBJID_VSCROLL).rcScrollBar);
    ExpectSameRect(ScreenRect(horizontal->Handle()), BarInfo(Memo(), OBJID_HSCROLL).rcScrollBar);
    EXPECT_EQ(SendMessageW(vertical->Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(UprightShows(), UprightExpected());
}

TEST_F(SkinnedMemo, ScrolledToTheEndByKeyboardTheThumbSitsOnTheDownArrow) {
    form.Memo.SetFocus();
    for (int i = 0; i < 30; ++i) SendMessageW(Memo(), WM_KEYDOWN, VK_NEXT, 0);
    PumpFor(100ms);
    SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
    int width = info.rcScrollBar.right - info.rcScrollBar.left;
    int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    ASSERT_GT(FirstVisibleLine(), 80);
    ASSERT_EQ(info.xyThumbBottom, height - width);  // the system's thumb is at the end
    EXPECT_EQ(vertical->Facts().ThumbStart, info.xyThumbTop);
    EXPECT_EQ(vertical->Facts().ThumbEnd, info.xyThumbBottom);
    EXPECT_EQ(UprightShows(), UprightExpected());
}

TEST_F(SkinnedMemo, TheArrowKeysStillScrollTheMemoAndThePanelFollows) {
    SetForegroundWindow(form.Handle());
    form.Memo.SetFocus();
    PumpFor(50ms);
    ASSERT_EQ(GetFocus(), Memo());
    int thumbAtTop = vertical->Facts().ThumbStart;
    // Down past the last visible line scrolls one line a press.
    for (int i = 0; i < 40; ++i) ui::Press(VK_DOWN);
    PumpFor(200ms);
    int scrolled = FirstVisibleLine();
    EXPECT_GT(scrolled, 20);
    EXPECT_GT(vertical->Facts().ThumbStart, thumbAtTop);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
    for (int i = 0; i < 40; ++i) ui::Press(VK_UP);
    PumpFor(200ms);
    EXPECT_LT(FirstVisibleLine(), scrolled);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
}

// The system draws its bar at once as the memo scrolls, sizes or takes
// text, and with no message at all when moved from outside; the watch and
// the fixture's end look for it over the panels.
TEST_F(SkinnedMemo, TheSystemsBarNeverShowsOverAPanelAsTheMemoIsUsed) {
    auto thumbMiddle = [this] {
        SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
        int width = info.rcScrollBar.right - info.rcScrollBar.left;
        return POINT{width / 2, (info.xyThumbTop + info.xyThumbBottom) / 2};
    };
    struct Use {
        const char* name;
        std::function<void()> run;
        // The memo scrolled, or took the text; null when nothing tells.
        std::function<bool(int firstLineBefore)> done;
        // The bar afterwards (short text disables it), the pointer on it
        // where the use left it; none for a move from outside, which the
        // panel learns of later.
        std::optional<TBarFrames> shows = kUpright;
    };
    const Use uses[] = {
        {"moved from outside", [&] { SetScrollPos(Memo(), SB_VERT, 60, TRUE); }, nullptr, std::nullopt},
        {"scrolled by the keyboard",
         [&] {
             form.Memo.SetFocus();
             ui::PressKeys({VK_NEXT, VK_NEXT});
         },
         [&](int before) { return FirstVisibleLine() > before; }},
        {"scrolled by the wheel",
         [&] { SendMessageW(Memo(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0); },
         [&](int before) { return FirstVisibleLine() > before; }},
        {"typed into",
         [&] {
             SendMessageW(Memo(), EM_SETSEL, 0, -1);
             for (wchar_t typed : L"a\rb\r") SendMessageW(Memo(), WM_CHAR, typed, 0);
         },
         [&](int) { return GetWindowTextLengthW(Memo()) < 10; }, TBarFrames{11, 3, 1, 15}},
        {"given text", [&] { form.Memo.SetText(NumberedLines(100)); }, nullptr},
        {"resized", [&] { SetWindowPos(Memo(), nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER); }, nullptr},
        {"thumb dragged", [&] { ui::DragAt(vertical->Handle(), thumbMiddle(), {0, 30}); },
         [&](int before) { return FirstVisibleLine() > before; }, TBarFrames{9, 1, 3, 13}},
        {"arrow pressed",
         [&] {
             RECT bar;
             GetClientRect(vertical->Handle(), &bar);
             ui::DragAt(vertical->Handle(), {bar.right / 2, bar.bottom - bar.right / 2}, {0, 0});
         },
         [&](int before) { return FirstVisibleLine() == before + 1; }, TBarFrames{9, 1, 1, 16}},
    };
    for (const Use& use : uses) {
        SCOPED_TRACE(use.name);
        watch->Reset();
        int before = FirstVisibleLine();
        use.run();
        PumpFor(100ms);
        if (use.done) {
            EXPECT_TRUE(use.done(before));
        }
        EXPECT_EQ(watch->Worst(), 0) << "after message " << watch->WorstMessage();
        EXPECT_EQ(ForeignOnPanels(), 0);
        ExpectSameRect(ScreenRect(vertical->Handle()), BarInfo(Memo(), OBJID_VSCROLL).rcScrollBar);
        if (use.shows) {
            EXPECT_EQ(UprightShows(), UprightExpected(*use.shows));
        }
    }
}

TEST_F(SkinnedMemo, APressOnTheDownArrowRunsTheSystemsScrollingWithTheArrowPressed) {
    ASSERT_EQ(FirstVisibleLine(), 0);
    RECT bar;
    GetClientRect(vertical->Handle(), &bar);
    int width = bar.right, height = bar.bottom;
    bool pressedInLoop = false;
    std::string shownInLoop;
    // Runs inside the system's loop: looks at the panel, then lets go.
    TWindowTimer release(30, [&](TObject*) {
        release.SetEnabled(false);
        pressedInLoop = vertical->Look().Pressed;
        shownInLoop = UprightShows();
        PostMessageW(Memo(), WM_LBUTTONUP, 0, 0);
    });
    release.SetEnabled(true);
    SendMessageW(vertical->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width / 2, height - width / 2));
    EXPECT_EQ(FirstVisibleLine(), 1);
    EXPECT_TRUE(pressedInLoop);
    EXPECT_EQ(shownInLoop, UprightExpected({9, 1, 1, 14}));
    EXPECT_FALSE(vertical->Look().Pressed);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
}

// The wheel goes to the window under the pointer, which over the bar is
// the panel; the memo scrolls as under a native bar.
TEST_F(SkinnedMemo, TheWheelOverThePanelScrollsTheMemo) {
    RECT bar = ScreenRect(vertical->Handle());
    POINT centre = {(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    HWND under = WindowFromPoint(centre);
    ASSERT_EQ(under, vertical->Handle());
    SendMessageW(under, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
    EXPECT_GT(FirstVisibleLine(), 0);
    EXPECT_EQ(vertical->Facts().ThumbStart, BarInfo(Memo(), OBJID_VSCROLL).xyThumbTop);
}

// A held button scrolls before it comes up, as on a native bar: the thumb
// drags the text and the picture along, the shaft repeats its page.
TEST_F(SkinnedMemo, AHeldPressScrollsBeforeTheButtonComesUp) {
    SCROLLINFO range = {sizeof range, SIF_PAGE};
    GetScrollInfo(Memo(), SB_VERT, &range);
    int page = int(range.nPage);
    RECT bar;
    GetClientRect(vertical->Handle(), &bar);
    SCROLLBARINFO info = BarInfo(Memo(), OBJID_VSCROLL);
    struct Hold {
        const char* name;
        POINT at, by;
        int firstLineAtLeast;
        std::optional<TBarFrames> shows;
    };
    const Hold holds[] = {
        {"thumb", {bar.right / 2, (info.xyThumbTop + info.xyThumbBottom) / 2}, {0, 30}, 1, TBarFrames{9, 1, 2, 13}},
        {"shaft", {bar.right / 2, bar.bottom - bar.right - 2}, {0, 0}, 2 * page, std::nullopt},
    };
    for (const Hold& hold : holds) {
        SCOPED_TRACE(hold.name);
        SendMessageW(Memo(), WM_VSCROLL, SB_TOP, 0);
        int lineWhileHeld = -1;
        std::string shownWhileHeld, expectedWhileHeld;
        POINT stop = {};
        // Runs inside the system's loop, then lets go.
        TWindowTimer look(600, [&](TObject*) {
            look.SetEnabled(false);
            lineWhileHeld = FirstVisibleLine();
            shownWhileHeld = UprightShows();
            if (hold.shows) expectedWhileHeld = UprightExpected(*hold.shows);
            ui::ReleaseAt(stop);
        });
        look.SetEnabled(true);
        stop = ui::PressAndMove(vertical->Handle(), hold.at, hold.by);
        PumpFor(900ms);
        EXPECT_GE(lineWhileHeld, hold.firstLineAtLeast);
        if (hold.shows) {
            EXPECT_EQ(shownWhileHeld, expectedWhileHeld);
        }
    }
}

TEST_F(SkinnedMemo, ThePartUnderThePointerIsHotUntilItLeaves) {
    RECT bar;
    GetClientRect(vertical->Handle(), &bar);
    int width = bar.right, height = bar.bottom;
    SetForegroundWindow(form.Handle());
    auto showsSoon = [&](const std::string& expected) {
        PumpUntil([&] { return UprightShows() == expected; });  // the leave notice comes on a timer
        EXPECT_EQ(UprightShows(), expected);
    };
    ui::PointAt(vertical->Handle(), {width / 2, width / 2});
    showsSoon(UprightExpected({12, 1, 1, 13}));
    ui::PointAt(vertical->Handle(), {width / 2, height - width / 2});
    showsSoon(UprightExpected({9, 1, 1, 16}));
    ui::PointAt(form.Handle(), {150, 5});
    showsSoon(UprightExpected());
}

TEST_F(SkinnedMemo, AnArrowOfADisabledBarStaysDisabledUnderThePointer) {
    RECT bar;
    GetClientRect(horizontal->Handle(), &bar);
    ASSERT_FALSE(horizontal->Facts().Enabled);  // short lines: nothing to scroll across
    SetForegroundWindow(form.Handle());
    ui::PointAt(horizontal->Handle(), {bar.bottom / 2, bar.bottom / 2});
    PumpFor(100ms);
    // The first arrow and as much of the shaft; the upright bar's panel may
    // lie over the far end by a line.
    std::vector<Pixel> start(size_t(bar.bottom), FlatColour(kFlatArrows, 3));
    start.insert(start.end(), size_t(bar.bottom), FlatColour(kFlatShaft, 3));
    PixelBuffer shown = ClientPixels(horizontal->Handle()).Crop({0, 0, 2 * bar.bottom, bar.bottom});
    EXPECT_EQ(ShownAlong(shown, false), Runs(start));
}

TEST_F(SkinnedMemo, ThePanelsFollowAResize) {
    SetWindowPos(Memo(), nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(50ms);
    ExpectSameRect(ScreenRect(vertical->Handle()), BarInfo(Memo(), OBJID_VSCROLL).rcScrollBar);
    ExpectSameRect(ScreenRect(horizontal->Handle()), BarInfo(Memo(), OBJID_HSCROLL).rcScrollBar);
    EXPECT_EQ(UprightShows(), UprightExpected());
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
    EXPECT_FALSE(vertical->Facts().Enabled);
    RECT bar;
    GetClientRect(vertical->Handle(), &bar);
    EXPECT_EQ(UprightShows(), ExpectedAlong(bar.bottom, bar.right, 0, 0, {11, 3, 1, 15}));
    form.Memo.SetEnabled(true);
    PumpFor(50ms);
    EXPECT_TRUE(vertical->Facts().Enabled);
    EXPECT_EQ(UprightShows(), UprightExpected());
}

TEST_F(SkinnedMemo, TheBoxWhereTheBarsMeetTakesTheSkinsButtonFace) {
    RECT across = ScreenRect(horizontal->Handle()), down = ScreenRect(vertical->Handle()), memo = ScreenRect(Memo());
    HDC dc = GetWindowDC(Memo());
    COLORREF corner = GetPixel(dc, down.left - memo.left + 2, across.top - memo.top + 2);
    ReleaseDC(Memo(), dc);
    EXPECT_EQ(corner, ToColorRef(MainSkin->Colours.ButtonFace));
}

TEST_F(SkinnedMemo, AHiddenMemoHidesItsPanels) {
    ShowWindow(Memo(), SW_HIDE);
    EXPECT_FALSE(vertical->Shows());
    EXPECT_FALSE(horizontal->Shows());
    ShowWindow(Memo(), SW_SHOW);
    EXPECT_TRUE(vertical->Shows());
    EXPECT_TRUE(horizontal->Shows());
}

class SkinnedMemoWithoutBars : public SkinnedWindows {};

TEST_F(SkinnedMemoWithoutBars, AMemoWithoutBarsGetsNoPanels) {
    MemoForm form(false);
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    EXPECT_EQ(SendMessageW(form.Memo.Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_TRUE(PanelsIn(form.Group.Handle()).empty());
}
