#pragma once
#include <windows.h>

#include <string>

// How a button's or check box's caption is written.
struct TButtonTextStyle {
    HFONT Font = nullptr;
    COLORREF Colour = 0;
    bool Centred = false;  // across as well as down; else from the left
    bool RightToLeft = false;
};

// Writes the caption into bounds, word-wrapped with tabs expanded, centred
// vertically, without background; returns the rectangle the text takes.
RECT DrawButtonText(HDC dc, const std::wstring& text, const RECT& bounds, const TButtonTextStyle& style);
