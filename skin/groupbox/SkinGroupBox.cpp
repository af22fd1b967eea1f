#include "skin/groupbox/SkinGroupBox.h"

#include "base/win32/Handles.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
#include "skin/groupbox/GroupBoxLayout.h"

namespace {
const int kCornerSize = 5;

SIZE TextExtent(HDC dc, const std::wstring& text, UINT format) {
    RECT bounds = {};
    DrawTextW(dc, text.c_str(), int(text.size()), &bounds, format | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace

COLORREF TSkinGroupBox::CaptionColor() const {
    COLORREF color = Control() ? Control()->Font().Color : CLR_DEFAULT;
    return color == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : color;
}

// A framework group box is drawn whole. A bare one keeps its interior as it
// painted it, where the dialog's controls inside it lie as its siblings.
void TSkinGroupBox::Draw(TOffscreen& picture) {
    int width = picture.Width(), height = picture.Height();
    TSkinGdi& gdi = SkinGdiOf(Skin());
    PixelBuffer interior = picture.Pixels();
    picture.Fill(ToColorRef(Skin().Colours.ButtonFace));
    HDC canvas = picture.DC();
    TSelection fontSelection(canvas, ControlFont());
    // A framework caption is plain text, as the control draws it; a
    // dialog's marks its access key with "&".
    UINT format = DT_SINGLELINE | (Control() ? DT_NOPREFIX : 0);
    std::wstring caption = Caption();
    SIZE zero = TextExtent(canvas, L"0", format);
    SIZE extent = caption.empty() ? SIZE{} : TextExtent(canvas, caption, format);
    bool rightAligned = GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT;
    GroupBoxLayout layout = LayoutGroupBox({width, height}, {int(extent.cx), int(extent.cy)}, zero.cy, rightAligned);

    TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(Skin().Colours.ButtonShadow)));
    {
        TSelection penSelection(canvas, pen.Get());
        TSelection brushSelection(canvas, GetStockObject(NULL_BRUSH));
        RECT frame = ToRECT(layout.Frame);
        RoundRect(canvas, frame.left, frame.top, frame.right, frame.bottom, kCornerSize, kCornerSize);
    }
    if (!layout.Caption.Empty()) {
        RECT text = ToRECT(layout.Caption);
        FillRect(canvas, &text, gdi.ButtonFaceBrush());
        SetBkMode(canvas, TRANSPARENT);
        SetTextColor(canvas, CaptionColor());
        DrawTextW(canvas, caption.c_str(), int(caption.size()), &text, format);
    }

    if (Control()) return;
    Rect inside = layout.Interior;
    picture.Draw(interior.Crop(inside), inside.Left, inside.Top);
}
