#include "skin/mediaplayer/MediaPlayerPanel.h"

#include <windowsx.h>

#include "base/win32/User32Extras.h"
#include "skin/button/PushButtonLook.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

TMediaPlayerPanel::TMediaPlayerPanel(TSkinData& skin, TMediaPlayer& player) : FSkin(skin), FPlayer(player) {}

void TMediaPlayerPanel::Follow() {
    RECT client;
    GetClientRect(FPlayer.Handle(), &client);
    if (!Handle())
        CreateOverlay(FPlayer.Handle(), {L"TMediaPlayerPanel", nullptr, 0, 0, {0, 0, client.right, client.bottom}});
    SetWindowPos(Handle(), HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void TMediaPlayerPanel::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void TMediaPlayerPanel::Paint(HDC dc) { DrawTo(dc); }

void TMediaPlayerPanel::DrawTo(HDC dc) {
    RECT client;
    GetClientRect(FPlayer.Handle(), &client);
    const TSkinButtonElement& buttons = FSkin.Buttons;
    if (client.right <= 0 || client.bottom <= 0 || buttons.Image.Empty()) return;
    TOffscreen canvas(client.right, client.bottom);
    canvas.Fill(ToColorRef(FSkin.Colours.ButtonFace));
    for (const TMPButtonCell& cell : FPlayer.Cells()) {
        if (cell.Width <= 0) continue;
        bool enabled = FPlayer.CanPress(cell.Button);
        int frame = PushButtonFrameOf(
            {.Enabled = enabled, .Pressed = FPressed == int(cell.Button), .Hot = FHot == int(cell.Button)});
        DrawElement(canvas, {cell.Left, 0, cell.Width, int(client.bottom)}, buttons.Picture(), frame);
        RECT face = {cell.Left, 0, cell.Left + cell.Width, client.bottom};
        DrawMediaPlayerGlyph(canvas.DC(), face, cell.Button, GlyphColour(cell.Button, frame));
    }
    canvas.CopyTo(dc, 0, 0);
}

// A coloured button keeps its glyph's own colour; the others follow the
// skin's caption colour for the frame.
COLORREF TMediaPlayerPanel::GlyphColour(TMPBtnType button, int frame) const {
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (!FPlayer.CanPress(button)) return shadow;
    if (FPlayer.ColoredButtons().Has(button)) return COLORREF(MediaPlayerGlyphColour(button));
    return ToColorRef(PushButtonTextColour(FSkin.Buttons, frame, FSkin.Colours.ButtonText, TColor(shadow)));
}

LRESULT TMediaPlayerPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(GET_X_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            Release(GET_X_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            MoveOver(GET_X_LPARAM(lParam));
            return 0;
        case WM_MOUSELEAVE:
            SetHot(-1);
            return 0;
        case WM_CAPTURECHANGED:
            SetPressed(-1);
            return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void TMediaPlayerPanel::Press(int x) {
    int button = MediaPlayerButtonAt(FPlayer.Cells(), x);
    if (button < 0 || !FPlayer.CanPress(TMPBtnType(button))) return;
    SetCapture(Handle());
    SetPressed(button);
}

// The click is the player's only when the button is let go over the one
// pressed.
void TMediaPlayerPanel::Release(int x) {
    int pressed = FPressed;
    if (GetCapture() == Handle()) ReleaseCapture();
    SetPressed(-1);
    if (pressed >= 0 && MediaPlayerButtonAt(FPlayer.Cells(), x) == pressed) FPlayer.Click(TMPBtnType(pressed));
}

void TMediaPlayerPanel::MoveOver(int x) {
    int button = MediaPlayerButtonAt(FPlayer.Cells(), x);
    if (button >= 0 && !FPlayer.CanPress(TMPBtnType(button))) button = -1;
    if (button >= 0 && FHot < 0 && User32Extras().TrackMouseEvent) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        User32Extras().TrackMouseEvent(&leave);
    }
    SetHot(button);
}

void TMediaPlayerPanel::SetHot(int button) {
    if (FHot == button) return;
    FHot = button;
    Invalidate();
}

void TMediaPlayerPanel::SetPressed(int button) {
    if (FPressed == button) return;
    FPressed = button;
    Invalidate();
}
