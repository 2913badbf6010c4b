// Colours: the conversion between red, green, blue and hue, lightness, saturation, and a
// colour's rows in a bar driven through the generic mouse and key input: the Mode row, the
// components each mode lists, and what an edit writes into the caller's variable.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Bar.h"
#include "ColourComponents.h"
#include "ColourSpace.h"
#include "EngineFixture.h"
#include "ValueText.h"

namespace {

using tw::Hls;
using tw::Rgba;

Rgba rgb(int r, int g, int b) {
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b), 255};
}

Rgba fromHls(double hue, double lightness, double saturation) {
    Rgba color;
    tw::setRgbFromHls(color, {hue, lightness, saturation});
    return color;
}

std::vector<int> bytes(Rgba c) {
    return {c.r, c.g, c.b};
}

TEST(ColourSpace, PrimariesSecondariesAndGreysHaveTheirTextbookHueLightnessAndSaturation) {
    struct Case {
        Rgba color;
        double hue, lightness, saturation;
    };
    const Case cases[] = {
        {rgb(255, 0, 0), 0, 127.5, 255},     {rgb(255, 255, 0), 60, 127.5, 255},
        {rgb(0, 255, 0), 120, 127.5, 255},   {rgb(0, 255, 255), 180, 127.5, 255},
        {rgb(0, 0, 255), 240, 127.5, 255},   {rgb(255, 0, 255), 300, 127.5, 255},
        {rgb(128, 128, 128), 0, 128, 0},     {rgb(0, 0, 0), 0, 0, 0},
        {rgb(255, 255, 255), 0, 255, 0},     {rgb(128, 0, 0), 0, 64, 255},
        {rgb(255, 128, 128), 0, 191.5, 255}, {rgb(64, 128, 96), 150, 96, 255.0 / 3},
    };
    for (const Case& c : cases) {
        const Hls hls = tw::hlsOf(c.color);
        const std::string name = std::to_string(c.color.r) + " " + std::to_string(c.color.g) + " " +
                                 std::to_string(c.color.b);
        EXPECT_NEAR(hls.hue, c.hue, 1e-9) << name;
        EXPECT_NEAR(hls.lightness, c.lightness, 1e-9) << name;
        EXPECT_NEAR(hls.saturation, c.saturation, 1e-9) << name;
        EXPECT_EQ(bytes(fromHls(c.hue, c.lightness, c.saturation)), bytes(c.color)) << name;
    }
    // Without saturation every hue is the same grey.
    for (double hue : {0.0, 77.0, 200.0, 359.0})
        EXPECT_EQ(bytes(fromHls(hue, 100, 0)), bytes(rgb(100, 100, 100))) << hue;
    // Alpha is not the conversion's business.
    Rgba translucent{0, 0, 0, 77};
    tw::setRgbFromHls(translucent, {120, 127.5, 255});
    EXPECT_EQ(translucent.a, 77);
}

TEST(ColourSpace, EveryColourComesBackFromItsHlsAndFromItsWholeNumbersWithinAHueStep) {
    int worstWhole = 0;
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 15) {
            for (int b = 0; b <= 255; b += 15) {
                const Rgba color = rgb(r, g, b);
                const Hls hls = tw::hlsOf(color);
                ASSERT_GE(hls.hue, 0);
                ASSERT_LT(hls.hue, 360);
                ASSERT_EQ(bytes(fromHls(hls.hue, hls.lightness, hls.saturation)), bytes(color))
                    << r << " " << g << " " << b;
                // As the rows show them: one degree of hue moves a saturated channel by ~4.
                const Rgba whole = fromHls(std::round(hls.hue), std::round(hls.lightness),
                                           std::round(hls.saturation));
                for (int i = 0; i < 3; ++i)
                    worstWhole = std::max(worstWhole,
                                          std::abs(tw::channel(whole, i) - tw::channel(color, i)));
            }
        }
    }
    EXPECT_LE(worstWhole, 3);
}

TEST(ColourSpace, HuesWrapAroundTheCircleAndAHueJustBelowRedIsNotNegative) {
    EXPECT_EQ(bytes(fromHls(360, 127.5, 255)), bytes(rgb(255, 0, 0)));
    EXPECT_EQ(bytes(fromHls(-120, 127.5, 255)), bytes(rgb(0, 0, 255)));
    EXPECT_EQ(bytes(fromHls(480, 127.5, 255)), bytes(rgb(0, 255, 0)));
    const Hls nearlyRed = tw::hlsOf(rgb(255, 0, 1));
    EXPECT_GT(nearlyRed.hue, 359);
    EXPECT_LT(nearlyRed.hue, 360);
}

// ---- A colour's rows in a bar ----

class ColourRows : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwDefine(" bar position='100 100' size='300 400' "), 1);
    }

    const tw::BarLayout& layout() {
        EXPECT_EQ(TwDraw(), 1);
        return bar->layout;
    }
    // What each row shows in its label column: the control's name, or a component's name.
    std::vector<std::string> labels() {
        std::vector<std::string> out;
        for (const tw::Row& row : layout().rows) {
            out.push_back(row.kind == tw::RowKind::Channel
                              ? (row.channel == tw::kColourModeRow
                                     ? "Mode"
                                     : tw::colourComponentName(row.channel))
                              : row.control->name);
        }
        return out;
    }
    // The text a row shows in its value field.
    std::string shown(std::size_t index) {
        const tw::Row& row = layout().rows.at(index);
        char text[64];
        tw::formatValue(*row.control, row.control->value.data(), row.channel, text, sizeof text);
        return text;
    }
    std::pair<int, int> value(std::size_t index) {
        const tw::Rect r = layout().rows.at(index).rect;
        return {bar->layout.valueX + 10, r.y + r.h / 2};
    }
    std::pair<int, int> label(std::size_t index) {
        const tw::Rect r = layout().rows.at(index).rect;
        return {r.x + 2, r.y + r.h / 2};
    }
    // Clicks a component's field, types over its text and commits.
    void typeInto(std::size_t index, const char* text) {
        const auto [x, y] = value(index);
        EXPECT_TRUE(click(x, y));
        type(text);
        EXPECT_TRUE(TwKeyPressed(TW_KEY_RETURN, 0));
    }
    // The pointer over a row, so that the arrows and Return act on it.
    void keyOn(std::size_t index, int key) {
        const auto [x, y] = label(index);
        TwMouseMotion(x, y);
        EXPECT_TRUE(TwKeyPressed(key, 0));
    }

    TwBar* bar = nullptr;
};

using Labels = std::vector<std::string>;

TEST_F(ColourRows, TheModeRowSwitchesTheComponentsByPressArrowsAndReturnAndWritesColormode) {
    std::uint32_t color = 0xFF204080;
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &color, "opened=true"), 1);
    EXPECT_EQ(labels(), (Labels{"c", "Red", "Green", "Blue", "Mode"}));
    EXPECT_EQ(shown(4), "RGB");

    const auto [x, y] = value(4);
    EXPECT_TRUE(click(x, y));
    EXPECT_EQ(labels(), (Labels{"c", "Hue", "Lightness", "Saturation", "Mode"}));
    EXPECT_EQ(shown(4), "HLS");
    EXPECT_EQ(text(bar, "c", "colormode"), "hls");
    // A press on the label toggles too, like a bool's.
    const auto [lx, ly] = label(4);
    EXPECT_TRUE(click(lx, ly));
    EXPECT_EQ(text(bar, "c", "colormode"), "rgb");

    for (int key : {TW_KEY_RIGHT, TW_KEY_LEFT, TW_KEY_RETURN}) {
        keyOn(4, key);
        EXPECT_EQ(layout().rows.at(1).channel, tw::kHue) << key;
        keyOn(4, key);
        EXPECT_EQ(layout().rows.at(1).channel, tw::kRed) << key;
    }
    EXPECT_EQ(color, 0xFF204080u) << "switching shows the colour another way, it changes nothing";

    // The parameter and the row are the same setting.
    ASSERT_EQ(TwDefine(" bar/c colormode=hls "), 1);
    EXPECT_EQ(labels().at(1), "Hue");
}

TEST_F(ColourRows, AReadOnlyColourStillSwitchesModeButItsComponentsStayAsTheyAre) {
    std::uint32_t color = 0xFF0000FF;
    ASSERT_EQ(TwAddVarRO(bar, "c", TW_TYPE_COLOR32, &color, "opened=true"), 1);
    const auto [x, y] = value(4);
    EXPECT_TRUE(click(x, y));
    EXPECT_EQ(text(bar, "c", "colormode"), "hls");
    const auto [lx, ly] = label(1);
    TwMouseMotion(lx, ly);
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RIGHT, 0));
    const auto [vx, vy] = value(2);
    press(vx, vy);
    release(vx + 30, vy);
    EXPECT_EQ(color, 0xFF0000FFu);
    EXPECT_EQ(shown(1), "0");
}

TEST_F(ColourRows, AnHlsEditWritesTheConvertedRedGreenAndBlueIntoEachColourType) {
    std::uint32_t packed = 0x800000FF;  // red, alpha 0x80 kept by the edits below
    float rgbF[3] = {1, 0, 0};
    ASSERT_EQ(TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &packed, "opened=true colormode=hls"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c3f", TW_TYPE_COLOR3F, rgbF, "opened=true colormode=hls"), 1);
    ASSERT_EQ(labels(), (Labels{"c32", "Hue", "Lightness", "Saturation", "Mode", "c3f", "Hue",
                                "Lightness", "Saturation", "Mode"}));
    EXPECT_EQ(shown(1), "0");
    EXPECT_EQ(shown(2), "128");
    EXPECT_EQ(shown(3), "255");

    typeInto(1, "120");
    EXPECT_EQ(packed, 0x8000FF00u) << "green";
    typeInto(2, "255");
    EXPECT_EQ(packed, 0x80FFFFFFu) << "white";
    EXPECT_EQ(shown(1), "120") << "the hue set stays while the colour is what it gave";

    typeInto(6, "240");
    EXPECT_EQ(rgbF[0], 0.0f);
    EXPECT_EQ(rgbF[1], 0.0f);
    EXPECT_EQ(rgbF[2], 1.0f);
    typeInto(7, "64");  // a darker blue: half of full lightness at full saturation
    EXPECT_EQ(rgbF[2], 128 / 255.0f);
    // Keys step a component like any number; a hue is kept within its 0..359.
    keyOn(6, TW_KEY_RIGHT);
    EXPECT_EQ(shown(6), "241");
    typeInto(6, "400");
    EXPECT_EQ(shown(6), "359");
}

TEST_F(ColourRows, FloatColoursAreQuantisedToWholeStepsOfAByteWhenAComponentIsEdited) {
    float rgba[4] = {0.3f, 0.123f, 0.85f, 0.5f};
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR4F, rgba, "opened=true"), 1);
    typeInto(1, "100");
    EXPECT_EQ(rgba[0], 100 / 255.0f);
    EXPECT_EQ(rgba[1], 31 / 255.0f) << "0.123 is 31.4 bytes";
    EXPECT_EQ(rgba[2], 217 / 255.0f);
    EXPECT_EQ(rgba[3], 128 / 255.0f);
}

TEST_F(ColourRows, OnlyAColourWithAlphaListsTheAlphaRowJustAboveMode) {
    std::uint32_t packed = 0x11223344;
    float rgb3[3] = {}, rgb4[4] = {0, 0, 0, 1};
    ASSERT_EQ(TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &packed, "opened=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c3f", TW_TYPE_COLOR3F, rgb3, "opened=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c4f", TW_TYPE_COLOR4F, rgb4, "opened=true"), 1);
    EXPECT_EQ(labels(), (Labels{"c32", "Red", "Green", "Blue", "Mode", "c3f", "Red", "Green",
                                "Blue", "Mode", "c4f", "Red", "Green", "Blue", "Alpha", "Mode"}));
    EXPECT_EQ(TwDefine(" bar/c3f coloralpha=true "), 0);
    ASSERT_EQ(TwDefine(" bar/c32 coloralpha=true colormode=hls bar/c4f coloralpha=false "), 1);
    EXPECT_EQ(labels(),
              (Labels{"c32", "Hue", "Lightness", "Saturation", "Alpha", "Mode", "c3f", "Red",
                      "Green", "Blue", "Mode", "c4f", "Red", "Green", "Blue", "Mode"}));
    typeInto(4, "255");
    EXPECT_EQ(packed, 0xFF223344u);
}

TEST_F(ColourRows, WhatTheBytesCannotTellKeepsTheHueLastSetAndHueStepsNeverStall) {
    std::uint32_t grey = 0xFF808080;
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &grey, "opened=true colormode=hls"), 1);
    typeInto(1, "200");
    EXPECT_EQ(grey, 0xFF808080u) << "a grey of any hue is the same grey";
    EXPECT_EQ(shown(1), "200");
    typeInto(3, "255");  // saturated, the hue set shows: a sky blue
    const Rgba sky = tw::readColor(bar->find("c")->typeInfo, &grey);
    EXPECT_NEAR(tw::hlsOf(sky).hue, 200, 0.5);
    EXPECT_EQ(sky.b, 255);

    // Nearly grey, one degree of hue changes no byte; each step still moves the hue shown.
    grey = 0xFF7E8082;
    TwRefreshBar(bar);
    const std::string start = shown(1);
    for (int i = 0; i < 5; ++i)
        keyOn(1, TW_KEY_RIGHT);
    EXPECT_EQ(shown(1), std::to_string(std::stoi(start) + 5));
    // Changed from outside, the colour shows its own hue again.
    grey = 0xFF0000FF;
    TwRefreshBar(bar);
    EXPECT_EQ(shown(1), "0");
    // Just short of a full turn reads as red's 0, not 360.
    grey = 0xFF0100FF;
    TwRefreshBar(bar);
    EXPECT_EQ(shown(1), "0");
}

// ---- Fields open with all their text ----

using FieldText = ColourRows;

TEST_F(FieldText, LongComponentsStringsAndNumbersOpenWholeAndComeBackUnchanged) {
    float direction[3] = {12345.67f, -0.5f, 0};
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, direction, "opened=true showval=true"), 1);
    const std::size_t dirX = 2;  // below the heading and the widget
    const auto [x, y] = value(dirX);
    EXPECT_TRUE(click(x, y));
    EXPECT_TRUE(TwKeyPressed(TW_KEY_RETURN, 0));
    EXPECT_EQ(direction[0], 12345.67f);
    ASSERT_EQ(TwRemoveVar(bar, "d"), 1);

    std::string longText(300, 'x');
    longText += "end";
    char buffer[400] = {};
    longText.copy(buffer, longText.size());
    ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof buffer), buffer, nullptr), 1);
    const auto [sx, sy] = value(0);
    EXPECT_TRUE(click(sx, sy));
    EXPECT_TRUE(TwKeyPressed(TW_KEY_RETURN, 0));
    EXPECT_EQ(std::string(buffer), longText);
    ASSERT_EQ(TwRemoveVar(bar, "s"), 1);

    // A number typed in full, far longer than a row shows.
    double number = 0;
    ASSERT_EQ(TwAddVarRW(bar, "n", TW_TYPE_DOUBLE, &number, nullptr), 1);
    const std::string digits = std::string(69, '9') + ".5";
    const auto [nx, ny] = value(0);
    EXPECT_TRUE(click(nx, ny));
    type(digits.c_str());
    EXPECT_TRUE(TwKeyPressed(TW_KEY_RETURN, 0));
    EXPECT_EQ(number, std::stod(digits));
}

}  // namespace
