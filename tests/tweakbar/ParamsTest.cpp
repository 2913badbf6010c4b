// TwSetParam/TwGetParam for bars, controls and GLOBAL, in all four value types.
#include <cmath>
#include <cstring>

#include "EngineFixture.h"

namespace {

class Params : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        bar = TwNewBar("bar");
        ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &f, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "i", TW_TYPE_INT32, &i, nullptr), 1);
        ASSERT_EQ(TwAddButton(bar, "go", nullptr, nullptr, nullptr), 1);
    }
    TwBar* bar = nullptr;
    float f = 0;
    bool flag = false;
    int i = 0;
};

// One parameter, set from text and read back as text; when it holds numbers, also written as
// INT32, FLOAT and DOUBLE and each time read back all three ways.
struct ParamCase {
    const char* var;  // null: the bar itself; "GLOBAL": the engine (a null bar)
    const char* name;
    const char* in;
    const char* out;
    std::vector<double> numbers;
};

const ParamCase kParams[] = {
    {nullptr, "label", "My Bar", "My Bar", {}},
    {nullptr, "help", "Some help", "Some help", {}},
    {nullptr, "color", "1 2 3", "1 2 3", {10, 20, 30}},
    {nullptr, "alpha", "128", "128", {200}},
    {nullptr, "text", "DARK", "dark", {}},
    {nullptr, "position", " 7  8 ", "7 8", {5, 6}},
    {nullptr, "size", "250 260", "250 260", {300, 400}},
    {nullptr, "valueswidth", "fit", "fit", {90}},
    {nullptr, "refresh", "0.5", "0.5", {3}},
    {nullptr, "visible", "false", "false", {0}},
    {nullptr, "iconified", "1", "true", {1}},
    {nullptr, "iconifiable", "0", "false", {0}},
    {nullptr, "movable", "true", "true", {0}},
    {nullptr, "resizable", "false", "false", {0}},
    {nullptr, "fontsize", "3", "3", {1}},
    {nullptr, "contained", "true", "true", {1}},
    {nullptr, "alwaystop", "1", "true", {1}},
    {nullptr, "alwaysbottom", "0", "false", {1}},
    {"GLOBAL", "help", "Global help", "Global help", {}},
    {"GLOBAL", "iconpos", "tr", "topright", {}},
    {"GLOBAL", "iconpos", "BottomRight", "bottomright", {}},
    {"GLOBAL", "iconalign", "horizontal", "horizontal", {}},
    {"GLOBAL", "iconmargin", "4 6", "4 6", {3, 5}},
    {"GLOBAL", "fontstyle", "fixed", "fixed", {}},
    {"GLOBAL", "buttonalign", "right", "right", {}},
    {"GLOBAL", "fontsize", "1", "1", {3}},
    {"GLOBAL", "contained", "1", "true", {0}},
    {"f", "label", "Speed", "Speed", {}},
    {"f", "help", "How fast", "How fast", {}},
    {"f", "min", "-2.5", "-2.5", {-2}},
    {"f", "max", "10", "10", {9}},
    {"f", "step", "0.25", "0.25", {2}},
    {"f", "precision", "3", "3", {4}},
    {"f", "keyincr", "UP", "Up", {}},
    {"f", "keydecr", "Ctrl+DOWN", "CTRL+Down", {}},
    {"f", "group", "Motion", "Motion", {}},
    {"f", "readonly", "true", "true", {1}},
    {"flag", "true", "On", "On", {}},
    {"flag", "false", "Off", "Off", {}},
    {"flag", "key", "SPACE", "Space", {}},
    {"flag", "visible", "0", "false", {0}},
    {"go", "key", "alt+CTRL+x", "CTRL+ALT+x", {}},
    {"i", "hexa", "1", "true", {1}},
    {"i", "enum", "1 {One}, 4 {Four}", "1 {One}, 4 {Four}", {}},
    {"i", "enum", "Zero, One", "0 {Zero}, 1 {One}", {}},
};

TEST_F(Params, EveryParameterRoundTripsAsTextAndAsNumbers) {
    for (const ParamCase& c : kParams) {
        const bool global = c.var && std::strcmp(c.var, "GLOBAL") == 0;
        TwBar* target = global ? nullptr : bar;
        const char* var = global ? nullptr : c.var;
        SCOPED_TRACE(std::string(c.var ? c.var : "bar") + " " + c.name);
        ASSERT_EQ(TwSetParam(target, var, c.name, TW_PARAM_CSTRING, 1, c.in), 1) << lastError();
        EXPECT_EQ(text(target, var, c.name), c.out);
        if (c.numbers.empty()) continue;

        const unsigned n = unsigned(c.numbers.size());
        int asInt[3];
        float asFloat[3];
        double asDouble[3];
        for (unsigned k = 0; k < n; ++k) {
            asInt[k] = int(c.numbers[k]);
            asFloat[k] = float(c.numbers[k]);
            asDouble[k] = c.numbers[k];
        }
        const std::pair<TwParamValueType, const void*> writes[] = {
            {TW_PARAM_INT32, asInt}, {TW_PARAM_FLOAT, asFloat}, {TW_PARAM_DOUBLE, asDouble}};
        for (const auto& [type, values] : writes) {
            ASSERT_EQ(TwSetParam(target, var, c.name, type, n, values), 1) << lastError();
            int gotInt[3] = {};
            float gotFloat[3] = {};
            double gotDouble[3] = {};
            EXPECT_EQ(TwGetParam(target, var, c.name, TW_PARAM_INT32, 3, gotInt), int(n));
            EXPECT_EQ(TwGetParam(target, var, c.name, TW_PARAM_FLOAT, 3, gotFloat), int(n));
            EXPECT_EQ(TwGetParam(target, var, c.name, TW_PARAM_DOUBLE, 3, gotDouble), int(n));
            for (unsigned k = 0; k < n; ++k) {
                EXPECT_EQ(gotInt[k], asInt[k]);
                EXPECT_EQ(gotFloat[k], asFloat[k]);
                EXPECT_EQ(gotDouble[k], asDouble[k]);
            }
        }
    }
}

TEST_F(Params, BadValuesUnknownNamesAndWrongTypesFail) {
    const int tiny[] = {10, 10}, large[] = {5000, 5000}, negative[] = {-1, 100}, zero[] = {0, 0},
              huge[] = {1000000, 1000000}, far[] = {3000, 3000};
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, tiny), 1);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{10, 10}));  // raised when drawn
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, large), 1);
    for (const int* bad : {negative, zero, huge}) {
        EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, bad), 0);
        EXPECT_EQ(lastError(), "Bad value");
    }
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 1, tiny), 0);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{5000, 5000}));
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, negative), 0);
    EXPECT_EQ(lastError(), "Bad value");
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, huge), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, far), 1);
    const float notANumber[] = {std::nanf(""), 1};
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_FLOAT, 2, notANumber), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_FLOAT, 1, notANumber), 0);
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{3000, 3000}));
    // Integer parameters round fractions to the nearest.
    const double alpha = 127.6;
    ASSERT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_DOUBLE, 1, &alpha), 1);
    EXPECT_EQ(intParam(bar, nullptr, "ALPHA"), 128);

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
    EXPECT_EQ(TwGetParam(nullptr, "x", "fontsize", TW_PARAM_INT32, 1, &value), 0);
    EXPECT_EQ(lastError(), "Variable not found");

    // Fewer values than a parameter has, and text cut to the buffer.
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 1, &value), 1);
    EXPECT_EQ(value, 3000);
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 0, &value), 0);
    char shortText[5];
    ASSERT_EQ(TwSetParam(bar, nullptr, "label", TW_PARAM_CSTRING, 1, "Long label"), 1);
    EXPECT_EQ(TwGetParam(bar, nullptr, "label", TW_PARAM_CSTRING, sizeof shortText, shortText), 1);
    EXPECT_STREQ(shortText, "Long");
}

TEST_F(Params, GlobalFontSizeReachesEveryBarAndTheValuesColumnFollowsIt) {
    const int three = 3;
    ASSERT_EQ(TwSetParam(nullptr, nullptr, "fontsize", TW_PARAM_INT32, 1, &three), 1);
    TwBar* after = TwNewBar("after");
    EXPECT_EQ(intParam(bar, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 80);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=1 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 50);
    ASSERT_EQ(TwDefine(" after valueswidth=60 GLOBAL fontsize=2 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 60);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 70);
    // A bar's own font size leaves the others alone.
    ASSERT_EQ(TwDefine(" bar fontsize=3 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 2);
}

TEST_F(Params, NumberDefaultsLimitsAndWhereControlParametersApply) {
    unsigned char byte = 0;
    short s = 0;
    double d = 0;
    char name[8] = "";
    ASSERT_EQ(TwAddVarRO(bar, "byte", TW_TYPE_UINT8, &byte, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_INT16, &s, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DOUBLE, &d, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    EXPECT_EQ(ints(bar, "byte", "min"), std::vector<int>{0});
    EXPECT_EQ(ints(bar, "byte", "max"), std::vector<int>{255});
    EXPECT_EQ(ints(bar, "s", "min"), std::vector<int>{-32768});
    EXPECT_EQ(ints(bar, "s", "step"), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(doubleParam(bar, "d", "step"), 0.01);
    EXPECT_EQ(intParam(bar, "d", "precision"), 2);
    ASSERT_EQ(TwDefine(" bar/d step=0.005 "), 1);
    EXPECT_EQ(intParam(bar, "d", "precision"), 3);
    // Limits beyond the type are held to it; crossed limits and steps of 0 or less are refused.
    ASSERT_EQ(TwDefine(" bar/byte max=1000 "), 1);
    EXPECT_EQ(intParam(bar, "byte", "max"), 255);
    EXPECT_EQ(TwDefine(" bar/byte min=300 "), 0);
    EXPECT_EQ(TwDefine(" bar/d step=0 "), 0);
    EXPECT_EQ(TwDefine(" bar/d step=-1 "), 0);

    for (const char* def : {" bar/name min=1 ", " bar/name hexa=1 ", " bar/go readonly=1 ",
                            " bar/go opened=0 ", " bar/byte precision=2 ", " bar/name enum=A "}) {
        EXPECT_EQ(TwDefine(def), 0) << def;
        EXPECT_EQ(lastError(), "Attribute does not apply to this control") << def;
    }
    // A variable bound read-only stays so.
    EXPECT_EQ(TwDefine(" bar/byte readonly=false "), 0);
    EXPECT_EQ(lastError(), "Variable is bound read-only");
    EXPECT_EQ(intParam(bar, "byte", "readonly"), 1);
}

}  // namespace
