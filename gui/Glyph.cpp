#include "gui/Glyph.h"

#include "base/win32/Win32Text.h"

namespace {
// Raster operation that paints the selected brush where the source is black
// and keeps the destination where it is white (PSDPxax).
const DWORD kBrushThroughMask = 0x00B8074A;

TBitmap CopyOf(HBITMAP bitmap) {
    return TBitmap(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
}
}  // namespace

TGlyph::TGlyph(HBITMAP bitmap, int numGlyphs) : FNumGlyphs(ClampNumGlyphs(numGlyphs)) {
    if (!bitmap) return;
    FBitmap = CopyOf(bitmap);
    BITMAP info = {};
    if (!FBitmap || !GetObjectW(FBitmap.Get(), sizeof info, &info) || info.bmWidth < FNumGlyphs) {
        FBitmap.Reset();
        return;
    }
    FCell = {info.bmWidth / FNumGlyphs, info.bmHeight};
    TMemoryDC cells(CreateCompatibleDC(nullptr));
    TSelection selected(cells.Get(), FBitmap.Get());
    FTransparent = GetPixel(cells.Get(), 0, info.bmHeight - 1);
}

void TGlyph::Draw(HDC dc, int x, int y, TButtonState state) const {
    if (Empty()) return;
    TGlyphCell cell = GlyphCellFor(state, FNumGlyphs);
    TMemoryDC cells(CreateCompatibleDC(dc));
    TSelection selected(cells.Get(), FBitmap.Get());
    if (cell.Greyed)
        DrawGreyed(dc, cells.Get(), x, y);
    else
        TransparentBlt(dc, x, y, FCell.Width, FCell.Height, cells.Get(), cell.Index * FCell.Width, 0, FCell.Width,
                       FCell.Height, FTransparent);
}

// The up cell's shape, embossed in the system's highlight and shadow colours.
void TGlyph::DrawGreyed(HDC dc, HDC cells, int x, int y) const {
    TMemoryDC maskDC(CreateCompatibleDC(dc));
    TBitmap mask(CreateBitmap(FCell.Width, FCell.Height, 1, 1, nullptr));
    TSelection maskSelected(maskDC.Get(), mask.Get());
    // Colour to monochrome: the transparent colour becomes white, the shape black.
    SetBkColor(cells, FTransparent);
    BitBlt(maskDC.Get(), 0, 0, FCell.Width, FCell.Height, cells, 0, 0, SRCCOPY);
    COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    {
        TSelection brush(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        BitBlt(dc, x + 1, y + 1, FCell.Width, FCell.Height, maskDC.Get(), 0, 0, kBrushThroughMask);
    }
    {
        TSelection brush(dc, GetSysColorBrush(COLOR_BTNSHADOW));
        BitBlt(dc, x, y, FCell.Width, FCell.Height, maskDC.Get(), 0, 0, kBrushThroughMask);
    }
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

void DrawGlyphAndCaption(HDC dc, const RECT& area, const TButtonFace& face) {
    std::wstring caption = Widen(face.Caption);
    TSelection font(dc, face.Font);
    RECT measured = {0, 0, 0, 0};
    if (!caption.empty())
        DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    TExtent faceSize{area.right - area.left, area.bottom - area.top};
    TGlyphPlacement placed =
        PlaceGlyphAndCaption(faceSize, face.Glyph.CellSize(), {measured.right, measured.bottom}, face.Layout);
    face.Glyph.Draw(dc, area.left + placed.Glyph.X, area.top + placed.Glyph.Y, face.State);
    if (caption.empty()) return;
    RECT text = {area.left + placed.Caption.X, area.top + placed.Caption.Y, 0, 0};
    text.right = text.left + measured.right;
    text.bottom = text.top + measured.bottom;
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF previous = GetTextColor(dc);
    if (face.Colour) {
        SetTextColor(dc, *face.Colour);
    } else if (face.State == TButtonState::Disabled) {
        RECT etch = text;
        OffsetRect(&etch, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption.c_str(), int(caption.size()), &etch, DT_SINGLELINE);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE);
    SetTextColor(dc, previous);
    SetBkMode(dc, mode);
}
