#include "skin/progress/SkinProgress.h"

#include <commctrl.h>

#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"

ProgressState TSkinProgress::ReadState() const {
    PBRANGE range = {};
    SendMessageW(Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    int position = int(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
    bool vertical = (GetWindowLongW(Handle(), GWL_STYLE) & PBS_VERTICAL) != 0;
    return {range.iLow, range.iHigh, position, vertical};
}

void TSkinProgress::Draw(HDC dc, const RECT& area) {
    const TSkinElement* trough = Skin().Progress.get();
    int width = area.right - area.left, height = area.bottom - area.top;
    if (!trough || width <= 0 || height <= 0) return;
    ProgressState state = ReadState();
    TOffscreen picture(width, height);
    picture.Fill(ToColorRef(Skin().Colours.ButtonFace));
    picture.Draw(ComposeElement(trough->Picture(), state.Vertical ? 2 : 1, width, height), 0, 0, trough->Trans);
    if (const TSkinElement* chunk = Skin().Element("Progress.Chunk")) {
        int chunkLength = FrameCell(chunk->Picture(), 1).Width;
        for (Rect piece : ProgressChunks(width, height, state, chunkLength))
            picture.Draw(ComposeElement(chunk->Picture(), 1, piece.Width, piece.Height), piece.Left, piece.Top,
                         chunk->Trans);
    }
    picture.CopyTo(dc, area.left, area.top);
}
