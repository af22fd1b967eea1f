#include "skin/win32/SkinnerFactory.h"

#include "skin/win32/SkinBoxH.h"
#include "skin/win32/SkinComBox.h"
#include "skin/win32/SkinControl.h"
#include "skin/win32/SkinEdit.h"
#include "skin/win32/SkinFrame.h"
#include "skin/win32/SkinGroupBox.h"
#include "skin/win32/SkinSizer.h"

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
    switch (kind) {
    case SkinnerKind::TSkinBox:
    case SkinnerKind::TSkinBoxH:
        // A framework box gives its painting over; a bare one shows the
        // skin through its erasing.
        return control ? Make<TSkinBox>(frame, control, window, true) : Make<TSkinBoxH>(frame, nullptr, window);
    case SkinnerKind::TSkinComBox:
        return TSkinComBox::SkinHasPicture(frame.Skin()) ? Make<TSkinComBox>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinEdit:
        return TSkinEdit::HasBorder(window) ? Make<TSkinEdit>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinGroupBox:
        return Make<TSkinGroupBox>(frame, control, window, true);
    case SkinnerKind::TSkinSizer:
        return Make<TSkinSizer>(frame, control, window);
    default:
        return nullptr;
    }
}
