// Input scenarios through the portable events: what each gesture does to bars and values, and
// which events the engine reports as its own.
#include <string>
#include <vector>

#include "EngineFixture.h"

namespace {

class Input : public OneBarTest {
  protected:
    // Drags from one point to another: a press, a move and a release.
    std::vector<int> drag(int fromX, int fromY, int toX, int toY, const char* param) {
        layout();
        press(fromX, fromY);
        TwMouseMotion((fromX + toX) / 2, (fromY + toY) / 2);
        release(toX, toY);
        return ints(bar, nullptr, param);
    }
};

void TW_CALL count(void* calls) {
    ++*static_cast<int*>(calls);
}

TEST_F(Input, AButtonFiresInsideTheReleaseOverItAndTheEventIsHandled) {
    int calls = 0;
    ASSERT_EQ(TwAddButton(bar, "go", count, &calls, " key=g "), 1);
    const auto [x, y] = labelPoint(0);
    EXPECT_TRUE(press(x, y));
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(tw::inputWantsCapture());
    EXPECT_TRUE(release(x, y));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(tw::inputWantsCapture());
    // Released elsewhere, it does not fire, but the release still belongs to the engine.
    EXPECT_TRUE(press(x, y));
    EXPECT_TRUE(release(5, 5));
    TwDraw();
    EXPECT_EQ(calls, 1) << "nor does drawing fire it";
    // Marked read-only, it is inert, to its shortcut too, which is still consumed.
    ASSERT_EQ(TwDefine(" bar/go readonly= "), 1);
    EXPECT_TRUE(click(x, y));
    EXPECT_TRUE(TwKeyPressed('g', 0));
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(TwDefine(" bar/go readonly=false "), 1);
    // A hidden bar takes no input.
    ASSERT_EQ(TwDefine(" bar visible=false "), 1);
    EXPECT_FALSE(TwMouseMotion(x, y));
    EXPECT_FALSE(click(x, y));
    EXPECT_EQ(calls, 1);
}

TEST_F(Input, EventsOutsideEveryBarAreNotHandled) {
    layout();
    EXPECT_FALSE(TwMouseMotion(700, 50));
    EXPECT_FALSE(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_LEFT));
    EXPECT_FALSE(TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_LEFT));
    EXPECT_FALSE(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_RIGHT));
    EXPECT_FALSE(TwMouseWheel(1));
    // Over the bar, body and title alike, the mouse is the engine's; keys are not, while
    // nothing is being edited.
    EXPECT_TRUE(TwMouseMotion(150, 105));
    EXPECT_TRUE(TwMouseMotion(150, 450));
    EXPECT_TRUE(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_RIGHT));
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RETURN, 0));
    EXPECT_FALSE(TwKeyPressed('a', 0));
}

TEST_F(Input, TheTitleMovesTheBarAndTheCornersResizeItWithinTheirLimits) {
    EXPECT_EQ(drag(150, 105, 180, 125, "position"), (std::vector<int>{130, 120}));
    // Not past the left or top edge, and within the area when contained; the title's ends,
    // which hold its buttons, do not move it.
    EXPECT_EQ(drag(155, 125, 0, 0, "position"), (std::vector<int>{130, 120}));
    EXPECT_EQ(drag(200, 125, 0, 0, "position"), (std::vector<int>{0, 0}));
    ASSERT_EQ(TwDefine(" bar contained=true "), 1);
    EXPECT_EQ(drag(50, 5, 2000, 2000, "position"), (std::vector<int>{500, 200}));
    ASSERT_EQ(TwDefine(" bar movable=false contained=false position='100 100' "), 1);
    EXPECT_EQ(drag(150, 105, 200, 300, "position"), (std::vector<int>{100, 100}));

    // Bottom-right corner: the top-left stays; top-left corner: the bottom-right stays.
    EXPECT_EQ(drag(398, 498, 438, 518, "size"), (std::vector<int>{340, 420}));
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{100, 100}));
    EXPECT_EQ(drag(101, 101, 141, 121, "position"), (std::vector<int>{140, 120}));
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{300, 400}));
    // Never below the minimum size, and not at all when the bar is not resizable.
    EXPECT_EQ(drag(141, 121, 1000, 1000, "size"), (std::vector<int>{112, 70}));
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{328, 450}));
    ASSERT_EQ(TwDefine(" bar resizable=false "), 1);
    EXPECT_EQ(drag(328 + 111, 450 + 69, 700, 590, "size"), (std::vector<int>{112, 70}));
}

void TW_CALL deleteOwnBar(void* bar) {
    TwDeleteBar(static_cast<TwBar*>(bar));
}
void TW_CALL terminateEngine(void*) {
    TwTerminate();
}

TEST_F(Input, ACallbackMayDeleteItsOwnBarOrEndTheEngine) {
    ASSERT_EQ(TwAddButton(bar, "delete", deleteOwnBar, bar, nullptr), 1);
    const auto [x, y] = labelPoint(0);
    EXPECT_TRUE(click(x, y));
    EXPECT_EQ(TwGetBarByName("bar"), nullptr);
    EXPECT_EQ(TwDraw(), 1);

    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwAddButton(other, "end", terminateEngine, nullptr, nullptr), 1);
    TwDraw();
    const tw::Rect r = other->layout.rows.at(0).rect;
    EXPECT_TRUE(click(r.x + 2, r.y + 2));
    EXPECT_EQ(TwGetBarCount(), 0);
    EXPECT_FALSE(TwMouseMotion(r.x + 2, r.y + 2));
}

}  // namespace
