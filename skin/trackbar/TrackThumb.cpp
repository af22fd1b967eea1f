#include "skin/trackbar/TrackThumb.h"

#include "skin/scrollbar/RangeShare.h"

std::string TrackThumbElement(const TrackState& state) {
    if (state.Vertical)
        return state.TicksBothSides ? "Trackbar.ThumbVert"
               : state.TicksBefore  ? "Trackbar.ThumbLeft"
                                    : "Trackbar.ThumbRight";
    return state.TicksBothSides ? "Trackbar.ThumbHorz" : state.TicksBefore ? "Trackbar.ThumbUp" : "Trackbar.ThumbDown";
}

Rect ChannelAlongBar(Rect channel, bool vertical) {
    bool level = channel.Width > channel.Height;
    if (level == vertical && channel.Width != channel.Height)
        return {channel.Top, channel.Left, channel.Height, channel.Width};
    return channel;
}

Rect PlaceTrackThumb(Rect channel, int across, int thumbWidth, int thumbHeight, const TrackState& state) {
    if (state.Vertical) {
        int top = channel.Top + RangeShare(channel.Height - thumbHeight, state.Min, state.Max, state.Position);
        return {across - thumbWidth / 2, top, thumbWidth, thumbHeight};
    }
    int left = channel.Left + RangeShare(channel.Width - thumbWidth, state.Min, state.Max, state.Position);
    return {left, across - thumbHeight / 2, thumbWidth, thumbHeight};
}

int TrackThumbFrame(const TrackThumbLook& look) {
    if (!look.Enabled) return 3;
    if (look.Pressed) return 2;
    if (look.Hot) return 4;
    return look.Focused ? 5 : 1;
}
