#include "skin/draw/PictureFlip.h"

#include <algorithm>

PixelBuffer UpsideDown(const PixelBuffer& picture) {
    PixelBuffer turned(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        std::copy_n(picture.Row(picture.Height() - 1 - y), picture.Width(), turned.Row(y));
    return turned;
}

TurnedElement UpsideDown(const ElementPicture& element, int frame, int width, int height) {
    return {UpsideDown(ComposeElement(element, frame, width, height)), element.Transparent};
}
