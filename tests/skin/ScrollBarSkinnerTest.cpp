// A scroll bar control on a skinned form: a panel of the skin's lies over
// it, shows its arrows and thumb as the skin draws them, and passes the
// mouse on so that the bar still scrolls.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>

#include "gui/Edit.h"
#include "gui/ScrollBar.h"
#include "gui/Timer.h"
#include "skin/control/SkinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "skin/scrollbar/ScrollbarPicture.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

using namespace std::chrono_literals;

// The skin's scroll bar elements compared with what windows show.
class ScrollBarPixels : public SkinnedWindows {
protected:
    // Pixels of the window in the area that differ from the element's
    // frame drawn over it, in its first `count` columns only when count is
    // given. Where the element is transparent the button face is expected
    // with overFace, and nothing is compared without it.
    static int Mismatches(HWND window, Rect area, const TSkinElement& element, int frame, int count = -1,
                          bool overFace = true) {
        PixelBuffer drawn = ComposeElement(element.Picture(), frame, area.Width, area.Height);
        HDC dc = GetDC(window);
        int mismatches = 0;
        int columns = count < 0 ? area.Width : count;
        for (int y = 0; y < area.Height; ++y) {
            for (int x = 0; x < columns; ++x) {
                Pixel pixel = drawn.At(x, y);
                if (pixel == kMagenta && !overFace) continue;
                COLORREF expected =
                    pixel == kMagenta ? ToColorRef(MainSkin->Colours.ButtonFace) : COLORREF(ColorFromPixel(pixel));
                if (GetPixel(dc, area.Left + x, area.Top + y) != expected) ++mismatches;
            }
        }
        ReleaseDC(window, dc);
        return mismatches;
    }
};

class ScrollBarSkinner : public ScrollBarPixels {
protected:
    void SetUp() override {
        ScrollBarPixels::SetUp();
        bar.Create(form, {.Bounds = {10, 10, 160, 17}, .Min = 0, .Max = 100, .Position = 0, .PageSize = 10});
        Show(form);
    }

    // The window lying over the middle of the bar, when it is a panel.
    TScrollbarPanel* PanelOverBar() const {
        RECT screen;
        GetWindowRect(bar.Handle(), &screen);
        POINT middle = {(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2};
        return dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(WindowFromPoint(middle)));
    }

    static SCROLLBARINFO BarInfo(HWND bar) {
        SCROLLBARINFO info = {sizeof info};
        GetScrollBarInfo(bar, OBJID_CLIENT, &info);
        return info;
    }

    // Presses the second arrow through the panel; the system's scrolling
    // loop runs until a timer lets go inside it.
    void PressSecondArrow(TScrollbarPanel& panel) {
        RECT client;
        GetClientRect(panel.Handle(), &client);
        TWindowTimer release(30, [&](TObject*) {
            release.SetEnabled(false);
            PostMessageW(bar.Handle(), WM_LBUTTONUP, 0, 0);
        });
        release.SetEnabled(true);
        int arrow = client.bottom;
        SendMessageW(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - arrow / 2, arrow / 2));
    }

    TTestForm form;
    TScrollBar bar;
};

TEST_F(ScrollBarSkinner, IsAttachedAndCoveredByAPanelOfItsKind) {
    EXPECT_EQ(SendMessageW(bar.Handle(), SkinMessage::Query, 0, 0), 1);
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Kind(), ScrollbarKind::Horizontal);
    EXPECT_EQ(panel->Facts().Width, 160);
    EXPECT_EQ(panel->Facts().Height, 17);
}

TEST_F(ScrollBarSkinner, ScrollsWithTheMouseOnItsArrowAndShowsTheSkinsArrowsAndThumbWhereItMoved) {
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    PressSecondArrow(*panel);
    EXPECT_EQ(bar.Position(), 1);
    bar.SetPosition(50);
    PumpFor(50ms);

    SCROLLBARINFO info = BarInfo(bar.Handle());
    EXPECT_EQ(panel->Facts().ThumbStart, info.xyThumbTop);
    int height = 17, width = 160;
    const TSkinElement& parts = *MainSkin->Element("Scrollbar");
    EXPECT_EQ(Mismatches(panel->Handle(), {0, 0, height, height}, parts, 1), 0);
    EXPECT_EQ(Mismatches(panel->Handle(), {width - height, 0, height, height}, parts, 5), 0);
    // The thumb's end, clear of the grip in its middle, over the shaft.
    Rect thumb = {info.xyThumbTop, 0, info.xyThumbBottom - info.xyThumbTop, height};
    ASSERT_GT(thumb.Width, 6);
    EXPECT_EQ(Mismatches(panel->Handle(), thumb, *MainSkin->Element("HorzScrollThumb"), 1, 2, false), 0);
}

TEST_F(ScrollBarSkinner, TheSystemsOwnDrawingOfTheBarNeverShows) {
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    // Drawn by the system at once, with no message to the parent.
    SetScrollPos(bar.Handle(), SB_CTL, 80, TRUE);
    EXPECT_EQ(panel->Facts().ThumbStart, BarInfo(bar.Handle()).xyThumbTop);
    RECT screen;
    GetWindowRect(bar.Handle(), &screen);
    POINT middle = {(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2};
    EXPECT_EQ(WindowFromPoint(middle), panel->Handle());
}

TEST_F(ScrollBarSkinner, PaintingSwitchedOffShowsTheNativeBarAndOnAgainThePanel) {
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    RECT screen;
    GetWindowRect(bar.Handle(), &screen);
    POINT middle = {(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2};
    SendMessageW(bar.Handle(), SkinMessage::PaintingSwitch, 0, 0);
    EXPECT_EQ(WindowFromPoint(middle), bar.Handle());
    SendMessageW(bar.Handle(), SkinMessage::PaintingSwitch, 1, 0);
    EXPECT_EQ(WindowFromPoint(middle), panel->Handle());
}

TEST_F(ScrollBarSkinner, ASkinWithoutTheScrollbarElementLeavesTheBarNative) {
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(&frame->Skin(), MainSkin);
    auto found = MainSkin->Elements.find("HorzScrollThumb");
    ASSERT_NE(found, MainSkin->Elements.end());
    std::unique_ptr<TSkinElement> thumb = std::move(found->second);
    MainSkin->Elements.erase(found);
    TScrollBar other;
    other.Create(form, {.Bounds = {10, 40, 160, 17}});
    std::unique_ptr<TSkinControl> skinner =
        CreateSkinner(SkinnerKind::TSkinScrollbarSingle, *frame, {other.Handle(), &other});
    MainSkin->Elements["HorzScrollThumb"] = std::move(thumb);
    EXPECT_EQ(skinner, nullptr);
}

// A container of a class that the test's ClassMap gives the
// "embedscrollbar" kind, holding a memo with scroll bars and one without;
// memos themselves are left native by the same ClassMap, so only the
// container's kind can skin them.
class TEmbeddingBox : public TWinControl {
public:
    void Create(TWinControl& parent, TBounds bounds) {
        CreateChild(parent, {L"TEmbeddingBox", nullptr, WS_CLIPCHILDREN, 0, bounds}, false);
    }
};

class EmbeddedScrollBars : public ScrollBarPixels {
protected:
    void SetUp() override {
        ScrollBarPixels::SetUp();
        MainSkin->ClassMap.insert(MainSkin->ClassMap.end(), {"TEmbeddingBox=embedscrollbar", "TMemo=nil"});
        box.Create(form, {5, 5, 190, 140});
        withBars.Create(box, {.Bounds = {0, 0, 120, 100}});
        withBars.SetText("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj");
        withoutBars.Create(box, {.Bounds = {125, 0, 60, 40}, .ScrollBars = false});
        Show(form);
    }
    void TearDown() override { MainSkin->ClassMap.resize(MainSkin->ClassMap.size() - 2); }

    TTestForm form;
    TEmbeddingBox box;
    TMemo withBars, withoutBars;
};

TEST_F(EmbeddedScrollBars, AChildWithScrollBarsShowsTheSkinsBarsAndOneWithoutIsLeftAlone) {
    EXPECT_EQ(SendMessageW(withBars.Handle(), SkinMessage::Query, 0, 0), 1);
    EXPECT_NE(SendMessageW(withoutBars.Handle(), SkinMessage::Query, 0, 0), 1);
    SCROLLBARINFO info = {sizeof info};
    ASSERT_TRUE(GetScrollBarInfo(withBars.Handle(), OBJID_VSCROLL, &info));
    const RECT& bar = info.rcScrollBar;
    POINT middle = {(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    auto* panel = dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(WindowFromPoint(middle)));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Kind(), ScrollbarKind::Vertical);
    int width = bar.right - bar.left;
    EXPECT_EQ(Mismatches(panel->Handle(), {0, 0, width, width}, *MainSkin->Element("Scrollbar"), 9), 0);
}

}  // namespace
