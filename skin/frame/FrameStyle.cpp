#include "skin/frame/FrameStyle.h"

#include "skin/data/TextCase.h"

namespace {

bool Has(uint32_t style, uint32_t bits) { return (style & bits) == bits; }

bool IsStandardDialogClass(const std::string& className) {
    // Window classes are named without regard to letter case.
    std::string lower = LowerCaseGbk(className);
    return lower == "#32770" || lower == "tmessageform";
}

BorderKind BorderOf(const FrameStyleSnapshot& snapshot, bool standardDialog) {
    // Without a title bar there is nothing to put a skin caption on, even
    // for a dialog box.
    if (!Has(snapshot.Style, WindowStyleBits::Caption)) return BorderKind::NoCaption;
    if (standardDialog || Has(snapshot.Style, WindowStyleBits::ModalFrame) ||
        Has(snapshot.ExStyle, ExtendedStyleBits::DialogModalFrame))
        return BorderKind::Dialog;
    if (Has(snapshot.Style, WindowStyleBits::ThickFrame)) return BorderKind::Sizable;
    return BorderKind::Single;
}

}  // namespace

FrameFlags ReadFrameFlags(const FrameStyleSnapshot& snapshot) {
    FrameFlags flags;
    uint32_t style = snapshot.Style;
    flags.RightToLeft = Has(snapshot.ExStyle, ExtendedStyleBits::LeftScrollBar);
    flags.Child = Has(style, WindowStyleBits::Child);
    flags.Popup = Has(style, WindowStyleBits::Popup);
    flags.Sizable = Has(style, WindowStyleBits::ThickFrame);
    flags.SystemMenu = Has(style, WindowStyleBits::SystemMenu);
    flags.MinimiseBox = Has(style, WindowStyleBits::MinimiseBox);
    flags.MaximiseBox = Has(style, WindowStyleBits::MaximiseBox);
    flags.FrameworkForm = snapshot.FrameworkForm;
    flags.StandardDialogClass = IsStandardDialogClass(snapshot.ClassName);
    flags.Border = BorderOf(snapshot, flags.StandardDialogClass);
    return flags;
}

WindowState WindowStateFromShowCommand(int showCommand) {
    switch (showCommand) {
    case 2:
    case 6:
    case 7:
        return WindowState::Minimised;
    case 3:
        return WindowState::Maximised;
    default:
        return WindowState::Normal;
    }
}

WindowState WindowStateFromSizeKind(int sizeKind) {
    if (sizeKind == 1) return WindowState::Minimised;
    if (sizeKind == 2) return WindowState::Maximised;
    return WindowState::Normal;
}
