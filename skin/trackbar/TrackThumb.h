#pragma once
#include <string>

#include "skin/draw/PixelBuffer.h"

// What a track bar shows, and which way its thumb points: at the ticks, or
// at neither side when they are on both.
struct TrackState {
    int Min = 0, Max = 10, Position = 0;
    bool Vertical = false;
    bool TicksBothSides = false;
    bool TicksBefore = false;  // above a level bar, left of an upright one
};

// The skin's thumb element for the bar ("Trackbar.ThumbDown"...).
std::string TrackThumbElement(const TrackState& state);

// The channel as it lies on the bar. Some systems give an upright bar's
// channel as if the bar lay level (x and y swapped): a channel wider than
// high on an upright bar, or higher than wide on a level one, is turned.
Rect ChannelAlongBar(Rect channel, bool vertical);

// The thumb of thumbWidth x thumbHeight on the channel: it travels the
// channel's length from end to end as the position goes from Min to Max
// (from the top down when upright), and is centred across on `across`, the
// middle of the control's own thumb. A position outside the range counts as
// its nearest end.
Rect PlaceTrackThumb(Rect channel, int across, int thumbWidth, int thumbHeight, const TrackState& state);

// How the thumb is drawn.
struct TrackThumbLook {
    bool Enabled = true, Pressed = false, Hot = false, Focused = false;
};

// The thumb's frame in its five-state element: disabled 3, pressed 2, under
// the mouse 4, focused 5, else 1.
int TrackThumbFrame(const TrackThumbLook& look);
