#pragma once
// The skin's Buttons element made by hand: each frame of the push button
// and of the check and radio boxes one flat colour but for its magenta
// corners, and a caption colour of its own for each state that has one.
// What a button shows of it is known pixel for pixel.
#include <map>

#include "skin/data/SkinElements.h"
#include "tests/skin/FlatElements.h"

namespace FlatButtons {
// Normal, pressed, disabled, hot, focused: frames 1 to 5.
inline const Pixel kFrames[] = {0x10C020, 0x20B030, 0x30A040, 0x409050, 0x508060};
inline Pixel FrameColour(int frame) { return kFrames[frame - 1]; }
// Unchecked, checked, unchecked disabled, checked disabled: frames 1 to 4.
inline const Pixel kChecks[] = {0xC01020, 0xB02030, 0xA03040, 0x904050};
inline const Pixel kRadios[] = {0xC01080, 0xB02090, 0xA030A0, 0x9040B0};
inline constexpr int kBoxSize = 9;
inline constexpr TColor kNormalText = 0x0000A0, kHotText = 0x0000B0, kPressedText = 0x0000C0;

inline PixelBuffer WithMagentaCorners(PixelBuffer frames, int side) {
    for (int left = 0; left < frames.Width(); left += side)
        for (int x : {left, left + side - 1})
            for (int y : {0, side - 1}) frames.Set(x, y, kMagenta);
    return frames;
}

inline TSkinButtonElement Element() {
    TSkinButtonElement buttons;
    buttons.Image = WithMagentaCorners(FlatFrames({kFrames[0], kFrames[1], kFrames[2], kFrames[3], kFrames[4]}, 3, 3), 3);
    buttons.LeftWidth = buttons.TopHeight = buttons.RightWidth = buttons.BottomHeight = 1;
    buttons.FrameCount = 5;
    buttons.Trans = true;
    buttons.CheckImage =
        WithMagentaCorners(FlatFrames({kChecks[0], kChecks[1], kChecks[2], kChecks[3]}, kBoxSize, kBoxSize), kBoxSize);
    buttons.RadioImage =
        WithMagentaCorners(FlatFrames({kRadios[0], kRadios[1], kRadios[2], kRadios[3]}, kBoxSize, kBoxSize), kBoxSize);
    buttons.CheckFrameCount = buttons.RadioFrameCount = 4;
    buttons.NormalTextColour = kNormalText;
    buttons.MouseOverTextColour = kHotText;
    buttons.PressedTextColour = kPressedText;
    buttons.NormalTextGiven = buttons.MouseOverTextGiven = buttons.PressedTextGiven = true;
    return buttons;
}

inline bool IsCorner(int x, int y, Rect area) {
    bool atSide = x == area.Left || x == area.Left + area.Width - 1;
    return atSide && (y == area.Top || y == area.Top + area.Height - 1);
}

// Pixels of the button's edge within area of shown (its outer 2 pixels,
// which neither caption nor focus rectangle reaches) not in the frame's
// colour; the corners show what lies under and are left out.
inline int EdgeMismatches(const PixelBuffer& shown, Rect area, int frame) {
    int mismatches = 0;
    for (int y = area.Top; y < area.Top + area.Height; ++y)
        for (int x = area.Left; x < area.Left + area.Width; ++x) {
            bool edge = x < area.Left + 2 || y < area.Top + 2 || x >= area.Left + area.Width - 2 ||
                        y >= area.Top + area.Height - 2;
            if (edge && !IsCorner(x, y, area) && shown.At(x, y) != FrameColour(frame)) ++mismatches;
        }
    return mismatches;
}
inline int EdgeMismatches(const PixelBuffer& shown, int frame) {
    return EdgeMismatches(shown, {0, 0, shown.Width(), shown.Height()}, frame);
}

// The colours inside the edge that are not the frame's, by count: the ink
// of the caption, the glyph or the focus rectangle.
inline std::map<Pixel, int> InkColours(const PixelBuffer& shown, int frame) {
    std::map<Pixel, int> colours;
    for (int y = 2; y < shown.Height() - 2; ++y)
        for (int x = 2; x < shown.Width() - 2; ++x)
            if (shown.At(x, y) != FrameColour(frame)) ++colours[shown.At(x, y)];
    return colours;
}
}  // namespace FlatButtons
