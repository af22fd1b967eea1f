#pragma once
#include "skin/control/SkinControl.h"
#include "skin/trackbar/TrackThumb.h"

// Track bars: the control paints itself, and while it does, its custom draw
// notifications let the skin draw the channel and the thumb in its place,
// over the skin's button face. The ticks and the focus rectangle stay the
// control's.
class TSkinTrackBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The skin has the channel and the thumb that the bar's window points.
    static bool Serves(const TSkinData& skin, HWND window);

protected:
    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT CustomDraw(NMCUSTOMDRAW& draw) override;

private:
    void DrawChannel(HDC dc, const RECT& channel);
    void DrawThumb(HDC dc, const RECT& nativeThumb, UINT itemState);
};
