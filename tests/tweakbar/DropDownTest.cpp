// The list an enum row opens: where it lies against its row and the window, how it scrolls
// when its entries do not fit, and the keys and presses that pick, move or close it.
#include <string>
#include <utility>
#include <vector>

#include "EngineFixture.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "widgets/DropDown.h"

namespace {

class DropDown : public OneBarTest {
  protected:
    // An enum of count entries named e0, e1, ... valued 0, 1, ...
    static TwType entries(int count) {
        std::string labels;
        for (int i = 0; i < count; ++i)
            labels += (i ? ",e" : "e") + std::to_string(i);
        return TwDefineEnumFromString(("Enum" + std::to_string(count)).c_str(), labels.c_str());
    }
    tw::Rect row(std::size_t index) { return layout().rows.at(index).rect; }
    static tw::DropDownPlace place() {
        EXPECT_EQ(TwDraw(), 1);
        return tw::dropDownPlace(*tw::engine().context);
    }
    static bool listOpen() { return TwGetBarByName("~ Enum Popup ~") != nullptr; }
    static std::pair<int, int> entryPoint(int entry) {
        const tw::Rect line = place().entry(entry);
        return {line.x + line.w / 2, line.y + line.h / 2};
    }
    tw::DropDownPlace openAt(std::size_t index) {
        const auto [x, y] = valuePoint(index);
        EXPECT_TRUE(click(x, y));
        EXPECT_TRUE(listOpen());
        return place();
    }
    // Presses an entry; the release lands on whatever the closed list uncovers.
    static void pick(int entry) {
        const auto [x, y] = entryPoint(entry);
        EXPECT_TRUE(press(x, y));
        release(x, y);
        EXPECT_FALSE(listOpen());
    }
    static int highlighted() { return tw::engine().context->input.popup.hovered; }
};

TEST_F(DropDown, ItHangsFromItsRowAndTheWindowLimitsItOpensAboveOrMovesIt) {
    int value = 0, other = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    // From the values column a pixel below the row, the bar's width less two font heights, five
    // rows and 9 px (at least five font heights).
    const struct { int fontHeight, rowHeight; } sizes[] = {{11, 12}, {14, 15}, {16, 17}};
    for (int size = 1; size <= 3; ++size) {
        ASSERT_EQ(TwDefine((" bar fontsize=" + std::to_string(size)).c_str()), 1);
        const tw::DropDownPlace list = openAt(0);
        const int pitch = sizes[size - 1].rowHeight;
        EXPECT_EQ(list.frame.x, bar->layout.valueX) << size;
        EXPECT_EQ(list.frame.y, row(0).bottom() + 1) << size;
        EXPECT_EQ(list.frame.w, bar->layout.frame.w - 2 * sizes[size - 1].fontHeight) << size;
        EXPECT_EQ(list.frame.h, 5 * pitch + 9) << size;
        TwBar* popup = TwGetBarByName("~ Enum Popup ~");
        EXPECT_EQ(ints(popup, nullptr, "position"), (std::vector<int>{list.frame.x, list.frame.y}));
        EXPECT_EQ(ints(popup, nullptr, "size"), (std::vector<int>{list.frame.w, list.frame.h}));
        EXPECT_TRUE(list.track.empty()) << "all entries fit: no scrollbar " << size;
        ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    }
    ASSERT_EQ(TwDefine(" bar fontsize=2 "), 1);
    // A short list is five font heights tall.
    ASSERT_EQ(TwRemoveVar(bar, "e"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(2), &value, nullptr), 1);
    EXPECT_EQ(openAt(0).frame.h, 5 * 14);
    ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    ASSERT_EQ(TwRemoveVar(bar, "e"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(20), &value, nullptr), 1);

    // Near the bottom: the whole list fits above the row only.
    ASSERT_EQ(TwDefine(" bar position='100 380' size='300 200' "), 1);
    tw::DropDownPlace list = openAt(0);
    EXPECT_EQ(list.frame.bottom() + 1, row(0).y);
    EXPECT_EQ(list.shown, 20);
    ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);

    // In a short window with more room below: what fits there, and a scrollbar.
    ASSERT_EQ(TwWindowSize(800, 300), 1);
    ASSERT_EQ(TwDefine(" bar position='100 100' size='300 180' "), 1);
    list = openAt(0);
    EXPECT_EQ(list.frame.y, row(0).bottom() + 1);
    EXPECT_EQ(list.shown, 10);
    EXPECT_LE(list.frame.bottom(), 300);
    EXPECT_GT(list.frame.bottom() + 15, 300) << "no room left for one more entry";
    EXPECT_TRUE(list.frame.contains(list.track.x, list.track.y));
    EXPECT_LE(list.entries.right(), list.track.x) << "entries stay left of the scrollbar";
    ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);

    // Neither side of a second row has room for three entries: three all the same, moved into
    // the window, and left to its right edge.
    ASSERT_EQ(TwRemoveVar(bar, "e"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "n", TW_TYPE_INT32, &other, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(20), &value, nullptr), 1);
    ASSERT_EQ(TwWindowSize(350, 90), 1);
    ASSERT_EQ(TwDefine(" bar position='100 5' size='300 80' "), 1);
    list = openAt(1);
    EXPECT_EQ(list.shown, 3);
    EXPECT_EQ(list.frame.y, 0);
    EXPECT_LE(list.frame.bottom(), 90);
    EXPECT_EQ(list.frame.right(), 350);
}

TEST_F(DropDown, ALongListScrollsByWheelThumbTrackAndKeysAndPicksWhatItShows) {
    int value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(20), &value, nullptr), 1);
    ASSERT_EQ(TwWindowSize(800, 300), 1);
    ASSERT_EQ(TwDefine(" bar position='100 100' size='300 180' "), 1);
    ASSERT_EQ(openAt(0).shown, 10);

    // The wheel over the list moves it one entry per turn.
    const auto [x, y] = entryPoint(5);
    TwMouseMotion(x, y);
    EXPECT_EQ(TwMouseWheel(-1), 1);
    EXPECT_EQ(place().first, 1);
    EXPECT_EQ(TwMouseWheel(0), 1);
    EXPECT_EQ(place().first, 0);

    // The pointer highlighted entry 5; the arrows scroll just enough to keep the highlight shown.
    EXPECT_EQ(highlighted(), 5);
    for (int i = 0; i < 12; ++i)
        ASSERT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 17);
    EXPECT_EQ(place().first, 8);
    for (int i = 0; i < 17; ++i)
        ASSERT_EQ(TwKeyPressed(TW_KEY_UP, 0), 1);
    EXPECT_EQ(place().first, 0);

    // The thumb dragged over its whole travel reaches the last entries.
    tw::DropDownPlace list = place();
    const int thumbX = list.thumb.x + list.thumb.w / 2, thumbY = list.thumb.y + 2;
    const int travel = list.track.h - list.thumb.h;
    EXPECT_TRUE(press(thumbX, thumbY));
    EXPECT_EQ(TwMouseMotion(thumbX + 40, thumbY + travel / 2), 1) << "dragging is the engine's";
    EXPECT_EQ(place().first, 5);
    release(thumbX, thumbY + travel);
    list = place();
    EXPECT_EQ(list.first, 10);
    EXPECT_EQ(list.thumb.bottom(), list.track.bottom());
    // The track above the thumb scrolls one entry; a click picks the entry shown under it.
    EXPECT_TRUE(click(thumbX, list.track.y + 1));
    EXPECT_EQ(place().first, 9);
    pick(9);
    EXPECT_EQ(value, 9);

    // Opened again on a value far down, the list shows it.
    value = 17;
    TwRefreshBar(bar);
    list = openAt(0);
    EXPECT_LE(list.first, 17);
    EXPECT_GT(list.first + list.shown, 17);
}

TEST_F(DropDown, ArrowsMoveTheHighlightReturnPicksEscapeClosesAndTheListTakesThemFirst) {
    int value = 1, number = 5;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwAddVarRW(other, "n", TW_TYPE_INT32, &number, nullptr), 1);
    ASSERT_EQ(TwDefine(" other position='500 300' size='200 200' "), 1);
    const tw::Rect e = row(0);
    TwMouseMotion(e.x + 5, e.y + e.h / 2);
    ASSERT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    ASSERT_TRUE(listOpen());
    EXPECT_EQ(highlighted(), 1) << "the list opens on the current entry";

    // Over the other bar's number the arrows still belong to the list: Right reaches nobody.
    TwDraw();
    const tw::Rect n = other->layout.rows.at(0).rect;
    TwMouseMotion(n.x + 5, n.y + n.h / 2);
    EXPECT_EQ(TwKeyTest(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 1) << "a key test changes nothing";
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 0);
    EXPECT_EQ(value, 1) << "moving the highlight changes nothing yet";
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(number, 5);
    EXPECT_FALSE(listOpen());

    // Escape closes without a change; Down stops at the last entry.
    TwMouseMotion(e.x + 5, e.y + e.h / 2);
    ASSERT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 4);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    EXPECT_FALSE(listOpen());
    EXPECT_EQ(value, 3);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 0) << "nothing left to close";

    // On the closed row Left and Right cycle; from a value of no entry both go to the first.
    for (int key : {TW_KEY_LEFT, TW_KEY_RIGHT}) {
        value = 9;
        TwRefreshBar(bar);
        ASSERT_EQ(TwKeyPressed(key, 0), 1);
        EXPECT_EQ(value, 0) << key;
    }
    ASSERT_EQ(TwKeyPressed(TW_KEY_LEFT, 0), 1);
    EXPECT_EQ(value, 4) << "wrapping";
}

TEST_F(DropDown, PressesPickInNumericOrderOpenFromTheLabelAndCloseElsewhere) {
    const TwEnumVal tens[] = {{30, "thirty"}, {10, "ten"}, {20, "twenty"}};
    int value = 20;
    bool flag = false;
    ASSERT_EQ(TwAddVarRW(bar, "e", TwDefineEnum("Tens", tens, 3), &value, nullptr), 1);
    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwAddVarRW(other, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
    ASSERT_EQ(TwDefine(" other position='500 300' size='200 200' "), 1);
    std::vector<int> picked;
    for (int entry = 0; entry < 3; ++entry) {
        openAt(0);
        pick(entry);
        picked.push_back(value);
    }
    EXPECT_EQ(picked, (std::vector<int>{10, 20, 30}));

    // The label opens the list too; the entry under the pointer is the one Return picks.
    const tw::Rect label = row(0);
    EXPECT_TRUE(click(label.x + 3, label.y + label.h / 2));
    ASSERT_TRUE(listOpen());
    const auto [x, y] = entryPoint(1);
    EXPECT_EQ(TwMouseMotion(x, y), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(value, 20);

    // A press on its own row only closes it; a press elsewhere closes it and acts there.
    openAt(0);
    EXPECT_TRUE(click(label.x + 3, label.y + label.h / 2));
    EXPECT_FALSE(listOpen());
    openAt(0);
    const tw::Rect flagRow = other->layout.rows.at(0).rect;
    EXPECT_TRUE(click(flagRow.x + 5, flagRow.y + flagRow.h / 2));
    EXPECT_FALSE(listOpen());
    EXPECT_TRUE(flag);
    EXPECT_EQ(value, 20);
}

}  // namespace
