#pragma once
#include <string>

#include "gui/Glyph.h"
#include "gui/PressTracker.h"
#include "gui/WinControl.h"

// A button that takes no focus, flat until the pointer is over it. In a
// group (GroupIndex other than 0) a click puts it down and it stays down,
// raising the other buttons of its group on the same parent.
class TSpeedButton : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
        HBITMAP Glyph = nullptr;  // copied; the caller keeps its own
        int NumGlyphs = 1;
        TGlyphLayout GlyphLayout;
        bool Flat = true;
        int GroupIndex = 0;
        bool AllowAllUp = false;
        bool Down = false;
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);

    bool Down() const { return FDown; }
    void SetDown(bool down);
    bool Flat() const { return FFlat; }
    int GroupIndex() const { return FGroupIndex; }
    const TGlyph& Glyph() const { return FGlyph; }
    void SetGlyph(HBITMAP bitmap, int numGlyphs);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    const TGlyphLayout& GlyphLayout() const { return FGlyphLayout; }
    // The pointer is over the button; the left button went down on it and
    // is still over it.
    bool Hot() const { return FTracker.Look().Hot == 0; }
    bool Pressed() const { return FTracker.Look().Pressed == 0; }
    void Click();

    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void RaiseGroupmates();
    TButtonState GlyphState() const;

    TGlyph FGlyph;
    TGlyphLayout FGlyphLayout;
    bool FFlat = true;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FDown = false;
    TPressTracker FTracker{{.OnChange = [this] { Invalidate(); }, .OnClick = [this](int) { Click(); }}};
};
