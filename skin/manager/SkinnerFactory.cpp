#include "skin/manager/SkinnerFactory.h"

#include "skin/button/SkinBitButton.h"
#include "skin/button/SkinButton.h"
#include "skin/button/SkinMenuButton.h"
#include "skin/button/SkinSpeedButton.h"
#include "skin/checkbox/SkinCheckBox.h"
#include "skin/checkbox/SkinObjImage.h"
#include "skin/checkbox/SkinRadioButton.h"
#include "skin/combobox/SkinComBox.h"
#include "skin/combobox/SkinDateTime.h"
#include "skin/control/SkinControl.h"
#include "skin/edit/SkinEdit.h"
#include "skin/frame/SkinFrame.h"
#include "skin/groupbox/SkinGroupBox.h"
#include "skin/list/SkinHeader.h"
#include "skin/list/SkinListView.h"
#include "skin/mediaplayer/SkinMP.h"
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
// Makes a skinner of the class for the control and attaches it.
template <class Skinner>
std::unique_ptr<TSkinControl> Make(TSkinFrame& frame, TWinControl* control, HWND window, bool recolour = false) {
    auto skinner = std::make_unique<Skinner>(frame);
    if (control)
        skinner->Attach(*control, recolour);
    else
        skinner->AttachWindow(window);
    if (skinner->State() != TSkinControl::Attached) return nullptr;
    return skinner;
}
}  // namespace

std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind kind, TSkinFrame& frame, TWinControl* control, HWND window) {
    const TSkinData& skin = frame.Skin();
    switch (kind) {
    case SkinnerKind::TSkinAdvPage:
        return TSkinTab::CanSkin(skin) ? Make<TSkinAdvPage>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinBitButton:
    case SkinnerKind::TSkinBitButtonPng:  // no control here carries a PngImage: its Glyph serves
        return skin.Buttons.Image.Empty() ? nullptr : Make<TSkinBitButton>(frame, control, window);
    case SkinnerKind::TSkinBox:
    case SkinnerKind::TSkinBoxH:
        // A framework box gives its painting over; a bare one shows the
        // skin through its erasing.
        return control ? Make<TSkinBox>(frame, control, window, true) : Make<TSkinBoxH>(frame, nullptr, window);
    case SkinnerKind::TSkinButton:
        return skin.Buttons.Image.Empty() ? nullptr : Make<TSkinButton>(frame, control, window);
    case SkinnerKind::TSkinCheckBox:
        return skin.Buttons.CheckImage.Empty() ? nullptr : Make<TSkinCheckBox>(frame, control, window);
    case SkinnerKind::TSkinComBox:
        return TSkinComBox::SkinHasPicture(skin) ? Make<TSkinComBox>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinDateTime:
        return TSkinDateTime::CanSkin(skin) ? Make<TSkinDateTime>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinEdit:
        return TSkinEdit::HasBorder(window) ? Make<TSkinEdit>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinGroupBox:
        return Make<TSkinGroupBox>(frame, control, window, true);
    case SkinnerKind::TSkinHeader:
        return skin.Element("Headerbar") ? Make<TSkinHeader>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinListView:
        return TSkinScrollbar::CanSkin(skin) ? Make<TSkinListView>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinMP:
        return skin.Buttons.Image.Empty() ? nullptr : Make<TSkinMP>(frame, control, window);
    case SkinnerKind::TSkinMenuButton:
        return skin.Buttons.Image.Empty() ? nullptr : Make<TSkinMenuButton>(frame, control, window);
    case SkinnerKind::TSkinObjImageCheckBox:
    case SkinnerKind::TSkinObjImageCxCheckBox:
        return skin.Buttons.CheckImage.Empty() ? nullptr : Make<TSkinObjImageCheckBox>(frame, control, window);
    case SkinnerKind::TSkinObjImageRadioButton:
        return skin.Buttons.RadioImage.Empty() ? nullptr : Make<TSkinObjImageRadioButton>(frame, control, window);
    case SkinnerKind::TSkinProgress:
        return skin.Progress && skin.Element("Progress.Chunk") ? Make<TSkinProgress>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinRadioButton:
        return skin.Buttons.RadioImage.Empty() ? nullptr : Make<TSkinRadioButton>(frame, control, window);
    case SkinnerKind::TSkinScrollbar:
    case SkinnerKind::TSkinScrollbarEmbedded:
        return TSkinScrollbar::CanSkin(skin) ? Make<TSkinScrollbar>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinScrollbarSingle: {
        HWND handle = control ? control->Handle() : window;
        return TSkinScrollbarH::CanSkin(skin, handle) ? Make<TSkinScrollbarH>(frame, control, window) : nullptr;
    }
    case SkinnerKind::TSkinSizer:
        return Make<TSkinSizer>(frame, control, window);
    case SkinnerKind::TSkinSpeedButton:
        return !skin.Buttons.Image.Empty() && TSkinSpeedButton::Serves(control)
                   ? Make<TSkinSpeedButton>(frame, control, window)
                   : nullptr;
    case SkinnerKind::TSkinStatusBar:
        return skin.Element("StatusBarEdges") ? Make<TSkinStatusBar>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinTab:
        return TSkinTab::CanSkin(skin) ? Make<TSkinTab>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinTab31:
        return TSkinTab::CanSkin(skin) ? Make<TSkinTab31>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinTabSheet:
        return TSkinTab::CanSkin(skin) ? Make<TSkinTabSheet>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinTrackBar:
        // A bare bar's custom draw goes to a parent that does not hand it back.
        return control && TSkinTrackBar::Serves(skin, control->Handle()) ? Make<TSkinTrackBar>(frame, control, window)
                                                                         : nullptr;
    case SkinnerKind::TSkinUpDown: {
        HWND handle = control ? control->Handle() : window;
        return TSkinUpDown::ElementFor(skin, handle) ? Make<TSkinUpDown>(frame, control, window) : nullptr;
    }
    default:
        return nullptr;
    }
}
