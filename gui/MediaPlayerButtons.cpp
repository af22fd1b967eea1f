#include "gui/MediaPlayerButtons.h"

#include <array>

TButtonSet::TButtonSet(std::initializer_list<TMPBtnType> buttons) {
    for (TMPBtnType button : buttons) Set(button, true);
}

TButtonSet TButtonSet::All() {
    TButtonSet all;
    all.FBits.set();
    return all;
}

std::vector<TMPButtonCell> MediaPlayerCells(int width, const TButtonSet& visible) {
    std::vector<TMPButtonCell> cells;
    for (int i = 0; i < kMediaPlayerButtonCount; ++i)
        if (visible.Has(TMPBtnType(i))) cells.push_back({.Button = TMPBtnType(i)});
    if (cells.empty() || width <= 0) return {};
    int count = int(cells.size()), share = width / count, leftOver = width % count, left = 0;
    for (int i = 0; i < count; ++i) {
        cells[i].Left = left;
        cells[i].Width = share + (i < leftOver ? 1 : 0);
        left += cells[i].Width;
    }
    return cells;
}

int MediaPlayerButtonAt(const std::vector<TMPButtonCell>& cells, int x) {
    for (const TMPButtonCell& cell : cells)
        if (x >= cell.Left && x < cell.Left + cell.Width && cell.Width > 0) return int(cell.Button);
    return -1;
}

namespace {
// Rows joined, kGlyphWidth characters each.
constexpr std::array<std::string_view, kMediaPlayerButtonCount> kGlyphs = {
    // play
    "  #      "
    "  ##     "
    "  ###    "
    "  ####   "
    "  ###    "
    "  ##     "
    "  #      ",
    // pause
    "  ## ##  "
    "  ## ##  "
    "  ## ##  "
    "  ## ##  "
    "  ## ##  "
    "  ## ##  "
    "  ## ##  ",
    // stop
    "         "
    "  #####  "
    "  #####  "
    "  #####  "
    "  #####  "
    "  #####  "
    "         ",
    // next
    "#   #   #"
    "##  ##  #"
    "### ### #"
    "#########"
    "### ### #"
    "##  ##  #"
    "#   #   #",
    // prev
    "#   #   #"
    "#  ##  ##"
    "# ### ###"
    "#########"
    "# ### ###"
    "#  ##  ##"
    "#   #   #",
    // step
    "  #   #  "
    "  ##  #  "
    "  ### #  "
    "  #####  "
    "  ### #  "
    "  ##  #  "
    "  #   #  ",
    // back
    "  #   #  "
    "  #  ##  "
    "  # ###  "
    "  #####  "
    "  # ###  "
    "  #  ##  "
    "  #   #  ",
    // record
    "   ###   "
    "  #####  "
    " ####### "
    " ####### "
    " ####### "
    "  #####  "
    "   ###   ",
    // eject
    "    #    "
    "   ###   "
    "  #####  "
    " ####### "
    "         "
    " ####### "
    " ####### ",
};

constexpr std::array<unsigned, kMediaPlayerButtonCount> kColours = {
    0x00008000,  // play: green
    0x0000C0C0,  // pause: yellow
    0x00000080,  // stop: dark red
    0x00800000, 0x00800000, 0x00800000, 0x00800000,  // next, prev, step, back: navy
    0x000000FF,  // record: red
    0x00800080,  // eject: purple
};
}  // namespace

std::string_view MediaPlayerGlyph(TMPBtnType button) { return kGlyphs[int(button)]; }

unsigned MediaPlayerGlyphColour(TMPBtnType button) { return kColours[int(button)]; }
