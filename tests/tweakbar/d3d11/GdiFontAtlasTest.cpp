// The font atlas as the layout and the renderer rely on it: line heights of the three sizes,
// glyph boxes that fit their lines and never share texels, and antialiased ink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiFontAtlas.h"

namespace {

class GdiFontAtlasTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(tw::buildGdiFontAtlas(atlas, error)) << error; }

    int texel(int x, int y) const { return atlas.coverage[std::size_t(y * atlas.width + x)]; }
    // The atlas rectangle of a glyph, in texels.
    static void boxOf(const tw::FontAtlas& atlas, const tw::Glyph& g, int& x, int& y) {
        x = static_cast<int>(g.u0 * float(atlas.width) + 0.5f);
        y = static_cast<int>(g.v0 * float(atlas.height) + 0.5f);
    }

    tw::FontAtlas atlas;
    std::string error;
};

bool printable(int code) {
    const int holes[] = {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D};
    if (code < 32) return false;
    for (int hole : holes)
        if (code == hole) return false;
    return true;
}

TEST_F(GdiFontAtlasTest, ThreeSizesWithTheRowHeightsOfTheBars) {
    const int expected[3] = {12, 15, 17};
    for (int size = 1; size <= 3; ++size) {
        const tw::FontFace& face = atlas.face(size);
        EXPECT_NEAR(face.lineHeight, expected[size - 1], 1) << "fontsize " << size;
        EXPECT_GT(face.ascent, face.lineHeight / 2);
        EXPECT_LT(face.ascent, face.lineHeight);
    }
    EXPECT_LT(atlas.face(1).measure("Brightness"), atlas.face(2).measure("Brightness"));
    EXPECT_LT(atlas.face(2).measure("Brightness"), atlas.face(3).measure("Brightness"));
    EXPECT_LT(atlas.face(2).measure("iiii"), atlas.face(2).measure("WWWW"));
}

TEST_F(GdiFontAtlasTest, EveryPrintableCharacterMovesThePenAndControlCodesDoNot) {
    for (int size = 1; size <= 3; ++size)
        for (int code = 0; code < 256; ++code) {
            const tw::Glyph& g = atlas.face(size).glyphs[std::size_t(code)];
            if (printable(code))
                EXPECT_GT(g.advance, 0) << "fontsize " << size << " code " << code;
            else
                EXPECT_EQ(g.advance, 0) << "fontsize " << size << " code " << code;
        }
    const tw::FontFace& face = atlas.face(2);
    EXPECT_EQ(face.glyphs[' '].width, 0) << "a blank has no ink";
    for (unsigned char c : std::string("Aa0\xE9\xC4\x80"))  // é, Ä, the euro sign
        EXPECT_GT(face.glyphs[c].width * face.glyphs[c].height, 0) << int(c);
}

TEST_F(GdiFontAtlasTest, GlyphBoxesStayInsideTheirLine) {
    for (int size = 1; size <= 3; ++size) {
        const tw::FontFace& face = atlas.face(size);
        for (int code = 32; code < 256; ++code) {
            const tw::Glyph& g = face.glyphs[std::size_t(code)];
            if (g.width == 0) continue;
            EXPECT_GE(g.top, 0) << "fontsize " << size << " code " << code;
            EXPECT_LE(g.top + g.height, face.lineHeight) << "fontsize " << size << " code " << code;
        }
        // A descender reaches below the baseline, a capital sits on it.
        EXPECT_GT(face.glyphs['g'].top + face.glyphs['g'].height, face.ascent);
        EXPECT_EQ(face.glyphs['H'].top + face.glyphs['H'].height, face.ascent);
    }
}

TEST_F(GdiFontAtlasTest, GlyphBoxesAndTheWhiteBlockNeverShareTexels) {
    ASSERT_GT(atlas.width, 0);
    ASSERT_GT(atlas.height, 0);
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
        int x0 = 0, y0 = 0;
        boxOf(atlas, g, x0, y0);
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
        int x0 = 0, y0 = 0;
        boxOf(atlas, *g, x0, y0);
        int full = 0, partial = 0;
        for (int y = y0; y < y0 + g->height; ++y)
            for (int x = x0; x < x0 + g->width; ++x) {
                const int t = texel(x, y);
                if (t == 255) ++full;
                if (t > 0 && t < 255) ++partial;
            }
        EXPECT_GT(full, 0);
        EXPECT_GT(partial, 4) << "slanted and round edges are grey";
        EXPECT_GE(g->top, 0);
        EXPECT_LE(g->top + g->height, face.lineHeight);
    }
}

}  // namespace
