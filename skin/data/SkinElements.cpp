#include "skin/data/SkinElements.h"

ElementPicture TSkinElement::Picture() const {
    return {&Image, LeftWidth, TopHeight, RightWidth, BottomHeight, Tile == 1, FrameCount, States, Trans};
}

ElementPicture TSkinButtonElement::CheckPicture() const {
    return {.Image = &CheckImage, .FrameCount = CheckFrameCount, .Transparent = true};
}

ElementPicture TSkinButtonElement::RadioPicture() const {
    return {.Image = &RadioImage, .FrameCount = RadioFrameCount, .Transparent = true};
}

ElementPicture TSkinBorderElement::SecondPicture() const {
    return {.Image = &Image2, .FrameCount = FrameCount, .Transparent = true};
}

ElementPicture TSkinFrameBorder::Picture() const {
    ElementPicture picture{&Image, 0, 0, 0, 0, Stretch == 0, FrameCount, States, Trans};
    // The fixed ends lie along the border's length.
    if (States == StateLayout::Stacked) {
        picture.LeftWidth = TopHeight;
        picture.RightWidth = BottomHeight;
    } else {
        picture.TopHeight = TopHeight;
        picture.BottomHeight = BottomHeight;
    }
    return picture;
}
