#include "gui/MediaPlayer.h"

#include "base/win32/Handles.h"

void TMediaPlayer::Create(TWinControl& parent, const Args& args) {
    FVisible = args.VisibleButtons;
    FEnabledButtons = args.EnabledButtons;
    FColored = args.ColoredButtons;
    CreateChild(parent, {L"TMediaPlayer", nullptr, 0, 0, args.Bounds, CS_HREDRAW | CS_VREDRAW}, false);
    SetEnabled(args.Enabled);
}

bool TMediaPlayer::CanPress(TMPBtnType button) const {
    return FVisible.Has(button) && FEnabledButtons.Has(button) && Enabled();
}

std::vector<TMPButtonCell> TMediaPlayer::Cells() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return MediaPlayerCells(client.right, FVisible);
}

void TMediaPlayer::Click(TMPBtnType button) {
    if (CanPress(button)) CallEvent(OnClick, this, button);
}

LRESULT TMediaPlayer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (FTracker.Track(Handle(), message, wParam, lParam)) return 0;
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    FTracker.Handled(Handle(), message);
    if (message == WM_ENABLE) Invalidate();
    return result;
}

int TMediaPlayer::PressableButtonAt(POINT point) const {
    int button = MediaPlayerButtonAt(Cells(), point.x);
    return button >= 0 && CanPress(TMPBtnType(button)) ? button : -1;
}

void TMediaPlayer::Paint(HDC dc) {
    TWinControl::Paint(dc);
    RECT client;
    GetClientRect(Handle(), &client);
    for (const TMPButtonCell& cell : Cells()) {
        RECT face = {cell.Left, 0, cell.Left + cell.Width, client.bottom};
        bool pressed = FTracker.Look().Pressed == int(cell.Button);
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        if (pressed) OffsetRect(&face, 1, 1);
        COLORREF colour = !CanPress(cell.Button)      ? GetSysColor(COLOR_BTNSHADOW)
                          : FColored.Has(cell.Button) ? COLORREF(MediaPlayerGlyphColour(cell.Button))
                                                      : GetSysColor(COLOR_BTNTEXT);
        DrawMediaPlayerGlyph(dc, face, cell.Button, colour);
    }
}

void DrawMediaPlayerGlyph(HDC dc, const RECT& cell, TMPBtnType button, COLORREF colour) {
    std::string_view glyph = MediaPlayerGlyph(button);
    int left = (cell.left + cell.right - kGlyphWidth) / 2, top = (cell.top + cell.bottom - kGlyphHeight) / 2;
    TBrush brush(CreateSolidBrush(colour));
    for (int y = 0; y < kGlyphHeight; ++y)
        for (int x = 0; x < kGlyphWidth; ++x) {
            if (glyph[y * kGlyphWidth + x] != '#') continue;
            RECT dot = {left + x, top + y, left + x + 1, top + y + 1};
            if (dot.left >= cell.left && dot.right <= cell.right && dot.top >= cell.top && dot.bottom <= cell.bottom)
                FillRect(dc, &dot, brush.Get());
        }
}
