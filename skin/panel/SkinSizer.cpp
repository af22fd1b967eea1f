#include "skin/panel/SkinSizer.h"

#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

namespace {
// Cells of the Scrollbar element: arrows, thumb grips, then the size grip.
const int kSizeGripFrame = 23;
}

void TSkinSizer::Draw(TOffscreen& picture) {
    int width = picture.Width(), height = picture.Height();
    if (const TSkinElement* parts = Skin().Element("Scrollbar"); parts && parts->FrameCount >= kSizeGripFrame) {
        Rect cell = FrameCell(parts->Picture(), kSizeGripFrame);
        DrawElement(picture, {width - cell.Width, height - cell.Height, cell.Width, cell.Height}, parts->Picture(),
                    kSizeGripFrame);
    }
}
