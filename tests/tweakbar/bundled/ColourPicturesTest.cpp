// Colours on a real window: window messages open a colour, switch it to hue, lightness and
// saturation and type a component; pictures (kept for a person to judge) show opened colours
// in both modes, with each folded swatch showing its colour, and the checker through a
// translucent one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "Bar.h"
#include "ColourComponents.h"
#include "DrawList.h"
#include "EngineOnWindow.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

// The middle of a shown row's value field (channel -1: the colour's own row).
struct FieldPoint {
    bool found = false;
    int x = 0, y = 0;
};

FieldPoint fieldOf(TwBar* bar, const char* name, int channel) {
    const tw::Control* control = bar->find(name);
    const tw::Row* row = control ? tw::shownRow(*bar, control, channel) : nullptr;
    if (!row) return {};
    const tw::Rect field = tw::valueField(bar->layout, *row);
    return {true, field.x + field.w / 2, field.y + field.h / 2};
}

TEST(ColourOnAWindow, MessagesOpenAColourSwitchItToHlsAndATypedHueWritesItsRgb) {
    EngineOnWindow engine(480, 360);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwBar* bar = TwNewBar("Paint");
    ASSERT_EQ(TwDefine(" Paint position='40 30' size='260 240' "), 1) << TwGetLastError();
    std::uint32_t tint = 0xFF0000FF;  // red, opaque
    ASSERT_EQ(TwAddVarRW(bar, "Tint", TW_TYPE_COLOR32, &tint, nullptr), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    const auto heading = EngineOnWindow::rowOf(bar, "Tint");
    ASSERT_TRUE(heading.found);
    engine.click(heading.labelX, heading.y);

    ASSERT_TRUE(engine.frame(0, 0, 0));
    const FieldPoint mode = fieldOf(bar, "Tint", tw::kColourModeRow);
    ASSERT_TRUE(mode.found) << "opened, the colour lists its Mode row";
    EXPECT_FALSE(fieldOf(bar, "Tint", tw::kHue).found);
    engine.click(mode.x, mode.y);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    char shown[8] = {};
    ASSERT_EQ(TwGetParam(bar, "Tint", "colormode", TW_PARAM_CSTRING, sizeof shown, shown), 1);
    EXPECT_STREQ(shown, "hls");

    const FieldPoint hue = fieldOf(bar, "Tint", tw::kHue);
    ASSERT_TRUE(hue.found);
    engine.click(hue.x, hue.y);
    engine.type("240");
    engine.key(VK_RETURN);
    EXPECT_EQ(tint, 0xFFFF0000u) << "blue, alpha untouched";
}

// Within a few levels of the expected byte, each channel.
bool near(Rgba p, int r, int g, int b, int tolerance = 3) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance &&
           std::abs(p.b - b) <= tolerance;
}

// The swatch of a folded colour: the value field less its 1 px frame, a checker of 4 x 2.
struct Swatch {
    tw::Rect area;
    int cellX(int column) const { return area.x + area.w * (2 * column + 1) / 8; }
    int cellY(int row) const { return area.y + area.h * (2 * row + 1) / 4; }
};

Swatch swatchOf(TwBar* bar, const char* name) {
    const tw::Row* row = tw::shownRow(*bar, bar->find(name), -1);
    return {row ? tw::valueField(bar->layout, *row).inset(1, 1) : tw::Rect{}};
}

TEST(ColourOnAWindow, PicturesOfOpenedColoursInBothModesAndSwatchesShowingTheirColours) {
    for (const char* mode : {"rgb", "hls"}) {
        for (int size = 1; size <= 3; ++size) {
            EngineOnWindow engine(360, 340);
            ASSERT_TRUE(engine.started()) << TwGetLastError();
            TwBar* bar = TwNewBar("Paint");
            const std::string define = "GLOBAL fontsize=" + std::to_string(size) +
                                       " TW_HELP visible=false Paint position='20 20' size='" +
                                       std::to_string(180 + 50 * size) + " 300' refresh=0";
            ASSERT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
            float glass[4] = {0.2f, 0.4f, 1.0f, 0.5f};
            std::uint32_t solid = 0xFF0080FF;  // orange, opaque
            float plain[3] = {0.0f, 0.6f, 0.2f};
            const std::string opened = std::string("opened=true colormode=") + mode;
            ASSERT_EQ(TwAddVarRW(bar, "Glass", TW_TYPE_COLOR4F, glass, opened.c_str()), 1);
            ASSERT_EQ(TwAddVarRW(bar, "Solid", TW_TYPE_COLOR32, &solid, "coloralpha=true"), 1);
            ASSERT_EQ(TwAddVarRW(bar, "Plain", TW_TYPE_COLOR3F, plain, nullptr), 1);
            engine.move(350, 330);  // away from the rows: no highlight
            ASSERT_TRUE(engine.frame(40, 40, 40));
            const std::string name =
                std::string("colour-") + mode + "-fontsize" + std::to_string(size) + ".png";
            EXPECT_TRUE(kztest::writePng(name, engine.pixels(), engine.width(), engine.height()));

            const Swatch glassSwatch = swatchOf(bar, "Glass");
            ASSERT_FALSE(glassSwatch.area.empty()) << name;
            EXPECT_TRUE(fieldOf(bar, "Glass", tw::kAlpha).found) << name;
            EXPECT_EQ(fieldOf(bar, "Glass", tw::kHue).found, std::string(mode) == "hls") << name;
            // Half of (51, 102, 255) over the checker's light and dark cells.
            const Rgba light = engine.pixel(glassSwatch.cellX(0), glassSwatch.cellY(0));
            const Rgba dark = engine.pixel(glassSwatch.cellX(1), glassSwatch.cellY(0));
            EXPECT_TRUE(near(light, 137, 163, 239))
                << name << " " << int(light.r) << " " << int(light.g) << " " << int(light.b);
            EXPECT_TRUE(near(dark, 81, 107, 183))
                << name << " " << int(dark.r) << " " << int(dark.g) << " " << int(dark.b);
            EXPECT_TRUE(
                near(engine.pixel(glassSwatch.cellX(1), glassSwatch.cellY(1)), 137, 163, 239))
                << name << ": the cells alternate";

            // Opaque colours hide the checker, and one without alpha has none.
            for (const char* opaque : {"Solid", "Plain"}) {
                const Swatch s = swatchOf(bar, opaque);
                ASSERT_FALSE(s.area.empty()) << name << " " << opaque;
                const int r = opaque[0] == 'S' ? 255 : 0, g = opaque[0] == 'S' ? 128 : 153,
                          b = opaque[0] == 'S' ? 0 : 51;
                for (int column = 0; column < 4; ++column) {
                    for (int row = 0; row < 2; ++row) {
                        const Rgba p = engine.pixel(s.cellX(column), s.cellY(row));
                        EXPECT_TRUE(near(p, r, g, b, 1))
                            << name << " " << opaque << " " << column << "," << row << ": "
                            << int(p.r) << " " << int(p.g) << " " << int(p.b);
                    }
                }
            }
        }
    }
}

}  // namespace
