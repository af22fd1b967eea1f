// The skinners of tab controls and list headers on real windows of this
// process: attached where the skin has their elements, and painting them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "base/win32/WindowClassName.h"
#include "gui/ListView.h"
#include "gui/PageControl.h"
#include "gui/TabControl.h"
#include "skin/control/ItemRects.h"
#include "skin/control/SkinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/PictureFlip.h"
#include "skin/list/HeaderLayout.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/tab/TabStripLayout.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/ElementPixels.h"
#include "tests/skin/ForeignTabSet.h"
#include "tests/skin/GalleryForm.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

bool Skinned(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }

// What the tests of tab controls share: the skin's colours and tabs.
class TabFixture : public SkinnedWindows {
protected:
    static Pixel Face() { return PixelFromColor(MainSkin->Colours.ButtonFace); }

    static const TabPlace& TabAt(const TabStripLayout& layout, int index) {
        for (const TabPlace& tab : layout.Tabs)
            if (tab.Index == index) return tab;
        throw std::out_of_range("tab not drawn");
    }

    static bool Inside(const Rect& area, int x, int y) {
        return x >= area.Left && y >= area.Top && x < area.Left + area.Width && y < area.Top + area.Height;
    }

    // Pixels of the tab's outer ring, where its caption does not reach and the
    // chosen tab does not cover it, that differ from the skin's Tabs element in
    // the frame (turned upside down for hanging tabs).
    static int TabRingMismatches(HWND tabs, const TabStripLayout& layout, int index, int frame, bool upsideDown) {
        const Rect& area = TabAt(layout, index).Area;
        const Rect& chosen = layout.Tabs.back().Area;
        auto covered = [&](int x, int y) {
            return index != layout.Tabs.back().Index && Inside(chosen, area.Left + x, area.Top + y);
        };
        PixelBuffer picture = ComposeElement(MainSkin->Tabs->Picture(), frame, area.Width, area.Height);
        if (upsideDown) picture = UpsideDown(picture);
        return Mismatches(ClientPixels(tabs), area.Left, area.Top, picture, Face(), [&](int x, int y) {
            return InButtonRing(x, y, area.Width, area.Height) && !covered(x, y);
        });
    }

    // Pixels of the sheet that differ from the part of the skin's pane
    // under it, the pane placed below the tab row as the control lays it out.
    static int SheetMismatches(const TPageControl& pages, const TTabSheet& sheet) {
        SIZE size = ClientSize(pages);
        TabStrip strip{.Items = ItemRects(pages.Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT), .VisibleRight = size.cx};
        Rect pane = LayOutTabStrip(size.cx, size.cy, strip).Pane;
        RECT place;
        GetWindowRect(sheet.Handle(), &place);
        MapWindowPoints(nullptr, pages.Handle(), reinterpret_cast<POINT*>(&place), 2);
        int left = pane.Left - place.left, top = pane.Top - place.top;
        int width = place.right - place.left, height = place.bottom - place.top;
        PixelBuffer picture = ComposeElement(MainSkin->Element("Tab.Pane")->Picture(), 1, pane.Width, pane.Height);
        return Mismatches(ClientPixels(sheet.Handle()), left, top, picture, Face(), [&](int x, int y) {
            return left + x >= 0 && top + y >= 0 && left + x < width && top + y < height;
        });
    }

    // The factory gives the control no skinner while the program's skin
    // lacks its Tabs element.
    static void ExpectNoSkinnerWithoutTabs(const TWinControl& form, SkinnerKind kind, TWinControl& control) {
        TSkinFrame* frame = FrameOf(form);
        ASSERT_NE(frame, nullptr);
        std::unique_ptr<TSkinBorderElement> tabs = std::move(MainSkin->Tabs);
        std::unique_ptr<TSkinControl> skinner = CreateSkinner(kind, *frame, {control.Handle(), &control});
        MainSkin->Tabs = std::move(tabs);
        EXPECT_EQ(skinner, nullptr);
    }
};

class TabSkinner : public TabFixture {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        tabs.Create(form, {.Bounds = {10, 10, 180, 110}, .Tabs = {"Main", "Batch", "Local"}, .TabIndex = 1});
        Show(form);
    }
    // Where the skin should show the tabs, as the control places them now.
    TabStripLayout Expected(int hot) const {
        SIZE size = ClientSize(tabs);
        TabStrip strip{.Items = ItemRects(tabs.Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT),
                       .Selected = tabs.TabIndex(),
                       .Hot = hot,
                       .Focused = GetFocus() == tabs.Handle(),
                       .VisibleRight = size.cx};
        return LayOutTabStrip(size.cx, size.cy, strip);
    }
    int TabMismatches(const TabStripLayout& layout, int index, int frame) const {
        return TabRingMismatches(tabs.Handle(), layout, index, frame, false);
    }
    TTestForm form;
    TTabControl tabs;
};

TEST_F(TabSkinner, IsAttachedAndShowsTheSkinsTabsAndPane) {
    ASSERT_TRUE(Skinned(tabs.Handle()));
    TabStripLayout layout = Expected(-1);
    for (int index : {0, 2}) EXPECT_EQ(TabMismatches(layout, index, 1), 0) << index;
    EXPECT_EQ(TabMismatches(layout, 1, TabAt(layout, 1).Frame), 0);

    // The pane below the first row, which the chosen tab opens into.
    const TSkinElement& pane = *MainSkin->Element("Tab.Pane");
    const Rect& place = layout.Pane;
    PixelBuffer picture = ComposeElement(pane.Picture(), 1, place.Width, place.Height);
    EXPECT_EQ(Mismatches(ClientPixels(tabs.Handle()), place.Left, place.Top, picture, Face(),
                         [](int, int y) { return y > 0; }),
              0);
}

TEST_F(TabSkinner, TheTabUnderTheMouseShowsItsHotFrameUntilTheMouseLeaves) {
    TabStripLayout layout = Expected(2);
    const Rect& third = TabAt(layout, 2).Area;
    ui::PointAt(tabs.Handle(), {third.Left + third.Width / 2, third.Top + 3});
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(TabMismatches(layout, 2, 4), 0);
    EXPECT_GT(TabMismatches(layout, 2, 1), 0);
    ui::PointAt(form.Handle(), {2, 2});
    PumpFor(std::chrono::milliseconds(600));  // the leave notice comes on a timer
    EXPECT_EQ(TabMismatches(layout, 2, 1), 0);
}

TEST_F(TabSkinner, ADisabledControlShowsEveryTabDisabled) {
    tabs.SetEnabled(false);
    TabStripLayout layout = Expected(-1);
    for (const TabPlace& tab : layout.Tabs) EXPECT_EQ(TabMismatches(layout, tab.Index, 3), 0) << tab.Index;
}

// The scroll buttons the control makes when its tabs outgrow it.
HWND ScrollButtons(const TTabControl& tabs) {
    for (HWND child = GetWindow(tabs.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowClassName(child) == "msctls_updown32") return child;
    return nullptr;
}

TEST_F(TabSkinner, ScrollButtonsTakeTheSkinsUpDownLookAndKeepItOverTheTabs) {
    for (const char* caption : {"Fourth", "Fifth", "Sixth", "Seventh"}) tabs.AddTab(caption);
    PumpFor(std::chrono::milliseconds(100));
    HWND buttons = ScrollButtons(tabs);
    ASSERT_NE(buttons, nullptr);
    ASSERT_TRUE(IsWindowVisible(buttons));
    EXPECT_TRUE(Skinned(buttons));

    // The tab control printed alone leaves its buttons' place alone.
    SIZE size = ClientSize(tabs);
    TOffscreen printed(size.cx, size.cy);
    const COLORREF marker = RGB(1, 2, 3);
    printed.Fill(marker);
    SendMessageW(tabs.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.DC()), PRF_CLIENT);
    RECT place;
    GetWindowRect(buttons, &place);
    MapWindowPoints(nullptr, tabs.Handle(), reinterpret_cast<POINT*>(&place), 2);
    PixelBuffer picture = printed.Pixels();
    EXPECT_EQ(picture.At(place.left + 2, place.top + 2), PixelOf(marker));
    EXPECT_NE(picture.At(place.left - 2, size.cy / 2), PixelOf(marker));
}

TEST_F(TabSkinner, ABareButtonStyleTabControlShowsItsTabsAsButtonsWithoutAPane) {
    TBareWindow window;
    HWND bare = window.AddChild(WC_TABCONTROLW, L"", TCS_BUTTONS, {10, 10, 200, 80}, 7);
    for (const wchar_t* caption : {L"One", L"Two"}) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(bare, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(bare, TCM_SETCURSEL, 1, 0);
    window.Show();
    ASSERT_TRUE(Skinned(bare));
    RedrawWindow(bare, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    RECT client;
    GetClientRect(bare, &client);
    TabStrip strip{.Items = ItemRects(bare, TCM_GETITEMCOUNT, TCM_GETITEMRECT),
                   .Selected = 1,
                   .Focused = GetFocus() == bare,
                   .VisibleRight = client.right,
                   .Buttons = true};
    TabStripLayout layout = LayOutTabStrip(client.right, client.bottom, strip);
    ASSERT_EQ(layout.Tabs.size(), 2u);
    PixelBuffer shown = ClientPixels(bare);
    for (const TabPlace& tab : layout.Tabs) {
        const Rect& area = tab.Area;
        PixelBuffer picture = ComposeElement(MainSkin->Tabs->Picture(), tab.Frame, area.Width, area.Height);
        EXPECT_EQ(Mismatches(shown, area.Left, area.Top, picture, Face(),
                             [&](int x, int y) { return InButtonRing(x, y, area.Width, area.Height); }),
                  0)
            << tab.Index;
    }
    EXPECT_EQ(shown.At(client.right / 2, client.bottom - 3), Face());  // no pane below the buttons
}

TEST_F(TabSkinner, TheGallerysTabControlsAreSkinned) {
    TGalleryForm gallery;
    Show(gallery);
    EXPECT_TRUE(Skinned(gallery.TabControl1.Handle()));
    EXPECT_TRUE(Skinned(gallery.TabControlOff.Handle()));
}

// A page control with two pages, of the classes the arguments name.
class PagesFixture : public TabFixture {
protected:
    explicit PagesFixture(TPageControl::Args args) : FArgs(std::move(args)) {}
    void SetUp() override {
        SkinnedWindows::SetUp();
        pages.Create(form, FArgs);
        Show(form);
    }

    TTestForm form;
    TPageControl pages;

private:
    TPageControl::Args FArgs;
};

class TabSheetSkinner : public PagesFixture {
protected:
    TabSheetSkinner() : PagesFixture({.Bounds = {10, 10, 180, 110}, .Pages = {"Main", "Batch"}}) {}
};

TEST_F(TabSheetSkinner, EveryPageIsAttachedAndTheChosenOneShowsThePaneUnderIt) {
    ASSERT_TRUE(Skinned(pages.Handle()));
    for (int i = 0; i < pages.SheetCount(); ++i) EXPECT_TRUE(Skinned(pages.Sheet(i).Handle())) << i;
    ASSERT_TRUE(IsWindowVisible(pages.Sheet(0).Handle()));
    EXPECT_EQ(SheetMismatches(pages, pages.Sheet(0)), 0);

    pages.SetPageIndex(1);
    PumpFor(std::chrono::milliseconds(100));
    ASSERT_TRUE(IsWindowVisible(pages.Sheet(1).Handle()));
    EXPECT_FALSE(IsWindowVisible(pages.Sheet(0).Handle()));
    EXPECT_EQ(SheetMismatches(pages, pages.Sheet(1)), 0);
}

TEST_F(TabSheetSkinner, ASkinWithoutTabsLeavesAPageNative) {
    ExpectNoSkinnerWithoutTabs(form, SkinnerKind::TSkinTabSheet, pages.Sheet(0));
}

TEST_F(TabSheetSkinner, TheGallerysPagesAreSkinned) {
    TGalleryForm gallery;
    Show(gallery);
    EXPECT_TRUE(Skinned(gallery.PageControl1.Handle()));
    for (int i = 0; i < gallery.PageControl1.SheetCount(); ++i)
        EXPECT_TRUE(Skinned(gallery.PageControl1.Sheet(i).Handle())) << i;
    EXPECT_TRUE(Skinned(gallery.PageCheck.Handle()));
}

class TabSetSkinner : public TabFixture {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        tabSet.Create(form, {.Bounds = {10, 10, 180, 40}, .Tabs = {"One", "Two", "Three"}, .TabIndex = 1});
        Show(form);
    }

    TTestForm form;
    TForeignTabSet tabSet;
};

TEST_F(TabSetSkinner, IsAttachedAndShowsTheSkinsTabsHangingBelowThePane) {
    ASSERT_TRUE(Skinned(tabSet.Handle()));
    SIZE size = ClientSize(tabSet);
    TabStrip strip{.Items = ItemRects(tabSet.Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT),
                   .Selected = tabSet.TabIndex(),
                   .Focused = GetFocus() == tabSet.Handle(),
                   .VisibleRight = size.cx};
    TabStripLayout layout = LayOutHangingTabs(size.cx, size.cy, strip);
    ASSERT_EQ(layout.Tabs.size(), 3u);
    const Rect& first = strip.Items[0];
    ASSERT_GE(first.Top + first.Height, size.cy - 4);  // the control keeps its tabs at its foot
    ASSERT_GT(first.Top, 0);
    for (int index : {0, 2}) EXPECT_EQ(TabRingMismatches(tabSet.Handle(), layout, index, 1, true), 0) << index;
    EXPECT_EQ(TabRingMismatches(tabSet.Handle(), layout, 1, TabAt(layout, 1).Frame, true), 0);
}

TEST_F(TabSetSkinner, ASkinWithoutTabsLeavesATabSetNative) {
    ExpectNoSkinnerWithoutTabs(form, SkinnerKind::TSkinTab31, tabSet);
}

TEST_F(TabSetSkinner, TheGallerysTabSetIsSkinned) {
    TGalleryForm gallery;
    Show(gallery);
    EXPECT_TRUE(Skinned(gallery.TabSet1.Handle()));
}

class AdvPageSkinner : public PagesFixture {
protected:
    AdvPageSkinner()
        : PagesFixture({.Bounds = {10, 10, 180, 110},
                        .Pages = {"Adv", "Page"},
                        .ClassName = L"TAdvPageControl",
                        .PageClassName = L"TAdvTabSheet"}) {}
};

TEST_F(AdvPageSkinner, TheControlAndItsPagesAreSkinnedAndThePageShowsThePane) {
    ASSERT_TRUE(Skinned(pages.Handle()));
    for (int i = 0; i < pages.SheetCount(); ++i) EXPECT_TRUE(Skinned(pages.Sheet(i).Handle())) << i;
    EXPECT_EQ(SheetMismatches(pages, pages.Sheet(0)), 0);
    SIZE size = ClientSize(pages);
    TabStrip strip{.Items = ItemRects(pages.Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT),
                   .Selected = pages.TabIndex(),
                   .Focused = GetFocus() == pages.Handle(),
                   .VisibleRight = size.cx};
    TabStripLayout layout = LayOutTabStrip(size.cx, size.cy, strip);
    EXPECT_EQ(TabRingMismatches(pages.Handle(), layout, 1, 1, false), 0);  // the tab not chosen
}

TEST_F(AdvPageSkinner, ASkinWithoutTabsLeavesTheControlNative) {
    ExpectNoSkinnerWithoutTabs(form, SkinnerKind::TSkinAdvPage, pages);
}

TEST_F(AdvPageSkinner, TheGallerysAdvancedPagesAreSkinned) {
    TGalleryForm gallery;
    Show(gallery);
    EXPECT_TRUE(Skinned(gallery.AdvPages.Handle()));
    EXPECT_TRUE(Skinned(gallery.AdvPages.Sheet(0).Handle()));
}

class HeaderSkinner : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        list.Create(form, {.Bounds = {10, 10, 180, 100},
                           .Columns = {{"Address", 70}, {"Place", 60}},
                           .Items = {{"10.0.0.1", "Here"}}});
        Show(form);
        header = list.HeaderHandle();
    }
    std::vector<HeaderSection> Expected(int hot) const {
        RECT client;
        GetClientRect(header, &client);
        HeaderStrip strip{.Items = ItemRects(header, HDM_GETITEMCOUNT, HDM_GETITEMRECT), .Hot = hot};
        return LayOutHeader(client.right, client.bottom, strip);
    }
    // Pixels of the section's ring (all of it for the filler, which has no
    // caption) that differ from the skin's Headerbar element in the frame.
    int SectionMismatches(const HeaderSection& section, int frame) const {
        const Rect& area = section.Area;
        const TSkinElement& element = *MainSkin->Element("Headerbar");
        PixelBuffer picture = ComposeElement(element.Picture(), frame, area.Width, area.Height);
        return Mismatches(ClientPixels(header), area.Left, area.Top, picture,
                          PixelFromColor(MainSkin->Colours.ButtonFace), [&](int x, int y) {
                              return section.Index == kHeaderFiller || InButtonRing(x, y, area.Width, area.Height);
                          });
    }

    TTestForm form;
    TListView list;
    HWND header = nullptr;
};

TEST_F(HeaderSkinner, IsAttachedAndShowsTheSkinsSectionsAndFiller) {
    ASSERT_NE(header, nullptr);
    ASSERT_TRUE(Skinned(header));
    std::vector<HeaderSection> sections = Expected(-1);
    ASSERT_EQ(sections.size(), 3u);
    for (const HeaderSection& section : sections) EXPECT_EQ(SectionMismatches(section, 1), 0) << section.Index;
}

TEST_F(HeaderSkinner, TheSectionUnderTheMouseShowsItsHotFrameUntilTheMouseLeaves) {
    std::vector<HeaderSection> sections = Expected(1);
    const Rect& second = sections[1].Area;
    ui::PointAt(header, {second.Left + second.Width / 2, second.Height / 2});
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(SectionMismatches(sections[1], 4), 0);
    EXPECT_EQ(SectionMismatches(sections[0], 1), 0);
    ui::PointAt(GetAncestor(header, GA_ROOT), {2, 2});
    PumpFor(std::chrono::milliseconds(600));  // the leave notice comes on a timer
    EXPECT_EQ(SectionMismatches(sections[1], 1), 0);
}

}  // namespace
