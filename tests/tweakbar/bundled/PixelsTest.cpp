// What TwDraw puts into the game's back buffer: the bar's colour blended at its alpha over
// whatever was there, its title in readable ink, and nothing at all outside the bars or the
// drawing area.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

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

void expectClear(Rgba p, const char* where) {
    expectColour(p, kClearR, kClearG, kClearB, 0, where);
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

    Rgba bodyAfterFrame() {
        EXPECT_TRUE(engine.frame(kClearR, kClearG, kClearB));
        return engine.pixel(140, 130);
    }

    kztest::EngineOnWindow engine{320, 240};
    TwBar* bar = nullptr;
};

TEST_F(Pixels, BodyIsTheBarColourBlendedAtItsAlphaAndTheRestIsUntouched) {
    expectColour(bodyAfterFrame(), blend(200, kClearR, 128), blend(40, kClearG, 128),
                 blend(60, kClearB, 128), 2, "body");
    // The frame's edges: the pixel just outside each side keeps the clear colour (the shadow
    // falls beyond the right and bottom edges, a few pixels down and right), the edge is drawn.
    expectClear(engine.pixel(39, 100), "left of the bar");
    expectClear(engine.pixel(140, 29), "above the bar");
    expectClear(engine.pixel(241, 31), "right of the bar, above its shadow");
    expectClear(engine.pixel(41, 181), "below the bar, left of its shadow");
    for (const auto& [x, y] : {std::pair{40, 100}, {239, 100}, {140, 30}, {140, 179}}) {
        const Rgba edge = engine.pixel(x, y);
        EXPECT_FALSE(edge.r == kClearR && edge.g == kClearG && edge.b == kClearB) << x << "," << y;
    }
    const Rgba shadow = engine.pixel(241, 100);
    EXPECT_LT(shadow.b, kClearB - 10) << "the shadow darkens the background";
    EXPECT_GT(shadow.b, kClearB / 3) << "and lets it show through";
    expectClear(engine.pixel(250, 100), "beyond the shadow");
    for (const auto& [x, y] : {std::pair{0, 0}, {319, 0}, {0, 239}, {319, 239}, {300, 200}})
        expectClear(engine.pixel(x, y), "far from the bar");

    // Other alphas and colours, read at each frame.
    ASSERT_EQ(TwDefine("Probe alpha=255"), 1);
    expectColour(bodyAfterFrame(), 200, 40, 60, 1, "opaque");
    ASSERT_EQ(TwDefine("Probe alpha=0"), 1);
    expectClear(bodyAfterFrame(), "transparent");
    const int alpha = 40, colour[3] = {0, 250, 0};
    ASSERT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_INT32, 1, &alpha), 1);
    ASSERT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 3, colour), 1);
    expectColour(bodyAfterFrame(), blend(0, kClearR, 40), blend(250, kClearG, 40),
                 blend(0, kClearB, 40), 2, "green at alpha 40");
}

TEST_F(Pixels, TitleTextIsLightInkCentredInTheTitleLine) {
    ASSERT_TRUE(engine.frame(kClearR, kClearG, kClearB));
    const tw::Rect title = bar->layout.title;
    ASSERT_FALSE(title.empty());
    // Ink: pixels much lighter than the title's own gradient, left of the iconify button.
    const int end = bar->layout.iconifyButton.x - 1;
    int left = title.right(), right = title.x, top = title.bottom(), bottom = title.y, ink = 0;
    for (int y = title.y; y < title.bottom(); ++y)
        for (int x = title.x + 1; x < end; ++x) {
            const Rgba p = engine.pixel(x, y);
            if (p.r + p.g + p.b < 600) continue;
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
    // Between the title and the body, only the body's colour.
    const Rgba below = engine.pixel(left + width / 2, title.bottom() + 20);
    EXPECT_LT(below.r + below.g + below.b, 400);
}

}  // namespace
