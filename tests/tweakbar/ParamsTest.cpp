// TwSetParam/TwGetParam for bars, rows and GLOBAL, in all four value types, with the defaults
// a caller finds and the error texts a caller reads.
#include <cmath>
#include <cstring>
#include <functional>

#include "EngineFixture.h"
#include "model/Engine.h"

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
        ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &c, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "q", TW_TYPE_QUAT4F, q, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof s), s, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "e", TwDefineEnumFromString("E", "A"), &e, nullptr), 1);
    }
    TwBar* bar = nullptr;
    float f = 0;
    bool flag = false;
    int i = 0;
    unsigned int c = 0;
    float q[4] = {0, 0, 0, 1};
    char s[6] = "";
    int e = 0;
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
    {nullptr, "color", "200 4 5 6", "4 5 6", {}},
    {nullptr, "alpha", "128", "128", {200}},
    {nullptr, "text", "DARK", "dark", {}},
    {nullptr, "position", " 7  8 ", "7 8", {5, 6}},
    {nullptr, "size", "250 260", "250 260", {300, 400}},
    {nullptr, "valueswidth", "90", "90", {95}},
    {nullptr, "refresh", "0.5", "0.5", {3}},
    {nullptr, "visible", "false", "0", {0}},
    {nullptr, "iconified", "1", "1", {1}},
    {nullptr, "iconifiable", "0", "0", {0}},
    {nullptr, "movable", "true", "1", {0}},
    {nullptr, "resizable", "false", "0", {0}},
    {nullptr, "contained", "true", "1", {1}},
    {nullptr, "buttonalign", "Center", "center", {}},
    {nullptr, "alwaystop", "1", "1", {1}},
    {nullptr, "alwaysbottom", "0", "0", {1}},
    {nullptr, "fontsize", "3", "3", {1}},
    {"GLOBAL", "help", "Global help", "Global help", {}},
    {"GLOBAL", "iconpos", "tr", "topright", {}},
    {"GLOBAL", "iconpos", "LB", "bottomleft", {}},
    {"GLOBAL", "iconpos", "rightbottom", "bottomright", {}},
    {"GLOBAL", "iconpos", "lt", "topleft", {}},
    {"GLOBAL", "iconalign", "horiz", "horizontal", {}},
    {"GLOBAL", "iconalign", "vert", "vertical", {}},
    {"GLOBAL", "iconmargin", "4 6", "4 6", {3, 5}},
    {"GLOBAL", "fontstyle", "fixedru", "default", {}},
    {"GLOBAL", "fontstyle", "fixed", "fixed", {}},
    {"GLOBAL", "fontresizable", "0", "0", {1}},
    {"GLOBAL", "colorscheme", "0", "0", {1}},
    {"GLOBAL", "buttonalign", "left", "left", {}},
    {"GLOBAL", "fontsize", "1", "1", {3}},
    {"GLOBAL", "contained", "1", "1", {0}},
    {"GLOBAL", "overlap", "true", "1", {0}},
    {"f", "label", "Speed", "Speed", {}},
    {"f", "help", "How fast", "How fast", {}},
    {"f", "min", "-2.5", "-2.5", {-2}},
    {"f", "max", "10", "10", {9}},
    {"f", "step", "0.25", "0.25", {2}},
    {"f", "precision", "3", "3", {4}},
    {"f", "group", "Motion", "Motion", {}},
    {"f", "readonly", "true", "1", {1}},
    {"f", "value", "2.5", "2.5", {3}},
    {"flag", "true", "On", "On", {}},
    {"flag", "false", "Off", "Off", {}},
    {"flag", "visible", "0", "0", {0}},
    {"flag", "value", "1", "1", {0}},
    {"i", "hexa", "1", "1", {1}},
    {"i", "key", "a", "a", {}},
    {"i", "keydecr", "SHIFT+a", "SHIFT+a", {}},
    {"e", "enum", "1 {One}, 4 <Fo}ur>", "1 {One},4 <Fo}ur>", {}},
    {"e", "enum", "Zero, One", "0 {Zero},1 {One}", {}},
    {"i", "value", "-7", "-7", {12}},
    {"go", "group", "", "", {}},
    {"c", "coloralpha", "1", "1", {0}},
    {"c", "colormode", "HLS", "hls", {}},
    {"c", "opened", "1", "1", {0}},
    {"q", "arrow", "1 0 0", "1 0 0", {0, 1, 0}},
    {"q", "arrow", "off", "0 0 0", {}},
    {"q", "arrowcolor", "1 2 3", "1 2 3", {4, 5, 6}},
    {"q", "showval", "on", "1", {0}},
    {"s", "value", "hello", "hello", {}},
};

TEST_F(Params, EveryParameterRoundTripsAsTextAndAsNumbers) {
    for (const ParamCase& p : kParams) {
        const bool global = p.var && std::strcmp(p.var, "GLOBAL") == 0;
        TwBar* target = global ? nullptr : bar;
        const char* var = global ? nullptr : p.var;
        SCOPED_TRACE(std::string(p.var ? p.var : "bar") + " " + p.name + "=" + p.in);
        ASSERT_EQ(TwSetParam(target, var, p.name, TW_PARAM_CSTRING, 1, p.in), 1) << lastError();
        EXPECT_EQ(text(target, var, p.name), p.out);
        if (p.numbers.empty()) continue;

        const unsigned n = unsigned(p.numbers.size());
        int asInt[3];
        float asFloat[3];
        double asDouble[3];
        for (unsigned k = 0; k < n; ++k) {
            asInt[k] = int(p.numbers[k]);
            asFloat[k] = float(p.numbers[k]);
            asDouble[k] = p.numbers[k];
        }
        const std::pair<TwParamValueType, const void*> writes[] = {
            {TW_PARAM_INT32, asInt}, {TW_PARAM_FLOAT, asFloat}, {TW_PARAM_DOUBLE, asDouble}};
        for (const auto& [type, values] : writes) {
            ASSERT_EQ(TwSetParam(target, var, p.name, type, n, values), 1) << lastError();
            int gotInt[3] = {};
            float gotFloat[3] = {};
            double gotDouble[3] = {};
            EXPECT_EQ(TwGetParam(target, var, p.name, TW_PARAM_INT32, 3, gotInt), int(n));
            EXPECT_EQ(TwGetParam(target, var, p.name, TW_PARAM_FLOAT, 3, gotFloat), int(n));
            EXPECT_EQ(TwGetParam(target, var, p.name, TW_PARAM_DOUBLE, 3, gotDouble), int(n));
            for (unsigned k = 0; k < n; ++k) {
                EXPECT_EQ(gotInt[k], asInt[k]);
                EXPECT_EQ(gotFloat[k], asFloat[k]);
                EXPECT_EQ(gotDouble[k], asDouble[k]);
            }
        }
    }
}

TEST_F(Params, ValuesOutsideTheirFormAreRefusedAndNumbersAreWrittenAsText) {
    const int tiny[] = {10, 10}, large[] = {5000, 5000}, negative[] = {-1, 100}, zero[] = {0, 0},
              huge[] = {1000000, 1000000}, far[] = {3000, 3000};
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, tiny), 1);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{10, 10}));  // raised when drawn
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, large), 1);
    for (const int* bad : {negative, zero, huge}) {
        EXPECT_EQ(answer(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, bad)),
                  "Unable to set param 'bar size'  : Bad value");
    }
    // Too few values are no size.
    EXPECT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 1, tiny), 0);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{5000, 5000}));
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, negative), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, huge), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, far), 1);
    const float notANumber[] = {std::nanf(""), 1};
    EXPECT_EQ(TwSetParam(bar, nullptr, "position", TW_PARAM_FLOAT, 2, notANumber), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_FLOAT, 1, notANumber), 0);
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{3000, 3000}));
    const int badColor[] = {1, 2, 256}, badAlpha[] = {300, 1, 2, 3}, badBlue[] = {9, 1, 2, 256};
    EXPECT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 3, badColor), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 4, badAlpha), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 4, badBlue), 0);
    // Integer parameters keep the whole number the %g text of a fraction starts with.
    const double alpha = 127.6;
    ASSERT_EQ(TwSetParam(bar, nullptr, "alpha", TW_PARAM_DOUBLE, 1, &alpha), 1);
    EXPECT_EQ(intParam(bar, nullptr, "ALPHA"), 127);
    // Four colour values put the alpha first; three keep it.
    const int argb[] = {90, 1, 2, 3}, rgb[] = {4, 5, 6};
    ASSERT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 4, argb), 1);
    EXPECT_EQ(ints(bar, nullptr, "color"), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(TwSetParam(bar, nullptr, "color", TW_PARAM_INT32, 3, rgb), 1);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 90);

    // Fewer values than a parameter has, and text cut to the buffer.
    int value = 0;
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 1, &value), 1);
    EXPECT_EQ(value, 3000);
    EXPECT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 0, &value), 0);
    char shortText[5];
    ASSERT_EQ(TwSetParam(bar, nullptr, "label", TW_PARAM_CSTRING, 1, "Long label"), 1);
    EXPECT_EQ(TwGetParam(bar, nullptr, "label", TW_PARAM_CSTRING, sizeof shortText, shortText), 1);
    EXPECT_STREQ(shortText, "Long");

    // The legacy words take no value, whatever count comes with them.
    EXPECT_EQ(TwSetParam(bar, nullptr, "hide", TW_PARAM_INT32, 0, nullptr), 1);
    EXPECT_EQ(intParam(bar, nullptr, "visible"), 0);
    EXPECT_EQ(TwSetParam(bar, nullptr, "show", TW_PARAM_CSTRING, 1, "anything"), 1);
    EXPECT_EQ(intParam(bar, nullptr, "visible"), 1);
    EXPECT_EQ(TwSetParam(bar, nullptr, "iconify", TW_PARAM_CSTRING, 0, nullptr), 1);
    EXPECT_EQ(intParam(bar, nullptr, "iconified"), 1);
}

TEST_F(Params, BarsAndGlobalFailInTheFormsThatNameTheTargetAndTheReason) {
    TwBar* help = TwGetBarByName("TW_HELP");
    int n = 0;
    const auto getInt = [&](TwBar* b, const char* var, const char* name) {
        return [=, &n] { return TwGetParam(b, var, name, TW_PARAM_INT32, 1, &n); };
    };
    const auto setText = [&](TwBar* b, const char* var, const char* name, const char* value) {
        return [=] { return TwSetParam(b, var, name, TW_PARAM_CSTRING, 1, value); };
    };
    const struct {
        std::function<int()> call;
        const char* error;
    } cases[] = {
        {getInt(bar, "nothing", "label"), "Unknown var 'bar/nothing'"},
        {setText(nullptr, "x", "label", "a"), "Unknown var 'GLOBAL/x'"},
        {getInt(bar, "c.red", "value"), "Unknown var 'bar/c.red'"},
        {getInt(bar, nullptr, "nonsense"), "Unknown param 'bar nonsense'"},
        {getInt(nullptr, nullptr, "fontscaling"), "Unknown param 'GLOBAL fontscaling'"},
        {getInt(nullptr, nullptr, "alwaystop"), "Unknown param 'GLOBAL alwaystop'"},
        {getInt(bar, nullptr, "overlap"), "Unknown param 'bar overlap'"},
        {getInt(help, nullptr, "label"),
         "Unable to get param 'TW_HELP label'  : Incompatible type"},
        {getInt(nullptr, nullptr, "iconpos"),
         "Unable to get param 'GLOBAL iconpos'  : Incompatible type"},
        {getInt(bar, nullptr, "hide"), "Unable to get param 'bar hide'  : Unknown parameter"},
        {setText(bar, nullptr, "alpha", "300"), "Unable to set param 'bar alpha'  : Bad value"},
        {setText(bar, nullptr, "label", ""), "Unable to set param 'bar label'  : Value required"},
        {[] {
             return TwSetParam(TwGetBarByName("bar"), nullptr, "label", TW_PARAM_CSTRING, 2, "x");
         },
         "Unable to set param 'bar label'  : Value count for TW_PARAM_CSTRING must be 1"},
    };
    for (const auto& expected : cases) {
        EXPECT_EQ(answer(expected.call()), expected.error);
    }
}

TEST_F(Params, NewBarsGetTheirPlaceAndLookFromACounter) {
    TwBar* second = TwNewBar("second");
    TwBar* third = TwNewBar("third");
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{16, 16}));
    EXPECT_EQ(ints(second, nullptr, "position"), (std::vector<int>{40, 40}));
    EXPECT_EQ(ints(third, nullptr, "position"), (std::vector<int>{64, 64}));
    EXPECT_EQ(ints(bar, nullptr, "color"), (std::vector<int>{17, 109, 143}));
    EXPECT_EQ(ints(second, nullptr, "color"), (std::vector<int>{17, 143, 129}));
    EXPECT_EQ(ints(third, nullptr, "color"), (std::vector<int>{17, 143, 82}));
    EXPECT_EQ(text(bar, nullptr, "buttonalign"), "right");
    const struct {
        const char* name;
        std::vector<int> values;
    } defaults[] = {
        {"alpha", {64}},      {"size", {200, 320}},   {"valueswidth", {70}}, {"refresh", {2}},
        {"visible", {1}},     {"iconified", {0}},     {"movable", {1}},      {"resizable", {1}},
        {"iconifiable", {1}}, {"contained", {0}},     {"alwaystop", {0}},    {"alwaysbottom", {0}},
        {"fontsize", {2}},    {"fontresizable", {1}}, {"colorscheme", {1}},  {"iconmargin", {8, 8}},
    };
    for (const auto& expected : defaults) {
        EXPECT_EQ(ints(third, nullptr, expected.name), expected.values) << expected.name;
    }
    EXPECT_EQ(text(third, nullptr, "text"), "light");
    EXPECT_EQ(intParam(nullptr, nullptr, "overlap"), 0);

    // Deleting a bar does not give its colour back; the old scheme is lighter, near opaque and
    // written dark.
    ASSERT_EQ(TwDeleteBar(third), 1);
    ASSERT_EQ(TwDefine(" GLOBAL colorscheme=0 "), 1);
    TwBar* old = TwNewBar("old");
    EXPECT_EQ(ints(old, nullptr, "color"), (std::vector<int>{121, 239, 138}));
    EXPECT_EQ(intParam(old, nullptr, "alpha"), 240);
    EXPECT_EQ(text(old, nullptr, "text"), "dark");
    EXPECT_EQ(ints(bar, nullptr, "color"), (std::vector<int>{17, 109, 143})) << "not repainted";
}

TEST_F(Params, EngineWideSettingsReachEveryBarWhereverTheyAreSet) {
    const int three = 3;
    TwBar* fixed = TwNewBar("fixed");
    ASSERT_EQ(TwDefine(" fixed resizable=false "), 1);
    ASSERT_EQ(TwSetParam(nullptr, nullptr, "fontsize", TW_PARAM_INT32, 1, &three), 1);
    TwBar* after = TwNewBar("after");
    EXPECT_EQ(intParam(bar, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 80);
    // Resizable bars grow with the font heights (14 to 16 px); the others keep their size.
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{229, 366}));
    EXPECT_EQ(ints(fixed, nullptr, "size"), (std::vector<int>{200, 320}));
    EXPECT_EQ(ints(after, nullptr, "size"), (std::vector<int>{200, 320}));
    // Named on a bar, the font settings still act on the whole engine.
    ASSERT_EQ(TwDefine(" bar fontsize=1 fontstyle=fixed iconpos=tr "), 1);
    EXPECT_EQ(intParam(after, nullptr, "fontsize"), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 50);
    EXPECT_EQ(text(nullptr, nullptr, "fontstyle"), "fixed");
    EXPECT_EQ(text(nullptr, nullptr, "iconpos"), "topright");
    // A fixed font has one size; going back to the default one leaves the font button off.
    EXPECT_EQ(intParam(nullptr, nullptr, "fontresizable"), 0);
    ASSERT_EQ(TwDefine(" GLOBAL fontstyle=default "), 1);
    EXPECT_EQ(intParam(nullptr, nullptr, "fontresizable"), 0);
    // A values width that was set follows the font in proportion (11 to 14 px).
    ASSERT_EQ(TwDefine(" after valueswidth=60\r\nGLOBAL fontsize=2 "), 1);
    EXPECT_EQ(intParam(after, nullptr, "valueswidth"), 76);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 70);

    // Containment and button placement: GLOBAL sets every bar, a bar only itself.
    ASSERT_EQ(TwDefine(" GLOBAL contained=true buttonalign=left "), 1);
    EXPECT_EQ(intParam(bar, nullptr, "contained"), 1);
    EXPECT_EQ(text(after, nullptr, "buttonalign"), "left");
    ASSERT_EQ(TwDefine(" bar contained=false buttonalign=center "), 1);
    EXPECT_EQ(intParam(after, nullptr, "contained"), 1);
    EXPECT_EQ(text(after, nullptr, "buttonalign"), "left");
    EXPECT_EQ(text(TwNewBar("third"), nullptr, "buttonalign"), "left");
}

// The default limits of each number type, as double and as %g text.
TEST_F(Params, NumberDefaultsFollowTheTypeAndAStepFixesTheDigits) {
    const struct {
        TwType type;
        double min, max;
        const char* maxText;
    } types[] = {
        {TW_TYPE_CHAR, 0, 255, "255"},
        {TW_TYPE_INT8, -128, 127, "127"},
        {TW_TYPE_UINT8, 0, 255, "255"},
        {TW_TYPE_INT16, -32768, 32767, "32767"},
        {TW_TYPE_UINT16, 0, 65535, "65535"},
        {TW_TYPE_INT32, -2147483648.0, 2147483647, "2.14748e+09"},
        {TW_TYPE_UINT32, 0, 4294967295.0, "4.29497e+09"},
        {TW_TYPE_FLOAT, double(-3.0e38f), double(3.0e38f), "3e+38"},
        {TW_TYPE_DOUBLE, -1.0e308, 1.0e308, "1e+308"},
    };
    double storage[2] = {};
    for (const auto& t : types) {
        const std::string name = "n" + std::to_string(int(t.type));
        ASSERT_EQ(TwAddVarRW(bar, name.c_str(), t.type, storage, nullptr), 1) << name;
        EXPECT_EQ(doubleParam(bar, name.c_str(), "min"), t.min) << name;
        EXPECT_EQ(doubleParam(bar, name.c_str(), "max"), t.max) << name;
        EXPECT_EQ(text(bar, name.c_str(), "max"), t.maxText) << name;
        EXPECT_EQ(doubleParam(bar, name.c_str(), "step"), 1) << name;
    }
    EXPECT_EQ(intParam(bar, "f", "precision"), -1);
    ASSERT_EQ(TwDefine(" bar/f step=0.25 "), 1);
    EXPECT_EQ(intParam(bar, "f", "precision"), 1);
    ASSERT_EQ(TwDefine(" bar/f precision=-1 step=0.0001 "), 1);
    EXPECT_EQ(intParam(bar, "f", "precision"), 4);
    // A precision the caller chose stays.
    ASSERT_EQ(TwDefine(" bar/f precision=6 step=2 "), 1);
    EXPECT_EQ(intParam(bar, "f", "precision"), 6);
    for (const char* def : {" bar/f precision=13 ", " bar/f precision=-2 "}) {
        EXPECT_EQ(TwDefine(def), 0) << def;
    }
    // A precision on an integer is taken and changes nothing.
    ASSERT_EQ(TwDefine(" bar/i precision=3 "), 1);
    i = 1234;
    ASSERT_EQ(TwWindowSize(800, 600), 1);
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_EQ(tw::engine().context->bars[1]->find("i")->valueText, "1234");
}

}  // namespace
