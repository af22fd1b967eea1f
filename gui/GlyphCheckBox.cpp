#include "gui/GlyphCheckBox.h"

#include "base/win32/Win32Text.h"

void TGlyphCheckBox::Create(TWinControl& parent, const Args& args) {
    FRadio = args.Radio;
    FChecked = args.Checked;
    CreateChild(parent, {args.ClassName, nullptr, WS_TABSTOP, 0, args.Bounds, CS_HREDRAW | CS_VREDRAW}, false);
    SetText(args.Caption);
    SetEnabled(args.Enabled);
}

void TGlyphCheckBox::SetChecked(bool checked) {
    FChecked = checked;
    Invalidate();
}

void TGlyphCheckBox::SetCustomGlyphs(HBITMAP glyphs) {
    FGlyphs = TBitmap(glyphs ? HBITMAP(CopyImage(glyphs, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    Invalidate();
}

void TGlyphCheckBox::SetUseCustomGlyphs(bool use) {
    FUseCustomGlyphs = use;
    Invalidate();
}

void TGlyphCheckBox::SetTransparentColor(COLORREF colour) {
    FTransparentColor = colour;
    Invalidate();
}

// A radio button is only ever checked by a click; a check box flips.
void TGlyphCheckBox::Toggle() {
    SetChecked(FRadio || !FChecked);
    CallEvent(OnClick, this);
}

LRESULT TGlyphCheckBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus();
        return 0;
    case WM_LBUTTONUP:
        Toggle();
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) Toggle();
        break;
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    }
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    // Focus, enabling and the caption all show in the picture.
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_ENABLE || message == WM_SETTEXT)
        Invalidate();
    return result;
}

void TGlyphCheckBox::Paint(HDC dc) {
    TWinControl::Paint(dc);
    RECT client;
    GetClientRect(Handle(), &client);
    int top = (client.bottom - kBoxSize) / 2;
    RECT box = {0, top, kBoxSize, top + kBoxSize};
    DrawBox(dc, box);
    RECT text = {kBoxSize + 4, 0, client.right, client.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TSelection font(dc, Font().Handle());
    std::wstring caption = Widen(Text());
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
    if (GetFocus() == Handle()) DrawFocusRect(dc, &text);
}

void TGlyphCheckBox::DrawBox(HDC dc, const RECT& box) {
    BITMAP glyphs = {};
    if (!FUseCustomGlyphs || !FGlyphs.Get() || !GetObjectW(FGlyphs.Get(), sizeof glyphs, &glyphs) ||
        glyphs.bmWidth < 4) {
        UINT state = (FRadio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (FChecked ? DFCS_CHECKED : 0) |
                     (Enabled() ? 0 : DFCS_INACTIVE);
        RECT face = box;
        DrawFrameControl(dc, &face, DFC_BUTTON, state);
        return;
    }
    int cellWidth = glyphs.bmWidth / 4, cell = (FChecked ? 1 : 0) + (Enabled() ? 0 : 2);
    TMemoryDC source(CreateCompatibleDC(dc));
    TSelection picked(source.Get(), FGlyphs.Get());
    int top = (box.top + box.bottom - glyphs.bmHeight) / 2;
    TransparentBlt(dc, box.left, top, cellWidth, glyphs.bmHeight, source.Get(), cell * cellWidth, 0, cellWidth,
                   glyphs.bmHeight, FTransparentColor);
}
