#pragma once
#include <windows.h>

#include "skin/checkbox/ToggleButtonLook.h"
#include "skin/control/SkinControl.h"

// Check boxes drawn with the skin's check box image. Our TCheckBox is
// painted whole: background, box and caption. A bare window (the check box
// of a dialog) keeps its own picture, caption and all, and the skin's box
// covers the native one. The native control keeps the mouse and the
// keyboard.
class TSkinCheckBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The frame of the box image the control shows now.
    int CurrentFrame() const;

protected:
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool ChangesLook(UINT message) const override;
    void Draw(TOffscreen& canvas) override;
    // The picture of the box in its states.
    virtual ElementPicture BoxPicture() const;

private:
    CheckMark Mark() const;
    void DrawBoxOverNative(TOffscreen& canvas, const ToggleLayout& layout);
    void DrawCaption(TOffscreen& canvas, const ToggleLayout& layout);
};
