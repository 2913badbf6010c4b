// The same bar drawn into back buffers of different formats looks the same on screen: colours
// are converted for views that store linear light (sRGB and floating-point formats), and
// antialiased text keeps its weight although such views blend in linear light.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::lightness;
using kztest::Rgba;

constexpr int kClearR = 51, kClearG = 102, kClearB = 153;

struct Picture {
    std::vector<std::uint8_t> rgba;
    int width = 0;
    tw::Rect frame, title;
    tw::Rect body;  // plain opaque body: below the rows, left of the scrollbar's strip
    Rgba at(int x, int y) const { return kztest::pixelAt(rgba, width, x, y); }
};

int difference(Rgba a, Rgba b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// An opaque bar with rows of text and value fields, over a mid-blue game picture; the picture is
// also written to format-<name>.png in the test's folder.
Picture drawBar(DXGI_FORMAT format, const char* name) {
    Picture picture;
    kztest::EngineOnWindow engine(320, 240, {0, 0, format});
    EXPECT_TRUE(engine.started()) << TwGetLastError();
    if (!engine.started()) return picture;
    static int count = 42;
    static float speed = 3.25f;
    static bool on = true;
    TwBar* bar = TwNewBar("Probe");
    TwAddVarRW(bar, "Count", TW_TYPE_INT32, &count, nullptr);
    TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, nullptr);
    TwAddVarRW(bar, "Enabled", TW_TYPE_BOOLCPP, &on, nullptr);
    EXPECT_EQ(TwDefine(" TW_HELP visible=false\r\nProbe position='40 30' size='240 180' "
                       " color='17 109 143' alpha=255 "),
              1);
    EXPECT_TRUE(engine.frame(kClearR, kClearG, kClearB));
    picture.rgba = engine.pixels();
    picture.width = engine.width();
    const tw::BarLayout& layout = bar->layout;
    picture.frame = layout.frame;
    picture.title = layout.title;
    const int below = layout.rows.back().rect.bottom() + 2;
    picture.body = {layout.frame.x + 2, below, layout.strip.x - 2 - (layout.frame.x + 2),
                    layout.shortcutLine.y - 1 - below};
    kztest::writePng(std::string("format-") + name + ".png", picture.rgba, engine.width(),
                     engine.height());
    return picture;
}

// The light pixels of the title's text, summed: how much ink the title shows.
long titleInk(const Picture& picture) {
    long ink = 0;
    const tw::Rect& t = picture.title;
    for (int y = t.y; y < t.bottom(); ++y)
        for (int x = t.x; x < t.right(); ++x)
            ink += std::max(0, lightness(picture.at(x, y)) - 400);
    return ink;
}

TEST(ColourFormats, AnOpaqueBarShowsTheSameColoursOnSrgbAndFloatBackBuffers) {
    const Picture reference = drawBar(DXGI_FORMAT_R8G8B8A8_UNORM, "R8G8B8A8_UNORM");
    ASSERT_FALSE(reference.rgba.empty());
    // The body shades to the bar's own colour at its bottom right.
    const tw::Rect& body = reference.body;
    ASSERT_LE(difference(reference.at(body.right() - 1, body.bottom() - 1), {17, 109, 143, 255}),
              6);
    const long referenceInk = titleInk(reference);
    ASSERT_GT(referenceInk, 1000);

    const std::pair<DXGI_FORMAT, const char*> formats[] = {
        {DXGI_FORMAT_R8G8B8A8_UNORM_SRGB, "R8G8B8A8_UNORM_SRGB"},
        {DXGI_FORMAT_B8G8R8A8_UNORM_SRGB, "B8G8R8A8_UNORM_SRGB"},
        {DXGI_FORMAT_R16G16B16A16_FLOAT, "R16G16B16A16_FLOAT"}};
    for (const auto& [format, name] : formats) {
        SCOPED_TRACE(name);
        const Picture picture = drawBar(format, name);
        ASSERT_FALSE(picture.rgba.empty());
        ASSERT_TRUE(picture.frame == reference.frame);
        // Every pixel of the opaque body below the rows shows the reference's colour here too;
        // so does the game's picture around the bar.
        int bodyPixels = 0, worstBody = 0;
        std::vector<int> differences;
        const tw::Rect& f = reference.frame;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const Rgba want = reference.at(x, y);
                const int d = difference(want, picture.at(x, y));
                if (body.contains(x, y)) {
                    ++bodyPixels;
                    worstBody = std::max(worstBody, d);
                }
                if (x >= f.x && x < f.right() && y >= f.y && y < f.bottom()) {
                    differences.push_back(d);
                } else if (x > f.right() + 8 || y > f.bottom() + 8) {
                    ASSERT_LE(d, 2) << "game picture at " << x << "," << y;
                }
            }
        EXPECT_GT(bodyPixels, 2000);
        EXPECT_LE(worstBody, 2);
        std::sort(differences.begin(), differences.end());
        const auto within = [&](int limit) {
            return 100.0 *
                   double(std::upper_bound(differences.begin(), differences.end(), limit) -
                          differences.begin()) /
                   double(differences.size());
        };
        // Translucent parts (the title over the game, the darker value fields, the shadow)
        // blend in the view's own space and come close rather than exact.
        EXPECT_GE(within(8), 95.0);
        const long ink = titleInk(picture);
        EXPECT_GT(ink, referenceInk * 95 / 100) << "text as thick as on an 8-bit buffer";
        EXPECT_LT(ink, referenceInk * 105 / 100) << "text as thick as on an 8-bit buffer";
    }
}

}  // namespace
