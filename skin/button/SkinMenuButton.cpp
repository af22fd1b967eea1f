#include "skin/button/SkinMenuButton.h"

#include "gui/WinControl.h"
#include "skin/button/MenuButtonLayout.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"

namespace {
// The arrow in the caption's colour, row by row to its tip.
void DrawArrow(HDC dc, const Rect& arrow, COLORREF colour) {
    for (int row = 0; row < arrow.Height; ++row) {
        ArrowRow span = MenuArrowRow(row);
        RECT line = {arrow.Left + span.First, arrow.Top + row, arrow.Left + span.Last + 1, arrow.Top + row + 1};
        FillRect(dc, &line, SolidBrush(colour));
    }
}
}  // namespace

void TSkinMenuButton::DrawFace(TOffscreen& canvas, int frame, bool focused) {
    RECT bounds = FaceBounds(canvas);
    MenuButtonParts parts = LayOutMenuButton(canvas.Width(), canvas.Height(), bounds.left);
    DrawCaption(canvas, frame, focused, ToRECT(parts.Caption));
    if (!parts.Arrow.Empty()) DrawArrow(canvas.DC(), parts.Arrow, CaptionColour(frame));
}
