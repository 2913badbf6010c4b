// Input scenarios through the portable events: what each gesture does to bars and values, and
// which events the engine reports as its own.
#include <string>
#include <vector>

#include "EngineFixture.h"

namespace {

class Input : public OneBarTest {
  protected:
    static void keys(int key, int times = 1) {
        for (int i = 0; i < times; ++i)
            EXPECT_TRUE(TwKeyPressed(key, 0));
    }
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
    ASSERT_EQ(TwAddButton(bar, "go", count, &calls, nullptr), 1);
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
    // Marked read-only, it is inert.
    ASSERT_EQ(TwDefine(" bar/go readonly= "), 1);
    EXPECT_TRUE(click(x, y));
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

TEST_F(Input, TypedTextCommitsOnEnterWithinTheRangeAndEscapeCancels) {
    int v = 5;
    ASSERT_EQ(TwAddVarRW(bar, "v", TW_TYPE_INT32, &v, " min=-10 max=100 "), 1);
    const auto [x, y] = valuePoint(0);
    EXPECT_TRUE(click(x, y));  // a click without a drag opens the field
    keys(TW_KEY_BACKSPACE);
    type("150");
    EXPECT_EQ(v, 5);
    keys(TW_KEY_RETURN);
    EXPECT_EQ(v, 100);

    click(x, y);
    keys(TW_KEY_HOME);
    type("-");
    keys(TW_KEY_ESCAPE);
    EXPECT_EQ(v, 100);
    TwMouseMotion(700, 500);
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RETURN, 0)) << "no field open any more";

    click(x, y);
    keys(TW_KEY_END);
    keys(TW_KEY_BACKSPACE, 3);
    type("-3x");
    keys(TW_KEY_RETURN);
    EXPECT_EQ(v, 100) << "not a number: the value stays";
    click(x, y);
    keys(TW_KEY_HOME);
    keys(TW_KEY_DELETE);
    type("-3");  // "-300": held to the minimum
    click(700, 500);
    EXPECT_EQ(v, -10) << "a click elsewhere commits too";
}

TEST_F(Input, DraggingANumberMovesItByStepsWithinTheRange) {
    float f = 1.0f;
    ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &f, " step=0.5 max=20 "), 1);
    const auto [x, y] = valuePoint(0);
    EXPECT_TRUE(press(x, y));
    EXPECT_TRUE(tw::inputWantsCapture());
    EXPECT_TRUE(TwMouseMotion(x + 10, y + 30));
    EXPECT_FLOAT_EQ(f, 6.0f);
    EXPECT_TRUE(TwMouseMotion(x - 4, y));
    EXPECT_FLOAT_EQ(f, -1.0f);
    EXPECT_TRUE(TwMouseMotion(x + 500, y));
    EXPECT_FLOAT_EQ(f, 20.0f);
    EXPECT_TRUE(release(x + 500, y));
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RETURN, 0)) << "a drag is not a click: no field opens";
}

struct Flag {
    bool value = false;
    int sets = 0;
};
void TW_CALL setFlag(const void* value, void* data) {
    auto* flag = static_cast<Flag*>(data);
    flag->value = *static_cast<const bool*>(value);
    ++flag->sets;
}
void TW_CALL getFlag(void* value, void* data) {
    *static_cast<bool*>(value) = static_cast<Flag*>(data)->value;
}

TEST_F(Input, APressTogglesABoolThroughItsSetCallbackAndFoldsAGroup) {
    Flag flag;
    bool fixed = true;
    ASSERT_EQ(TwAddVarCB(bar, "flag", TW_TYPE_BOOLCPP, setFlag, getFlag, &flag, " group=G "), 1);
    ASSERT_EQ(TwAddVarRO(bar, "fixed", TW_TYPE_BOOLCPP, &fixed, " group=G "), 1);
    auto [x, y] = labelPoint(1);
    EXPECT_TRUE(press(x, y));
    EXPECT_EQ(flag.sets, 1);
    EXPECT_TRUE(flag.value);
    release(x, y);
    std::tie(x, y) = valuePoint(1);
    click(x, y);
    EXPECT_FALSE(flag.value);
    EXPECT_EQ(flag.sets, 2);
    std::tie(x, y) = valuePoint(2);
    EXPECT_TRUE(click(x, y));
    EXPECT_TRUE(fixed) << "read-only";

    std::tie(x, y) = labelPoint(0);
    EXPECT_TRUE(click(x, y));
    EXPECT_EQ(intParam(bar, "G", "opened"), 0);
    EXPECT_EQ(layout().rows.size(), 1u);
    click(x, y);
    EXPECT_EQ(layout().rows.size(), 3u);
}

TEST_F(Input, EnumValuesArePickedFromTheirListAndColourChannelsOneByOne) {
    const TwType quality = TwDefineEnumFromString("Quality", "Low,Medium,High");
    int q = 0;
    unsigned int color = 0xFF302010;  // red 0x10, green 0x20, blue 0x30
    ASSERT_EQ(TwAddVarRW(bar, "q", quality, &q, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &color, nullptr), 1);
    auto [x, y] = valuePoint(0);
    EXPECT_TRUE(click(x, y));
    // The list opens below the field, one line per entry.
    EXPECT_TRUE(click(x, bar->layout.rows[0].rect.bottom() + 1 + 15 * 2 + 7));
    EXPECT_EQ(q, 2);
    click(x, y);
    keys(TW_KEY_UP);
    keys(TW_KEY_RETURN);
    EXPECT_EQ(q, 1);
    // A click elsewhere closes the list without a change.
    click(x, y);
    click(700, 500);
    EXPECT_EQ(q, 1);
    EXPECT_FALSE(TwKeyPressed(TW_KEY_RETURN, 0));

    std::tie(x, y) = labelPoint(1);
    EXPECT_TRUE(click(x, y));
    ASSERT_EQ(layout().rows.size(), 6u) << "enum, colour, red, green, blue, mode: no alpha";
    std::tie(x, y) = valuePoint(3);  // green: typed
    click(x, y);
    keys(TW_KEY_BACKSPACE, 3);
    type("255");
    keys(TW_KEY_RETURN);
    EXPECT_EQ(color, 0xFF30FF10u);
    std::tie(x, y) = valuePoint(4);  // blue: dragged down by 16
    press(x, y);
    TwMouseMotion(x - 16, y);
    release(x - 16, y);
    EXPECT_EQ(color, 0xFF20FF10u);
}

TEST_F(Input, TheTitleButtonIconifiesTheIconRestoresAndTheWheelScrolls) {
    const tw::Rect button = layout().iconifyButton;
    EXPECT_TRUE(click(button.x + 2, button.y + 2));
    EXPECT_EQ(intParam(bar, nullptr, "iconified"), 1);
    const tw::Rect icon = layout().icon;
    ASSERT_FALSE(icon.empty());
    EXPECT_TRUE(TwMouseMotion(icon.x + 3, icon.y + 3));
    EXPECT_TRUE(click(icon.x + 3, icon.y + 3));
    EXPECT_EQ(intParam(bar, nullptr, "iconified"), 0);
    // The help bar opens from its icon the same way.
    TwBar* help = TwGetBarByIndex(0);
    layout();
    EXPECT_TRUE(click(help->layout.icon.x + 3, help->layout.icon.y + 3));
    EXPECT_EQ(intParam(help, nullptr, "iconified"), 0);

    // The wheel's position is absolute: each change scrolls the bar under the mouse one row,
    // whatever its size; a jump of 4 notches or more is ignored but remembered.
    ASSERT_EQ(TwDefine(" TW_HELP iconified=true "), 1);
    int values[40] = {};
    for (int i = 0; i < 40; ++i)
        TwAddVarRW(bar, ("v" + std::to_string(i)).c_str(), TW_TYPE_INT32, &values[i], nullptr);
    layout();
    TwMouseMotion(150, 200);
    EXPECT_TRUE(TwMouseWheel(-1));
    EXPECT_EQ(layout().firstShown, 1);
    EXPECT_TRUE(TwMouseWheel(-4));
    EXPECT_EQ(layout().firstShown, 2);
    EXPECT_FALSE(TwMouseWheel(-4)) << "an unchanged position scrolls nothing";
    EXPECT_FALSE(TwMouseWheel(6));
    EXPECT_EQ(layout().firstShown, 2);
    EXPECT_TRUE(TwMouseWheel(7));
    EXPECT_EQ(layout().firstShown, 1);
    TwMouseMotion(700, 500);
    EXPECT_FALSE(TwMouseWheel(6));
}

TEST_F(Input, ShortcutsPressToggleAndStep) {
    int calls = 0, level = 3;
    bool on = false;
    ASSERT_EQ(TwAddButton(bar, "go", count, &calls, " key=r "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "on", TW_TYPE_BOOLCPP, &on, " key=SPACE "), 1);
    ASSERT_EQ(
        TwAddVarRW(bar, "level", TW_TYPE_INT32, &level, " keyincr=UP keydecr='CTRL+d' max=4 "), 1);
    EXPECT_TRUE(TwKeyPressed('r', 0));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(TwKeyPressed('r', TW_KMOD_CTRL));
    EXPECT_TRUE(TwKeyPressed(' ', 0));
    EXPECT_TRUE(on);
    keys(TW_KEY_UP, 2);
    EXPECT_EQ(level, 4);
    EXPECT_TRUE(TwKeyPressed('d', TW_KMOD_CTRL));
    EXPECT_EQ(level, 3);
    EXPECT_FALSE(TwKeyPressed(TW_KEY_DOWN, 0));
    level = -7;  // changed by its owner: stepped from the new value
    keys(TW_KEY_UP);
    EXPECT_EQ(level, -6);

    // An enum's keys go round past either end; a value that is no entry goes to the first.
    const TwEnumVal sparse[] = {{0, "zero"}, {1, "one"}, {5, "five"}};
    int pick = 1;
    ASSERT_EQ(
        TwAddVarRW(bar, "pick", TwDefineEnum("Sparse", sparse, 3), &pick, " keyincr=i keydecr=k "),
        1);
    std::vector<int> seen;
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(TwKeyPressed('i', 0));
        seen.push_back(pick);
    }
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(TwKeyPressed('k', 0));
        seen.push_back(pick);
    }
    EXPECT_EQ(seen, (std::vector<int>{5, 0, 1, 0, 5, 1}));
    for (const char key : {'i', 'k'}) {
        pick = 3;
        EXPECT_TRUE(TwKeyPressed(key, 0));
        EXPECT_EQ(pick, 0) << key;
    }
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
