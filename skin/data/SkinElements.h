#pragma once
#include <string>

#include "skin/draw/ElementDrawing.h"
#include "skin/draw/PixelBuffer.h"
#include "skin/stream/SkinIni.h"

// "No colour" in colour fields that the skin may leave unset.
inline constexpr TColor kNoColor = 0x1FFFFFFF;

// An image cut into FrameCount equal states side by side, with margins that
// are not stretched. Owned by the TSkinData that loaded it.
class TSkinElement {
public:
    virtual ~TSkinElement() = default;

    ElementPicture Picture() const;

    std::string Name;
    PixelBuffer Image;
    int LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
    bool Trans = false;
    int Tile = 0;  // 0 stretch, 1 tile
    int FrameCount = 1;
    int Style = 0;
    StateLayout States = StateLayout::SideBySide;
    // Indexes into the skin's indexed colour table; -1 for none.
    int NormalColour = -1, MouseOverColour = -1, PressedColour = -1;
    TColor NormalTextColour = 0, MouseOverTextColour = 0, PressedTextColour = 0;
};

// An element with a second image: the border of tab panes, the glyph of
// up-down buttons.
class TSkinBorderElement : public TSkinElement {
public:
    // The second image, cut into the element's frames: a glyph, which shows
    // over the first without its magenta.
    ElementPicture SecondPicture() const;

    PixelBuffer Image2;
};

// The push button, with the images of check boxes and radio buttons.
class TSkinButtonElement : public TSkinElement {
public:
    // A box in each frame, drawn whole; its magenta is always left out.
    ElementPicture CheckPicture() const;
    ElementPicture RadioPicture() const;

    PixelBuffer CheckImage, RadioImage;
    int CheckFrameCount = 0, RadioFrameCount = 0;
    bool NormalTextGiven = false, MouseOverTextGiven = false, PressedTextGiven = false;
};

// Caption settings; the image is the text background (active, inactive).
class TSkinTitleElement : public TSkinElement {
public:
    int TextShift = 0, TextShiftVert = 0, TextRightClip = 0, TextAlignment = 0;
    int TextBackground = 0, FontHeight = 14, TextBackLeft = 0, TextBackRight = 0;
    TColor ActiveTextColour = kNoColor, InactiveTextColour = kNoColor;
};

// One caption button.
class TSkinSysButtonElement : public TSkinElement {
public:
    int Action = 0, Align = 0, XCoord = 0, YCoord = 0, CombineOp = -1;
    int Visibility = 0, Visibility1 = 0;
};

// The group box caption.
class TSkinBoxLabelElement : public TSkinElement {
public:
    int BackgroundAlignment = 0, BackgroundLeftShift = 0, BackgroundRightShift = 0;
};

// One of the four window borders. Side borders hold their states side by
// side with fixed parts at the top and bottom; the top and bottom borders
// hold them one above the other with fixed parts at the left and right.
class TSkinFrameBorder {
public:
    ElementPicture Picture() const;

    PixelBuffer Image;
    int TopHeight = 0, BottomHeight = 0;
    int FrameCount = 1;
    int Stretch = 1;
    bool Trans = true;
    StateLayout States = StateLayout::SideBySide;
};
