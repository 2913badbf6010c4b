// An enum's list driven by real window messages: a click opens it, posted arrow keys move its
// highlight, Return picks and Escape closes, each key the engine's, as a game's loop sees them.
#include <gtest/gtest.h>

#include "EngineOnWindow.h"

namespace {

using kztest::EngineOnWindow;

class DropDownMessages : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        bar = TwNewBar("Tools");
        ASSERT_EQ(TwDefine(" Tools position='60 50' size='240 200' "), 1) << TwGetLastError();
        const TwEnumVal levels[] = {{0, "Low"}, {1, "Medium"}, {2, "High"}, {3, "Ultra"}};
        ASSERT_EQ(TwAddVarRW(bar, "Quality", TwDefineEnum("Quality", levels, 4), &quality, nullptr),
                  1);
        ASSERT_TRUE(engine.frame(0, 0, 0));
        quality_ = EngineOnWindow::rowOf(bar, "Quality");
        ASSERT_TRUE(quality_.found);
    }
    // While the list is open it is one more bar.
    static bool listOpen() { return TwGetBarCount() == 3; }

    EngineOnWindow engine{480, 360};
    TwBar* bar = nullptr;
    int quality = 0;
    EngineOnWindow::RowPoints quality_;
};

TEST_F(DropDownMessages, AClickOpensTheListAndDownDownReturnPicksTheThirdEntry) {
    engine.click(quality_.valueX, quality_.y);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    ASSERT_TRUE(listOpen());
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_DOWN, 1), 1);
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_DOWN, 1), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(quality, 0) << "the highlight moves; the value waits for Return";
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_RETURN, 1), 1);
    EXPECT_EQ(quality, 2);
    EXPECT_FALSE(listOpen());
    ASSERT_TRUE(engine.frame(0, 0, 0));
}

TEST_F(DropDownMessages, ReturnOnTheRowOpensTheListAndEscapeClosesItLeavingTheValue) {
    quality = 1;
    TwRefreshBar(bar);
    // The pointer over the row highlights it; Return opens its list there.
    engine.move(quality_.labelX, quality_.y);
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_RETURN, 1), 1);
    ASSERT_TRUE(listOpen());
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_DOWN, 1), 1);
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_ESCAPE, 1), 1);
    EXPECT_FALSE(listOpen());
    EXPECT_EQ(quality, 1);
    // Closed, Escape is nobody's.
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_ESCAPE, 1), 0);
    ASSERT_TRUE(engine.frame(0, 0, 0));
}

}  // namespace
