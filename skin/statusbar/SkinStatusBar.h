#pragma once
#include "skin/control/SkinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/statusbar/StatusBarLayout.h"

// Status bars: the skin's bar with a sunken panel for each part (one across
// the bar while it shows its simple text), the texts in the bar's font, and
// the skin's size grip when the bar has one.
class TSkinStatusBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;


protected:
    void Draw(TOffscreen& canvas) override;

private:
    // The parts as the bar's window holds them; the grip as wide as the
    // skin draws it.
    StatusBarParts ReadParts(const TSkinElement& edges) const;
    std::wstring PartText(int part) const;
    void DrawTexts(TOffscreen& picture, const StatusBarLayout& layout);
};
