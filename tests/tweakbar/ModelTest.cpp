// The list of bars, the help bar, controls and groups, and how bad calls fail.
#include <cstdio>
#include <cstring>

#include "EngineFixture.h"
#include "model/Bar.h"
#include "TwFailingCall.h"

namespace {

TEST(EngineLifecycle, CallsFailUntilInitWhichTakesDirect3D11OnlyAndOnlyOnce) {
    EXPECT_EQ(TwGetBarCount(), 0);
    EXPECT_EQ(TwNewBar("early"), nullptr);
    EXPECT_STREQ(TwGetLastError(), "Not initialized");
    EXPECT_EQ(TwGetLastError(), nullptr) << "reading the error clears it";
    EXPECT_EQ(TwDefine(" GLOBAL fontsize=3 "), 0);
    EXPECT_EQ(TwGetTopBar(), nullptr);
    EXPECT_STREQ(TwGetLastError(), "Not initialized");
    EXPECT_EQ(TwTerminate(), 0);
    EXPECT_EQ(TwGetLastError(), nullptr) << "ending an engine that is not running is no error";

    EXPECT_EQ(TwInit(TW_OPENGL, nullptr), 0);
    EXPECT_NE(std::strstr(TwGetLastError(), "TW_DIRECT3D11"), nullptr);
    EXPECT_EQ(TwInit(TwGraphAPI(9), tw::headlessDevice()), 0);
    EXPECT_STREQ(TwGetLastError(), "Unsupported graph API");
    EXPECT_EQ(TwInit(TW_DIRECT3D11, nullptr), 0);
    EXPECT_STREQ(TwGetLastError(), "Invalid graph device");
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    EXPECT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 0);
    EXPECT_STREQ(TwGetLastError(), "Already initialized");
    EXPECT_EQ(TwGetBarCount(), 1);
    EXPECT_NE(TwNewBar("first life"), nullptr);
    ASSERT_EQ(TwWindowSize(640, 480), 1);
    EXPECT_EQ(TwTerminate(), 1);
    EXPECT_EQ(TwGetBarCount(), 0);
    // A second life starts with no bars of the first, no error from between the two, and the
    // last window size: a shortcut works before any TwWindowSize.
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    EXPECT_EQ(TwGetLastError(), nullptr);
    EXPECT_EQ(TwGetBarCount(), 1);
    EXPECT_EQ(TwGetBarByName("first life"), nullptr);
    EXPECT_EQ(TwGetLastError(), nullptr) << "a missing bar is no error";
    TwBar* second = TwNewBar("second life");
    bool on = false;
    ASSERT_EQ(TwAddVarRW(second, "on", TW_TYPE_BOOLCPP, &on, " key=o "), 1);
    EXPECT_EQ(TwKeyPressed('o', 0), 1);
    EXPECT_TRUE(on);
    TwTerminate();
}

// Each failure as "<the call that failed>: <text>".
std::vector<std::string> errorsHandled;
void TW_CALL collectError(const char* text) {
    errorsHandled.push_back(std::string(TwGetFailingCall()) + ": " + text);
}

TEST(EngineLifecycle, TheErrorHandlerSeesEveryFailureAndItsCallFromBeforeInitToAfterTerminate) {
    errorsHandled.clear();
    TwHandleErrors(collectError);
    TwNewBar("early");
    EXPECT_EQ(TwInit(TW_DIRECT3D11, nullptr), 0);
    EXPECT_STREQ(TwGetLastError(), "Invalid graph device") << "the cause, not what follows it";
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    TwDeleteBar(TwGetBarByIndex(0));
    TwGetBarByIndex(5);
    EXPECT_STREQ(TwGetLastError(), "Index out of range") << "the handler does not clear it";
    TwTerminate();
    TwGetBarCount();
    TwHandleErrors(nullptr);
    TwGetBarCount();
    EXPECT_EQ(errorsHandled,
              (std::vector<std::string>{
                  "TwNewBar: Not initialized", "TwInit: Invalid graph device",
                  "TwInit: Not initialized", "TwDeleteBar: Cannot delete help bar",
                  "TwGetBarByIndex: Index out of range", "TwGetBarCount: Not initialized"}));
    EXPECT_EQ(TwGetFailingCall(), nullptr) << "outside the API";
}

using Bars = EngineTest;

TEST_F(Bars, TheHelpBarHasItsOwnLabelAndPlace) {
    TwBar* help = TwGetBarByIndex(0);
    ASSERT_NE(help, nullptr);
    EXPECT_STREQ(TwGetBarName(help), "TW_HELP");
    EXPECT_EQ(text(help, nullptr, "label"), "~ Help & Shortcuts ~");
    EXPECT_EQ(ints(help, nullptr, "position"), (std::vector<int>{32, 32}));
    EXPECT_EQ(ints(help, nullptr, "size"), (std::vector<int>{400, 200}));
    // Until a label is set a bar's title shows its name, and "label" reads back empty.
    EXPECT_EQ(text(TwNewBar("a"), nullptr, "label"), "");
}

TEST_F(Bars, TheListKeepsCreationOrderNamesAreUniqueAndDeletedBarsAreStale) {
    TwBar* a = TwNewBar("a");
    TwBar* b = TwNewBar("b");
    TwBar* c = TwNewBar("c");
    EXPECT_EQ(answer(TwNewBar("a")), "Exists already");
    EXPECT_EQ(TwNewBar(""), nullptr);
    EXPECT_EQ(TwNewBar(nullptr), nullptr);
    TwBar* upper = TwNewBar("A");
    ASSERT_NE(upper, nullptr) << "names are case-sensitive";
    EXPECT_EQ(TwGetBarByName("A"), upper);
    ASSERT_EQ(TwGetBarCount(), 5);
    EXPECT_EQ(TwGetBarByIndex(1), a);
    ASSERT_EQ(TwDeleteBar(b), 1);
    EXPECT_EQ(TwGetBarCount(), 4);
    EXPECT_EQ(TwGetBarByIndex(2), c);
    EXPECT_EQ(TwGetBarByIndex(4), nullptr);
    EXPECT_EQ(TwGetBarByIndex(-1), nullptr);
    EXPECT_EQ(TwGetBarByName("b"), nullptr);
    EXPECT_EQ(TwGetBarByName(nullptr), nullptr);
    // The pointer of a deleted bar is recognised as stale, not used.
    EXPECT_EQ(answer(TwDeleteBar(b)), "Bar not found");
    EXPECT_EQ(TwGetBarName(b), nullptr);
}

void TW_CALL noop(void*) {}
void TW_CALL getInt(void* value, void*) {
    *static_cast<int*>(value) = 7;
}

void TW_CALL setInt(const void*, void*) {}

TEST_F(Bars, EveryCallTakingANullBarFailsWithoutTouchingAnything) {
    int v = 0;
    EXPECT_EQ(answer(TwAddVarRW(nullptr, "v", TW_TYPE_INT32, &v, "")), "Bar not found");
    EXPECT_EQ(TwAddVarRO(nullptr, "v", TW_TYPE_INT32, &v, ""), 0);
    EXPECT_EQ(TwAddVarCB(nullptr, "v", TW_TYPE_INT32, nullptr, getInt, nullptr, ""), 0);
    EXPECT_EQ(TwAddButton(nullptr, "b", noop, nullptr, ""), 0);
    EXPECT_EQ(TwAddSeparator(nullptr, "", ""), 0);
    EXPECT_EQ(TwRemoveVar(nullptr, "v"), 0);
    EXPECT_EQ(TwRemoveAllVars(nullptr), 0);
    EXPECT_EQ(TwDeleteBar(nullptr), 0);
    EXPECT_EQ(TwGetBarName(nullptr), nullptr);
    EXPECT_EQ(TwGetBarCount(), 1);
    EXPECT_EQ(v, 0);
}

using Controls = EngineTest;

TEST_F(Controls, NamesAreUniquePerBarAndFreedByRemoval) {
    TwBar* bar = TwNewBar("bar");
    TwBar* other = TwNewBar("other");
    int v = 0;
    ASSERT_EQ(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, nullptr), 1);
    EXPECT_EQ(answer(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, nullptr)), "Exists already");
    EXPECT_EQ(TwAddButton(bar, "x", noop, nullptr, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(other, "x", TW_TYPE_INT32, &v, nullptr), 1);
    EXPECT_EQ(TwAddSeparator(bar, "line", ""), 1);
    EXPECT_EQ(TwAddSeparator(bar, "line", ""), 0);

    EXPECT_EQ(TwRemoveVar(bar, "x"), 1);
    EXPECT_EQ(answer(TwRemoveVar(bar, "x")), "Variable not found");
    EXPECT_EQ(TwRemoveVar(bar, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, nullptr), 1);
    EXPECT_EQ(TwRemoveAllVars(bar), 1);
    EXPECT_EQ(TwGetParam(bar, "line", "label", TW_PARAM_CSTRING, 8, nullptr), 0);
    EXPECT_EQ(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, nullptr), 1);
}

TEST_F(Controls, EveryHandledTypeIsAcceptedAndOthersAreRefused) {
    TwBar* bar = TwNewBar("bar");
    double big[4] = {};
    for (int type = TW_TYPE_BOOLCPP; type <= TW_TYPE_DIR3D; ++type) {
        const bool handled = type != 18;  // no type has that number
        const std::string name = "t" + std::to_string(type);
        EXPECT_EQ(TwAddVarRW(bar, name.c_str(), TwType(type), big, nullptr), handled ? 1 : 0)
            << type;
    }
    // Unknown ids, among them struct and enum numbers not handed out yet.
    for (int type : {0, 23, 0x1000, 0x10000000, 0x10000007, 0x20000000 + 50}) {
        EXPECT_EQ(TwAddVarRW(bar, "v", static_cast<TwType>(type), big, nullptr), 0) << type;
        EXPECT_EQ(lastError(), "Not found");
    }
    EXPECT_EQ(answer(TwAddVarRW(bar, "v", TW_TYPE_CSSTRING(0), big, nullptr)), "Bad size");
    EXPECT_EQ(TwAddVarRW(bar, "v", TW_TYPE_CSSTRING(1 << 20), big, nullptr), 0);
    char text[16] = "";
    const char* dynamic = "dyn";
    EXPECT_EQ(TwAddVarRW(bar, "s", TW_TYPE_CSSTRING(sizeof text), text, nullptr), 1);
    EXPECT_EQ(TwAddVarRO(bar, "d", TW_TYPE_CDSTRING, &dynamic, nullptr), 1);
    EXPECT_EQ(intParam(bar, "d", "readonly"), 1);
    // Missing bindings; a set callback alone is no binding either.
    EXPECT_EQ(answer(TwAddVarRW(bar, "v", TW_TYPE_INT32, nullptr, nullptr)), "Invalid parameter");
    EXPECT_EQ(answer(TwAddVarCB(bar, "v", TW_TYPE_INT32, nullptr, nullptr, nullptr, nullptr)),
              "Invalid parameter");
    EXPECT_EQ(answer(TwAddVarCB(bar, "v", TW_TYPE_INT32, setInt, nullptr, nullptr, nullptr)),
              "Invalid parameter");
    EXPECT_EQ(TwGetParam(bar, "v", "label", TW_PARAM_CSTRING, 8, text), 0);
}

TEST_F(Controls, UnnamedControlsAreNamedByACounterAndBackQuotesAreRefused) {
    TwBar* bar = TwNewBar("bar");
    int v = 0;
    ASSERT_EQ(TwAddVarRW(bar, "", TW_TYPE_INT32, &v, nullptr), 1);
    ASSERT_EQ(TwAddButton(bar, nullptr, noop, nullptr, "label=Go"), 1);
    const std::string first = bar->controls[0]->name, second = bar->controls[1]->name;
    ASSERT_EQ(first.substr(0, 11), "TW_UNNAMED_");
    ASSERT_EQ(first.size(), 15u);
    EXPECT_EQ(first.find_first_not_of("0123456789ABCDEF", 11), std::string::npos) << first;
    char next[16];
    std::snprintf(next, sizeof next, "TW_UNNAMED_%04X",
                  (std::stoi(first.substr(11), nullptr, 16) + 1) & 0xffff);
    EXPECT_EQ(second, next);
    EXPECT_EQ(text(bar, second.c_str(), "label"), "Go");

    EXPECT_EQ(answer(TwAddVarRW(bar, "a`b", TW_TYPE_INT32, &v, nullptr)),
              "Name cannot include back-quote");
    EXPECT_EQ(bar->controls.size(), 2u);
}

TEST_F(Controls, AFailedDefinitionIsReportedButTheControlStays) {
    TwBar* bar = TwNewBar("bar");
    int v = 0;
    EXPECT_EQ(answer(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, " label='X' group=G min=abc max=5 ")),
              "Bad value [min             ...]");
    // The pairs before the failure took effect, the ones after it did not.
    EXPECT_EQ(text(bar, "x", "label"), "X");
    EXPECT_EQ(text(bar, "x", "group"), "G");
    EXPECT_EQ(intParam(bar, "x", "max"), 2147483647);
    EXPECT_EQ(answer(TwAddVarRW(bar, "y", TW_TYPE_INT32, &v, " speed=fast ")),
              "Parsing error in def string: Unknown attribute [speed           ...]");
    EXPECT_EQ(answer(TwAddVarRW(bar, "y", TW_TYPE_INT32, &v, nullptr)), "Exists already");
}

TEST_F(Controls, GroupsAppearOnFirstUseNestAndVanishWithTheirLastMember) {
    TwBar* bar = TwNewBar("bar");
    int a = 0, b = 0;
    ASSERT_EQ(TwAddVarRW(bar, "a", TW_TYPE_INT32, &a, " group=Inner "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "b", TW_TYPE_INT32, &b, " group=Inner "), 1);
    EXPECT_EQ(intParam(bar, "Inner", "opened"), 1);
    ASSERT_EQ(TwDefine(" bar/Inner group=Outer\r\nbar/Outer opened=false "), 1);
    EXPECT_EQ(text(bar, "Inner", "group"), "Outer");
    EXPECT_EQ(intParam(bar, "Outer", "opened"), 0);
    // A group cannot go inside itself, and a variable's name is not a group.
    EXPECT_EQ(TwDefine(" bar/Outer group=Inner "), 0);
    EXPECT_EQ(TwDefine(" bar/b group=a "), 0);

    ASSERT_EQ(TwRemoveVar(bar, "a"), 1);
    EXPECT_EQ(text(bar, "Inner", "group"), "Outer");
    ASSERT_EQ(TwDefine(" bar/b group='' "), 1);
    EXPECT_EQ(TwGetParam(bar, "Inner", "opened", TW_PARAM_CSTRING, 8, nullptr), 0);
    EXPECT_EQ(TwGetParam(bar, "Outer", "opened", TW_PARAM_CSTRING, 8, nullptr), 0);
    // Removing a group removes what it holds.
    ASSERT_EQ(TwDefine(" bar/b group=G "), 1);
    ASSERT_EQ(TwRemoveVar(bar, "G"), 1);
    EXPECT_EQ(TwRemoveVar(bar, "b"), 0);
}

}  // namespace
