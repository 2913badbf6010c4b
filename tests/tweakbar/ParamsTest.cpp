// TwSetParam/TwGetParam for bars, controls and GLOBAL, in all four value types.
#include <cmath>

#include "EngineFixture.h"

namespace {

using BarParams = EngineTest;

struct NumericCase {
    const char* name;
    std::vector<double> values;
};

TEST_F(BarParams, NumbersRoundTripThroughEveryValueType) {
    TwBar* bar = TwNewBar("bar");
    const NumericCase cases[] = {
        {"color", {10, 20, 30}}, {"alpha", {200}},      {"position", {5, 6}}, {"size", {300, 400}},
        {"valueswidth", {90}},   {"fontsize", {1}},     {"visible", {0}},     {"iconified", {1}},
        {"iconifiable", {0}},    {"movable", {0}},      {"resizable", {0}},   {"contained", {1}},
        {"alwaystop", {1}},      {"alwaysbottom", {1}},
    };
    for (const auto& c : cases) {
        const unsigned n = unsigned(c.values.size());
        int asInt[3];
        float asFloat[3];
        double asDouble[3];
        for (unsigned i = 0; i < n; ++i) {
            asInt[i] = int(c.values[i]);
            asFloat[i] = float(c.values[i]);
            asDouble[i] = c.values[i];
        }
        // Set one way, read back all four ways; then set the next way.
        const struct {
            TwParamValueType type;
            const void* values;
        } writes[] = {
            {TW_PARAM_INT32, asInt}, {TW_PARAM_FLOAT, asFloat}, {TW_PARAM_DOUBLE, asDouble}};
        for (const auto& w : writes) {
            ASSERT_EQ(TwSetParam(bar, nullptr, c.name, w.type, n, w.values), 1) << c.name;
            int gotInt[3] = {};
            float gotFloat[3] = {};
            double gotDouble[3] = {};
            EXPECT_EQ(TwGetParam(bar, nullptr, c.name, TW_PARAM_INT32, 3, gotInt), int(n));
            EXPECT_EQ(TwGetParam(bar, "", c.name, TW_PARAM_FLOAT, 3, gotFloat), int(n));
            EXPECT_EQ(TwGetParam(bar, nullptr, c.name, TW_PARAM_DOUBLE, 3, gotDouble), int(n));
            for (unsigned i = 0; i < n; ++i) {
                EXPECT_EQ(gotInt[i], asInt[i]) << c.name;
                EXPECT_EQ(gotFloat[i], asFloat[i]) << c.name;
                EXPECT_EQ(gotDouble[i], asDouble[i]) << c.name;
            }
        }
    }
}

TEST_F(BarParams, EveryParameterHasATextForm) {
    TwBar* bar = TwNewBar("bar");
    const struct {
        const char* name;
        const char* in;
        const char* out;
    } cases[] = {
        {"label", "My Bar", "My Bar"},   {"help", "Some help", "Some help"},
        {"color", "1 2 3", "1 2 3"},     {"alpha", "128", "128"},
        {"text", "DARK", "dark"},        {"position", " 7  8 ", "7 8"},
        {"size", "250 260", "250 260"},  {"valueswidth", "55", "55"},
        {"valueswidth", "fit", "fit"},   {"refresh", "0.5", "0.5"},
        {"visible", "false", "false"},   {"iconified", "1", "true"},
        {"iconifiable", "0", "false"},   {"movable", "true", "true"},
        {"resizable", "false", "false"}, {"fontsize", "3", "3"},
        {"contained", "true", "true"},   {"alwaystop", "1", "true"},
        {"alwaysbottom", "0", "false"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(TwSetParam(bar, nullptr, c.name, TW_PARAM_CSTRING, 1, c.in), 1) << c.name;
        EXPECT_EQ(text(bar, nullptr, c.name), c.out) << c.name;
    }
}

TEST_F(BarParams, TextParametersRefuseNumbersAndUnknownNamesFail) {
    TwBar* bar = TwNewBar("bar");
    int value = 0;
    for (const char* name : {"label", "help", "text"}) {
        EXPECT_EQ(TwGetParam(bar, nullptr, name, TW_PARAM_INT32, 1, &value), 0) << name;
        EXPECT_EQ(lastError(), "Incompatible type") << name;
        EXPECT_EQ(TwSetParam(bar, nullptr, name, TW_PARAM_INT32, 1, &value), 0) << name;
        EXPECT_EQ(lastError(), "Incompatible type") << name;
    }
    for (const char* name : {"iconpos", "fontstyle", "buttonalign", "iconalign"}) {
        EXPECT_EQ(TwGetParam(nullptr, nullptr, name, TW_PARAM_INT32, 1, &value), 0) << name;
        EXPECT_EQ(lastError(), "Incompatible type") << name;
    }
    EXPECT_EQ(TwGetParam(bar, nullptr, "nonsense", TW_PARAM_INT32, 1, &value), 0);
    EXPECT_EQ(lastError(), "Unknown param");
    EXPECT_EQ(TwSetParam(bar, nullptr, "nonsense", TW_PARAM_INT32, 1, &value), 0);
    EXPECT_EQ(lastError(), "Unknown param");
    EXPECT_EQ(TwGetParam(bar, nullptr, nullptr, TW_PARAM_INT32, 1, &value), 0);
    // Names are case-insensitive here as in defines.
    EXPECT_EQ(TwGetParam(bar, nullptr, "ALPHA", TW_PARAM_INT32, 1, &value), 1);
}

TEST_F(BarParams, SizesAndPositionsOutsideTheirRangeAreBadValues) {
    TwBar* bar = TwNewBar("bar");
    const int tiny[] = {10, 10}, large[] = {5000, 5000}, negative[] = {-1, 100}, zero[] = {0, 0},
              huge[] = {1000000, 1000000}, far[] = {3000, 3000};
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, tiny), 1);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{10, 10}));  // raised when drawn
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, large), 1);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{5000, 5000}));
    for (const int* bad : {negative, zero, huge}) {
        EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, bad), 0);
        EXPECT_EQ(lastError(), "Bad value");
    }
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 1, large), 0);
    EXPECT_EQ(lastError(), "Bad value");
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{5000, 5000}));

    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, negative), 0);
    EXPECT_EQ(lastError(), "Bad value");
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, huge), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, far), 1);
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{3000, 3000}));
    const float notANumber[] = {std::nanf(""), 1};
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_FLOAT, 2, notANumber), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_FLOAT, 1, notANumber), 0);
}

TEST_F(BarParams, ReadingFewerValuesThanAParameterHasGivesThoseOnly) {
    TwBar* bar = TwNewBar("bar");
    int one[1] = {};
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 1, one), 1);
    EXPECT_EQ(one[0], 16);
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 0, one), 0);
    char shortText[5];
    ASSERT_EQ(TwSetParam(bar, nullptr, "label", TW_PARAM_CSTRING, 1, "Long label"), 1);
    EXPECT_EQ(TwGetParam(bar, nullptr, "label", TW_PARAM_CSTRING, sizeof shortText, shortText), 1);
    EXPECT_STREQ(shortText, "Long");
}

TEST_F(BarParams, FloatsRoundToTheNearestIntegerForIntegerParameters) {
    TwBar* bar = TwNewBar("bar");
    const double alpha = 127.6;
    ASSERT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_DOUBLE, 1, &alpha), 1);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 128);
}

using GlobalParams = EngineTest;

TEST_F(GlobalParams, ANullBarAddressesGlobalAndFontSizeReachesEveryBar) {
    TwBar* before = TwNewBar("before");
    const int three = 3;
    ASSERT_EQ(TwSetParam(nullptr, nullptr, "fontsize", TW_PARAM_INT32, 1, &three), 1);
    TwBar* after = TwNewBar("after");
    EXPECT_EQ(intParam(nullptr, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(before, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 3);
    // The values column follows the font until it is set.
    EXPECT_EQ(intParam(before, nullptr, "valueswidth"), 80);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=1 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 50);
    ASSERT_EQ(TwDefine(" after valueswidth=60 GLOBAL fontsize=2 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 60);
    EXPECT_EQ(intParam(before, nullptr, "valueswidth"), 70);
    // A bar's own font size leaves the others alone.
    ASSERT_EQ(TwDefine(" before fontsize=3 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 2);
    int read = 0;
    EXPECT_EQ(TwGetParam(nullptr, "x", "fontsize", TW_PARAM_INT32, 1, &read), 0);
    EXPECT_EQ(lastError(), "Variable not found");
}

TEST_F(GlobalParams, TextFormsRoundTripAndBadChoicesFail) {
    const struct {
        const char* name;
        const char* in;
        const char* out;
    } cases[] = {
        {"help", "Global help", "Global help"},
        {"iconpos", "tr", "topright"},
        {"iconpos", "BottomRight", "bottomright"},
        {"iconalign", "horizontal", "horizontal"},
        {"iconmargin", "4 6", "4 6"},
        {"fontstyle", "fixed", "fixed"},
        {"buttonalign", "right", "right"},
        {"contained", "1", "true"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(TwSetParam(nullptr, nullptr, c.name, TW_PARAM_CSTRING, 1, c.in), 1) << c.name;
        EXPECT_EQ(text(nullptr, nullptr, c.name), c.out) << c.name;
    }
    for (const char* bad :
         {" GLOBAL iconpos=middle ", " GLOBAL iconalign=diagonal ", " GLOBAL fontstyle=bold ",
          " GLOBAL buttonalign=justify ", " GLOBAL iconmargin='1' "}) {
        EXPECT_EQ(TwDefine(bad), 0) << bad;
        EXPECT_EQ(lastError(), "Bad value") << bad;
    }
}

using ControlParams = EngineTest;

TEST_F(ControlParams, VariableParametersRoundTrip) {
    TwBar* bar = TwNewBar("bar");
    float f = 0;
    bool flag = false;
    int i = 0;
    ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &f, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "i", TW_TYPE_INT32, &i, nullptr), 1);
    ASSERT_EQ(TwDefine(" bar/f label='Speed' help='How fast' min=-2.5 max=10 step=0.25 "
                       "precision=3 keyincr=UP keydecr='CTRL+DOWN' readonly=true group=Motion "),
              1);
    EXPECT_EQ(text(bar, "f", "label"), "Speed");
    EXPECT_EQ(text(bar, "f", "help"), "How fast");
    EXPECT_DOUBLE_EQ(doubleParam(bar, "f", "min"), -2.5);
    EXPECT_DOUBLE_EQ(doubleParam(bar, "f", "max"), 10);
    EXPECT_DOUBLE_EQ(doubleParam(bar, "f", "step"), 0.25);
    EXPECT_EQ(intParam(bar, "f", "precision"), 3);
    EXPECT_EQ(text(bar, "f", "keyincr"), "UP");
    EXPECT_EQ(text(bar, "f", "keydecr"), "CTRL+DOWN");
    EXPECT_EQ(intParam(bar, "f", "readonly"), 1);
    EXPECT_EQ(text(bar, "f", "group"), "Motion");
    EXPECT_EQ(text(bar, "f", "min"), "-2.5");

    ASSERT_EQ(TwDefine(" bar/flag true=On false=Off key=SPACE visible=false "), 1);
    EXPECT_EQ(text(bar, "flag", "true"), "On");
    EXPECT_EQ(text(bar, "flag", "false"), "Off");
    EXPECT_EQ(text(bar, "flag", "key"), "SPACE");
    EXPECT_EQ(intParam(bar, "flag", "visible"), 0);

    ASSERT_EQ(TwDefine(" bar/i hexa=true enum='1 {One}, 4 {Four}' "), 1);
    EXPECT_EQ(intParam(bar, "i", "hexa"), 1);
    EXPECT_EQ(text(bar, "i", "enum"), "1 {One}, 4 {Four}");
    ASSERT_EQ(TwDefine(" bar/i enum='Zero, One' "), 1);
    EXPECT_EQ(text(bar, "i", "enum"), "0 {Zero}, 1 {One}");
    EXPECT_EQ(TwDefine(" bar/i enum='1 {One' "), 0);
}

TEST_F(ControlParams, UnsetLimitsReadAsTheTypesRangeAndDefaultSteps) {
    TwBar* bar = TwNewBar("bar");
    unsigned char byte = 0;
    short s = 0;
    double d = 0;
    ASSERT_EQ(TwAddVarRW(bar, "byte", TW_TYPE_UINT8, &byte, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_INT16, &s, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DOUBLE, &d, nullptr), 1);
    EXPECT_EQ(intParam(bar, "byte", "min"), 0);
    EXPECT_EQ(intParam(bar, "byte", "max"), 255);
    EXPECT_EQ(intParam(bar, "s", "min"), -32768);
    EXPECT_EQ(intParam(bar, "s", "step"), 1);
    EXPECT_DOUBLE_EQ(doubleParam(bar, "d", "step"), 0.01);
    EXPECT_EQ(intParam(bar, "d", "precision"), 2);
    ASSERT_EQ(TwDefine(" bar/d step=0.005 "), 1);
    EXPECT_EQ(intParam(bar, "d", "precision"), 3);
    // Limits beyond the type are held to it; crossed limits are refused.
    ASSERT_EQ(TwDefine(" bar/byte max=1000 "), 1);
    EXPECT_EQ(intParam(bar, "byte", "max"), 255);
    EXPECT_EQ(TwDefine(" bar/byte min=300 "), 0);
    EXPECT_EQ(TwDefine(" bar/d step=0 "), 0);
    EXPECT_EQ(TwDefine(" bar/d step=-1 "), 0);
}

TEST_F(ControlParams, ParametersOnlyApplyWhereTheyMeanSomething) {
    TwBar* bar = TwNewBar("bar");
    char name[8] = "";
    const unsigned char fixed = 3;
    ASSERT_EQ(TwAddVarRW(bar, "name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    ASSERT_EQ(TwAddVarRO(bar, "fixed", TW_TYPE_UINT8, &fixed, nullptr), 1);
    ASSERT_EQ(TwAddButton(bar, "go", nullptr, nullptr, nullptr), 1);
    for (const char* def : {" bar/name min=1 ", " bar/name hexa=1 ", " bar/go readonly=1 ",
                            " bar/go opened=0 ", " bar/fixed precision=2 ", " bar/name enum=A "}) {
        EXPECT_EQ(TwDefine(def), 0) << def;
        EXPECT_EQ(lastError(), "Attribute does not apply to this control") << def;
    }
    // A variable bound read-only stays so.
    EXPECT_EQ(TwDefine(" bar/fixed readonly=false "), 0);
    EXPECT_EQ(lastError(), "Variable is bound read-only");
    EXPECT_EQ(intParam(bar, "fixed", "readonly"), 1);
    EXPECT_EQ(TwDefine(" bar/go key=CTRL+ALT+x label=Go "), 1);
    EXPECT_EQ(text(bar, "go", "key"), "CTRL+ALT+x");
}

}  // namespace
