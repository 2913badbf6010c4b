// What TwDraw puts into the game's back buffer: the bar's colour blended at its alpha over
// whatever was there, with its frame's lines and shadow just outside it and nothing at all
// elsewhere; and, at each font size, the title, the rows and the text where the figures of the
// bars that callers tuned their layouts for put them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::lightness;
using kztest::Rgba;

constexpr int kClearR = 51, kClearG = 102, kClearB = 153;

int blend(int source, int destination, int alpha) {
    return static_cast<int>(std::lround((source * alpha + destination * (255 - alpha)) / 255.0));
}

void expectColour(Rgba p, int r, int g, int b, int tolerance, const char* where) {
    EXPECT_NEAR(p.r, r, tolerance) << where;
    EXPECT_NEAR(p.g, g, tolerance) << where;
    EXPECT_NEAR(p.b, b, tolerance) << where;
}

bool isClear(Rgba p) {
    return p.r == kClearR && p.g == kClearG && p.b == kClearB;
}

// A bar of one known colour at (40, 30), 200 x 150, with no rows, so that its body is one
// blended fill; the help icon is hidden so that nothing else is drawn.
class Pixels : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        bar = TwNewBar("Probe");
        ASSERT_EQ(TwDefine(" TW_HELP visible=false\r\nProbe position='40 30' size='200 150' "
                           " color='200 40 60' alpha=128 "),
                  1)
            << TwGetLastError();
    }

    // The body at its bottom right corner, where it has the bar's own colour.
    Rgba bodyAfterFrame() {
        EXPECT_TRUE(engine.frame(kClearR, kClearG, kClearB));
        return engine.pixel(224, 177);
    }

    kztest::EngineOnWindow engine{320, 240};
    TwBar* bar = nullptr;
};

TEST_F(Pixels, BodyIsTheBarColourBlendedAtItsAlphaWithItsLinesAndShadowJustOutside) {
    expectColour(bodyAfterFrame(), blend(200, kClearR, 128), blend(40, kClearG, 128),
                 blend(60, kClearB, 128), 4, "body");
    // Darker toward the top left: about three quarters of the colour.
    const Rgba topLeft = engine.pixel(42, 50);
    EXPECT_NEAR(topLeft.r, blend(200 * 3 / 4, kClearR, 128), 8);
    // A light line above the top edge and left of the left edge; nothing beyond them.
    EXPECT_TRUE(isClear(engine.pixel(38, 100))) << "left of the bar";
    EXPECT_TRUE(isClear(engine.pixel(140, 28))) << "above the bar";
    EXPECT_GT(lightness(engine.pixel(39, 100)), lightness(engine.pixel(38, 100)) + 60)
        << "left line";
    EXPECT_GT(lightness(engine.pixel(140, 29)), lightness(engine.pixel(140, 28)) + 60)
        << "top line";
    // The shadow: three pixels beyond the right and bottom edges, fading outwards, from two
    // pixels in from the top and left ends.
    int previous = 0;
    for (int i = 0; i < 3; ++i) {
        const Rgba right = engine.pixel(240 + i, 100), below = engine.pixel(140, 180 + i);
        EXPECT_LT(right.b, kClearB - 8) << "the shadow darkens the background " << i;
        EXPECT_GT(right.b, previous) << "less further out " << i;
        EXPECT_EQ(right.b, below.b) << i;
        previous = right.b;
    }
    EXPECT_TRUE(isClear(engine.pixel(243, 100))) << "beyond the shadow";
    EXPECT_TRUE(isClear(engine.pixel(140, 183)));
    EXPECT_TRUE(isClear(engine.pixel(240, 31))) << "the shadow starts two pixels down";
    EXPECT_FALSE(isClear(engine.pixel(240, 32)));
    EXPECT_TRUE(isClear(engine.pixel(41, 180))) << "and two pixels in";
    EXPECT_FALSE(isClear(engine.pixel(42, 180)));
    for (const auto& [x, y] : {std::pair{0, 0}, {319, 0}, {0, 239}, {319, 239}, {300, 200}})
        EXPECT_TRUE(isClear(engine.pixel(x, y))) << "far from the bar";

    // Other alphas and colours, read at each frame.
    ASSERT_EQ(TwDefine("Probe alpha=255"), 1);
    expectColour(bodyAfterFrame(), 200, 40, 60, 4, "opaque");
    ASSERT_EQ(TwDefine("Probe alpha=0"), 1);
    expectColour(bodyAfterFrame(), kClearR, kClearG, kClearB, 0, "transparent");
    const int alpha = 40, colour[3] = {0, 250, 0};
    ASSERT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_INT32, 1, &alpha), 1);
    ASSERT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 3, colour), 1);
    expectColour(bodyAfterFrame(), blend(0, kClearR, 40), blend(250, kClearG, 40),
                 blend(0, kClearB, 40), 3, "green at alpha 40");
}

TEST_F(Pixels, TitleTextIsLightInkCentredInTheTitleLine) {
    ASSERT_TRUE(engine.frame(kClearR, kClearG, kClearB));
    const tw::Rect title = bar->layout.title;
    ASSERT_FALSE(title.empty());
    // Ink: pixels much lighter than the title's own gradient, left of the iconify button.
    const int end = bar->layout.iconifyButton.x - 1;
    int left = title.right(), right = title.x, top = title.bottom(), bottom = title.y, ink = 0;
    for (int y = title.y + 1; y < title.bottom(); ++y)
        for (int x = title.x + 1; x < end; ++x) {
            const Rgba p = engine.pixel(x, y);
            if (lightness(p) < 600) continue;
            ++ink;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    const int width = right - left + 1;
    EXPECT_GT(ink, 40) << "the five letters of the title";
    EXPECT_GT(width, 20);
    EXPECT_LT(width, 60);
    EXPECT_NEAR(left + right, 2 * (title.x + title.w / 2), 6) << "centred";
    EXPECT_GT(top, title.y);
    EXPECT_LT(bottom, title.bottom() - 1);
}

// Columns of a picture that hold ink lighter than a threshold, between two rows.
struct InkSpan {
    int left = -1, right = -1;
};

InkSpan inkBetween(const kztest::EngineOnWindow& engine, int x0, int x1, int y0, int y1,
                   int threshold) {
    InkSpan span;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y) {
            if (lightness(engine.pixel(x, y)) < threshold) continue;
            if (span.left < 0) span.left = x;
            span.right = x;
        }
    return span;
}

// An opaque grey bar over black at each font size (font height fh 11/14/16): the title is
// fh + 1 rows, the first value box starts 7 rows below it, boxes are fh high and fh + 1 apart,
// labels start 10/13/15 px in and values 1 px into their box; a 60 px values column holds
// "Medium" whole, and cuts "WWWWWW" to "WWWW.." at font size 2.
TEST(PixelsAtEachFontSize, TitleRowsAndTextFollowTheFontSize) {
    for (int size = 1; size <= 3; ++size) {
        kztest::EngineOnWindow engine(320, 240);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = kztest::barAtFontSize(size, "Grey",
                                           "position='20 20' size='240 200' color='128 128 128' "
                                           "alpha=255 valueswidth=60");
        const TwEnumVal levels[] = {{0, "Low"}, {1, "Medium"}, {2, "High"}};
        int level = 1, count = 1;
        char cut[16] = "WWWWWW";
        ASSERT_EQ(TwAddVarRW(bar, "W", TW_TYPE_INT32, &count, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Level", TwDefineEnum("Levels", levels, 3), &level, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Cut", TW_TYPE_CSSTRING(sizeof cut), cut, nullptr), 1);
        engine.move(310, 230);
        ASSERT_TRUE(engine.frame(0, 0, 0));
        const int fh = size == 1 ? 11 : size == 2 ? 14 : 16;
        const std::string at = " at font size " + std::to_string(size);

        // The title's lighter first line. Across the first value box, right of its text: the
        // plain gap below the title, the box fh high, the body line below it; the box ends
        // fh + 4 px from the bar's right edge and is the column and two wide.
        const tw::BarLayout& layout = bar->layout;
        EXPECT_GT(lightness(engine.pixel(22, 20)), lightness(engine.pixel(22, 21)) + 30) << at;
        // The title's shading reaches its last row, which is still darker than the body under it.
        const int titleEnd = layout.title.y + layout.title.h - 1;
        EXPECT_LT(lightness(engine.pixel(22, titleEnd)), lightness(engine.pixel(22, titleEnd + 1)))
            << at;
        const int boxX = layout.valueX + 52, boxTop = 20 + fh + 8, right = 20 + 240 - fh - 4;
        const int gap = lightness(engine.pixel(boxX, boxTop - 1));
        const struct {
            int x, y;
            bool inBox;
        } edges[] = {{boxX, boxTop, true},           {boxX, boxTop + fh - 1, true},
                     {boxX, boxTop + fh, false},     {right, boxTop + 2, true},
                     {right + 1, boxTop + 2, false}, {right - 61, boxTop + 2, true},
                     {right - 62, boxTop + 2, false}};
        for (const auto& edge : edges) {
            const int light = lightness(engine.pixel(edge.x, edge.y));
            if (edge.inBox)
                EXPECT_LT(light, gap - 30) << edge.x << "," << edge.y << at;
            else
                EXPECT_NEAR(light, gap, 12) << edge.x << "," << edge.y << at;
        }

        // Where text starts: a W's ink from its pen.
        const int labelStart = size == 1 ? 10 : size == 2 ? 13 : 15;
        EXPECT_NEAR(inkBetween(engine, 21, layout.valueX, boxTop, boxTop + fh, 600).left,
                    20 + labelStart, 1)
            << at;
        const int cutTop = boxTop + 2 * (fh + 1);
        EXPECT_NEAR(inkBetween(engine, right - 61, right, cutTop, cutTop + fh, 450).left,
                    right - 61 + 1, 1)
            << at;

        // "Medium" (33, 45, 50 px) whole: its ink ends with its last letter, and nothing
        // follows it before the list's arrow.
        const int medium[] = {33, 45, 50};
        const int levelTop = boxTop + fh + 1, pen = right - 61 + 1;
        const InkSpan word =
            inkBetween(engine, pen, pen + medium[size - 1] + 2, levelTop, levelTop + fh, 450);
        EXPECT_NEAR(word.right, pen + medium[size - 1] - 1, 2) << at;
        EXPECT_EQ(
            inkBetween(engine, pen + medium[size - 1] + 1, right - 8, levelTop, levelTop + fh, 450)
                .left,
            -1)
            << "no ellipsis" << at;

        if (size == 2) {
            // Four W (48 px) and two dots low in the line, reaching past the column's end.
            const InkSpan all = inkBetween(engine, pen, 320, cutTop, cutTop + fh, 600);
            EXPECT_NEAR(all.right, pen + 48 + 8 - 2, 2);
            EXPECT_EQ(inkBetween(engine, pen + 48, 320, cutTop, cutTop + 9, 450).left, -1)
                << "only the dots after the fourth W";
        }
        EXPECT_TRUE(engine.keep("rows-fontsize" + std::to_string(size) + ".png"));
    }
}

}  // namespace
