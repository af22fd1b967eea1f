#include "skin/manager/SkinnerRows.h"

#include "skin/button/SkinBitButton.h"
#include "skin/button/SkinButton.h"
#include "skin/button/SkinMenuButton.h"
#include "skin/button/SkinSpeedButton.h"
#include "skin/checkbox/SkinCheckBox.h"
#include "skin/checkbox/SkinObjImage.h"
#include "skin/checkbox/SkinRadioButton.h"
#include "skin/combobox/SkinComBox.h"
#include "skin/combobox/SkinDateTime.h"
#include "skin/edit/SkinEdit.h"
#include "skin/frame/SkinFrame.h"
#include "skin/groupbox/SkinGroupBox.h"
#include "skin/list/SkinHeader.h"
#include "skin/list/SkinListView.h"
#include "skin/mediaplayer/SkinMP.h"
#include "skin/panel/SkinBox.h"
#include "skin/panel/SkinBoxH.h"
#include "skin/panel/SkinSizer.h"
#include "skin/progress/SkinProgress.h"
#include "skin/scrollbar/SkinScrollbar.h"
#include "skin/scrollbar/SkinScrollbarH.h"
#include "skin/statusbar/SkinStatusBar.h"
#include "skin/tab/SkinAdvPage.h"
#include "skin/tab/SkinTab.h"
#include "skin/tab/SkinTab31.h"
#include "skin/tab/SkinTabSheet.h"
#include "skin/trackbar/SkinTrackBar.h"
#include "skin/updown/SkinUpDown.h"

namespace {
using K = SkinnerKind;
using enum TPainting;

template <class Skinner>
std::unique_ptr<TSkinControl> Make(TSkinFrame& frame) {
    return std::make_unique<Skinner>(frame);
}

template <bool Radio>
std::unique_ptr<TSkinControl> MakeObjImage(TSkinFrame& frame) {
    return std::make_unique<TSkinObjImage>(frame, Radio);
}

bool Always(const TSkinData&, const TSkinTarget&) { return true; }
bool HasButtons(const TSkinData& skin, const TSkinTarget&) { return !skin.Buttons.Image.Empty(); }
bool HasCheckBox(const TSkinData& skin, const TSkinTarget&) { return !skin.Buttons.CheckImage.Empty(); }
bool HasRadioButton(const TSkinData& skin, const TSkinTarget&) { return !skin.Buttons.RadioImage.Empty(); }
bool HasTabs(const TSkinData& skin, const TSkinTarget&) { return TSkinTab::CanSkin(skin); }
bool HasScrollbars(const TSkinData& skin, const TSkinTarget&) { return TSkinScrollbar::CanSkin(skin); }
bool IsFrameworkControl(const TSkinData&, const TSkinTarget& target) { return target.Control; }

// The skin has the pictures, and the control is of the family the skinner
// draws.
template <bool (*HasPictures)(const TSkinData&, const TSkinTarget&), bool (*OfFamily)(TWinControl*)>
bool HasPicturesFor(const TSkinData& skin, const TSkinTarget& target) {
    return HasPictures(skin, target) && OfFamily(target.Control);
}

const TSkinnerRow kRows[] = {
    {K::TSkinButton, HasButtons, Make<TSkinButton>, Replaced},
    {K::TSkinBitButton, HasButtons, Make<TSkinBitButton>, Replaced},
    // No control here carries a PngImage: its Glyph serves.
    {K::TSkinBitButtonPng, HasButtons, Make<TSkinBitButton>, Replaced},
    {K::TSkinMenuButton, HasButtons, Make<TSkinMenuButton>, Replaced},
    {K::TSkinSpeedButton, HasPicturesFor<HasButtons, TSkinSpeedButton::Serves>, Make<TSkinSpeedButton>, Replaced},
    {K::TSkinCheckBox, HasCheckBox, Make<TSkinCheckBox>, OverNative},
    {K::TSkinRadioButton, HasRadioButton, Make<TSkinRadioButton>, OverNative},
    {K::TSkinObjImageCheckBox, HasPicturesFor<HasCheckBox, TSkinObjImage::Serves>, MakeObjImage<false>, OverNative},
    {K::TSkinObjImageCxCheckBox, HasPicturesFor<HasCheckBox, TSkinObjImage::Serves>, MakeObjImage<false>, OverNative},
    {K::TSkinObjImageRadioButton, HasPicturesFor<HasRadioButton, TSkinObjImage::Serves>, MakeObjImage<true>,
     OverNative},
    {K::TSkinGroupBox, Always, Make<TSkinGroupBox>, OverNative, true},
    // A framework box gives its painting over; a bare one shows the skin
    // through its erasing.
    {K::TSkinBox, IsFrameworkControl, Make<TSkinBox>, Replaced, true},
    {K::TSkinBoxH, Always, Make<TSkinBoxH>, UnderNative},
    {K::TSkinSizer, Always, Make<TSkinSizer>, Replaced},
    {K::TSkinEdit, [](const TSkinData&, const TSkinTarget& target) { return TSkinEdit::HasBorder(target.Window); },
     Make<TSkinEdit>, Border},
    {K::TSkinComBox, [](const TSkinData& skin, const TSkinTarget&) { return TSkinComBox::SkinHasPicture(skin); },
     Make<TSkinComBox>, OverNative},
    {K::TSkinDateTime, [](const TSkinData& skin, const TSkinTarget&) { return TSkinDateTime::CanSkin(skin); },
     Make<TSkinDateTime>, Overlay},
    {K::TSkinScrollbar, HasScrollbars, Make<TSkinScrollbar>, Overlay},
    {K::TSkinScrollbarEmbedded, HasScrollbars, Make<TSkinScrollbar>, Overlay},
    {K::TSkinScrollbarSingle,
     [](const TSkinData& skin, const TSkinTarget& target) { return TSkinScrollbarH::CanSkin(skin, target.Window); },
     Make<TSkinScrollbarH>, Overlay},
    {K::TSkinListView, HasScrollbars, Make<TSkinListView>, Overlay},
    {K::TSkinHeader, [](const TSkinData& skin, const TSkinTarget&) { return skin.Element("Headerbar") != nullptr; },
     Make<TSkinHeader>, Replaced},
    {K::TSkinStatusBar,
     [](const TSkinData& skin, const TSkinTarget&) { return skin.Element("StatusBarEdges") != nullptr; },
     Make<TSkinStatusBar>, Replaced},
    {K::TSkinProgress,
     [](const TSkinData& skin, const TSkinTarget&) { return skin.Progress && skin.Element("Progress.Chunk"); },
     Make<TSkinProgress>, Replaced},
    // A bare bar's custom draw goes to a parent that does not hand it back.
    {K::TSkinTrackBar,
     [](const TSkinData& skin, const TSkinTarget& target) {
         return target.Control && TSkinTrackBar::Serves(skin, target.Window);
     },
     Make<TSkinTrackBar>, CustomDraw},
    {K::TSkinTab, HasTabs, Make<TSkinTab>, Replaced},
    {K::TSkinTab31, HasTabs, Make<TSkinTab31>, Replaced},
    {K::TSkinTabSheet, HasTabs, Make<TSkinTabSheet>, Replaced},
    {K::TSkinAdvPage, HasTabs, Make<TSkinAdvPage>, Replaced},
    {K::TSkinUpDown,
     [](const TSkinData& skin, const TSkinTarget& target) {
         return TSkinUpDown::ElementFor(skin, target.Window) != nullptr;
     },
     Make<TSkinUpDown>, Replaced},
    {K::TSkinMP, HasPicturesFor<HasButtons, TSkinMP::Serves>, Make<TSkinMP>, Overlay},
};
}  // namespace

const TSkinnerRow* SkinnerRowOf(SkinnerKind kind) {
    for (const TSkinnerRow& row : kRows)
        if (row.Kind == kind) return &row;
    return nullptr;
}

std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind kind, TSkinFrame& frame, const TSkinTarget& target) {
    const TSkinnerRow* row = SkinnerRowOf(kind);
    if (!row || !target.Window || !row->Serves(frame.Skin(), target)) return nullptr;
    std::unique_ptr<TSkinControl> skinner = row->Make(frame);
    if (!skinner->Attach(target, row->Painting, row->Recolours)) return nullptr;
    return skinner;
}
