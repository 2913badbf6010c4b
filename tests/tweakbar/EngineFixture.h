// A started engine on the headless backend, stopped again after each test, with helpers that
// read parameters back in one line, a clock that moves only when told, and mouse gestures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "HeadlessDevice.h"
#include "Clock.h"
#include "InputEvents.h"

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
    static std::string lastError() {
        const char* error = TwGetLastError();
        return error ? error : "";
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
