// The whole engine on a real window and device under Wine: the portable core, the Direct3D 11
// renderer and the message adapter, driven by real window messages through TwEventWin.
#include <windows.h>

#include <gtest/gtest.h>

#include "AntTweakBar.h"
#include "Bar.h"
#include "D3DTestWindow.h"
#include "TwFrameStats.h"

namespace {

LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

class EngineOnWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(TwInit(TW_DIRECT3D11, window.device()), 1) << TwGetLastError();
        ASSERT_EQ(TwWindowSize(640, 480), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwDefine(" bar position='100 100' size='200 200' color='200 40 40' alpha=255 "),
                  1);
    }
    void TearDown() override { TwTerminate(); }

    int send(UINT message, WPARAM wParam, LPARAM lParam) {
        return TwEventWin(window.window(), message, wParam, lParam);
    }

    kztest::D3DTestWindow window{640, 480};
    TwBar* bar = nullptr;
};

TEST_F(EngineOnWindow, MessagesOverABarAreHandledAndOthersAreNot) {
    TwDraw();
    EXPECT_EQ(send(WM_MOUSEMOVE, 0, at(150, 105)), 1);  // title
    EXPECT_EQ(send(WM_MOUSEMOVE, 0, at(150, 250)), 1);  // body
    EXPECT_EQ(send(WM_MOUSEMOVE, 0, at(500, 400)), 0);
    EXPECT_EQ(send(WM_LBUTTONDOWN, MK_LBUTTON, at(500, 400)), 0);
    EXPECT_EQ(send(WM_LBUTTONUP, 0, at(500, 400)), 0);
    EXPECT_EQ(send(WM_KEYDOWN, VK_RETURN, 1), 0);
    EXPECT_EQ(send(WM_CHAR, 'a', 1), 0);
    EXPECT_EQ(send(WM_KEYUP, VK_RETURN, 1), 0);
    EXPECT_EQ(send(WM_PAINT, 0, 0), 0);
    POINT screen{500, 400};
    ClientToScreen(window.window(), &screen);
    EXPECT_EQ(send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at(screen.x, screen.y)), 0);
    EXPECT_EQ(send(0x7fff, 0, 0), 0);
}

TEST_F(EngineOnWindow, WmSizeResizesTheAreaAndContainedBarsFollow) {
    ASSERT_EQ(TwDefine(" bar contained=true position='400 250' "), 1);
    TwDraw();
    EXPECT_EQ(send(WM_SIZE, SIZE_RESTORED, at(320, 240)), 0);
    TwDraw();
    int position[2] = {};
    ASSERT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position), 2);
    EXPECT_EQ(position[0], 120);
    EXPECT_EQ(position[1], 40);
}

void TW_CALL count(void* calls) {
    ++*static_cast<int*>(calls);
}

TEST_F(EngineOnWindow, AButtonFiresInsideTwEventWinOnTheRelease) {
    int calls = 0;
    ASSERT_EQ(TwAddButton(bar, "go", count, &calls, " label=Go "), 1);
    TwDraw();
    const int x = 110, y = bar->layout.rows.at(0).rect.y + 4;
    EXPECT_EQ(send(WM_MOUSEMOVE, 0, at(x, y)), 1);
    EXPECT_EQ(send(WM_LBUTTONDOWN, MK_LBUTTON, at(x, y)), 1);
    EXPECT_EQ(calls, 0);
    TwDraw();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(send(WM_LBUTTONUP, 0, at(x, y)), 1);
    EXPECT_EQ(calls, 1);
}

TEST_F(EngineOnWindow, DraggingTheTitleWithMessagesMovesTheBar) {
    TwDraw();
    EXPECT_EQ(send(WM_LBUTTONDOWN, MK_LBUTTON, at(150, 105)), 1);
    EXPECT_EQ(send(WM_MOUSEMOVE, MK_LBUTTON, at(180, 145)), 1);
    EXPECT_EQ(send(WM_LBUTTONUP, 0, at(180, 145)), 1);
    int position[2] = {};
    ASSERT_EQ(TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position), 2);
    EXPECT_EQ(position[0], 130);
    EXPECT_EQ(position[1], 140);
}

TEST_F(EngineOnWindow, TypingIntoAFieldTakesTheKeysAndSetsTheVariable) {
    int value = 5;
    ASSERT_EQ(TwAddVarRW(bar, "v", TW_TYPE_INT32, &value, nullptr), 1);
    TwDraw();
    const int x = bar->layout.valueX + 5, y = bar->layout.rows.at(0).rect.y + 4;
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    send(WM_LBUTTONUP, 0, at(x, y));
    EXPECT_EQ(send(WM_KEYDOWN, VK_BACK, 1), 1);
    EXPECT_EQ(send(WM_CHAR, '\b', 1), 1);
    EXPECT_EQ(send(WM_CHAR, '4', 1), 1);
    EXPECT_EQ(send(WM_CHAR, '2', 1), 1);
    EXPECT_EQ(send(WM_KEYDOWN, VK_RETURN, 1), 1);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(send(WM_KEYDOWN, VK_RETURN, 1), 0);
}

TEST_F(EngineOnWindow, OneDrawCallPaintsTheBarIntoTheBoundTarget) {
    int v = 0;
    ASSERT_EQ(TwAddVarRW(bar, "v", TW_TYPE_INT32, &v, nullptr), 1);
    window.clearBackBuffer(0, 0, 0);
    ASSERT_EQ(TwDraw(), 1);
    TwFrameStats stats{};
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.drawCalls, 1u);
    int width = 0, height = 0;
    const auto pixels = window.readBackBuffer(&width, &height);
    ASSERT_EQ(width, 640);
    // The opaque red body, and untouched black away from the bar.
    const kztest::Rgba body = kztest::pixelAt(pixels, width, 150, 280);
    EXPECT_GT(body.r, 150);
    EXPECT_LT(body.g, 80);
    const kztest::Rgba outside = kztest::pixelAt(pixels, width, 500, 200);
    EXPECT_EQ(outside.r + outside.g + outside.b, 0);
}

}  // namespace
