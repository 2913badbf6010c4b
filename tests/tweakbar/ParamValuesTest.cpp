// How values given to defines and TwSetParam are read (blanks, extra values, trailing text,
// limits in any order, any step), how numbers convert between types, and the pieces of
// colours, quaternions and directions as variables of their own.
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "EveryRowFixture.h"

namespace {

using ParamValues = everyrow::EveryRowTest;

// A define, and what a parameter then reads as text; null: the define is refused and the
// parameter reads as before.
struct Leniency {
    const char* define;
    const char* var;  // null: the bar
    const char* name;
    const char* reads;
};

const Leniency kLeniency[] = {
    {"B\nalpha=65", nullptr, "alpha", "65"},
    {"B\ralpha=\n66", nullptr, "alpha", "66"},
    {"B/ alpha=82", nullptr, "alpha", "82"},
    {"B label=ab'c d'ef", nullptr, "label", "abc def"},
    {"B color='1 2 3 4 5'", nullptr, "color", "2 3 4"},
    {"B color='9 8 7 x'", nullptr, "color", "9 8 7"},
    {"B position='30 40 50'", nullptr, "position", "30 40"},
    {"B size='300 200x'", nullptr, "size", "300 200"},
    {"B position='12.5 30'", nullptr, "position", nullptr},
    {"B alpha=12x", nullptr, "alpha", "12"},
    {"B alpha=12.7", nullptr, "alpha", "12"},
    {"B alpha=x12", nullptr, "alpha", nullptr},
    {"B valueswidth=91.75", nullptr, "valueswidth", "91"},
    {"B/i readonly = true", "i", "readonly", "1"},
    {"B/ro readonly=false", "ro", "readonly", "0"},
    {"B/i value=12abc", "i", "value", "12"},
    {"B/i max=100 value=500", "i", "value", "500"},
    {"B/i value=-3.9", "i", "value", "-3"},
    {"B/f value=0x10", "f", "value", "16"},
    {"B/f value=1e2", "f", "value", "100"},
    {"B/f value=' 5'", "f", "value", "5"},
    {"B/f value=2.5x", "f", "value", "2.5"},
    {"B/b value=2", "b", "value", "1"},
    {"B/ch value=abc", "ch", "value", nullptr},
    {"B/u8 value=300", "u8", "value", "44"},
    {"B/u8 value=-1", "u8", "value", "255"},
    {"B/u8 min=-5", "u8", "min", "251"},
    {"B/i min=5abc", "i", "min", "5"},
    {"B/i min=0.5", "i", "min", "0"},
    {"B/i max=1e10", "i", "max", "1"},
    {"B/i step=0.25", "i", "step", "0"},
    {"B/f step=0.25", "f", "step", "0.25"},
    {"B/i min=10 max=5", "i", "min", "10"},
    {"B/s value=''", "s", "value", nullptr},
    {"B/i hexa=maybe", "i", "hexa", "0"},
};

TEST_F(ParamValues, DefinesReadValuesAsLenientlyAsTheFormsAllow) {
    for (const Leniency& row : kLeniency) {
        SCOPED_TRACE(row.define);
        const std::string before = text(bar, row.var, row.name);
        EXPECT_EQ(TwDefine(row.define), row.reads ? 1 : 0) << lastError();
        EXPECT_EQ(text(bar, row.var, row.name), row.reads ? row.reads : before);
    }
}

TEST_F(ParamValues, TypedNumbersGoThroughTextAndIntegersTruncate) {
    const int three[] = {11, 12, 13};
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 3, three), 1);
    EXPECT_EQ(text(bar, nullptr, "position"), "11 12");
    const float fractions[] = {12.5f, 30.25f};
    EXPECT_EQ(answer(TwSetParam(bar, nullptr, "position", TW_PARAM_FLOAT, 2, fractions)),
              "Unable to set param 'B position'  : Bad value");
    const double million = 1e6, tenth = 0.1, threeQuarters = 3.75;
    EXPECT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_DOUBLE, 1, &million), 1);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 1) << "1e+06 keeps its leading 1";
    EXPECT_EQ(TwSetParam(bar, "i", "min", TW_PARAM_DOUBLE, 1, &threeQuarters), 1);
    EXPECT_EQ(intParam(bar, "i", "min"), 3);
    EXPECT_EQ(TwSetParam(bar, nullptr, "label", TW_PARAM_DOUBLE, 1, &tenth), 1);
    EXPECT_EQ(text(bar, nullptr, "label"), "0.1");

    // Reads as INT32 truncate toward zero; what an int cannot hold reads as its minimum.
    f = -2.5f;
    EXPECT_EQ(intParam(bar, "f", "value"), -2);
    d = 1.5;
    EXPECT_EQ(intParam(bar, "d", "value"), 1);
    EXPECT_EQ(intParam(bar, "f", "max"), INT_MIN);
    unsigned int big = 4000000000u;
    unsigned short word = 0;
    ASSERT_EQ(TwAddVarRW(bar, "u32", TW_TYPE_UINT32, &big, " min=-5 "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "u16", TW_TYPE_UINT16, &word, " min=-5 "), 1);
    EXPECT_EQ(intParam(bar, "u32", "value"), INT_MIN);
    EXPECT_EQ(doubleParam(bar, "u32", "min"), 4294967291.0);
    EXPECT_EQ(text(bar, "u32", "min"), "4.29497e+09");
    EXPECT_EQ(intParam(bar, "u16", "min"), 65531);
    // A float's limits keep float precision.
    EXPECT_EQ(doubleParam(bar, "f", "min"), double(-3.0e38f));
    EXPECT_NE(doubleParam(bar, "f", "min"), -3.0e38);
}

// Limits in either order, and steps of any sign, as the keys use them.
TEST_F(ParamValues, KeysUseLimitsInAnyOrderAndAnyStep) {
    ASSERT_EQ(TwWindowSize(800, 600), 1);
    i = 7;
    ASSERT_EQ(TwDefine(" B/i min=10 max=5 key=k "), 1);
    ASSERT_TRUE(TwKeyPressed('k', 0));
    EXPECT_EQ(i, 5) << "the maximum is applied last";
    ASSERT_EQ(TwDefine(" B/i min=-100 max=100 step=0 "), 1);
    EXPECT_EQ(intParam(bar, "i", "step"), 0);
    TwKeyPressed('k', 0);
    EXPECT_EQ(i, 5);
    ASSERT_EQ(TwDefine(" B/i step=-3 "), 1);
    TwKeyPressed('k', 0);
    EXPECT_EQ(i, 2);
}

struct PartRead {
    const char* var;
    const char* name;
    const char* reads;
};

// What the pieces of a colour, a quaternion and a direction read, as the fixture holds them:
// c3 (0.1, 0.3, 0.9), c32 0xff102030, q the identity, dir (0, 3, 4).
const PartRead kPartReads[] = {
    {"c3.Red", "value", "25"},     {"c3.Green", "value", "76"},    {"c3.Blue", "value", "230"},
    {"c32.Red", "value", "48"},    {"c32.Alpha", "value", "255"},  {"c3.Mode", "value", "0"},
    {"c3.Red", "max", "255"},      {"c3.Hue", "max", "359"},       {"c3.Red", "step", "1"},
    {"c3.Red", "hexa", "0"},       {"c3.Red", "visible", "1"},     {"c3.Hue", "visible", "0"},
    {"c3.Alpha", "visible", "0"},  {"c3.Mode", "visible", "1"},    {"c3.Green", "label", "Green"},
    {"c3.Green", "group", "c3"},   {"q.Quat S", "value", "1"},     {"q.Quat X", "value", "0"},
    {"q.Axis X", "value", "1"},    {"q.Quat X", "step", "0.01"},   {"q.Quat X", "precision", "2"},
    {"q.Quat S", "min", "-1"},     {"q.Quat X", "max", "1e+308"},  {"q.Quat X", "visible", "0"},
    {"q.Dir X", "visible", "0"},   {"q.0", "visible", "1"},        {"dir.Dir Y", "value", "3"},
    {"dir.Dir Z", "visible", "1"}, {"dir.Quat X", "visible", "0"}, {"dir.Axis X", "visible", "0"},
};

const char* const kInvalidOnParts[][2] = {
    {"c3.Red", "precision"}, {"c3.Red", "enum"}, {"c3.Mode", "min"}, {"c3.Mode", "step"},
    {"c3.Mode", "hexa"},     {"q.0", "value"},   {"q.3", "min"},     {"q.Quat X", "hexa"},
};

TEST_F(ParamValues, PiecesOfColoursAndVectorsAreVariablesOfTheirOwn) {
    for (const PartRead& row : kPartReads) {
        EXPECT_EQ(text(bar, row.var, row.name), row.reads) << row.var << " " << row.name;
    }
    for (const auto& [var, name] : kInvalidOnParts) {
        EXPECT_EQ(text(bar, var, name), "<failed>") << var << " " << name;
        EXPECT_EQ(lastError(), std::string("Unable to get param 'B/") + var + " " + name +
                                   "'  : Invalid parameter");
    }
    // Names are the pieces' own, in their case; one with a blank is quoted whole in a define.
    EXPECT_EQ(text(bar, "c3.red", "value"), "<failed>");
    EXPECT_EQ(lastError(), "Unknown var 'B/c3.red'");
    EXPECT_EQ(answer(TwDefine(" B/q.Quat X visible=true ")),
              "Parsing error in def string: Variable not found [B/q.Quat        ...]");
    ASSERT_EQ(TwDefine(" `B/q.Quat X` visible=true "), 1);
    EXPECT_EQ(intParam(bar, "q.Quat X", "visible"), 1);
    ASSERT_EQ(TwDefine(" B/q showval=true "), 1);
    EXPECT_EQ(intParam(bar, "q.Quat Y", "visible"), 1);

    // Limits, visibility and labels per piece; the owner keeps its own.
    ASSERT_EQ(TwDefine(" B/c3.Red min=10 label=Rouge help=Why\r\nB/c3.Alpha visible=true "), 1);
    EXPECT_EQ(intParam(bar, "c3.Red", "min"), 10);
    EXPECT_EQ(text(bar, "c3.Red", "label"), "Red");
    EXPECT_EQ(text(bar, "c3.Red", "help"), "");
    EXPECT_EQ(intParam(bar, "c3.Alpha", "visible"), 1);
    ASSERT_EQ(TwDefine(" B/c3.Red readonly=true "), 1);
    EXPECT_EQ(intParam(bar, "c3", "readonly"), 0);
}

TEST_F(ParamValues, WritingAPieceWritesTheCallersVariableAtOnce) {
    ASSERT_EQ(TwDefine(" B/c32.Red value=1 "), 1);
    EXPECT_EQ(c32, 0xff102001u);
    ASSERT_EQ(TwDefine(" B/c32.Green value=300 "), 1);
    EXPECT_EQ(c32, 0xff10ff01u) << "clamped to 255";
    ASSERT_EQ(TwDefine(" B/c32 colororder=argb\r\nB/c32.Red value=2 "), 1);
    EXPECT_EQ(c32, 0xff02ff01u) << "red in the third byte";
    ASSERT_EQ(TwDefine(" B/c32 colororder=rgba "), 1);
    ASSERT_EQ(TwDefine(" B/c3.Blue value=128 "), 1);
    EXPECT_NEAR(c3[2], 128 / 255.0, 1e-6);
    ASSERT_EQ(TwDefine(" B/c3.Blue value=230 \r\n B/c3.Hue value=0 "), 1);
    EXPECT_NEAR(c3[0], 0.902, 0.002);
    EXPECT_NEAR(c3[1], 0.102, 0.002);
    EXPECT_NEAR(c3[2], 0.102, 0.002);
    // The Mode piece switches the colour's mode, and which pieces show.
    ASSERT_EQ(TwDefine(" B/c3.Mode value=1 "), 1);
    EXPECT_EQ(text(bar, "c3", "colormode"), "hls");
    EXPECT_EQ(intParam(bar, "c3.Red", "visible"), 0);
    EXPECT_EQ(intParam(bar, "c3.Saturation", "visible"), 1);

    ASSERT_EQ(TwDefine(" `B/q.Quat X` value=0.5 "), 1);
    EXPECT_EQ(std::vector<float>(q, q + 4), (std::vector<float>{0.5f, 0, 0, 1})) << "as it is";
    ASSERT_EQ(TwDefine(" `B/q.Dir X` value=0.5 "), 1);
    EXPECT_EQ(q[0], 0.5f) << "no direction in a quaternion";
    q[1] = 1;
    EXPECT_NEAR(doubleParam(bar, "q.Axis Y", "value"), 0.894, 0.001);
    ASSERT_EQ(TwDefine(" `B/q.Axis X` value=0.7 "), 1);
    EXPECT_EQ(std::vector<float>(q, q + 4), (std::vector<float>{0.7f, 1, 0, 1}));
    ASSERT_EQ(TwDefine(" `B/dir.Dir X` value=5 "), 1);
    EXPECT_EQ(std::vector<float>(dir, dir + 3), (std::vector<float>{5, 3, 4}));
}

// A group, or a row of pieces, reads read-only when every row inside does; set on it, readonly
// reaches every row inside. A colour's Mode stays writable.
TEST_F(ParamValues, ReadOnlyReachesEveryRowInsideAGroupAndThePiecesOfARowButAColoursMode) {
    float colour[4] = {1, 1, 1, 1}, rotation[4] = {0, 0, 0, 1};
    ASSERT_EQ(TwAddVarRO(bar, "roc", TW_TYPE_COLOR4F, colour, nullptr), 1);
    ASSERT_EQ(TwAddVarRO(bar, "roq", TW_TYPE_QUAT4F, rotation, nullptr), 1);
    ASSERT_EQ(TwAddVarRO(bar, "rog", TW_TYPE_INT32, &i, " group=G "), 1);
    EXPECT_EQ(intParam(bar, "G", "readonly"), 0);
    ASSERT_EQ(TwDefine(" B/G readonly= "), 1);
    EXPECT_EQ(intParam(bar, "g1", "readonly"), 1);
    EXPECT_EQ(intParam(bar, "G", "readonly"), 1);
    ASSERT_EQ(TwDefine(" B/G readonly=false "), 1);
    EXPECT_EQ(intParam(bar, "rog", "readonly"), 0) << "added read-only, and made writable";
    EXPECT_EQ(intParam(bar, "G", "readonly"), 0);

    EXPECT_EQ(intParam(bar, "roc", "coloralpha"), 1);
    EXPECT_EQ(intParam(bar, "roc.Alpha", "visible"), 0);
    EXPECT_EQ(intParam(bar, "roc.Green", "readonly"), 1);
    EXPECT_EQ(intParam(bar, "roc.Mode", "readonly"), 0);
    EXPECT_EQ(intParam(bar, "roc", "readonly"), 0) << "not every piece is";
    EXPECT_EQ(intParam(bar, "roq.Quat Z", "readonly"), 1);
    EXPECT_EQ(intParam(bar, "roq.1", "readonly"), 1);
    EXPECT_EQ(intParam(bar, "roq", "readonly"), 1);
    ASSERT_EQ(TwDefine(" B/roc readonly=true "), 1);
    EXPECT_EQ(intParam(bar, "roc", "readonly"), 1) << "set on the row, it reaches every piece";
    ASSERT_EQ(TwDefine(" B/roc readonly=false "), 1);
    EXPECT_EQ(intParam(bar, "roc.Green", "readonly"), 0);
}

}  // namespace
