#include "skin/checkbox/SkinRadioButton.h"

ElementPicture TSkinRadioButton::BoxPicture() const { return Skin().Buttons.RadioPicture(); }
