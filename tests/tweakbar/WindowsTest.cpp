// Several windows: each id keeps its own bars, help bar, enum types, drawing area and GLOBAL
// settings, while errors are shared and TwTerminate ends them all.
#include "EngineFixture.h"

namespace {

using Windows = EngineTest;

TEST_F(Windows, EachWindowKeepsItsBarsTypesAndSettingsApart) {
    EXPECT_EQ(TwGetCurrentWindow(), 0);
    EXPECT_EQ(TwWindowExists(0), 1);
    EXPECT_EQ(TwWindowExists(7), 0);
    ASSERT_EQ(TwWindowSize(640, 480), 1);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=3 "), 1);
    TwBar* first = TwNewBar("tools");
    const TwType firstEnum = TwDefineEnumFromString("Mode", "a,b");
    const TwStructMember member[] = {{"x", TW_TYPE_FLOAT, 0, nullptr}};
    const TwType firstStruct = TwDefineStruct("Point", member, 1, sizeof(float), nullptr, nullptr);

    ASSERT_EQ(TwSetCurrentWindow(7), 1);
    EXPECT_EQ(TwGetCurrentWindow(), 7);
    EXPECT_EQ(TwWindowExists(7), 1);
    EXPECT_EQ(TwGetBarCount(), 1) << "a help bar of its own";
    TwBar* help = TwGetBarByIndex(0);
    EXPECT_STREQ(TwGetBarName(help), "TW_HELP");
    EXPECT_EQ(intParam(help, nullptr, "iconified"), 1);
    EXPECT_EQ(TwGetBarByName("tools"), nullptr);
    EXPECT_EQ(TwGetBarName(first), nullptr) << "another window's bar is none of this one's";
    EXPECT_EQ(intParam(nullptr, nullptr, "fontsize"), 2) << "GLOBAL settings start at defaults";
    TwBar* second = TwNewBar("tools");
    ASSERT_NE(second, nullptr) << "names are per window";
    EXPECT_EQ(TwDefineEnumFromString("Other", "x,y"), firstEnum) << "type ids are per window";
    EXPECT_EQ(TwDefineStruct("Point", member, 1, sizeof(float), nullptr, nullptr), firstStruct)
        << "the name is free here, and the numbering starts again";
    int mode = 0;
    EXPECT_EQ(TwAddVarRW(second, "mode", TwType(firstEnum + 1), &mode, nullptr), 0)
        << "window 0 has a second enum type, this one has not";
    // The drawing area starts as the last size given, then goes its own way.
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(ints(second, nullptr, "position"), (std::vector<int>{16, 16}));
    ASSERT_EQ(TwWindowSize(100, 100), 1);

    // Errors are shared: a failure in one window is read in another.
    EXPECT_EQ(TwDeleteBar(first), 0);
    ASSERT_EQ(TwSetCurrentWindow(0), 1);
    EXPECT_EQ(lastError(), "Bar not found");
    EXPECT_EQ(TwGetBarByName("tools"), first);
    EXPECT_EQ(TwGetBarCount(), 2);
    EXPECT_EQ(intParam(nullptr, nullptr, "fontsize"), 3);
    EXPECT_EQ(TwDefineEnumFromString("Mode", "c"), firstEnum);
    EXPECT_EQ(TwDefineEnumFromString("Other", "z"), TwType(firstEnum + 1));
    ASSERT_EQ(TwDefine(" tools contained=true position='600 400' "), 1);
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(ints(first, nullptr, "position"), (std::vector<int>{440, 160}))
        << "window 0 kept its 640 x 480";

    EXPECT_EQ(TwTerminate(), 1);
    EXPECT_EQ(TwWindowExists(0), 0);
    EXPECT_EQ(TwWindowExists(7), 0);
    EXPECT_EQ(answer(TwSetCurrentWindow(7)), "Not initialized");
    EXPECT_EQ(TwGetCurrentWindow(), 0);
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    EXPECT_EQ(TwWindowExists(7), 0);
}

TEST(WindowSizes, ASizeGivenBeforeInitIsRememberedAndDrawingNeedsOne) {
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    EXPECT_EQ(TwDraw(), 0);
    EXPECT_STREQ(TwGetLastError(), "Bad size");
    ASSERT_EQ(TwWindowSize(0, 200), 1);
    EXPECT_EQ(TwDraw(), 1) << "an empty area draws nothing, and that is no failure";
    EXPECT_EQ(TwGetLastError(), nullptr);
    TwTerminate();

    EXPECT_EQ(TwWindowSize(320, 240), 0);
    EXPECT_STREQ(TwGetLastError(), "Not initialized");
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    TwBar* bar = TwNewBar("bar");
    ASSERT_EQ(TwDefine(" bar contained=true position='300 200' "), 1);
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(TwGetLastError(), nullptr);
    int position[2] = {};
    TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position);
    EXPECT_EQ(position[0], 120) << "kept inside the 320 x 240 given before TwInit";
    EXPECT_EQ(position[1], 0);
    TwTerminate();
}

}  // namespace
