// A scroll bar control on a skinned form: a panel of the skin's lies over
// it, shows its arrows and thumb as the skin draws them (from flat elements
// made here), and passes the mouse on so that the bar still scrolls.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>

#include "gui/Edit.h"
#include "gui/ScrollBar.h"
#include "skin/control/SkinControl.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/DrawingWatch.h"
#include "tests/skin/FlatScrollbars.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

using namespace std::chrono_literals;

class ScrollBarSkinner : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        PutFlatScrollbars(flat);
        bar.Create(form, {.Bounds = {10, 10, 160, 17}, .Min = 0, .Max = 100, .Position = 0, .PageSize = 10});
        auto shown = [this] {
            TScrollbarPanel* panel = PanelOverBar();
            return panel ? std::vector{ClientPixels(panel->Handle())} : std::vector<PixelBuffer>{};
        };
        watch = std::make_unique<TDrawingWatch>(bar.Handle(), shown, colours);
        Show(form);
    }

    // The window lying over the middle of the bar, when it is a panel.
    TScrollbarPanel* PanelOverBar() const {
        RECT screen;
        GetWindowRect(bar.Handle(), &screen);
        POINT middle = {(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2};
        return dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(WindowFromPoint(middle)));
    }
    int ForeignOnPanel() const {
        TScrollbarPanel* panel = PanelOverBar();
        return panel ? ForeignPixels(ClientPixels(panel->Handle()), colours) : 0;
    }
    // What the panel shows along the bar, and what it should with the
    // system's thumb where it is now.
    std::string Shows() const { return ShownAlong(ClientPixels(PanelOverBar()->Handle()), false); }
    std::string Expected(TBarFrames frames = kLying) const {
        SCROLLBARINFO info = {sizeof info};
        GetScrollBarInfo(bar.Handle(), OBJID_CLIENT, &info);
        return ExpectedAlong(160, 17, info.xyThumbTop, info.xyThumbBottom, frames);
    }

    TFlatElements flat{*MainSkin};
    std::set<Pixel> colours = FlatScrollbarColours(PixelFromColor(MainSkin->Colours.ButtonFace));
    TTestForm form;
    TScrollBar bar;
    std::unique_ptr<TDrawingWatch> watch;
};

TEST_F(ScrollBarSkinner, IsAttachedAndCoveredByAPanelOfItsKind) {
    EXPECT_EQ(SendMessageW(bar.Handle(), SkinMessage::Query, 0, 0), 1);
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Kind(), ScrollbarKind::Horizontal);
    EXPECT_EQ(panel->Facts().Width, 160);
    EXPECT_EQ(panel->Facts().Height, 17);
    EXPECT_EQ(Shows(), Expected());
}

// The bar draws itself at once as it moves, and with no message to its
// parent when moved from outside; the watch under the skinner looks for
// that drawing over the panel.
TEST_F(ScrollBarSkinner, ScrollsWithTheMouseAndTheSystemsDrawingOfTheBarNeverShows) {
    TScrollbarPanel* panel = PanelOverBar();
    ASSERT_NE(panel, nullptr);
    struct Use {
        const char* name;
        std::function<void()> run;
        std::function<bool(int position)> moved;
        // With the pointer where the use left it.
        TBarFrames shows = kLying;
    };
    const Use uses[] = {
        {"moved from outside", [&] { SetScrollPos(bar.Handle(), SB_CTL, 80, TRUE); },
         [](int position) { return position == 80; }},
        {"position set", [&] { bar.SetPosition(50); }, [](int position) { return position == 50; }},
        {"arrow pressed", [&] { ui::DragAt(panel->Handle(), {160 - 8, 8}, {0, 0}); },
         [](int position) { return position == 51; }, {1, 1, 1, 8}},
        {"thumb dragged",
         [&] {
             SCROLLBARINFO info = {sizeof info};
             GetScrollBarInfo(bar.Handle(), OBJID_CLIENT, &info);
             ui::DragAt(panel->Handle(), {(info.xyThumbTop + info.xyThumbBottom) / 2, 8}, {-30, 0});
         },
         [](int position) { return position > 1 && position < 50; }, {1, 1, 3, 5}},
    };
    for (const Use& use : uses) {
        SCOPED_TRACE(use.name);
        watch->Reset();
        use.run();
        PumpFor(100ms);
        EXPECT_TRUE(use.moved(bar.Position())) << bar.Position();
        EXPECT_EQ(watch->Worst(), 0) << "after message " << watch->WorstMessage();
        EXPECT_EQ(ForeignOnPanel(), 0);
        EXPECT_EQ(PanelOverBar(), panel);
        EXPECT_EQ(Shows(), Expected(use.shows));
    }
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

class EmbeddedScrollBars : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        PutFlatScrollbars(flat);
        MainSkin->ClassMap.insert(MainSkin->ClassMap.end(), {"TEmbeddingBox=embedscrollbar", "TMemo=nil"});
        box.Create(form, {5, 5, 190, 140});
        withBars.Create(box, {.Bounds = {0, 0, 120, 100}});
        withBars.SetText("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj");
        withoutBars.Create(box, {.Bounds = {125, 0, 60, 40}, .ScrollBars = false});
        Show(form);
    }
    void TearDown() override { MainSkin->ClassMap.resize(MainSkin->ClassMap.size() - 2); }

    TFlatElements flat{*MainSkin};
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
    EXPECT_EQ(ShownAlong(ClientPixels(panel->Handle()), true),
              ExpectedAlong(bar.bottom - bar.top, bar.right - bar.left, info.xyThumbTop, info.xyThumbBottom, kUpright));
}

}  // namespace
