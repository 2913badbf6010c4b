// Colours on a real window: window messages open a colour and switch it to hue, lightness and
// saturation; pictures (kept for a person to judge) show it opened in both modes above folded
// swatches, each showing its colour, with the checker through a translucent one.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "compose/DrawList.h"
#include "EngineOnWindow.h"
#include "model/Bar.h"
#include "values/ColourComponents.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

// A shown row's value field (channel -1: the colour's own row); empty when not shown.
tw::Rect fieldOf(TwBar* bar, const char* name, int channel) {
    const tw::Row* row = tw::shownRow(*bar, bar->find(name), channel);
    return row ? tw::valueField(bar->layout, *row) : tw::Rect{};
}

void clickField(EngineOnWindow& engine, const tw::Rect& field) {
    engine.click(field.x + field.w / 2, field.y + field.h / 2);
}

// A folded colour's swatch, the field less its 1 px frame, shows at the middle of a checker
// cell (4 across, 2 down) within a few levels of this colour.
bool cellShows(const EngineOnWindow& engine, TwBar* bar, const char* name, int column, Rgba colour,
               int tolerance) {
    const tw::Rect s = fieldOf(bar, name, -1).inset(1, 1);
    const Rgba p = engine.pixel(s.x + s.w * (2 * column + 1) / 8, s.y + s.h / 4);
    return kztest::closeTo(p, colour, tolerance);
}

// Half of (51, 102, 255) over the checker's light and dark cells; an opaque colour hides the
// checker and one without alpha has none.
void expectSwatches(const EngineOnWindow& engine, TwBar* bar, const std::string& picture) {
    EXPECT_TRUE(cellShows(engine, bar, "Glass", 0, {137, 163, 239, 255}, 3)) << picture;
    EXPECT_TRUE(cellShows(engine, bar, "Glass", 1, {81, 107, 183, 255}, 3)) << picture;
    for (int column = 0; column < 2; ++column) {
        EXPECT_TRUE(cellShows(engine, bar, "Solid", column, {255, 128, 0, 255}, 1)) << picture;
        EXPECT_TRUE(cellShows(engine, bar, "Plain", column, {0, 153, 51, 255}, 1)) << picture;
    }
}

void picture(EngineOnWindow& engine, const std::string& name) {
    engine.move(350, 330);  // away from the rows: no highlight
    ASSERT_TRUE(engine.frame(40, 40, 40));
    EXPECT_TRUE(engine.keep(name));
}

TEST(ColourOnAWindow, MessagesOpenAColourAndSwitchItToHlsOverSwatchesOfTheirColour) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(360, 340);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = kztest::barAtFontSize(
            size, "Paint",
            "position='20 20' size='" + std::to_string(180 + 50 * size) + " 300' refresh=0");
        float glass[4] = {0.2f, 0.4f, 1.0f, 0.5f};
        std::uint32_t solid = 0xFF0080FF;  // orange, opaque
        float plain[3] = {0.0f, 0.6f, 0.2f};
        ASSERT_EQ(TwAddVarRW(bar, "Glass", TW_TYPE_COLOR4F, glass, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Solid", TW_TYPE_COLOR32, &solid, "coloralpha=true"), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Plain", TW_TYPE_COLOR3F, plain, nullptr), 1);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        const auto heading = EngineOnWindow::rowOf(bar, "Glass");
        engine.click(heading.labelX, heading.y);
        const std::string suffix = "-fontsize" + std::to_string(size) + ".png";
        picture(engine, "colour-rgb" + suffix);
        expectSwatches(engine, bar, "colour-rgb" + suffix);
        EXPECT_FALSE(fieldOf(bar, "Glass", tw::kAlpha).empty());
        const tw::Rect mode = fieldOf(bar, "Glass", tw::kColourModeRow);
        ASSERT_FALSE(mode.empty()) << size;
        clickField(engine, mode);
        picture(engine, "colour-hls" + suffix);
        expectSwatches(engine, bar, "colour-hls" + suffix);
    }
}

}  // namespace
