#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

// A font as a form definition names it. Handles are made once per distinct
// font and live as long as the program. A face that is not installed gives
// way to one that can show Chinese.
struct TFont {
    std::string Name = "MS Sans Serif";  // GBK
    int Height = -11;                    // negative: character height in pixels
    BYTE Charset = DEFAULT_CHARSET;
    COLORREF Color = CLR_DEFAULT;        // CLR_DEFAULT: the system's text colour
    bool operator==(const TFont&) const = default;

    HFONT Handle() const;
};
