#include "skin/panel/SkinSizer.h"

#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

namespace {
// Cells of the Scrollbar element: arrows, thumb grips, then the size grip.
const int kSizeGripFrame = 23;
}

void TSkinSizer::Draw(HDC dc, const RECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    TOffscreen picture(width, height);
    picture.Fill(ToColorRef(Skin().Colours.ButtonFace));
    if (const TSkinElement* parts = Skin().Element("Scrollbar"); parts && parts->FrameCount >= kSizeGripFrame) {
        Rect cell = FrameCell(parts->Picture(), kSizeGripFrame);
        picture.Draw(ComposeElement(parts->Picture(), kSizeGripFrame, cell.Width, cell.Height), width - cell.Width,
                     height - cell.Height, parts->Trans);
    }
    picture.CopyTo(dc, area.left, area.top);
}
