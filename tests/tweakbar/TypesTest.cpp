// The variable types a caller brings: structs edited through their members, and strings the
// caller owns (std::string and char*) changed only through its copy functions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "draw/FontAtlas.h"
#include "EngineFixture.h"

namespace {

class Types : public OneBarTest {
  protected:
    void SetUp() override {
        OneBarTest::SetUp();
        ASSERT_EQ(TwDefine(" bar valueswidth=120 "), 1);
    }
    void TearDown() override {
        // Copy functions outlive the engine; the next test starts without them.
        TwCopyStdStringToClientFunc(nullptr);
        TwCopyCDStringToClientFunc(nullptr);
        OneBarTest::TearDown();
    }

    std::string rowName(std::size_t row) { return layout().rows.at(row).control->name; }
    std::string shownValue(std::size_t row) { return layout().rows.at(row).control->valueText; }
    void clickLabel(std::size_t row) {
        const auto [x, y] = labelPoint(row);
        click(x, y);
    }
};

// ---- Structs ----

struct Point {
    int x;
    float y;
    bool on;
};

struct Shape {
    Point at;
    unsigned char code;
};

TwType definePoint() {
    const TwStructMember members[] = {
        {"x", TW_TYPE_INT32, offsetof(Point, x), " max=100 "},
        {nullptr, TW_TYPE_FLOAT, offsetof(Point, y), nullptr},
        {"on", TW_TYPE_BOOLCPP, offsetof(Point, on), ""},
    };
    return TwDefineStruct("Point", members, 3, sizeof(Point), nullptr, nullptr);
}

TEST_F(Types, AStructVariableFoldsItsMembersShowsASummaryAndIsEditedThroughThem) {
    const TwType point = definePoint();
    EXPECT_EQ(point, static_cast<TwType>(0x10000007)) << "after the seven built-in struct types";
    EXPECT_EQ(answer(definePoint()), "Exists already");
    const TwStructMember inShape[] = {{"at", point, offsetof(Shape, at), nullptr},
                                      {"code", TW_TYPE_UINT8, offsetof(Shape, code), nullptr}};
    EXPECT_EQ(answer(TwDefineStruct("Shape", inShape, 0, sizeof(Shape), nullptr, nullptr)),
              "Invalid parameter");
    EXPECT_EQ(answer(TwDefineStruct("Shape", inShape, 2, sizeof(Point), nullptr, nullptr)),
              "Offset larger than StructSize");
    // A member that starts inside but runs past the end would be read from beyond the struct.
    EXPECT_EQ(answer(TwDefineStruct("Shape", inShape, 1, sizeof(Point) - 1, nullptr, nullptr)),
              "Offset larger than StructSize");
    const TwType shapeType = TwDefineStruct("Shape", inShape, 2, sizeof(Shape), nullptr, nullptr);
    Shape shape{{7, 2.5f, true}, 9};
    ASSERT_EQ(TwAddVarRW(bar, "s", shapeType, &shape, "label=Shape"), 1);

    ASSERT_EQ(layout().rows.size(), 1u) << "collapsed at first";
    EXPECT_EQ(intParam(bar, "s", "opened"), 0);
    EXPECT_EQ(shownValue(0), std::string("{{7,2.5,") + tw::kCheckMarkCode + "},9}");
    // Members are named after the variable, labelled with their own name (a null one with its
    // index), and their definition strings apply to their rows.
    EXPECT_EQ(text(bar, "s.at", "label"), "at");
    EXPECT_EQ(text(bar, "s.at.1", "label"), "1");
    EXPECT_EQ(intParam(bar, "s.at.x", "max"), 100);

    clickLabel(0);
    ASSERT_EQ(layout().rows.size(), 3u);
    clickLabel(1);
    const std::vector<std::string> order = {"s", "s.at", "s.at.x", "s.at.1", "s.at.on", "s.code"};
    ASSERT_EQ(layout().rows.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(rowName(i), order[i]);

    retype(2, "150");
    EXPECT_EQ(shape.at.x, 100) << "the member's own max holds";
    clickLabel(4);  // a bool toggles on a press anywhere on its row
    EXPECT_FALSE(shape.at.on);
    retype(5, "200");
    EXPECT_EQ(shape.code, 200);
    EXPECT_EQ(shownValue(0), "{{100,2.5,-},200}");

    EXPECT_EQ(answer(TwRemoveVar(bar, "s.at.x")), "Cannot delete a struct member");
    EXPECT_EQ(TwRemoveVar(bar, "s"), 1);
    EXPECT_TRUE(bar->controls.empty());
    EXPECT_EQ(text(bar, "s.code", "label"), "<failed>");
}

struct PairHost {
    int value[2] = {3, 4};
    int gets = 0;
    std::vector<std::pair<int, int>> sets;
    std::size_t summaryRoom = 0;
};

void TW_CALL getPair(void* value, void* host) {
    auto& h = *static_cast<PairHost*>(host);
    std::memcpy(value, h.value, sizeof h.value);
    ++h.gets;
}

void TW_CALL setPair(const void* value, void* host) {
    auto& h = *static_cast<PairHost*>(host);
    std::memcpy(h.value, value, sizeof h.value);
    h.sets.emplace_back(h.value[0], h.value[1]);
}

void TW_CALL sumOfPair(char* summary, std::size_t room, const void* value, void* host) {
    static_cast<PairHost*>(host)->summaryRoom = room;
    const int* v = static_cast<const int*>(value);
    std::snprintf(summary, room, "a+b=%d", v[0] + v[1]);
}

TEST_F(Types, AStructServedByCallbacksGoesWholeThroughThemOnEveryMemberEdit) {
    PairHost host;
    const TwStructMember members[] = {{"a", TW_TYPE_INT32, 0, nullptr},
                                      {"b", TW_TYPE_INT32, sizeof(int), nullptr}};
    const TwType pair = TwDefineStruct("Pair", members, 2, sizeof host.value, sumOfPair, &host);
    ASSERT_EQ(TwAddVarCB(bar, "p", pair, setPair, getPair, &host, "opened=true"), 1);
    ASSERT_EQ(TwAddVarCB(bar, "q", pair, nullptr, getPair, &host, nullptr), 1);

    EXPECT_EQ(shownValue(0), "a+b=7");
    EXPECT_GT(host.summaryRoom, 0u);
    EXPECT_EQ(shownValue(2), "4") << "members read the engine's copy of the struct";
    host.value[0] = 8;  // changed by the program since the bar read it
    retype(2, "10");
    ASSERT_EQ(host.sets.size(), 1u);
    EXPECT_EQ(host.sets[0], std::make_pair(8, 10)) << "the untouched member goes along, as now";
    EXPECT_EQ(shownValue(0), "a+b=18");
    // Without a set callback the members are read-only.
    EXPECT_EQ(intParam(bar, "q.a", "readonly"), 1);
    EXPECT_EQ(TwSetParam(bar, "q.a", "readonly", TW_PARAM_CSTRING, 1, "false"), 1);
    EXPECT_EQ(intParam(bar, "q.a", "readonly"), 1) << "taken, and still bound read-only";
    EXPECT_EQ(intParam(bar, "p.a", "readonly"), 0);

    // Without a summary callback, a long summary is cut with two dots.
    std::vector<TwStructMember> many(40, TwStructMember{"m", TW_TYPE_INT32, 0, nullptr});
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i].Offset = i * sizeof(int);
    const TwType manyType =
        TwDefineStruct(nullptr, many.data(), 40, 40 * sizeof(int), nullptr, nullptr);
    std::vector<int> values(40, 1234567890);
    ASSERT_EQ(TwAddVarRO(bar, "many", manyType, values.data(), nullptr), 1);
    const std::string summary = shownValue(4);
    EXPECT_EQ(summary.substr(0, 12), "{1234567890,");
    EXPECT_GT(summary.size(), 200u);
    EXPECT_EQ(summary.substr(summary.size() - 2), "..");
}

// ---- Strings the caller owns ----

struct CopyCounts {
    int std = 0, cd = 0;
};
CopyCounts copies;

void TW_CALL copyStdString(std::string& destination, const std::string& source) {
    ++copies.std;
    destination = source;
}

void TW_CALL copyCDString(char** destination, const char* source) {
    ++copies.cd;
    std::free(*destination);
    *destination = static_cast<char*>(std::malloc(std::strlen(source) + 1));
    std::strcpy(*destination, source);
}

struct StringHost {
    std::string text = "from callback";
    const char* cdText = "cd callback";
    std::vector<std::string> received;
};

void TW_CALL getStdString(void* value, void* host) {
    TwCopyStdStringToLibrary(*static_cast<std::string*>(value),
                             static_cast<StringHost*>(host)->text);
}

void TW_CALL setStdString(const void* value, void* host) {
    static_cast<StringHost*>(host)->received.push_back(*static_cast<const std::string*>(value));
}

void TW_CALL getCDString(void* value, void* host) {
    TwCopyCDStringToLibrary(static_cast<char**>(value), static_cast<StringHost*>(host)->cdText);
}

void TW_CALL setCDString(const void* value, void* host) {
    static_cast<StringHost*>(host)->received.emplace_back(*static_cast<const char* const*>(value));
}

void TW_CALL setFixedString(const void* value, void* host) {
    static_cast<StringHost*>(host)->received.emplace_back(static_cast<const char*>(value));
}

void TW_CALL getFixedString(void* value, void*) {
    std::strcpy(static_cast<char*>(value), "abc");
}

TEST_F(Types, AStdStringIsOnlyReadUntilACopyFunctionWritesIt) {
    copies = {};
    std::string name = "Alice";
    ASSERT_EQ(TwAddVarRW(bar, "name", TW_TYPE_STDSTRING, &name, nullptr), 1);
    EXPECT_EQ(shownValue(0), "Alice");
    EXPECT_EQ(intParam(bar, "name", "readonly"), 1);
    unsigned char before[sizeof(std::string)];
    std::memcpy(before, static_cast<const void*>(&name), sizeof before);
    retype(0, "Eve");
    EXPECT_EQ(std::memcmp(before, static_cast<const void*>(&name), sizeof before), 0)
        << "the engine never touches the caller's object itself";

    TwCopyStdStringToClientFunc(copyStdString);
    EXPECT_EQ(intParam(bar, "name", "readonly"), 0);
    retype(0, "Bob");
    EXPECT_EQ(copies.std, 1);
    EXPECT_EQ(name, "Bob");
    EXPECT_EQ(shownValue(0), "Bob");

    StringHost host;
    ASSERT_EQ(TwAddVarCB(bar, "cb", TW_TYPE_STDSTRING, setStdString, getStdString, &host, nullptr),
              1);
    EXPECT_EQ(shownValue(1), "from callback");
    retype(1, "typed");
    EXPECT_EQ(host.received, std::vector<std::string>{"typed"});
    EXPECT_EQ(copies.std, 1) << "callbacks get the engine's strings, not the copy function";

    TwCopyStdStringToClientFunc(nullptr);
    EXPECT_EQ(intParam(bar, "name", "readonly"), 1);

    // The type carries the caller's sizeof(std::string); one the engine cannot read is refused.
    const unsigned own = sizeof(std::string);
    EXPECT_EQ(unsigned(TW_TYPE_STDSTRING), 0x2fff0000u + own);
    EXPECT_EQ(TwAddVarRW(bar, "old", static_cast<TwType>(0x2ffe0000 + own), &name, nullptr), 1);
    for (unsigned size : {own + 8, 3u}) {
        EXPECT_EQ(
            answer(TwAddVarRW(bar, "w", static_cast<TwType>(0x2fff0000 + size), &name, nullptr)),
            "Debug/Release std::string mismatch");
    }
}

TEST_F(Types, ACDStringIsEditedThroughTheCopyFunctionOrItsCallbacks) {
    copies = {};
    char* text = static_cast<char*>(std::malloc(4));
    std::strcpy(text, "one");
    ASSERT_EQ(TwAddVarRW(bar, "t", TW_TYPE_CDSTRING, &text, nullptr), 1);
    EXPECT_EQ(shownValue(0), "one");
    EXPECT_EQ(intParam(bar, "t", "readonly"), 1);
    char* const kept = text;
    retype(0, "xyz");
    EXPECT_EQ(text, kept);
    EXPECT_STREQ(text, "one");

    TwCopyCDStringToClientFunc(copyCDString);
    EXPECT_EQ(intParam(bar, "t", "readonly"), 0);
    retype(0, "two");
    EXPECT_EQ(copies.cd, 1);
    EXPECT_STREQ(text, "two");

    StringHost host;
    ASSERT_EQ(TwAddVarCB(bar, "cb", TW_TYPE_CDSTRING, setCDString, getCDString, &host, nullptr), 1);
    EXPECT_EQ(shownValue(1), "cd callback");
    retype(1, "new");
    EXPECT_EQ(host.received, std::vector<std::string>{"new"});
    EXPECT_EQ(copies.cd, 1);

    // A fixed string's set callback gets at most n - 1 characters.
    ASSERT_EQ(
        TwAddVarCB(bar, "cs", TW_TYPE_CSSTRING(4), setFixedString, getFixedString, &host, nullptr),
        1);
    EXPECT_EQ(shownValue(2), "abc");
    retype(2, "defgh");
    EXPECT_EQ(host.received.back(), "def");

    // The copy function survives the engine's restart; null unregisters it. Before TwInit the
    // library's copy of a string is the caller's pointer itself.
    TwTerminate();
    char* before = nullptr;
    const char* source = "kept";
    TwCopyCDStringToLibrary(&before, source);
    EXPECT_EQ(before, source);
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    bar = TwNewBar("again");
    ASSERT_EQ(TwAddVarRW(bar, "t", TW_TYPE_CDSTRING, &text, nullptr), 1);
    EXPECT_EQ(intParam(bar, "t", "readonly"), 0);
    TwCopyCDStringToClientFunc(nullptr);
    EXPECT_EQ(intParam(bar, "t", "readonly"), 1);
    std::free(text);
}

}  // namespace
