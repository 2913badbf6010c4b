// The font atlas as the layout and the renderer rely on it: line heights of the three sizes,
// glyph boxes that fit their lines and never share texels, and antialiased ink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiFontAtlas.h"

namespace {

class GdiFontAtlasTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(tw::buildGdiFontAtlas(atlas, 1.0, error)) << error; }

    int texel(int x, int y) const { return atlas.coverage[std::size_t(y * atlas.width + x)]; }
    // The atlas position of a glyph's box, in texels.
    int boxX(const tw::Glyph& g) const { return int(g.u0 * float(atlas.width) + 0.5f); }
    int boxY(const tw::Glyph& g) const { return int(g.v0 * float(atlas.height) + 0.5f); }

    tw::FontAtlas atlas;
    std::string error;
};

TEST_F(GdiFontAtlasTest, ThreeSizesWithTheRowHeightsOfTheBarsAndGlyphsInsideTheirLine) {
    const int expected[3] = {12, 15, 17};
    for (int size = 1; size <= 3; ++size) {
        const tw::FontFace& face = atlas.face(size);
        EXPECT_NEAR(face.lineHeight, expected[size - 1], 1) << "fontsize " << size;
        EXPECT_LT(face.ascent, face.lineHeight);
        for (int code = 0; code < 256; ++code) {
            const tw::Glyph& g = face.glyphs[std::size_t(code)];
            // Control codes and the holes of Windows-1252 do not move the pen.
            const bool printable = code >= 32 && code != 0x7F && code != 0x81 && code != 0x8D &&
                                   code != 0x8F && code != 0x90 && code != 0x9D;
            EXPECT_EQ(g.advance > 0, printable) << "fontsize " << size << " code " << code;
            if (g.width == 0) continue;
            EXPECT_GE(g.top, 0) << "fontsize " << size << " code " << code;
            EXPECT_LE(g.top + g.height, face.lineHeight) << "fontsize " << size << " code " << code;
        }
        // A descender reaches below the baseline, a capital sits on it.
        EXPECT_GT(face.glyphs['g'].top + face.glyphs['g'].height, face.ascent);
        EXPECT_EQ(face.glyphs['H'].top + face.glyphs['H'].height, face.ascent);
    }
    const tw::FontFace& face = atlas.face(2);
    EXPECT_LT(atlas.face(1).measure("Brightness"), face.measure("Brightness"));
    EXPECT_LT(face.measure("Brightness"), atlas.face(3).measure("Brightness"));
    EXPECT_LT(face.measure("iiii"), face.measure("WWWW"));
    EXPECT_EQ(face.glyphs[' '].width, 0) << "a blank has no ink";
    for (unsigned char c : std::string("Aa0\xE9\xC4\x80"))  // é, Ä, the euro sign
        EXPECT_GT(face.glyphs[c].width * face.glyphs[c].height, 0) << int(c);
}

TEST_F(GdiFontAtlasTest, GlyphBoxesAndTheWhiteBlockNeverShareTexels) {
    ASSERT_EQ(atlas.coverage.size(), std::size_t(atlas.width) * std::size_t(atlas.height));
    std::vector<int> owner(atlas.coverage.size(), -1);
    const int whiteX = static_cast<int>(atlas.whiteU * float(atlas.width));
    const int whiteY = static_cast<int>(atlas.whiteV * float(atlas.height));
    EXPECT_EQ(texel(whiteX, whiteY), 255);
    owner[std::size_t(whiteY * atlas.width + whiteX)] = 0;

    std::vector<tw::Glyph> boxes;
    for (int size = 1; size <= 3; ++size) {
        const tw::FontFace& face = atlas.face(size);
        boxes.insert(boxes.end(), face.glyphs.begin(), face.glyphs.end());
        ASSERT_GT(face.checkMark.width, 0) << "fontsize " << size;
        boxes.push_back(face.checkMark);
    }
    int id = 1;
    for (const tw::Glyph& g : boxes) {
        if (g.width == 0) continue;
        const int x0 = boxX(g), y0 = boxY(g);
        ASSERT_LE(x0 + g.width, atlas.width);
        ASSERT_LE(y0 + g.height, atlas.height);
        // Texel-exact boxes: point sampling maps one texel to one pixel.
        EXPECT_FLOAT_EQ(g.u1 * float(atlas.width), float(x0 + g.width));
        EXPECT_FLOAT_EQ(g.v1 * float(atlas.height), float(y0 + g.height));
        for (int y = y0; y < y0 + g.height; ++y)
            for (int x = x0; x < x0 + g.width; ++x) {
                int& o = owner[std::size_t(y * atlas.width + x)];
                ASSERT_EQ(o, -1) << "texel " << x << "," << y << " claimed twice";
                o = id;
            }
        ++id;
    }
}

TEST_F(GdiFontAtlasTest, InkIsAntialiased) {
    const tw::FontFace& face = atlas.face(2);
    // A round letter, and the tick drawn for booleans, which must also fit its line.
    for (const tw::Glyph* g : {&face.glyphs['O'], &face.checkMark}) {
        int full = 0, partial = 0;
        for (int y = boxY(*g); y < boxY(*g) + g->height; ++y)
            for (int x = boxX(*g); x < boxX(*g) + g->width; ++x) {
                const int t = texel(x, y);
                full += t == 255;
                partial += t > 0 && t < 255;
            }
        EXPECT_GT(full, 0);
        EXPECT_GT(partial, 4) << "slanted and round edges are grey";
        EXPECT_GE(g->top, 0);
        EXPECT_LE(g->top + g->height, face.lineHeight);
    }
}

}  // namespace
