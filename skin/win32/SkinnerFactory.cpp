#include "skin/win32/SkinnerFactory.h"

#include "skin/win32/SkinButton.h"
#include "skin/win32/SkinCheckBox.h"
#include "skin/win32/SkinControl.h"
#include "skin/win32/SkinFrame.h"
#include "skin/win32/SkinRadioButton.h"

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
    case SkinnerKind::TSkinButton:
        return frame.Skin().Buttons.Image.Empty() ? nullptr : Make<TSkinButton>(frame, control, window);
    case SkinnerKind::TSkinCheckBox:
        return frame.Skin().Buttons.CheckImage.Empty() ? nullptr : Make<TSkinCheckBox>(frame, control, window);
    case SkinnerKind::TSkinRadioButton:
        return frame.Skin().Buttons.RadioImage.Empty() ? nullptr : Make<TSkinRadioButton>(frame, control, window);
    default:
        return nullptr;
    }
}
