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

void TSkinProgress::Draw(TOffscreen& picture) {
    const TSkinElement* trough = Skin().Progress.get();
    int width = picture.Width(), height = picture.Height();
    ProgressState state = ReadState();
    DrawElement(picture, {0, 0, width, height}, trough->Picture(), state.Vertical ? 2 : 1);
    if (const TSkinElement* chunk = Skin().Element("Progress.Chunk")) {
        int chunkLength = FrameCell(chunk->Picture(), 1).Width;
        for (Rect piece : ProgressChunks(width, height, state, chunkLength))
            DrawElement(picture, piece, chunk->Picture(), 1);
    }
}
