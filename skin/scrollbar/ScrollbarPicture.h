#pragma once
#include "skin/data/SkinData.h"
#include "skin/scrollbar/ScrollbarLayout.h"

// The skin's elements that draw one kind of scroll bar.
struct ScrollbarElements {
    const TSkinElement* Parts = nullptr;  // "Scrollbar": arrows and grips, 23 frames
    const TSkinElement* Shaft = nullptr;
    const TSkinElement* Thumb = nullptr;
    TColor Face = 0;

    // All three are there, with images: the bar can be drawn from the skin.
    bool Complete() const;
};

ScrollbarElements ScrollbarElementsOf(const TSkinData& skin, ScrollbarKind kind);

// The whole bar as the skin draws it: the button face, the shaft between
// the arrows, the arrows, then the thumb with its grip.
PixelBuffer ComposeScrollbar(const ScrollbarFacts& facts, const ScrollbarLook& look, const ScrollbarElements& elements);
