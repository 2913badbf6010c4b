// Glyph metrics and coverage bitmap shared by the layout (which measures text) and the
// backend (which uploads the bitmap). One atlas holds the three font sizes and a white texel,
// so that solid quads and glyphs come from the same texture.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tw {

struct Glyph {
    int advance = 0;            // pen movement in pixels
    int left = 0, top = 0;      // bitmap box relative to the pen position at the top of the line
    int width = 0, height = 0;  // bitmap box size in pixels; 0 for blanks
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

// Text written by the engine (a struct's summary) stands for the check mark with this code,
// the code page's DEL, which has no glyph of its own.
inline constexpr char kCheckMarkCode = '\x7f';

struct FontFace {
    int lineHeight = 0;             // the cell a line of text takes, top to bottom
    int ascent = 0;                 // from the cell's top to the baseline
    std::array<Glyph, 256> glyphs;  // indexed by the 8-bit character code
    // A tick for booleans that are on, antialiased like the text and sized to its line; the
    // code page has no such character.
    Glyph checkMark;

    const Glyph& glyphOf(char c) const {
        return c == kCheckMarkCode ? checkMark : glyphs[static_cast<unsigned char>(c)];
    }

    int measure(std::string_view text) const {
        int width = 0;
        for (const char c : text)
            width += glyphOf(c).advance;
        return width;
    }
};

struct FontAtlas {
    int width = 0, height = 0;
    std::vector<std::uint8_t> coverage;  // width * height bytes, 255 = fully covered
    std::array<FontFace, 3> faces;       // fontsize 1, 2 and 3
    float whiteU = 0, whiteV = 0;        // centre of a fully covered texel, for solid fills

    const FontFace& face(int fontSize) const {
        return faces[fontSize < 1 ? 0 : fontSize > 3 ? 2 : fontSize - 1];
    }
};

}  // namespace tw
