#include "skin/tab/SkinTab31.h"

#include "skin/draw/PictureFlip.h"

TabStripLayout TSkinTab31::LayOut(int width, int height, const TabStrip& strip) const {
    return LayOutHangingTabs(width, height, strip);
}

// The tab as the tab control draws it, turned over whole.
void TSkinTab31::DrawTab(TOffscreen& picture, const TabPlace& tab) const {
    TurnedElement hanging = UpsideDown(Skin().Tabs->Picture(), tab.Frame, tab.Area.Width, tab.Area.Height);
    DrawElement(picture, tab.Area, hanging.Picture(), 1);
}
