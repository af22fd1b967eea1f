#pragma once
#include "skin/checkbox/SkinCheckBox.h"

// Radio buttons: drawn as check boxes are, with the skin's radio image.
// Our framework has none of its own; the skin meets them as bare "button"
// windows of dialogs.
class TSkinRadioButton : public TSkinCheckBox {
public:
    using TSkinCheckBox::TSkinCheckBox;

protected:
    ElementPicture BoxPicture() const override;
};
