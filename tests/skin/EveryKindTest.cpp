// What every control skinner does alike, over one control of each kind on
// the gallery: a skin without the kind's element leaves the control native,
// the painting switch shows the native picture and then the skin's again,
// and unskinning gives the control back as it looks never skinned.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinMessages.h"
#include "tests/skin/FlatElements.h"
#include "tests/skin/GalleryForm.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
using TTakeAway = std::shared_ptr<void> (*)(TSkinData&);

// The part of the skin a kind needs, empty for as long as the result lives.
template <class T>
std::shared_ptr<void> Without(T& place) {
    return std::make_shared<TSwappedIn<T>>(place, T{});
}
std::shared_ptr<void> NoButtons(TSkinData& skin) { return Without(skin.Buttons.Image); }
std::shared_ptr<void> NoCheckBox(TSkinData& skin) { return Without(skin.Buttons.CheckImage); }
std::shared_ptr<void> NoRadioButton(TSkinData& skin) { return Without(skin.Buttons.RadioImage); }
std::shared_ptr<void> NoComboArrow(TSkinData& skin) { return Without(skin.ComboxArrow); }
std::shared_ptr<void> NoScrollbar(TSkinData& skin) { return Without(skin.Elements["Scrollbar"]); }
std::shared_ptr<void> NoHeader(TSkinData& skin) { return Without(skin.Elements["Headerbar"]); }
std::shared_ptr<void> NoStatusBar(TSkinData& skin) { return Without(skin.Elements["StatusBarEdges"]); }
std::shared_ptr<void> NoChunk(TSkinData& skin) { return Without(skin.Elements["Progress.Chunk"]); }
std::shared_ptr<void> NoChannel(TSkinData& skin) { return Without(skin.Elements["Track"]); }
std::shared_ptr<void> NoUprightChannel(TSkinData& skin) { return Without(skin.Elements["TRACKVERT"]); }
std::shared_ptr<void> NoTabs(TSkinData& skin) { return Without(skin.Tabs); }
std::shared_ptr<void> NoUpDown(TSkinData& skin) { return Without(skin.UpDownVert); }
std::shared_ptr<void> NoSideways(TSkinData& skin) { return Without(skin.UpDownHorz); }

struct KindRow {
    const char* Name;
    HWND (*Window)(const TGalleryForm&);
    TTakeAway TakeAway;  // none for a kind the skin serves without an element of its own
    bool HoldsPages = false;  // whose pages have skinners of their own
};

#define CONTROL(field) [](const TGalleryForm& g) { return g.field.Handle(); }
const KindRow kKinds[] = {
    {"push button", CONTROL(ButtonOff), NoButtons},
    {"bitmap button", CONTROL(BitBtnOff), NoButtons},
    {"speed button", CONTROL(SpeedRaised), NoButtons},
    {"menu button", CONTROL(MenuButtonOff), NoButtons},
    {"media player", CONTROL(MediaPlayer1), NoButtons},
    {"check box", CONTROL(CheckOn), NoCheckBox},
    {"foreign check box", CONTROL(RzCheckOn), NoCheckBox},
    {"cx check box", CONTROL(CxCheckOff), NoCheckBox},
    {"foreign radio button", CONTROL(RzRadioOff), NoRadioButton},
    {"combo box", CONTROL(ComboBoxOff), NoComboArrow},
    {"date picker", CONTROL(DateTimePickerOff), NoComboArrow},
    {"memo's bars", CONTROL(Memo1), NoScrollbar},
    {"list view", CONTROL(ListView1), NoScrollbar},
    {"scroll bar control", CONTROL(ScrollBarOff), NoScrollbar},
    {"list header", [](const TGalleryForm& g) { return g.ListView1.HeaderHandle(); }, NoHeader},
    {"status bar", CONTROL(StatusBar1), NoStatusBar},
    {"progress bar", CONTROL(ProgressBar1), NoChunk},
    {"track bar", CONTROL(TrackBar1), NoChannel},
    {"upright track bar", CONTROL(TrackBarVert), NoUprightChannel},
    {"up-down", CONTROL(UpDown1), NoUpDown},
    {"sideways up-down", CONTROL(UpDownHorz), NoSideways},
    {"tab control", CONTROL(TabControlOff), NoTabs},
    {"page control", CONTROL(PageControl1), NoTabs, true},
    {"tab sheet", [](const TGalleryForm& g) { return GetParent(g.PageCheck.Handle()); }, NoTabs},
    {"foreign page control", CONTROL(AdvPages), NoTabs, true},
    {"tab set", CONTROL(TabSet1), NoTabs},
    {"edit", CONTROL(EditOff), nullptr},
    {"group box", CONTROL(GroupBox1), nullptr},
    {"panel", CONTROL(Panel1), nullptr},
};
#undef CONTROL

// What the kind's control shows on the screen now; pages with skinners of
// their own are blanked out.
PixelBuffer Shown(const KindRow& kind, const TGalleryForm& gallery) {
    HWND window = kind.Window(gallery);
    RECT shown;
    GetWindowRect(window, &shown);
    TOffscreen shot(shown.right - shown.left, shown.bottom - shown.top);
    HDC screen = GetDC(nullptr);
    shot.CopyFrom(screen, shown.left, shown.top);
    ReleaseDC(nullptr, screen);
    PixelBuffer pixels = shot.Pixels();
    for (HWND page = GetWindow(window, GW_CHILD); kind.HoldsPages && page; page = GetWindow(page, GW_HWNDNEXT)) {
        RECT covered;
        if (!IsWindowVisible(page) || !GetWindowRect(page, &covered)) continue;
        pixels.Fill({covered.left - shown.left, covered.top - shown.top, covered.right - covered.left,
                     covered.bottom - covered.top},
                    0);
    }
    return pixels;
}

// How many pixels of two pictures differ; all of them if their sizes do.
size_t Differing(const PixelBuffer& one, const PixelBuffer& other) {
    if (one.Width() != other.Width() || one.Height() != other.Height()) return one.Pixels().size() + 1;
    size_t differing = 0;
    for (size_t i = 0; i < one.Pixels().size(); ++i)
        differing += (one.Pixels()[i] & 0xFFFFFF) != (other.Pixels()[i] & 0xFFFFFF);
    return differing;
}

bool Skinned(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }

// Each gallery stands in the same place, the pointer away from it, so that
// no control shows hot.
class EveryKind : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        SetCursorPos(0, 0);
    }
    static void ShowAtRest(TGalleryForm& gallery) {
        SetWindowPos(gallery.Handle(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Show(gallery);
        PumpFor(200ms);
    }
    // Each kind's control as it shows on a gallery that the skin serves
    // without that kind's element: one gallery for each part taken away.
    static std::vector<PixelBuffer> WithoutTheirElements() {
        std::vector<PixelBuffer> shown(std::size(kKinds));
        std::set<TTakeAway> tried;
        for (const KindRow& first : kKinds) {
            if (!first.TakeAway || !tried.insert(first.TakeAway).second) continue;
            std::shared_ptr<void> takenAway = first.TakeAway(*MainSkin);
            TGalleryForm gallery;
            ShowAtRest(gallery);
            for (size_t i = 0; i < std::size(kKinds); ++i) {
                if (kKinds[i].TakeAway != first.TakeAway) continue;
                EXPECT_FALSE(Skinned(kKinds[i].Window(gallery))) << kKinds[i].Name;
                shown[i] = Shown(kKinds[i], gallery);
            }
        }
        return shown;
    }
};

TEST_F(EveryKind, WithoutItsElementStaysNativeAndThePaintingSwitchShowsThatPictureThenTheSkins) {
    std::vector<PixelBuffer> native = WithoutTheirElements();
    TGalleryForm gallery;
    ShowAtRest(gallery);
    for (size_t i = 0; i < std::size(kKinds); ++i) {
        const KindRow& kind = kKinds[i];
        HWND window = kind.Window(gallery);
        ASSERT_TRUE(Skinned(window)) << kind.Name;
        PixelBuffer skinned = Shown(kind, gallery);
        SendMessageW(window, SkinMessage::PaintingSwitch, 0, 0);
        PumpFor(50ms);
        EXPECT_FALSE(Skinned(window)) << kind.Name;
        if (kind.TakeAway)
            EXPECT_EQ(Differing(Shown(kind, gallery), native[i]), 0u) << kind.Name << " shows other than its native self";
        else
            EXPECT_GT(Differing(Shown(kind, gallery), skinned), 0u) << kind.Name << " still shows the skin";
        SendMessageW(window, SkinMessage::PaintingSwitch, 1, 0);
        PumpFor(50ms);
        EXPECT_TRUE(Skinned(window)) << kind.Name;
        EXPECT_EQ(Differing(Shown(kind, gallery), skinned), 0u) << kind.Name << " does not show the skin again";
    }
}

TEST_F(EveryKind, UnskinningGivesEachControlBackAsItLooksNeverSkinned) {
    std::vector<PixelBuffer> neverSkinned;
    {
        Manager().SetEnabled(false);
        TGalleryForm gallery;
        ShowAtRest(gallery);
        for (const KindRow& kind : kKinds) neverSkinned.push_back(Shown(kind, gallery));
        Manager().SetEnabled(true);
    }
    TGalleryForm gallery;
    ShowAtRest(gallery);
    RunAction(TSkinAction::UnskinAll);
    PumpFor(200ms);
    for (size_t i = 0; i < std::size(kKinds); ++i) {
        HWND window = kKinds[i].Window(gallery);
        EXPECT_FALSE(Skinned(window)) << kKinds[i].Name;
        EXPECT_EQ(Differing(Shown(kKinds[i], gallery), neverSkinned[i]), 0u) << kKinds[i].Name << " does not look as never skinned";
    }
    RunAction(TSkinAction::SkinAll);
}

}  // namespace
