#include "skin/frame/CaptionButton.h"

#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/CaptionButtons.h"
#include "skin/frame/SkinFrame.h"

TCaptionButton::TCaptionButton(TSkinFrame& frame, const TSkinSysButtonElement& element)
    : TNCObject(frame.CurrentObject()), FFrame(frame), FElement(element) {}

void TCaptionButton::Paint() { FFrame.PaintCaption(); }

void TCaptionButton::Draw(TOffscreen& caption, int captionLeft) const {
    if (!Visible || Bounds.Empty()) return;
    int x = Bounds.Left - captionLeft, y = Bounds.Top;
    if (DrawsWindowIcon(FElement)) {
        const PixelBuffer& icon = FFrame.SmallIcon();
        DrawElement(caption,
                    {x + (Bounds.Width - icon.Width()) / 2, y + (Bounds.Height - icon.Height()) / 2, icon.Width(),
                     icon.Height()},
                    KeyedPicture(icon), 1);
        return;
    }
    int frame = CaptionButtonFrame(FElement, CurrentState, Enabled);
    DrawElement(caption, {x, y, Bounds.Width, Bounds.Height}, FElement.Picture(), frame);
}
