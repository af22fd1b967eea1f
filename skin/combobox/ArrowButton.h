#pragma once
#include <windows.h>

#include "gui/PressTracker.h"
#include "gui/WinControl.h"
#include "skin/combobox/ComboBoxLayout.h"
#include "skin/data/SkinData.h"

// A window of the skin's own over the drop-down button of a date picker,
// inside the picker, that shows the skin's combo arrow in the picker's
// state: normal, hot, pressed (the calendar open), disabled. A press goes
// on to the picker at the same point, so that it opens its calendar itself.
class TArrowButton : public TWinControl {
public:
    TArrowButton(const TSkinData& skin, HWND picker);

    // Takes the button's place in the picker again, shows and repaints.
    void Follow();
    void Hide();
    void Repaint();
    ComboCondition Condition() const;
    // Where the button lies in the picker's client area.
    Rect Bounds() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void PassToPicker(UINT message, WPARAM wParam, LPARAM lParam);

    const TSkinData& FSkin;
    HWND FPicker;
    // The press is the picker's.
    TPressTracker FTracker{{.OnChange = [this] { Repaint(); }, .Mode = TPressTracker::TMode::Follows}};
};
