#pragma once
#include <windows.h>

#include "skin/checkbox/ToggleButtonLook.h"
#include "skin/control/SkinControl.h"

// Check boxes drawn with the skin's check box image. Our TCheckBox is
// painted whole: background, box and caption. A bare window (the check box
// of a dialog) paints itself natively first, and the skin's box then covers
// the native one. The native control keeps the mouse and the keyboard.
class TSkinCheckBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;

    // The frame of the box image the control shows now.
    int CurrentFrame() const;

protected:
    // The picture of the box in its states.
    virtual ElementPicture BoxPicture() const;

private:
    CheckMark Mark() const;
    void DrawBoxOnly(HDC dc, const RECT& area, const ToggleLayout& layout, const PixelBuffer& box);
    void DrawWhole(HDC dc, const RECT& area, const ToggleLayout& layout, const PixelBuffer& box);
};
