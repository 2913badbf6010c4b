// A 5 x 7 pixel font for the demo's numbers and labels, drawn as solid rectangles, so the demo
// needs no text rendering of the system's (and the overlay's text stays the only GDI text).
#pragma once

#include <cstdint>
#include <vector>

namespace kzdemo {

struct SolidRect {
    float x, y, width, height;  // pixels, origin top left
    std::uint32_t rgba;         // 0xRRGGBBAA
};

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 7;
// A glyph cell is one column wider than the glyph, the gap between characters.
constexpr int kAdvanceColumns = kGlyphColumns + 1;

// The glyph's rows, top first, bit 4 the leftmost column; null for a character the font lacks.
// The font has the digits, the blank and the capitals the demo's labels use.
const std::uint8_t* glyphRows(char c);

// Appends one rectangle per lit pixel of the text, each pixel `pixel` screen pixels square,
// starting at (x, y). Characters the font lacks advance like a blank. Returns the text's width.
float appendText(const char* text, float x, float y, float pixel, std::uint32_t rgba,
                 std::vector<SolidRect>* out);

}  // namespace kzdemo
