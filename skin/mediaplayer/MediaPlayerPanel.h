#pragma once
#include <windows.h>

#include "gui/MediaPlayer.h"
#include "gui/PressTracker.h"
#include "gui/WinControl.h"
#include "skin/data/SkinData.h"

// A window of the skin's own over a media player's whole client area that
// shows each visible button as the skin's push button with the player's
// glyph on it. It takes the mouse in the player's place: a button it shows
// hot and pressed, and a click on an enabled one goes to the player.
class TMediaPlayerPanel : public TWinControl {
public:
    TMediaPlayerPanel(TSkinData& skin, TMediaPlayer& player);

    // Takes the player's size again and shows, making the window the first
    // time.
    void Follow();
    void Hide();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    COLORREF GlyphColour(TMPBtnType button, int frame) const;

    TSkinData& FSkin;
    TMediaPlayer& FPlayer;
    TPressTracker FTracker;
};
