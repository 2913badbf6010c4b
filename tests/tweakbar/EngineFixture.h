// A started engine on the headless backend, stopped again after each test, with helpers that
// read parameters back in one line, a clock that moves only when told, and mouse gestures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AntTweakBar.h"
#include "base/Clock.h"
#include "HeadlessDevice.h"
#include "TwFrameStats.h"
#include "input/InputEvents.h"
#include "model/Bar.h"

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
        TwGetLastError();
    }
    void TearDown() override {
        TwTerminate();
        tw::setClock(nullptr);
    }

    static inline double now = 0;
    static void useFakeClock(double start) {
        now = start;
        tw::setClock([] { return now; });
    }

    static std::vector<int> ints(TwBar* bar, const char* var, const char* param) {
        int values[4] = {};
        const int n = TwGetParam(bar, var, param, TW_PARAM_INT32, 4, values);
        return std::vector<int>(values, values + (n > 0 ? n : 0));
    }
    static int intParam(TwBar* bar, const char* var, const char* param) {
        int value = -12345;
        EXPECT_EQ(TwGetParam(bar, var, param, TW_PARAM_INT32, 1, &value), 1) << param;
        return value;
    }
    static double doubleParam(TwBar* bar, const char* var, const char* param) {
        double value = -12345;
        EXPECT_EQ(TwGetParam(bar, var, param, TW_PARAM_DOUBLE, 1, &value), 1) << param;
        return value;
    }
    static std::string text(TwBar* bar, const char* var, const char* param) {
        char buffer[256] = "<unset>";
        if (TwGetParam(bar, var, param, TW_PARAM_CSTRING, sizeof buffer, buffer) != 1) {
            return "<failed>";
        }
        return buffer;
    }
    // Draws one frame and gives its figures.
    static TwFrameStats drawnFrame() {
        EXPECT_EQ(TwDraw(), 1);
        TwFrameStats stats{};
        EXPECT_EQ(TwGetFrameStats(&stats), 1);
        return stats;
    }
    static std::string lastError() {
        const char* error = TwGetLastError();
        return error ? error : "";
    }
    // "" when the engine took the call, else the reason it gave for refusing it.
    template <typename Result>
    static std::string answer(Result result) {
        return result ? std::string() : lastError();
    }

    static bool press(int x, int y) {
        TwMouseMotion(x, y);
        return TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_LEFT);
    }
    static bool release(int x, int y) {
        TwMouseMotion(x, y);
        return TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_LEFT);
    }
    static bool click(int x, int y) {
        const bool down = press(x, y);
        return release(x, y) && down;
    }
    static void type(const char* text) {
        for (; *text; ++text)
            EXPECT_TRUE(TwKeyPressed(static_cast<unsigned char>(*text), 0));
    }
};

// One bar, "bar", at (100, 100) and 300 x 400 px on an 800 x 600 area, for tests that drive a
// bar's rows through the mouse and keys.
class OneBarTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwDefine(" bar position='100 100' size='300 400' "), 1);
    }

    // Drawn, so that values are read and the layout is what the user sees.
    const tw::BarLayout& layout() {
        EXPECT_EQ(TwDraw(), 1);
        return bar->layout;
    }
    // The middle of a row's label, and a point in its value field.
    std::pair<int, int> labelPoint(std::size_t row) {
        const tw::Rect r = layout().rows.at(row).rect;
        return {r.x + 2, r.y + r.h / 2};
    }
    std::pair<int, int> valuePoint(std::size_t row) {
        const tw::Rect r = layout().rows.at(row).rect;
        return {bar->layout.valueX + 10, r.y + r.h / 2};
    }
    // Opens the row's text field with a click on its value, and types text over what it held.
    // On a read-only row no field opens and the keys go nowhere.
    void retype(std::size_t row, const char* text) {
        const auto [x, y] = valuePoint(row);
        click(x, y);
        TwKeyPressed(TW_KEY_END, 0);
        for (int i = 0; i < 64; ++i)
            TwKeyPressed(TW_KEY_BACKSPACE, 0);
        for (; *text; ++text)
            TwKeyPressed(static_cast<unsigned char>(*text), 0);
        TwKeyPressed(TW_KEY_RETURN, 0);
    }

    TwBar* bar = nullptr;
};
