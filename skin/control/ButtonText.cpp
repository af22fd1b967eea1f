#include "skin/control/ButtonText.h"

#include "base/win32/Handles.h"

RECT DrawButtonText(HDC dc, const std::wstring& text, const RECT& bounds, const TButtonTextStyle& style) {
    TSavedDC saved(dc);
    SelectObject(dc, style.Font);
    SetTextColor(dc, style.Colour);
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_WORDBREAK | DT_EXPANDTABS | (style.Centred ? DT_CENTER : DT_LEFT) |
                  (style.RightToLeft ? DT_RTLREADING : 0);
    RECT measured = bounds;
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, format | DT_CALCRECT);
    int width = measured.right - measured.left, height = measured.bottom - measured.top;
    int top = bounds.top + (bounds.bottom - bounds.top - height) / 2;
    // Drawn across the whole width the text was measured in, so its lines
    // break where they were measured.
    RECT lines = {bounds.left, top, bounds.right, top + height};
    DrawTextW(dc, text.c_str(), int(text.size()), &lines, format);
    int left = style.Centred ? bounds.left + (bounds.right - bounds.left - width) / 2 : bounds.left;
    return {left, top, left + width, top + height};
}
