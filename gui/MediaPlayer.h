#pragma once
#include <functional>

#include "gui/MediaPlayerButtons.h"
#include "gui/PressTracker.h"
#include "gui/WinControl.h"

class TMediaPlayer;
using TMPNotifyEvent = std::function<void(TMediaPlayer* Sender, TMPBtnType Button)>;

// A row of media player buttons (play, pause, stop...). It plays nothing
// itself: a click on an enabled button is told through OnClick.
// VisibleButtons are shown, EnabledButtons can be pressed, ColoredButtons
// show their glyph in its own colour rather than the text colour.
class TMediaPlayer : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        TButtonSet VisibleButtons = TButtonSet::All();
        TButtonSet EnabledButtons = TButtonSet::All();
        TButtonSet ColoredButtons = TButtonSet::All();
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);

    const TButtonSet& VisibleButtons() const { return FVisible; }
    const TButtonSet& EnabledButtons() const { return FEnabledButtons; }
    const TButtonSet& ColoredButtons() const { return FColored; }
    // The button can be pressed now: visible, enabled, on an enabled player.
    bool CanPress(TMPBtnType button) const;
    std::vector<TMPButtonCell> Cells() const;
    // As a click on the button does, when it can be pressed.
    void Click(TMPBtnType button);
    // The button at a point of the client area that can be pressed, or -1.
    int PressableButtonAt(POINT point) const;

    TMPNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    TButtonSet FVisible, FEnabledButtons, FColored;
    TPressTracker FTracker{{.PartAt = [this](POINT at) { return PressableButtonAt(at); },
                            .OnChange = [this] { Invalidate(); },
                            .OnClick = [this](int button) { Click(TMPBtnType(button)); }}};
};

// The glyph of a player's button in colour, centred in cell and cut to it.
void DrawMediaPlayerGlyph(HDC dc, const RECT& cell, TMPBtnType button, COLORREF colour);
