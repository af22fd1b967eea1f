#pragma once

// The glyph of a bitmap or speed button: one bitmap of NumGlyphs equal cells
// side by side, one per state of the button, and its place beside the
// caption. Win32-free, so the skinners that draw these buttons later lay
// them out the same way.

// The button states a glyph has a cell for, in cell order.
enum class TButtonState { Up, Disabled, Down, Exclusive };

// Where the glyph sits relative to the caption.
enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// The glyph's place beside the caption. Margin is the space between the
// face's edge on the glyph's side and the glyph, -1 to centre glyph and
// caption together; Spacing the space between glyph and caption, -1 to
// centre the caption in the room left. With a margin of -1 too, the face's
// edges, glyph and caption are spread evenly.
struct TGlyphLayout {
    TButtonLayout Layout = TButtonLayout::GlyphLeft;
    int Margin = -1;
    int Spacing = 4;
};

// A glyph has one to four cells; other counts are taken as the nearest.
int ClampNumGlyphs(int numGlyphs);

// The cell drawn for a state, and whether it is drawn greyed because the
// glyph has no cell of its own for a disabled button.
struct TGlyphCell {
    int Index = 0;
    bool Greyed = false;

    bool operator==(const TGlyphCell&) const = default;
};

// A state without its own cell falls back: a button that stays down looks
// pressed, a pressed one looks up, a disabled one is the up cell greyed.
TGlyphCell GlyphCellFor(TButtonState state, int numGlyphs);

struct TExtent {
    int Width = 0;
    int Height = 0;
};

struct TSpot {
    int X = 0;
    int Y = 0;

    bool operator==(const TSpot&) const = default;
};

// Top-left corners of glyph and caption inside the button's face.
struct TGlyphPlacement {
    TSpot Glyph;
    TSpot Caption;

    bool operator==(const TGlyphPlacement&) const = default;
};

// Lays glyph and caption out along the layout's direction and centres both
// across it. An empty glyph or caption takes no spacing; a face too small
// for both starts them at its edge.
TGlyphPlacement PlaceGlyphAndCaption(TExtent face, TExtent glyph, TExtent caption, const TGlyphLayout& layout);
