#include "skin/tab/SkinTab31.h"

#include "skin/draw/PictureFlip.h"

TabStripLayout TSkinTab31::LayOut(int width, int height, const TabStrip& strip) const {
    return LayOutHangingTabs(width, height, strip);
}

PixelBuffer TSkinTab31::TabPicture(const TabPlace& tab) const { return UpsideDown(TSkinTab::TabPicture(tab)); }
