#include "skin/mediaplayer/MediaPlayerPanel.h"

#include "skin/button/PushButtonLook.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

TMediaPlayerPanel::TMediaPlayerPanel(TSkinData& skin, TMediaPlayer& player)
    : FSkin(skin),
      FPlayer(player),
      FTracker({.PartAt = [this](POINT at) { return FPlayer.PressableButtonAt(at); },
                .OnChange = [this] { Invalidate(); },
                .OnClick = [this](int button) { FPlayer.Click(TMPBtnType(button)); }}) {}

void TMediaPlayerPanel::Follow() {
    RECT client;
    GetClientRect(FPlayer.Handle(), &client);
    if (!Handle())
        CreateOverlay(FPlayer.Handle(), {L"TMediaPlayerPanel", nullptr, 0, 0, {0, 0, client.right, client.bottom}});
    SetWindowPos(Handle(), HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void TMediaPlayerPanel::Hide() {
    FTracker.Cancel();
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void TMediaPlayerPanel::Paint(HDC dc) {
    RECT client;
    GetClientRect(FPlayer.Handle(), &client);
    const TSkinButtonElement& buttons = FSkin.Buttons;
    if (client.right <= 0 || client.bottom <= 0 || buttons.Image.Empty()) return;
    TOffscreen canvas(client.right, client.bottom);
    canvas.Fill(ToColorRef(FSkin.Colours.ButtonFace));
    TPressLook look = FTracker.Look();
    for (const TMPButtonCell& cell : FPlayer.Cells()) {
        if (cell.Width <= 0) continue;
        int frame = PushButtonFrameOf({.Enabled = FPlayer.CanPress(cell.Button),
                                       .Pressed = look.Pressed == int(cell.Button),
                                       .Hot = look.Hot == int(cell.Button)});
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
    if (message == WM_ERASEBKGND) return 1;
    if (FTracker.Track(Handle(), message, wParam, lParam)) return 0;
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    FTracker.Handled(Handle(), message);
    return result;
}
