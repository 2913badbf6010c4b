#include "TinyFont.h"

#include <cstring>

namespace kzdemo {

namespace {

struct Glyph {
    char c;
    const char* rows[kGlyphRows];
};

// clang-format off
const Glyph kGlyphs[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
};
// clang-format on

constexpr std::size_t kGlyphCount = sizeof kGlyphs / sizeof kGlyphs[0];

// The '#'/'.' pictures above, packed into row masks once.
struct PackedFont {
    std::uint8_t rows[kGlyphCount][kGlyphRows];
    PackedFont() {
        for (std::size_t g = 0; g < kGlyphCount; ++g)
            for (int r = 0; r < kGlyphRows; ++r) {
                std::uint8_t mask = 0;
                for (int c = 0; c < kGlyphColumns; ++c)
                    if (kGlyphs[g].rows[r][c] == '#')
                        mask = static_cast<std::uint8_t>(mask | (0x10 >> c));
                rows[g][r] = mask;
            }
    }
};

}  // namespace

const std::uint8_t* glyphRows(char c) {
    static const PackedFont font;
    for (std::size_t g = 0; g < kGlyphCount; ++g)
        if (kGlyphs[g].c == c) return font.rows[g];
    return nullptr;
}

float appendText(const char* text, float x, float y, float pixel, std::uint32_t rgba,
                 std::vector<SolidRect>* out) {
    const std::size_t length = std::strlen(text);
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t* rows = glyphRows(text[i]);
        const float left = x + static_cast<float>(i * kAdvanceColumns) * pixel;
        for (int r = 0; rows && r < kGlyphRows; ++r)
            for (int c = 0; c < kGlyphColumns; ++c)
                if (rows[r] & (0x10 >> c))
                    out->push_back({left + static_cast<float>(c) * pixel,
                                    y + static_cast<float>(r) * pixel, pixel, pixel, rgba});
    }
    return static_cast<float>(length * kAdvanceColumns) * pixel;
}

}  // namespace kzdemo
