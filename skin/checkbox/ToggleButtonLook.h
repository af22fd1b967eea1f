#pragma once
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/PixelBuffer.h"

// What a check box or radio button shows in its box.
enum class CheckMark { Unchecked, Checked, Mixed };

// The frame of the skin's check box or radio image. An image of twelve
// frames holds unchecked, checked and mixed boxes, each normal, hot, pressed
// and disabled; any other holds unchecked, checked, unchecked disabled and
// checked disabled (a mixed box shows the last).
int ToggleFrame(CheckMark mark, bool enabled, int frameCount);

// Where box and caption go in a control of the given size: the box at the
// left edge (the right one when the text is on the left), centred
// vertically; the caption beside it, 2 pixels away, over the full height.
struct ToggleLayout {
    Rect Box;
    Rect Text;
};
ToggleLayout LayOutToggle(int width, int height, int boxWidth, int boxHeight, bool textOnLeft);

// The box in the four states of a foreign control's glyph strip, side by
// side: unchecked, checked, unchecked disabled, checked disabled. Empty when
// the picture has no box.
PixelBuffer ToggleGlyphStrip(const ElementPicture& box);
