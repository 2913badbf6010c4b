// A game that renders into a back buffer of another size than its window's client area (which
// Present scales onto the client area): the bars are stretched over the whole back buffer, so
// that on screen they stand where the mouse, in client coordinates, finds them.
#include <gtest/gtest.h>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::Rgba;

bool isRed(Rgba p) {
    return p.r > 200 && p.g < 40 && p.b < 40;
}

int presses = 0;
void TW_CALL press(void*) {
    ++presses;
}

TEST(ScaledBackBuffer, BarsStandAtOneAndAHalfTimesTheirPlaceOnALargerBufferAndClicksReachThem) {
    kztest::EngineOnWindow engine(1280, 720, {1920, 1080});
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwBar* bar = TwNewBar("Probe");
    ASSERT_EQ(TwAddButton(bar, "Press", press, nullptr, nullptr), 1);
    ASSERT_EQ(TwDefine(" TW_HELP visible=false\r\nProbe position='200 100' size='300 200' "
                       " color='255 0 0' alpha=255 buttonalign=left "),
              1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    ASSERT_EQ(engine.width(), 1920);
    const tw::Rect frame = bar->layout.frame;
    ASSERT_EQ(frame.x, 200);
    ASSERT_EQ(frame.w, 300);

    // The body's edges, at 1.5 times the client-area rectangle, to the pixel.
    const int left = 300, right = 750, bottom = 450;  // 1.5 x (200, 500, 300)
    const int middleY = (150 + bottom) / 2 + 60;
    EXPECT_TRUE(isRed(engine.pixel(left + 2, middleY)));
    EXPECT_FALSE(isRed(engine.pixel(left - 2, middleY)));
    EXPECT_TRUE(isRed(engine.pixel(right - 3, middleY)));
    EXPECT_FALSE(isRed(engine.pixel(right + 2, middleY)));
    EXPECT_TRUE(isRed(engine.pixel(500, bottom - 3)));
    EXPECT_FALSE(isRed(engine.pixel(500, bottom + 6)));

    // A click at the button's client-area position presses it.
    const auto button = kztest::EngineOnWindow::rowOf(bar, "Press");
    ASSERT_TRUE(button.found);
    presses = 0;
    engine.click(button.labelX, button.y);
    EXPECT_EQ(presses, 1);
    // And the row is where the screen shows it: its label's text, right of the button's marker,
    // is drawn at 1.5 times its place.
    int ink = 0;
    for (int y = button.y * 3 / 2 - 8; y < button.y * 3 / 2 + 8; ++y)
        for (int x = (button.labelX + 6) * 3 / 2; x < (button.labelX + 6) * 3 / 2 + 60; ++x)
            ink += engine.pixel(x, y).g > 150;
    EXPECT_GT(ink, 20) << "the button's label";
}

}  // namespace
