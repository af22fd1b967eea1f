#pragma once
#include "base/win32/Handles.h"
#include "gui/WinControl.h"

// A check box or radio button of a foreign control family, whose window
// class bears the family's name ("TRzCheckBox", "TRzRadioButton",
// "TcxCheckBox"). It draws its box natively, or from CustomGlyphs while
// UseCustomGlyphs is set: four cells side by side (unchecked, checked,
// unchecked disabled, checked disabled), TransparentColor left out.
class TGlyphCheckBox : public TWinControl {
public:
    struct Args {
        const wchar_t* ClassName = L"TRzCheckBox";
        TBounds Bounds;
        std::string Caption;
        bool Radio = false;
        bool Checked = false;
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    // A copy of the bitmap is kept; the caller keeps its own.
    void SetCustomGlyphs(HBITMAP glyphs);
    HBITMAP CustomGlyphs() const { return FGlyphs.Get(); }
    bool UseCustomGlyphs() const { return FUseCustomGlyphs; }
    void SetUseCustomGlyphs(bool use);
    COLORREF TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(COLORREF colour);
    // The side of the square box, in pixels.
    static constexpr int kBoxSize = 13;

    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void Toggle();
    void DrawBox(HDC dc, const RECT& box);

    TBitmap FGlyphs;
    bool FUseCustomGlyphs = false;
    COLORREF FTransparentColor = RGB(255, 0, 255);
    bool FRadio = false;
    bool FChecked = false;
};
