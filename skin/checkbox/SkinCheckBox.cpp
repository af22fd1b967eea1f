#include "skin/checkbox/SkinCheckBox.h"

#include <algorithm>

#include "skin/control/ButtonText.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

namespace {
// Framework notifications after which the box is repainted.
constexpr UINT kButtonPressed = 45083;
constexpr UINT kCheckChanged = 45264;

const int kFocusMargin = 1;
}  // namespace

ElementPicture TSkinCheckBox::BoxPicture() const {
    const TSkinButtonElement& buttons = Skin().Buttons;
    return {.Image = &buttons.CheckImage, .FrameCount = buttons.CheckFrameCount, .Transparent = true};
}

bool TSkinCheckBox::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
        if (!Control()) break;  // the native painting first, the box after
        PaintForMessage(wParam);
        result = 0;
        return false;
    case WM_PRINTCLIENT:
        if (!Control()) break;
        PaintWindow(reinterpret_cast<HDC>(wParam));
        result = 0;
        return false;
    case WM_ERASEBKGND:
        if (ShowsParentBackground()) {
            PaintParentBackground(reinterpret_cast<HDC>(wParam));
        } else if (!Control()) {
            break;
        }
        result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

void TSkinCheckBox::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PRINTCLIENT:
        PaintWindow(reinterpret_cast<HDC>(wParam));
        break;
    // The native control draws itself at once on these, not only when painting.
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case kButtonPressed:
    case kCheckChanged:
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message, wParam, lParam, result);
    }
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

void TSkinCheckBox::Draw(HDC dc, const RECT& area) {
    ElementPicture picture = BoxPicture();
    if (picture.Image->Empty() || picture.FrameCount < 1) return;
    int boxWidth = std::max(picture.Image->Width() / picture.FrameCount, 1), boxHeight = picture.Image->Height();
    bool textOnLeft = GetWindowLongW(Handle(), GWL_STYLE) & BS_LEFTTEXT;
    ToggleLayout layout =
        LayOutToggle(area.right - area.left, area.bottom - area.top, boxWidth, boxHeight, textOnLeft);
    PixelBuffer box = ComposeElement(picture, CurrentFrame(), boxWidth, boxHeight);
    if (Control())
        DrawWhole(dc, area, layout, box);
    else
        DrawBoxOnly(dc, area, layout, box);
}

// Over the native box, in the same place.
void TSkinCheckBox::DrawBoxOnly(HDC dc, const RECT& area, const ToggleLayout& layout, const PixelBuffer& box) {
    TOffscreen& canvas = Offscreen(box.Width(), box.Height());
    PaintBackground(canvas, {layout.Box.Left, layout.Box.Top});
    canvas.Draw(box, 0, 0, true);
    canvas.CopyTo(dc, area.left + layout.Box.Left, area.top + layout.Box.Top);
}

void TSkinCheckBox::DrawWhole(HDC dc, const RECT& area, const ToggleLayout& layout, const PixelBuffer& box) {
    TOffscreen& canvas = Offscreen(area.right - area.left, area.bottom - area.top);
    PaintBackground(canvas, {0, 0});
    canvas.Draw(box, layout.Box.Left, layout.Box.Top, true);
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
    canvas.CopyTo(dc, area.left, area.top);
}
