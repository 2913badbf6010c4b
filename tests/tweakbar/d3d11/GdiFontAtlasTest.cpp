// The font atlas as the layout and the renderer rely on it: the cells and advances of the text
// metrics at the three sizes, ink that stays inside each character's cell, glyph boxes that never
// share texels, and antialiased ink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiFontAtlas.h"
#include "look/FontMetrics.h"

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

TEST_F(GdiFontAtlasTest, TheCellsAndAdvancesOfTheTextMetricsWithInkInsideEachCell) {
    // Rows of ink from the cell's top: a capital M's first and last, an h's first, a g's last.
    const int mTop[3] = {2, 3, 3}, mBottom[3] = {8, 11, 12}, hTop[3] = {1, 2, 2};
    const int gBottom[3] = {10, 13, 15};
    for (int size = 1; size <= 3; ++size) {
        const tw::FontFace& face = atlas.face(size);
        EXPECT_EQ(face.lineHeight, tw::textCell(size, 1).height) << "fontsize " << size;
        EXPECT_EQ(face.ascent, tw::textCell(size, 1).baseline) << "fontsize " << size;
        for (int code = 0; code < 256; ++code) {
            const tw::Glyph& g = face.glyphs[std::size_t(code)];
            const auto c = static_cast<unsigned char>(code);
            EXPECT_EQ(g.advance, tw::glyphAdvance(size, 1, c))
                << "fontsize " << size << " " << code;
            if (g.width == 0) continue;
            EXPECT_GE(g.left, 0) << "fontsize " << size << " code " << code;
            EXPECT_LE(g.left + g.width, g.advance) << "fontsize " << size << " code " << code;
            EXPECT_GE(g.top, 0) << "fontsize " << size << " code " << code;
            EXPECT_LE(g.top + g.height, face.lineHeight) << "fontsize " << size << " code " << code;
        }
        const tw::Glyph &m = face.glyphs['M'], &h = face.glyphs['h'], &g = face.glyphs['g'];
        EXPECT_EQ(m.top, mTop[size - 1]) << "fontsize " << size;
        EXPECT_EQ(m.top + m.height - 1, mBottom[size - 1]) << "fontsize " << size;
        EXPECT_NEAR(h.top, hTop[size - 1], 1) << "fontsize " << size;
        EXPECT_NEAR(g.top + g.height - 1, gBottom[size - 1], 1) << "fontsize " << size;
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
    // Straight stems, a round letter, a letter narrowed into its cell, and the tick drawn for
    // booleans, which must also fit its line.
    for (const tw::Glyph* g :
         {&face.glyphs['H'], &face.glyphs['O'], &face.glyphs['C'], &face.checkMark}) {
        int full = 0, partial = 0;
        for (int y = boxY(*g); y < boxY(*g) + g->height; ++y)
            for (int x = boxX(*g); x < boxX(*g) + g->width; ++x) {
                const int t = texel(x, y);
                full += t > 200;
                partial += t > 0 && t < 200;
            }
        EXPECT_GT(full, 4) << "strokes are solid";
        EXPECT_GT(partial, 4) << "slanted and round edges are grey";
        EXPECT_GE(g->top, 0);
        EXPECT_LE(g->top + g->height, face.lineHeight);
    }
}

}  // namespace
