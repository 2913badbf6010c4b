// Colours: the conversion between red, green, blue and hue, lightness, saturation, and a
// colour's rows driven through the generic mouse and key input; and fields that open with all
// their text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "model/Bar.h"
#include "values/ColourComponents.h"
#include "values/ValueText.h"

namespace {

using Ints = std::vector<int>;

tw::Rgba rgb(int r, int g, int b) {
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b), 77};
}
Ints bytesOf(double hue, double lightness, double saturation) {
    tw::Rgba c = rgb(0, 0, 0);
    tw::setRgbFromHls(c, {hue, lightness, saturation});
    return {c.r, c.g, c.b, c.a};
}

TEST(ColourSpace, TextbookColoursConvertBothWaysHuesWrapAndEveryColourComesBack) {
    const double cases[][6] = {{255, 0, 0, 0, 127.5, 255},
                               {0, 255, 255, 180, 127.5, 255},
                               {128, 128, 128, 0, 128, 0},
                               {255, 128, 128, 0, 191.5, 255},
                               {64, 128, 96, 150, 96, 255 / 3.0}};
    for (const auto& c : cases) {
        const tw::Hls hls = tw::hlsOf(rgb(int(c[0]), int(c[1]), int(c[2])));
        EXPECT_NEAR(hls.hue, c[3], 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_NEAR(hls.lightness, c[4], 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_NEAR(hls.saturation, c[5], 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_EQ(bytesOf(c[3], c[4], c[5]), (Ints{int(c[0]), int(c[1]), int(c[2]), 77}));
    }
    EXPECT_EQ(bytesOf(360, 127.5, 255), bytesOf(0, 127.5, 255));
    EXPECT_EQ(bytesOf(-120, 127.5, 255), bytesOf(240, 127.5, 255));
    EXPECT_GT(tw::hlsOf(rgb(255, 0, 1)).hue, 359) << "just short of red, not negative";
    // Every colour comes back exactly; through the whole numbers the rows show, within the
    // ~4 levels a degree of hue moves a saturated channel.
    int worst = 0;
    for (int i = 0; i < 18 * 18 * 18; ++i) {
        const int r = i % 18 * 15, g = i / 18 % 18 * 15, b = i / 324 * 15;
        const tw::Hls h = tw::hlsOf(rgb(r, g, b));
        ASSERT_EQ(bytesOf(h.hue, h.lightness, h.saturation), (Ints{r, g, b, 77}));
        const Ints whole =
            bytesOf(std::round(h.hue), std::round(h.lightness), std::round(h.saturation));
        worst = std::max(
            {worst, std::abs(whole[0] - r), std::abs(whole[1] - g), std::abs(whole[2] - b)});
    }
    EXPECT_LE(worst, 3);
}

class ColourRows : public OneBarTest {
  protected:
    // Each row's channel: -1 for a variable's own row.
    Ints channels() {
        Ints out;
        for (const tw::Row& row : layout().rows)
            out.push_back(row.channel);
        return out;
    }
    std::string shown(std::size_t index) {
        const tw::Row& row = layout().rows.at(index);
        char text[64];
        tw::formatValue(*row.control, row.control->value.data(), row.channel, text, sizeof text);
        return text;
    }
    // The pointer over a row's value field (or its label), pressed when asked.
    void point(std::size_t index, bool onLabel, bool click = false) {
        const auto [x, y] = onLabel ? labelPoint(index) : valuePoint(index);
        TwMouseMotion(x, y);
        if (click) TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_LEFT);
        if (click) TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_LEFT);
    }
    void typeInto(std::size_t index, const char* text) {
        point(index, false, true);
        type(text);
        EXPECT_TRUE(TwKeyPressed(TW_KEY_RETURN, 0));
    }
};

using tw::kAlpha, tw::kBlue, tw::kGreen, tw::kHue, tw::kLightness, tw::kRed, tw::kSaturation;
constexpr int kMode = tw::kColourModeRow;

TEST_F(ColourRows, TheModeRowSwitchesTheSetShownByPressArrowsAndReturnEvenOnAReadOnlyColour) {
    std::uint32_t color = 0xFF204080;
    ASSERT_EQ(TwAddVarRO(bar, "c", TW_TYPE_COLOR32, &color, "opened=true"), 1);
    EXPECT_EQ(channels(), (Ints{-1, kRed, kGreen, kBlue, kMode}));
    EXPECT_EQ(shown(4), "RGB");
    point(4, false, true);
    EXPECT_EQ(channels(), (Ints{-1, kHue, kLightness, kSaturation, kMode}));
    EXPECT_EQ(shown(4) + text(bar, "c", "colormode"), "HLShls");
    point(4, true, true);
    EXPECT_EQ(text(bar, "c", "colormode"), "rgb");
    for (int key : {TW_KEY_RIGHT, TW_KEY_LEFT, TW_KEY_RETURN}) {
        point(4, true);
        EXPECT_TRUE(TwKeyPressed(key, 0));
        EXPECT_EQ(text(bar, "c", "colormode"), "hls") << key;
        EXPECT_TRUE(TwKeyPressed(key, 0));
        EXPECT_EQ(text(bar, "c", "colormode"), "rgb") << key;
    }
    point(1, true);
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RIGHT, 0)) << "the components stay read-only";
    EXPECT_EQ(color, 0xFF204080u);
}

TEST_F(ColourRows, AnHlsEditWritesItsRgbAtOnceAndFloatColoursInWholeStepsOfAByte) {
    std::uint32_t packed = 0x800000FF;  // red; the alpha byte is kept
    float rgbF[3] = {1, 0.123f, 0};
    ASSERT_EQ(TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &packed, "opened=true colormode=hls"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c3f", TW_TYPE_COLOR3F, rgbF, "opened=true colormode=hls"), 1);
    EXPECT_EQ(shown(2), "128");
    typeInto(1, "120");
    EXPECT_EQ(packed, 0x8001FF01u) << "green, at the lightness its row shows (128, not 127.5)";
    typeInto(2, "255");
    EXPECT_EQ(packed, 0x80FFFFFFu) << "white";
    typeInto(8, "255");  // the saturation it has: the same colour, in whole levels
    EXPECT_EQ(rgbF[1], 31 / 255.0f) << "0.123 is 31.4 levels";
    typeInto(6, "240");
    EXPECT_EQ(rgbF[0], 1 / 255.0f) << "blue, at the whole lightness its row shows";
    EXPECT_EQ(rgbF[1], 1 / 255.0f);
    typeInto(7, "64");  // half of full lightness at full saturation: dark blue
    EXPECT_EQ(rgbF[2], 128 / 255.0f);
    point(6, true);
    EXPECT_TRUE(TwKeyPressed(TW_KEY_RIGHT, 0));
    EXPECT_EQ(shown(6), "241");
    typeInto(6, "400");
    EXPECT_EQ(shown(6), "359");
}

TEST_F(ColourRows, OnlyAColourWithAlphaListsAnAlphaRowAboveMode) {
    std::uint32_t packed = 0x11223344;
    float rgb3[3] = {}, rgb4[4] = {};
    ASSERT_EQ(TwAddVarRW(bar, "c3f", TW_TYPE_COLOR3F, rgb3, "opened=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c4f", TW_TYPE_COLOR4F, rgb4, "opened=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &packed, "opened=true coloralpha=true"), 1);
    EXPECT_EQ(TwDefine(" bar/c3f coloralpha=true "), 0);
    EXPECT_EQ(channels(), (Ints{-1, kRed, kGreen, kBlue, kMode, -1, kRed, kGreen, kBlue, kAlpha,
                                kMode, -1, kRed, kGreen, kBlue, kAlpha, kMode}));
    typeInto(15, "255");
    EXPECT_EQ(packed, 0xFF223344u);
    ASSERT_EQ(TwDefine(" bar/c4f coloralpha=false\r\nbar/c32 coloralpha=false "), 1);
    EXPECT_EQ(channels().size(), 15u);
}

TEST_F(ColourRows, TheHueLastSetStaysWhereTheBytesCannotTellItSoStepsNeverStall) {
    std::uint32_t color = 0xFF808080;
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &color, "opened=true colormode=hls"), 1);
    typeInto(1, "200");
    EXPECT_EQ(color, 0xFF808080u) << "a grey of any hue is the same grey";
    EXPECT_EQ(shown(1), "200");
    typeInto(3, "255");  // saturated, the hue set shows: sky blue
    EXPECT_NEAR(tw::hlsOf(tw::readColor(bar->find("c")->typeInfo, &color)).hue, 200, 0.5);
    color = 0xFF7E8082;  // nearly grey: a degree of hue changes no byte
    TwRefreshBar(bar);
    EXPECT_EQ(shown(1), "30");
    point(1, true);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(TwKeyPressed(TW_KEY_RIGHT, 0));
    EXPECT_EQ(shown(1), "35");
    color = 0xFF0100FF;  // changed by the caller: its own hue, 359.8, shown as red's 0
    TwRefreshBar(bar);
    EXPECT_EQ(shown(1), "0");
}

using FieldText = ColourRows;

TEST_F(FieldText, LongComponentsStringsAndNumbersOpenWholeAndComeBackUnchanged) {
    float direction[3] = {12345.67f, 0, 0};
    const std::string longText = std::string(300, 'x') + "end";
    char text[400] = {};
    longText.copy(text, longText.size());
    double number = 0;
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, direction, "opened=true showval=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof text), text, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "n", TW_TYPE_DOUBLE, &number, nullptr), 1);
    typeInto(2, "");  // Dir X, below the widget
    EXPECT_EQ(direction[0], 12345.67f);
    typeInto(5, "");
    EXPECT_EQ(std::string(text), longText);
    const std::string digits = std::string(69, '9') + ".5";
    typeInto(6, digits.c_str());
    EXPECT_EQ(number, std::stod(digits));
}

}  // namespace
