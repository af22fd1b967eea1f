// The skinners of tab controls and list headers on real windows of this
// process: attached where the skin has their elements, and painting them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <utility>

#include "base/win32/WindowClassName.h"
#include "gui/ListView.h"
#include "gui/PageControl.h"
#include "gui/TabControl.h"
#include "skin/control/ItemRects.h"
#include "skin/control/SkinControl.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/list/HeaderLayout.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/ElementPixels.h"
#include "tests/skin/FlatElements.h"
#include "tests/skin/ForeignTabSet.h"
#include "tests/skin/GalleryForm.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

bool Skinned(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }

// Each frame of the tabs element is two-toned, its top half over its
// bottom half, so that a tab shows which way up it stands.
Pixel TabTop(int frame) { return Pixel(0x200000 * frame + 0x10); }
Pixel TabBottom(int frame) { return Pixel(0x200000 * frame + 0x20); }

std::unique_ptr<TSkinBorderElement> TwoToneTabs() {
    auto tabs = std::make_unique<TSkinBorderElement>();
    tabs->Image = PixelBuffer(4 * 5, 2);
    for (int frame = 1; frame <= 5; ++frame) {
        tabs->Image.Fill({4 * (frame - 1), 0, 4, 1}, TabTop(frame));
        tabs->Image.Fill({4 * (frame - 1), 1, 4, 1}, TabBottom(frame));
    }
    tabs->FrameCount = 5;
    return tabs;
}

// A pane of a one-pixel ring around its inside.
const Pixel kPaneRing = 0x00AA00, kPaneInside = 0x005500;

std::unique_ptr<TSkinElement> RingedPane() {
    auto pane = FlatElement({kPaneRing}, 3, 3);
    pane->Image.Set(1, 1, kPaneInside);
    pane->LeftWidth = pane->TopHeight = pane->RightWidth = pane->BottomHeight = 1;
    return pane;
}

RECT ItemRect(HWND tabs, int index) {
    RECT item = {};
    SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

// The skin's tabs and pane, made by the test, while the test runs. A tab
// not chosen stands kTabLowered below its row's top on the pane; the
// chosen one reaches from the row's top one pixel into the pane, 2 pixels
// wider on each side than the control places it.
class TabFixture : public SkinnedWindows {
protected:
    // The pointer stays off the tabs, which it would make hot.
    void SetUp() override {
        SkinnedWindows::SetUp();
        SetCursorPos(0, 0);
    }
    static Pixel Face() { return PixelFromColor(MainSkin->Colours.ButtonFace); }
    static Pixel At(HWND window, int x, int y) { return ClientPixels(window).At(x, y); }
    static int ChosenFrame(HWND tabs) { return GetFocus() == tabs ? 5 : 2; }

    TSwappedIn<std::unique_ptr<TSkinBorderElement>> tabElement{MainSkin->Tabs, TwoToneTabs()};
    TSwappedIn<std::unique_ptr<TSkinElement>> paneElement{MainSkin->Elements["Tab.Pane"], RingedPane()};
};

class TabSkinner : public TabFixture {
protected:
    void SetUp() override {
        TabFixture::SetUp();
        tabs.Create(form, {.Bounds = {10, 10, 180, 110}, .Tabs = {"Main", "Batch", "Local"}, .TabIndex = 1});
        Show(form);
        rowBottom = ItemRect(tabs.Handle(), 0).bottom;
    }
    // Tab 0 and tab 2 in the frame, beside the chosen tab between them
    // (which covers 2 pixels of each).
    void ExpectOuterTabs(int frame) const {
        for (int index : {0, 2}) {
            RECT item = ItemRect(tabs.Handle(), index);
            int x = index == 0 ? item.left + 1 : item.left + 3;
            EXPECT_EQ(At(tabs.Handle(), x, item.top + 1), Face()) << index;
            EXPECT_EQ(At(tabs.Handle(), x, item.top + 2), TabTop(frame)) << index;
            EXPECT_EQ(At(tabs.Handle(), x, rowBottom - 1), TabBottom(frame)) << index;
        }
    }

    TTestForm form;
    TTabControl tabs;
    int rowBottom = 0;
};

TEST_F(TabSkinner, ShowsTheSkinsTabsWhereTheControlPlacesThemOverThePane) {
    ASSERT_TRUE(Skinned(tabs.Handle()));
    ExpectOuterTabs(1);
    RECT chosen = ItemRect(tabs.Handle(), 1);
    int frame = ChosenFrame(tabs.Handle());
    EXPECT_EQ(At(tabs.Handle(), chosen.left - 2, chosen.top), TabTop(frame));
    EXPECT_EQ(At(tabs.Handle(), chosen.right + 1, rowBottom), TabBottom(frame));
    SIZE size = ClientSize(tabs);
    EXPECT_EQ(At(tabs.Handle(), 0, rowBottom + 5), kPaneRing);
    EXPECT_EQ(At(tabs.Handle(), size.cx - 1, size.cy - 1), kPaneRing);
    EXPECT_EQ(At(tabs.Handle(), 5, rowBottom + 5), kPaneInside);
}

TEST_F(TabSkinner, TheTabUnderThePointerShowsItsHotFrameUntilThePointerLeaves) {
    RECT third = ItemRect(tabs.Handle(), 2);
    ui::PointAt(tabs.Handle(), {third.left + 5, third.top + 4});  // left of the scroll buttons
    PumpUntil([&] { return At(tabs.Handle(), third.left + 3, third.top + 2) == TabTop(4); });
    EXPECT_EQ(At(tabs.Handle(), third.left + 3, third.top + 2), TabTop(4));
    ui::PointAt(form.Handle(), {2, 2});
    PumpUntil([&] { return At(tabs.Handle(), third.left + 3, third.top + 2) == TabTop(1); });  // on a timer
    ExpectOuterTabs(1);
}

TEST_F(TabSkinner, ADisabledControlShowsEveryTabDisabled) {
    tabs.SetEnabled(false);
    ExpectOuterTabs(3);
    RECT chosen = ItemRect(tabs.Handle(), 1);
    EXPECT_EQ(At(tabs.Handle(), chosen.left - 2, chosen.top), TabTop(3));
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

    RECT first = ItemRect(bare, 0), second = ItemRect(bare, 1);
    EXPECT_EQ(At(bare, first.left, first.top), TabTop(1));
    EXPECT_EQ(At(bare, first.right - 1, first.bottom - 1), TabBottom(1));
    EXPECT_EQ(At(bare, second.left, second.top), TabTop(ChosenFrame(bare)));
    RECT client;
    GetClientRect(bare, &client);
    EXPECT_EQ(At(bare, client.right / 2, client.bottom - 3), Face());  // no pane below the buttons
}

// A page control with two pages, of the classes the arguments name.
class PagesFixture : public TabFixture {
protected:
    explicit PagesFixture(TPageControl::Args args) : FArgs(std::move(args)) {}
    void SetUp() override {
        TabFixture::SetUp();
        pages.Create(form, FArgs);
        Show(form);
    }
    // The sheet shows the pane's ring where the pane's edges pass under it,
    // and its inside elsewhere: at the sheet's corners.
    void ExpectThePaneUnder(TTabSheet& sheet) {
        HWND window = sheet.Handle();
        ASSERT_TRUE(IsWindowVisible(window));
        SIZE control = ClientSize(pages), size = ClientSize(sheet);
        RECT place;
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, pages.Handle(), reinterpret_cast<POINT*>(&place), 2);
        int paneTop = ItemRect(pages.Handle(), 0).bottom;
        for (POINT corner : {POINT{0, 0}, POINT{size.cx - 1, size.cy - 1}}) {
            int x = place.left + corner.x, y = place.top + corner.y;
            bool onRing = x == 0 || y == paneTop || x == control.cx - 1 || y == control.cy - 1;
            EXPECT_EQ(At(window, corner.x, corner.y), onRing ? kPaneRing : kPaneInside) << corner.x;
        }
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
    ExpectThePaneUnder(pages.Sheet(0));
    pages.SetPageIndex(1);
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_FALSE(IsWindowVisible(pages.Sheet(0).Handle()));
    ExpectThePaneUnder(pages.Sheet(1));
}

class TabSetSkinner : public TabFixture {
protected:
    void SetUp() override {
        TabFixture::SetUp();
        tabSet.Create(form, {.Bounds = {10, 10, 180, 40}, .Tabs = {"One", "Two", "Three"}, .TabIndex = 1});
        Show(form);
    }

    TTestForm form;
    TForeignTabSet tabSet;
};

// Turned over, each tab shows its bottom half at its top; a tab not chosen
// hangs from the row's top, the chosen one reaches one pixel up into the
// pane above.
TEST_F(TabSetSkinner, ShowsTheSkinsTabsTurnedOverHangingBelowThePane) {
    ASSERT_TRUE(Skinned(tabSet.Handle()));
    HWND window = tabSet.Handle();
    RECT first = ItemRect(window, 0), chosen = ItemRect(window, 1);
    ASSERT_GE(first.bottom, ClientSize(tabSet).cy - 4);  // the control keeps its tabs at its foot
    EXPECT_EQ(At(window, first.left + 1, first.top), TabBottom(1));
    EXPECT_EQ(At(window, first.left + 1, first.bottom - 3), TabTop(1));
    EXPECT_EQ(At(window, first.left + 1, first.bottom - 2), Face());
    int frame = ChosenFrame(window);
    EXPECT_EQ(At(window, chosen.left - 2, chosen.top - 1), TabBottom(frame));
    EXPECT_EQ(At(window, chosen.left - 2, chosen.bottom - 1), TabTop(frame));
    EXPECT_EQ(At(window, 5, 0), kPaneRing);
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
    ExpectThePaneUnder(pages.Sheet(0));
    RECT other = ItemRect(pages.Handle(), 1);
    EXPECT_EQ(At(pages.Handle(), other.right - 2, other.top + 2), TabTop(1));
}

TEST_F(TabFixture, TheGallerysTabControlsPageControlsAndTabSetAreSkinnedWithTheirPages) {
    TGalleryForm gallery;
    Show(gallery);
    for (TWinControl* control : std::initializer_list<TWinControl*>{
             &gallery.TabControl1, &gallery.TabControlOff, &gallery.PageControl1, &gallery.PageControl1.Sheet(0),
             &gallery.PageControl1.Sheet(1), &gallery.PageCheck, &gallery.AdvPages, &gallery.AdvPages.Sheet(0),
             &gallery.TabSet1})
        EXPECT_TRUE(Skinned(control->Handle())) << WindowClassName(control->Handle());
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
    PumpUntil([&] { return SectionMismatches(sections[1], 4) == 0; });
    EXPECT_EQ(SectionMismatches(sections[1], 4), 0);
    EXPECT_EQ(SectionMismatches(sections[0], 1), 0);
    ui::PointAt(GetAncestor(header, GA_ROOT), {2, 2});
    PumpUntil([&] { return SectionMismatches(sections[1], 1) == 0; });  // the leave notice comes on a timer
    EXPECT_EQ(SectionMismatches(sections[1], 1), 0);
}

}  // namespace
