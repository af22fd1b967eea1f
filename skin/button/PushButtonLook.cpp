#include "skin/button/PushButtonLook.h"

int PushButtonFrameOf(const PushButtonState& state) {
    if (!state.Enabled) return PushButtonFrame::Disabled;
    if (state.Pressed) return PushButtonFrame::Pressed;
    if (state.Hot) return PushButtonFrame::Hot;
    if (state.Focused || state.Default) return PushButtonFrame::Focused;
    return PushButtonFrame::Normal;
}

TColor PushButtonTextColour(const TSkinButtonElement& buttons, int frame, TColor textColour, TColor disabledColour) {
    switch (frame) {
    case PushButtonFrame::Disabled:
        return disabledColour;
    case PushButtonFrame::Normal:
        return buttons.NormalTextGiven ? buttons.NormalTextColour : textColour;
    case PushButtonFrame::Hot:
        return buttons.MouseOverTextGiven ? buttons.MouseOverTextColour : textColour;
    case PushButtonFrame::Pressed:
        return buttons.PressedTextGiven ? buttons.PressedTextColour : textColour;
    }
    return textColour;
}

std::wstring PushButtonCaption(std::wstring caption) {
    size_t bars = caption.find(L"||");
    if (bars != std::wstring::npos) caption.replace(bars, 2, L"\r\n");
    return caption;
}
