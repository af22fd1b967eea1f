#include "tools/PixelFont.h"

#include <cctype>
#include <cstring>

namespace {

// Five rows of three columns per character, in the order of kCharacters.
constexpr const char* kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:/";
constexpr const char* kGlyphs[] = {
    ".#.#.#####.##.#", "##.#.###.#.###.", ".###..#..#...##", "##.#.##.##.###.", "####..##.#..###",
    "####..##.#..#..", ".###..#.##.#.##", "#.##.#####.##.#", "###.#..#..#.###", "..#..#..##.#.#.",
    "#.##.###.#.##.#", "#..#..#..#..###", "#.########.##.#", "##.#.##.##.##.#", ".#.#.##.##.#.#.",
    "##.#.###.#..#..", ".#.#.##.###..##", "##.#.###.#.##.#", ".###...#...###.", "###.#..#..#..#.",
    "#.##.##.##.####", "#.##.##.##.#.#.", "#.##.########.#", "#.##.#.#.#.##.#", "#.##.#.#..#..#.",
    "###..#.#.#..###", "####.##.##.####", ".#.##..#..#.###", "##...#.#.#..###", "##...#.#...###.",
    "#.##.####..#..#", "####..##...###.", ".###..####.####", "###..#.#..#..#.", "####.#####.####",
    "####.####..###.", ".............#.", "......###......", "....#.....#....", "..#..#.#.#..#..",
};

bool GlyphPixel(const char* glyph, int column, int row) { return glyph[row * 3 + column] == '#'; }

}  // namespace

int LabelWidth(std::string_view text, int scale) { return int(text.size()) * 4 * scale; }

int DrawLabel(PixelBuffer& target, int x, int y, std::string_view text, Pixel pixel, int scale) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char* found = std::strchr(kCharacters, std::toupper(static_cast<unsigned char>(text[i])));
        if (!found || text[i] == '\0') continue;
        const char* glyph = kGlyphs[found - kCharacters];
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                if (GlyphPixel(glyph, column, row))
                    target.Fill({x + (int(i) * 4 + column) * scale, y + row * scale, scale, scale}, pixel);
    }
    return LabelWidth(text, scale);
}
