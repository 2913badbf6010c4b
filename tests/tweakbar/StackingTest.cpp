// Which bar is drawn on top, at the bottom, and which one is active; the enum list counted as a
// bar while it is open; deleting every bar at once.
#include <functional>
#include <iterator>

#include "EngineFixture.h"
#include "model/Bar.h"

namespace {

class Stacking : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(800, 600), 1);
    }
};

TEST_F(Stacking, TopAndBottomKeepTheAlwaysTopAndAlwaysBottomBarsInTheirLayers) {
    TwBar* help = TwGetBarByIndex(0);
    EXPECT_EQ(TwGetTopBar(), help) << "right after TwInit the help bar is top and bottom";
    EXPECT_EQ(TwGetBottomBar(), help);
    TwBar* a = TwNewBar("a");
    TwBar* b = TwNewBar("b");
    TwBar* c = TwNewBar("c");
    EXPECT_EQ(TwGetTopBar(), c) << "new bars come on top";
    EXPECT_EQ(TwGetBottomBar(), help);

    ASSERT_EQ(TwSetTopBar(a), 1);
    EXPECT_EQ(TwGetTopBar(), a);
    ASSERT_EQ(TwSetBottomBar(c), 1);
    EXPECT_EQ(TwGetBottomBar(), c);

    ASSERT_EQ(TwDefine(" b alwaystop=true \r\n a alwaysbottom=true "), 1);
    EXPECT_EQ(TwGetTopBar(), b);
    EXPECT_EQ(TwGetBottomBar(), a);
    ASSERT_EQ(TwSetTopBar(c), 1);
    EXPECT_EQ(TwGetTopBar(), b) << "the alwaystop bar stays above";
    ASSERT_EQ(TwSetTopBar(a), 1);
    EXPECT_EQ(TwGetBottomBar(), a) << "an alwaysbottom bar asked to the top goes to the bottom";
    EXPECT_EQ(TwGetTopBar(), b);
    ASSERT_EQ(TwSetBottomBar(b), 1);
    EXPECT_EQ(TwGetTopBar(), b) << "an alwaystop bar asked to the bottom goes to the top";
    EXPECT_EQ(TwGetBottomBar(), a);
    ASSERT_EQ(TwDefine(" b alwaystop=false "), 1);
    ASSERT_EQ(TwSetBottomBar(b), 1);
    EXPECT_EQ(TwGetBottomBar(), a) << "below every bar but the alwaysbottom one";
    ASSERT_EQ(TwSetTopBar(c), 1);
    EXPECT_EQ(TwGetTopBar(), c);

    EXPECT_EQ(answer(TwSetTopBar(nullptr)), "Invalid parameter");
    TwDeleteBar(c);
    EXPECT_EQ(answer(TwSetBottomBar(c)), "Not found");
    EXPECT_EQ(TwGetTopBar(), help);

    // One bar at most holds each mark, and a bar holds one of the two at most.
    ASSERT_EQ(TwDefine(" b alwaysbottom=true "), 1);
    EXPECT_EQ(intParam(a, nullptr, "alwaysbottom"), 0);
    ASSERT_EQ(TwDefine(" a alwaystop=true\r\nb alwaystop=true "), 1);
    EXPECT_EQ(intParam(a, nullptr, "alwaystop"), 0);
    EXPECT_EQ(intParam(b, nullptr, "alwaysbottom"), 0);
    ASSERT_EQ(TwDefine(" b alwaystop=false "), 1);
    EXPECT_EQ(TwGetTopBar(), b) << "taking the mark moved it to the top";
}

TEST_F(Stacking, TheActiveBarIsTheOpenOneUnderThePointerOrTheOneBeingTypedInto) {
    TwBar* a = TwNewBar("a");
    TwBar* b = TwNewBar("b");
    char name[8] = "";
    ASSERT_EQ(TwAddVarRW(a, "name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    ASSERT_EQ(TwDefine(" a position='10 10' size='200 200'\r\nb position='300 10' size='200 200' "),
              1);
    TwDraw();
    EXPECT_EQ(TwGetActiveBar(), nullptr);
    TwMouseMotion(400, 100);
    EXPECT_EQ(TwGetActiveBar(), b);
    TwMouseMotion(700, 500);
    EXPECT_EQ(TwGetActiveBar(), nullptr);

    const tw::Rect row = a->layout.rows.at(0).rect;
    click(a->layout.valueX + 5, row.y + row.h / 2);
    TwMouseMotion(700, 500);
    EXPECT_EQ(TwGetActiveBar(), a) << "a text field is open in it";
    TwMouseMotion(400, 100);
    EXPECT_EQ(TwGetActiveBar(), a) << "the first in creation order";
    TwKeyPressed(TW_KEY_ESCAPE, 0);
    EXPECT_EQ(TwGetActiveBar(), b);
    ASSERT_EQ(TwDefine(" b iconified=true "), 1);
    EXPECT_EQ(TwGetActiveBar(), nullptr);
}

TEST_F(Stacking, AnOpenEnumListCountsAsABarUntilACallClosesIt) {
    TwBar* bar = TwNewBar("bar");
    int choice = 0;
    const TwType type = TwDefineEnumFromString("Choice", "one,two,three");
    ASSERT_EQ(TwAddVarRW(bar, "choice", type, &choice, nullptr), 1);
    ASSERT_EQ(TwDefine(" bar position='10 10' size='240 200' "), 1);
    const auto openList = [&] {
        TwDraw();
        const tw::Rect row = bar->layout.rows.at(0).rect;
        click(bar->layout.valueX + 5, row.y + row.h / 2);
    };
    openList();
    ASSERT_EQ(TwGetBarCount(), 3);
    TwBar* popup = TwGetBarByIndex(2);
    EXPECT_STREQ(TwGetBarName(popup), "~ Enum Popup ~");
    EXPECT_EQ(TwGetBarByName("~ Enum Popup ~"), popup);
    EXPECT_EQ(TwGetTopBar(), bar) << "the list is not the top bar";
    EXPECT_EQ(TwSetTopBar(popup), 1);
    EXPECT_EQ(TwGetTopBar(), bar);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    EXPECT_EQ(TwGetBarCount(), 2);
    EXPECT_EQ(TwGetBarName(popup), nullptr) << "a closed list's bar is gone";

    // Each of these calls closes it.
    int other = 0;
    const std::function<void()> closers[] = {
        [] {
            TwNewBar("another");
            TwDefine(" another position='500 300' ");  // not over the list's field
        },
        [] { TwDeleteBar(TwGetBarByName("another")); },
        [&] { TwAddVarRW(bar, "x", TW_TYPE_INT32, &other, nullptr), TwRemoveVar(bar, "x"); },
        [&] { TwDefineEnumFromString("Choice", "one,two,three"); },
        [] { TwMouseMotion(700, 500), TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_RIGHT); },
    };
    for (std::size_t i = 0; i < std::size(closers); ++i) {
        openList();
        ASSERT_NE(TwGetBarByName("~ Enum Popup ~"), nullptr) << i;
        closers[i]();
        EXPECT_EQ(TwGetBarByName("~ Enum Popup ~"), nullptr) << i;
    }
    EXPECT_EQ(answer(TwGetBarByIndex(2)), "Index out of range");
    openList();
    TwRemoveAllVars(bar);
    EXPECT_EQ(TwGetBarCount(), 2);
    EXPECT_EQ(TwGetBarByName("~ Enum Popup ~"), nullptr);
}

TEST_F(Stacking, DeletingEveryBarKeepsTheHelpBarAndSaysWhetherThereWasAnyOther) {
    EXPECT_EQ(TwDeleteAllBars(), 0);
    EXPECT_EQ(lastError(), "") << "nothing to delete is no error";
    TwNewBar("a");
    TwNewBar("b");
    EXPECT_EQ(TwDeleteAllBars(), 1);
    EXPECT_EQ(TwGetBarCount(), 1);
    EXPECT_EQ(answer(TwDeleteBar(TwGetBarByIndex(0))), "Cannot delete help bar");
    EXPECT_EQ(answer(TwGetBarByIndex(1)), "Index out of range");
    TwTerminate();
    EXPECT_EQ(answer(TwDeleteAllBars()), "Not initialized");
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
}

}  // namespace
