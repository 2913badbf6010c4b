// What the renderer puts in the back buffer: blended fills, exact edges, and glyph ink.
#include <gtest/gtest.h>

#include <cmath>

#include "HandMadeLists.h"

namespace {

using kztest::BackendOnWindow;
using kztest::pixelAt;
using kztest::Rgba;

// The clear colour 0.2, 0.4, 0.6 as the back buffer stores it.
constexpr Rgba kClear{51, 102, 153, 255};

int blend(int source, int destination, int alpha) {
    return static_cast<int>(std::lround((source * alpha + destination * (255 - alpha)) / 255.0));
}

void expectNear(Rgba actual, int r, int g, int b, int tolerance, const char* where) {
    EXPECT_NEAR(actual.r, r, tolerance) << where;
    EXPECT_NEAR(actual.g, g, tolerance) << where;
    EXPECT_NEAR(actual.b, b, tolerance) << where;
}

void expectClear(Rgba actual, const char* where) {
    expectNear(actual, kClear.r, kClear.g, kClear.b, 0, where);
}

TEST(BackendPixels, TranslucentFillBlendsOverTheClearColourAndLeavesTheRestUntouched) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    w.backend->resize(320, 240);
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 40, 30, 140, 90, tw::packColor(200, 40, 60, 128));
    list.version = 1;

    const auto pixels = w.drawOver(list, 0.2f, 0.4f, 0.6f);
    ASSERT_TRUE(w.rendered);
    expectNear(pixelAt(pixels, w.width, 90, 60), blend(200, kClear.r, 128),
               blend(40, kClear.g, 128), blend(60, kClear.b, 128), 2, "inside");
    // The quad covers pixels 40..139 by 30..89: its first and last pixels are drawn, the ones
    // just beyond are not.
    expectNear(pixelAt(pixels, w.width, 40, 30), blend(200, kClear.r, 128),
               blend(40, kClear.g, 128), blend(60, kClear.b, 128), 2, "top-left pixel");
    expectNear(pixelAt(pixels, w.width, 139, 89), blend(200, kClear.r, 128),
               blend(40, kClear.g, 128), blend(60, kClear.b, 128), 2, "bottom-right pixel");
    expectClear(pixelAt(pixels, w.width, 39, 60), "left of the quad");
    expectClear(pixelAt(pixels, w.width, 140, 60), "right of the quad");
    expectClear(pixelAt(pixels, w.width, 90, 29), "above the quad");
    expectClear(pixelAt(pixels, w.width, 90, 90), "below the quad");
    expectClear(pixelAt(pixels, w.width, 5, 5), "far corner");
    expectClear(pixelAt(pixels, w.width, 315, 235), "other far corner");
}

TEST(BackendPixels, AlphaOfTheVertexColourSetsHowMuchOfTheBackgroundShows) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    w.backend->resize(320, 240);
    int previousRed = -1;
    for (int alpha : {0, 64, 192, 255}) {
        tw::DisplayList list;
        kztest::addFill(list, w.backend->atlas(), 0, 0, 100, 100,
                        tw::packColor(250, 250, 0, static_cast<std::uint8_t>(alpha)));
        list.version = static_cast<std::uint64_t>(alpha) + 1;
        const auto pixels = w.drawOver(list, 0.2f, 0.4f, 0.6f);
        const Rgba p = pixelAt(pixels, w.width, 50, 50);
        SCOPED_TRACE(alpha);
        expectNear(p, blend(250, kClear.r, alpha), blend(250, kClear.g, alpha),
                   blend(0, kClear.b, alpha), 2, "blended");
        EXPECT_GT(p.r, previousRed);
        previousRed = p.r;
    }
}

TEST(BackendPixels, LaterQuadsAreBlendedOverEarlierOnesInListOrder) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 0, 0, 100, 100, tw::packColor(255, 0, 0, 255));
    kztest::addFill(list, w.backend->atlas(), 50, 0, 150, 100, tw::packColor(0, 0, 255, 255));
    const auto pixels = w.drawOver(list, 0, 0, 0);
    expectNear(pixelAt(pixels, w.width, 25, 50), 255, 0, 0, 0, "first quad alone");
    expectNear(pixelAt(pixels, w.width, 75, 50), 0, 0, 255, 0, "second quad on top");
}

// Every pixel of a glyph box drawn over black shows the colour times its own texel's coverage,
// and the one-pixel frame around the box stays black. Returns the number of well-inked pixels.
int expectGlyphInk(const std::vector<std::uint8_t>& pixels, int width, const tw::FontAtlas& atlas,
                   const tw::Glyph& glyph, int x0, int y0, int r, int g, int b) {
    const int atlasX = static_cast<int>(std::lround(glyph.u0 * float(atlas.width)));
    const int atlasY = static_cast<int>(std::lround(glyph.v0 * float(atlas.height)));
    int inked = 0;
    for (int y = -1; y <= glyph.height; ++y)
        for (int x = -1; x <= glyph.width; ++x) {
            const bool inBox = x >= 0 && y >= 0 && x < glyph.width && y < glyph.height;
            const int coverage =
                inBox ? atlas.coverage[std::size_t((atlasY + y) * atlas.width + atlasX + x)] : 0;
            const Rgba p = pixelAt(pixels, width, x0 + x, y0 + y);
            EXPECT_NEAR(p.r, r * coverage / 255, 2) << "glyph pixel " << x << "," << y;
            EXPECT_NEAR(p.g, g * coverage / 255, 2) << "glyph pixel " << x << "," << y;
            EXPECT_NEAR(p.b, b * coverage / 255, 2) << "glyph pixel " << x << "," << y;
            if (coverage > 128) ++inked;
        }
    return inked;
}

TEST(BackendPixels, GlyphQuadCopiesTheAtlasCoverageOntoWholePixels) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    const tw::FontAtlas& atlas = w.backend->atlas();
    const tw::Glyph& glyph = atlas.face(2).glyphs['W'];
    ASSERT_GT(glyph.width, 0);
    tw::DisplayList list;
    const int penX = 50, lineY = 40;
    kztest::addText(list, atlas, 2, penX, lineY, "W", tw::packColor(255, 255, 255, 255));
    const auto pixels = w.drawOver(list, 0, 0, 0);
    const int inked = expectGlyphInk(pixels, w.width, atlas, glyph, penX + glyph.left,
                                     lineY + glyph.top, 255, 255, 255);
    EXPECT_GT(inked, glyph.height) << "a W has strokes of ink";
}

TEST(BackendPixels, TextIsTintedByTheVertexColour) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    const tw::FontAtlas& atlas = w.backend->atlas();
    // H, e acute, the euro sign; far enough apart that each box's frame is free of ink.
    const std::string text = "H\xE9\x80";
    tw::DisplayList list;
    for (std::size_t i = 0; i < text.size(); ++i)
        kztest::addText(list, atlas, 3, float(10 + 40 * i), 10, text.substr(i, 1),
                        tw::packColor(255, 128, 0, 255));
    const auto pixels = w.drawOver(list, 0, 0, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        SCOPED_TRACE(i);
        const tw::Glyph& glyph = atlas.face(3).glyphs[static_cast<unsigned char>(text[i])];
        EXPECT_GT(expectGlyphInk(pixels, w.width, atlas, glyph, int(10 + 40 * i) + glyph.left,
                                 10 + glyph.top, 255, 128, 0),
                  0);
    }
}

}  // namespace
