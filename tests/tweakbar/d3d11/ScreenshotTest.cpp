// Pictures for a person to look at, written into the build tree: the atlas itself, and a
// hand-made bar at each font size drawn over a coloured background.
#include <gtest/gtest.h>

#include <cmath>

#include "HandMadeLists.h"

namespace {

constexpr tw::PackedColor kText = tw::packColor(255, 255, 255, 255);
constexpr tw::PackedColor kValueText = tw::packColor(200, 240, 255, 255);

// A bar as the engine draws one, roughly: a title line, a translucent body, rows of label and
// value field. Returns the bottom of the bar.
float addSampleBar(tw::DisplayList& list, const tw::FontAtlas& atlas, int fontSize, float x,
                   float y, float width) {
    const tw::FontFace& face = atlas.face(fontSize);
    const float row = float(face.lineHeight + 2);
    const float title = row + 4;
    const char* rows[][2] = {{"Brightness", "0.75"},
                             {"Gamma", "2.2"},
                             {"Fullscreen", "ON"},
                             {"Name", "K\xE9vin's \x80 5"},
                             {"Quality", "High"}};
    const float height = title + row * 5 + 6;
    kztest::addFill(list, atlas, x, y, x + width, y + title, tw::packColor(17, 109, 143, 230));
    const float label = float(face.measure("Settings"));
    // Text starts on a whole pixel, as the engine places it.
    kztest::addText(list, atlas, fontSize, std::floor(x + (width - label) / 2), y + 2, "Settings",
                    kText);
    kztest::addFill(list, atlas, x, y + title, x + width, y + height,
                    tw::packColor(17, 109, 143, 160));
    const float valueX = x + width * 0.6f;
    for (int i = 0; i < 5; ++i) {
        const float top = y + title + 3 + row * float(i);
        kztest::addText(list, atlas, fontSize, x + 6, top + 1, rows[i][0], kText);
        kztest::addFill(list, atlas, valueX, top, x + width - 4, top + row - 1,
                        tw::packColor(0, 0, 0, 90));
        kztest::addText(list, atlas, fontSize, valueX + 4, top + 1, rows[i][1], kValueText);
    }
    return y + height;
}

TEST(Screenshots, AtlasImage) {
    kztest::D3DTestWindow window(64, 64);
    std::string error;
    auto backend = tw::createGraphBackend(TW_DIRECT3D11, window.device(), error);
    ASSERT_TRUE(backend) << error;
    const tw::FontAtlas& atlas = backend->atlas();
    std::vector<std::uint8_t> rgba;
    rgba.reserve(atlas.coverage.size() * 4);
    for (std::uint8_t c : atlas.coverage)
        rgba.insert(rgba.end(), {c, c, c, 255});
    EXPECT_TRUE(kztest::writePng("atlas.png", rgba, atlas.width, atlas.height));
}

TEST(Screenshots, SampleBarsAtEachFontSize) {
    kztest::BackendOnWindow w(640, 300);
    ASSERT_TRUE(w.backend) << w.error;
    const tw::FontAtlas& atlas = w.backend->atlas();
    tw::DisplayList list;
    // A background with stripes, so the translucency shows.
    for (int i = 0; i < 16; ++i)
        kztest::addFill(list, atlas, float(i * 40), 0, float(i * 40 + 20), 300,
                        tw::packColor(230, 180, 60, 255));
    float right = 10;
    for (int size = 1; size <= 3; ++size) {
        const float width = float(120 + 30 * size);
        addSampleBar(list, atlas, size, right, 20, width);
        right += width + 20;
    }
    list.version = 1;
    w.backend->resize(640, 300);
    const auto pixels = w.drawOver(list, 0.25f, 0.3f, 0.35f);
    ASSERT_TRUE(w.rendered);
    EXPECT_EQ(w.backend->lastFrame().drawCalls, 1u);
    EXPECT_TRUE(kztest::writePng("sample-bars.png", pixels, w.width, w.height));
}

}  // namespace
