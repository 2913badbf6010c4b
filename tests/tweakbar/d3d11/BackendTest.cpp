// The renderer below the engine, driven with display lists made by hand, for what the engine's
// own bars cannot show precisely: glyph texels landing on whole pixels, buffers that grow far
// past their first size, and the drawing area against the bound render target.
#include <gtest/gtest.h>

#include <cmath>

#include "HandMadeLists.h"

namespace {

using kztest::BackendOnWindow;
using kztest::pixelAt;
using kztest::Rgba;

constexpr tw::PackedColor kRed = tw::packColor(255, 0, 0, 255);
constexpr tw::PackedColor kGreen = tw::packColor(0, 255, 0, 255);

bool isColour(Rgba p, int r, int g, int b) {
    return p.r == r && p.g == g && p.b == b;
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

TEST(BackendUpload, ListsFarLargerThanTheFirstBuffersAreDrawnWhole) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    // 320 x 240 one-pixel quads: 307200 vertices, many doublings past the first capacity.
    tw::DisplayList list;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            kztest::addFill(list, w.backend->atlas(), float(x), float(y), float(x + 1),
                            float(y + 1), (x + y) % 2 ? kRed : kGreen);
    list.version = 1;
    auto pixels = w.drawOver(list, 0, 0, 0);
    ASSERT_TRUE(w.rendered);
    EXPECT_EQ(w.backend->lastFrame().drawCalls, 1u);
    for (int y : {0, 120, 239})
        for (int x : {0, 1, 160, 318, 319}) {
            const bool red = (x + y) % 2 != 0;
            EXPECT_TRUE(isColour(pixelAt(pixels, w.width, x, y), red ? 255 : 0, red ? 0 : 255, 0))
                << x << "," << y;
        }

    // A small list afterwards is drawn from the grown buffers.
    tw::DisplayList small;
    kztest::addFill(small, w.backend->atlas(), 0, 0, 5, 5, tw::packColor(0, 0, 255, 255));
    small.version = 2;
    pixels = w.drawOver(small, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 2, 2), 0, 0, 255));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 6, 6), 0, 0, 0));
}

TEST(BackendSize, DrawingAreaGivenByResizeIsTheViewport) {
    BackendOnWindow w(320, 240);
    ASSERT_TRUE(w.backend) << w.error;
    w.backend->resize(160, 120);
    tw::DisplayList list;
    // A quad across the edge of the 160 x 120 area: only its part inside is drawn, in place.
    kztest::addFill(list, w.backend->atlas(), 150, 100, 200, 140, kRed);
    const auto pixels = w.drawOver(list, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 155, 105), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 159, 119), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 165, 105), 0, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 155, 125), 0, 0, 0));
}

TEST(BackendSize, WithoutASizeTheBoundTargetIsTheDrawingArea) {
    BackendOnWindow w(320, 240);
    ASSERT_TRUE(w.backend) << w.error;
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 300, 220, 320, 240, kRed);
    const auto pixels = w.drawOver(list, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 310, 230), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 299, 230), 0, 0, 0));
}

}  // namespace
