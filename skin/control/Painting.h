#pragma once

// How a skinner's picture reaches the screen. Each way is written once, in
// the skinner base; a skinner only draws. Whichever the way, the native
// picture never reaches the screen before the skin's: what the control
// paints of itself goes to an off-screen canvas first, the skin goes over
// it there, and the canvas is copied once.
enum class TPainting {
    // The skin paints the whole client area, over the skin's button face or
    // the parent's picture; the control's own painting never runs.
    Replaced,
    // The control paints its client area on the canvas, the skin goes over.
    OverNative,
    // As OverNative, while the control's painting hands the skin its parts
    // through custom draw, on the same canvas.
    CustomDraw,
    // The skin draws a part of the control's frame (its border, a scroll
    // bar); the control paints the rest of the window, never that part.
    Border,
    // The skin is the background the window erases to; the window paints
    // its own content over it.
    UnderNative,
    // Windows of the skin's own lie over the control and paint themselves;
    // the control's drawing is kept out from under them.
    Overlay,
};
