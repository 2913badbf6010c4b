// How values show as text and how text typed into a field becomes a value, where the width,
// sign or packing of a type decides the result.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "values/ValueText.h"

namespace {

using tw::Control;

Control makeControl(TwType type, const tw::EnumRegistry& enums = {}) {
    Control control;
    control.type = type;
    EXPECT_EQ(tw::describeType(type, enums, control.typeInfo), nullptr);
    return control;
}

template <typename T>
std::string shown(const Control& control, T value, int channel = -1) {
    char buffer[64];
    tw::formatValue(control, reinterpret_cast<const unsigned char*>(&value), channel, buffer,
                    sizeof buffer);
    return buffer;
}

template <typename T>
T typed(const Control& control, const char* text, T start = T{}, int channel = -1) {
    tw::parseValue(control, text, channel, reinterpret_cast<unsigned char*>(&start));
    return start;
}

TEST(ValueText, NumbersKeepTheirWidthRangeAndPrecision) {
    Control i8 = makeControl(TW_TYPE_INT8);
    i8.hexa = true;
    EXPECT_EQ(shown<std::int8_t>(i8, -1), "0xFF");
    EXPECT_EQ(shown<std::int32_t>(makeControl(TW_TYPE_INT32), INT32_MIN), "-2147483648");
    Control u32 = makeControl(TW_TYPE_UINT32);
    EXPECT_EQ(shown<std::uint32_t>(u32, 4000000000u), "4000000000");
    // Hexadecimal shows every digit of the variable's width.
    u32.hexa = true;
    EXPECT_EQ(shown<std::uint32_t>(u32, 255u), "0x000000FF");
    Control u16 = makeControl(TW_TYPE_UINT16);
    u16.hexa = true;
    EXPECT_EQ(shown<std::uint16_t>(u16, 10), "0x000A");
    u32.hexa = false;
    EXPECT_EQ(typed<std::uint32_t>(u32, "0x10"), 16u);
    Control byte = makeControl(TW_TYPE_UINT8);
    EXPECT_EQ(typed<std::uint8_t>(byte, "300"), 255);
    EXPECT_EQ(typed<std::uint8_t>(byte, " 12.6 "), 13);
    Control f = makeControl(TW_TYPE_FLOAT);
    f.max = 1, f.maxSet = true;
    EXPECT_FLOAT_EQ(typed<float>(f, "1e300"), 1.0f);
    // A character shows with its code; typing takes the first character.
    Control c = makeControl(TW_TYPE_CHAR);
    EXPECT_EQ(shown<char>(c, 'A'), "A (65)");
    EXPECT_EQ(shown<char>(c, '\n'), "10");
    EXPECT_EQ(typed<char>(c, "z"), 'z');
    EXPECT_EQ(typed<char>(c, "66"), '6');
    c.hexa = true;
    EXPECT_EQ(shown<char>(c, 'A'), "A (0x41)");

    // Automatic precision writes like %g; a fixed one keeps its digits and never shows -0.
    Control d = makeControl(TW_TYPE_DOUBLE);
    EXPECT_EQ(shown(d, 3.14159), "3.14159");
    EXPECT_EQ(shown(d, 2.5e-7), "2.5e-07");
    d.precision = 2;
    EXPECT_EQ(shown(d, -0.001), "0.00") << "never minus zero";
    d.precision = 0;
    EXPECT_EQ(shown(d, 2.5e3), "2500");
    EXPECT_EQ(tw::precisionOfStep(1), 0);
    EXPECT_EQ(tw::precisionOfStep(0.25), 1);
    EXPECT_EQ(tw::precisionOfStep(0.005), 3);
    EXPECT_EQ(tw::precisionOfStep(0.0999999999), 1) << "within the tolerance";
    EXPECT_EQ(tw::precisionOfStep(1e-12), 12);
    EXPECT_EQ(tw::precisionOfStep(1e-13), -1);
    const double quat[4] = {0, 0.5, -1, 1};
    char buffer[64];
    tw::formatValue(makeControl(TW_TYPE_QUAT4D), reinterpret_cast<const unsigned char*>(quat), -1,
                    buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Q={x:0.00,y:0.50,z:-1.00,s:1.00}");
    const float direction[3] = {-0.0f, 2, 0.125f};
    tw::formatValue(makeControl(TW_TYPE_DIR3F), reinterpret_cast<const unsigned char*>(direction),
                    -1, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "V={0.00,2.00,0.12}");
}

TEST(ValueText, BoolsEnumsColoursAndStringsShowWhatTheyHold) {
    // Without labels a bool's text is empty: the row draws a check mark or a dash.
    Control b = makeControl(TW_TYPE_BOOL16);
    b.trueLabel = "On";
    EXPECT_EQ(shown<std::int16_t>(b, 256), "On") << "any bit set";
    EXPECT_EQ(shown<std::int16_t>(b, 0), "");
    b.falseLabel = "Off";
    EXPECT_EQ(shown<std::int16_t>(b, 0), "Off");

    tw::EnumRegistry enums;
    enums.push_back(std::make_unique<tw::EnumType>());
    enums[0]->entries = {{0, "Off"}, {3, "High"}};
    Control e = makeControl(static_cast<TwType>(tw::kEnumTypeBase), enums);
    EXPECT_EQ(shown<std::int32_t>(e, 3), "High");
    EXPECT_EQ(shown<std::int32_t>(e, 2), "2");
    std::int32_t raw = 0;
    for (int i = 0; i < 2; ++i)  // the second step wraps past the last entry to the first
        tw::stepValue(e, reinterpret_cast<unsigned char*>(&raw), -1, 1);
    EXPECT_EQ(raw, 0);

    Control c32 = makeControl(TW_TYPE_COLOR32);
    EXPECT_EQ(shown<std::uint32_t>(c32, 0x802010FFu), "255 16 32 128");
    EXPECT_EQ(shown<std::uint32_t>(c32, 0x802010FFu, 1), "16");
    EXPECT_EQ(typed<std::uint32_t>(c32, "999", 0x802010FFu, 3), 0xFF2010FFu);
    const float rgb[3] = {1.0f, 0.5f, -2.0f};
    char buffer[64];
    tw::formatValue(makeControl(TW_TYPE_COLOR3F), reinterpret_cast<const unsigned char*>(rgb), -1,
                    buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "255 128 0");

    struct Text {
        char c[6];
    };
    Control s = makeControl(TW_TYPE_CSSTRING(6));
    EXPECT_STREQ(typed(s, "abcdefgh", Text{}).c, "abcde");
    Text full;
    std::memcpy(full.c, "xxxxxx", 6);
    EXPECT_EQ(shown(s, full), "xxxxxx") << "a buffer without terminator shows its own bytes";
}

}  // namespace
