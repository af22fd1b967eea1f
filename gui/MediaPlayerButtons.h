#pragma once
#include <bitset>
#include <string_view>
#include <vector>

// The buttons of a media player, in the order it shows them, and where each
// visible one sits. Win32-free, so that the player and the skin's panel over
// it lay the buttons out and draw their glyphs alike.
enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMediaPlayerButtonCount = 9;

// A set of buttons, indexed by TMPBtnType.
class TButtonSet {
public:
    TButtonSet() = default;
    TButtonSet(std::initializer_list<TMPBtnType> buttons);
    static TButtonSet All();

    bool Has(TMPBtnType button) const { return FBits.test(int(button)); }
    void Set(TMPBtnType button, bool present) { FBits.set(int(button), present); }
    bool Empty() const { return FBits.none(); }
    bool operator==(const TButtonSet&) const = default;

private:
    std::bitset<kMediaPlayerButtonCount> FBits;
};

struct TMPButtonCell {
    TMPBtnType Button = TMPBtnType::btPlay;
    int Left = 0, Width = 0;  // each cell takes the player's whole height

    bool operator==(const TMPButtonCell&) const = default;
};

// The visible buttons side by side in button order, sharing the width
// evenly; the pixels that do not share out go to the first buttons.
std::vector<TMPButtonCell> MediaPlayerCells(int width, const TButtonSet& visible);

// The button under x, or none (-1) when x lies outside every cell.
int MediaPlayerButtonAt(const std::vector<TMPButtonCell>& cells, int x);

// The button's glyph, kGlyphHeight rows of kGlyphWidth characters: '#'
// marks a pixel of the glyph.
inline constexpr int kGlyphWidth = 9, kGlyphHeight = 7;
std::string_view MediaPlayerGlyph(TMPBtnType button);

// The glyph's own colour (as 0x00BBGGRR) when the button is a coloured one.
unsigned MediaPlayerGlyphColour(TMPBtnType button);
