#pragma once
#include "skin/tab/SkinTab.h"

// Tab sets: their tabs hang below a strip of pane at the foot of the
// control, drawn as the tab control's turned upside down.
class TSkinTab31 : public TSkinTab {
public:
    using TSkinTab::TSkinTab;

protected:
    SkinnerKind Kind() const override { return SkinnerKind::TSkinTab31; }
    TabStripLayout LayOut(int width, int height, const TabStrip& strip) const override;
    void DrawTab(TOffscreen& picture, const TabPlace& tab) const override;
};
