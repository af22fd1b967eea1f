#pragma once
#include <windows.h>

#include "skin/control/SkinControl.h"

// Edit boxes with a border: a 1-pixel frame in the skin's button shadow
// colour with two 1-pixel white frames inside it, on the box's non-client
// border. The native border is two pixels deep; the skinner widens it by
// one, so the frames never cover the text.
class TSkinEdit : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The window's client area lies inside a border.
    static bool HasBorder(HWND window);

protected:
    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    int BorderDepth() const override;
    void Draw(TOffscreen& canvas) override;

private:
    void WidenBorder(WPARAM wParam, LPARAM lParam);
};
