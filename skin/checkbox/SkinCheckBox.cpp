#include "skin/checkbox/SkinCheckBox.h"

#include <algorithm>

#include "skin/control/ButtonText.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"

namespace {
// Framework notifications after which the box is repainted.
constexpr UINT kButtonPressed = 45083;
constexpr UINT kCheckChanged = 45264;

const int kFocusMargin = 1;
}  // namespace

ElementPicture TSkinCheckBox::BoxPicture() const { return Skin().Buttons.CheckPicture(); }

// The native control draws itself at once on these, not only when painting;
// the press and the check come to it through them as well.
bool TSkinCheckBox::ChangesLook(UINT message) const {
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case kButtonPressed:
    case kCheckChanged:
        return true;
    }
    return TSkinControl::ChangesLook(message);
}

// A click tells the parent from inside the button messages, so they are
// never held; whatever they changed shows after them.
void TSkinCheckBox::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message >= WM_LBUTTONDOWN && message <= WM_LBUTTONDBLCLK) Repaint();
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

CheckMark TSkinCheckBox::Mark() const {
    switch (SendMessageW(Handle(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return CheckMark::Checked;
    case BST_INDETERMINATE:
        return CheckMark::Mixed;
    }
    return CheckMark::Unchecked;
}

int TSkinCheckBox::CurrentFrame() const {
    return ToggleFrame(Mark(), IsWindowEnabled(Handle()), BoxPicture().FrameCount);
}

void TSkinCheckBox::Draw(TOffscreen& canvas) {
    ElementPicture picture = BoxPicture();
    if (picture.Image->Empty() || picture.FrameCount < 1) return;
    int boxWidth = std::max(picture.Image->Width() / picture.FrameCount, 1), boxHeight = picture.Image->Height();
    bool textOnLeft = GetWindowLongW(Handle(), GWL_STYLE) & BS_LEFTTEXT;
    ToggleLayout layout = LayOutToggle(canvas.Width(), canvas.Height(), boxWidth, boxHeight, textOnLeft);
    if (!Control()) {
        DrawBoxOverNative(canvas, layout);
        return;
    }
    PaintBackground(canvas);
    DrawElement(canvas, layout.Box, picture, CurrentFrame());
    DrawCaption(canvas, layout);
}

// Only the box, in the native one's place, on what lies under the control.
void TSkinCheckBox::DrawBoxOverNative(TOffscreen& canvas, const ToggleLayout& layout) {
    TOffscreen box(layout.Box.Width, layout.Box.Height);
    PaintBackground(box, {layout.Box.Left, layout.Box.Top});
    DrawElement(box, {0, 0, layout.Box.Width, layout.Box.Height}, BoxPicture(), CurrentFrame());
    canvas.Draw(box.Pixels(), layout.Box.Left, layout.Box.Top);
}

void TSkinCheckBox::DrawCaption(TOffscreen& canvas, const ToggleLayout& layout) {
    std::wstring caption = Caption();
    bool enabled = IsWindowEnabled(Handle());
    TButtonTextStyle style = {.Font = ControlFont(),
                              .Colour = enabled ? ControlTextColour() : GetSysColor(COLOR_BTNSHADOW),
                              .RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0};
    RECT text = DrawButtonText(canvas.DC(), caption, ToRECT(layout.Text), style);
    if (GetFocus() == Handle() && !caption.empty() && !Skin().Options.test(soNoFocusRect)) {
        InflateRect(&text, kFocusMargin, kFocusMargin);
        DrawFocusRect(canvas.DC(), &text);
    }
}
