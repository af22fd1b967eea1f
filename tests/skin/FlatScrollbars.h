#pragma once
// Scroll bars drawn from flat elements made by the test: the colours a bar
// may show, and what it shows along its length, told by hand.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/skin/FlatElements.h"

// Arrows and grips ("Scrollbar", 23 frames), the shaft (4) and the thumb (3).
inline constexpr Pixel kFlatArrows = 0x20A000, kFlatShaft = 0x40B000, kFlatThumb = 0x60C000;

inline void PutFlatScrollbars(TFlatElements& flat) {
    flat.Put("Scrollbar", kFlatArrows, 23);
    for (const char* name : {"HorzScroll", "VertScroll"}) flat.Put(name, kFlatShaft, 4);
    for (const char* name : {"HorzScrollThumb", "VertScrollThumb"}) flat.Put(name, kFlatThumb, 3);
}

// Every colour of the flat bars, and the face that may show beside them.
inline std::set<Pixel> FlatScrollbarColours(Pixel face) {
    std::set<Pixel> colours = {face};
    for (int frame = 1; frame <= 23; ++frame) colours.insert(FlatColour(kFlatArrows, frame));
    for (int frame = 1; frame <= 4; ++frame) colours.insert(FlatColour(kFlatShaft, frame));
    for (int frame = 1; frame <= 3; ++frame) colours.insert(FlatColour(kFlatThumb, frame));
    return colours;
}

// The frames a bar's parts show.
struct TBarFrames {
    int FirstArrow, Shaft, Thumb, SecondArrow;
};
inline constexpr TBarFrames kUpright = {9, 1, 1, 13}, kLying = {1, 1, 1, 5};

// Colours along a bar as runs, "17 20a009, 60 40b001, ...", which read well
// when they differ.
inline std::string Runs(const std::vector<Pixel>& along) {
    std::string runs;
    for (size_t start = 0, end = 0; start < along.size(); start = end) {
        while (end < along.size() && along[end] == along[start]) ++end;
        char run[32];
        std::snprintf(run, sizeof run, "%s%d %06x", runs.empty() ? "" : ", ", int(end - start), unsigned(along[start]));
        runs += run;
    }
    return runs;
}

// What a bar shows along its length: square arrows at both ends, the thumb
// where the system has it (none when it has none), the shaft between.
inline std::string ExpectedAlong(int length, int thickness, int thumbStart, int thumbEnd, TBarFrames frames) {
    std::vector<Pixel> along(size_t(length), FlatColour(kFlatShaft, frames.Shaft));
    for (int i = std::max(thumbStart, 0); i < std::min(thumbEnd, length); ++i)
        along[size_t(i)] = FlatColour(kFlatThumb, frames.Thumb);
    for (int i = 0; i < thickness; ++i) {
        along[size_t(i)] = FlatColour(kFlatArrows, frames.FirstArrow);
        along[size_t(length - 1 - i)] = FlatColour(kFlatArrows, frames.SecondArrow);
    }
    return Runs(along);
}

// What a bar shown in `bar` (its own pixels) shows along its first line,
// clear of the grip in the middle of its thumb.
inline std::string ShownAlong(const PixelBuffer& bar, bool upright) {
    std::vector<Pixel> along;
    int length = upright ? bar.Height() : bar.Width();
    for (int i = 0; i < length; ++i) along.push_back((upright ? bar.At(0, i) : bar.At(i, 0)) & 0xFFFFFF);
    return Runs(along);
}
