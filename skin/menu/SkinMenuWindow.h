#pragma once
#include <windows.h>

#include "gui/Subclass.h"
#include "skin/data/SkinData.h"
#include "skin/draw/PixelBuffer.h"

// One open popup menu window (class "#32768") in the skin's look: its
// background is the skin's MenuBackground element, and its owner-drawn items
// take their own background from that picture.
class TSkinMenuWindow : public TSubclass {
public:
    TSkinMenuWindow(TSkinData& skin, bool menuBar);

    TSkinData& Skin() const { return FSkin; }
    // Opened from a menu bar rather than as a context menu.
    bool MenuBar() const { return FMenuBar; }
    // The painted background of the whole window, in window coordinates;
    // empty until the window first paints, or without a MenuBackground.
    const PixelBuffer& Background() const { return FBackground; }
    // The right edge of the background's left strip in the coordinates of
    // an item at `item` in the client area; 0 without a background.
    int StripRight(const RECT& item) const;
    // The same for an item at the client's left edge, before the window is.
    static int StripRight(const TSkinData& skin);

    // The skinned menu window that a device context of an item draws on.
    static TSkinMenuWindow* FromDC(HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static bool HasBackground(const TSkinData& skin);
    void ComposeBackground();
    void PaintBackground(HDC windowDC);
    void PaintClient(HDC dc);

    TSkinData& FSkin;
    bool FMenuBar;
    PixelBuffer FBackground;
};

// The width of the frame a popup menu window draws around its items.
inline constexpr int kMenuWindowFrame = 3;
