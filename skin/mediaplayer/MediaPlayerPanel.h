#pragma once
#include <windows.h>

#include "gui/MediaPlayer.h"
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
    // The buttons as the skin draws them, over the player's client area.
    void DrawTo(HDC dc);
    // The button under the pointer, and the one held pressed (-1: none).
    int HotButton() const { return FHot; }
    int PressedButton() const { return FPressed; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void Press(int x);
    void Release(int x);
    void MoveOver(int x);
    void SetHot(int button);
    void SetPressed(int button);
    COLORREF GlyphColour(TMPBtnType button, int frame) const;

    TSkinData& FSkin;
    TMediaPlayer& FPlayer;
    int FHot = -1, FPressed = -1;
};
