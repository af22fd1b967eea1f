#include "skin/win32/SkinnerFactory.h"

#include "skin/win32/SkinControl.h"
#include "skin/win32/SkinFrame.h"
#include "skin/win32/SkinScrollbar.h"

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
    case SkinnerKind::TSkinScrollbar:
        return TSkinScrollbar::CanSkin(frame.Skin()) ? Make<TSkinScrollbar>(frame, control, window) : nullptr;
    case SkinnerKind::TSkinScrollbarEmbedded:
    case SkinnerKind::TSkinScrollbarSingle:
        return nullptr;  // the program has no such controls; they would keep their native look
    default:
        return nullptr;
    }
}
