#include "skin/checkbox/SkinRadioButton.h"

ElementPicture TSkinRadioButton::BoxPicture() const {
    const TSkinButtonElement& buttons = Skin().Buttons;
    return {.Image = &buttons.RadioImage, .FrameCount = buttons.RadioFrameCount, .Transparent = true};
}
