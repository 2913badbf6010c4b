// The list an enum row opens: where it lies against its row and the window, how it scrolls
// when its entries do not fit, the keys and presses that pick, move or close it, and the veil
// over the other bars, all in the one draw call.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "Bar.h"
#include "DropDown.h"
#include "Engine.h"
#include "EngineFixture.h"
#include "ListInspection.h"
#include "TwFrameStats.h"

namespace {

class DropDown : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwDefine(" bar position='100 100' size='300 400' "), 1);
    }

    // An enum of count entries named e0, e1, ... valued 0, 1, ...
    static TwType entries(int count) {
        std::string labels;
        for (int i = 0; i < count; ++i)
            labels += (i ? ",e" : "e") + std::to_string(i);
        return TwDefineEnumFromString(("Enum" + std::to_string(count)).c_str(), labels.c_str());
    }
    // Drawn, so that the layout is what the user sees.
    const tw::Row& row(std::size_t index) {
        EXPECT_EQ(TwDraw(), 1);
        return bar->layout.rows.at(index);
    }
    std::pair<int, int> valuePoint(std::size_t index) {
        const tw::Rect r = row(index).rect;
        return {bar->layout.valueX + 10, r.y + r.h / 2};
    }
    static tw::DropDownPlace place() {
        EXPECT_EQ(TwDraw(), 1);
        return tw::dropDownPlace(*tw::engine().context);
    }
    static bool listOpen() { return TwGetBarByName("~ Enum Popup ~") != nullptr; }
    // The middle of an entry's line while the list shows it.
    static std::pair<int, int> entryPoint(int entry) {
        const tw::Rect line = place().entry(entry);
        return {line.x + line.w / 2, line.y + line.h / 2};
    }
    void openAt(std::size_t index) {
        const auto [x, y] = valuePoint(index);
        ASSERT_TRUE(click(x, y));
        ASSERT_TRUE(listOpen());
    }
    static int highlighted() { return tw::engine().context->input.popup.hovered; }

    TwBar* bar = nullptr;
};

TEST_F(DropDown, OpensBelowItsRowFromTheValuesColumnAsWideAsTheBarLessTwoFontHeights) {
    int value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    // Font height and row height of each font size; the list is five rows and half a row tall.
    const struct { int fontHeight, rowHeight; } sizes[] = {{11, 12}, {14, 15}, {16, 17}};
    for (int size = 1; size <= 3; ++size) {
        ASSERT_EQ(TwDefine((" bar fontsize=" + std::to_string(size)).c_str()), 1);
        openAt(0);
        const tw::DropDownPlace list = place();
        const int pitch = sizes[size - 1].rowHeight;
        EXPECT_EQ(list.frame.x, bar->layout.valueX) << size;
        EXPECT_EQ(list.frame.y, row(0).rect.bottom()) << size;
        EXPECT_EQ(list.frame.w, bar->layout.frame.w - 2 * sizes[size - 1].fontHeight) << size;
        EXPECT_EQ(list.frame.h, 5 * pitch + pitch / 2) << size;
        EXPECT_EQ(list.shown, 5) << size;
        EXPECT_TRUE(list.track.empty()) << "all entries fit: no scrollbar " << size;
        ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    }
}

TEST_F(DropDown, EntriesAreListedInNumericOrderWhateverTheirDefinitionOrder) {
    const TwEnumVal values[] = {{30, "thirty"}, {10, "ten"}, {20, "twenty"}};
    int value = 20;
    ASSERT_EQ(TwAddVarRW(bar, "e", TwDefineEnum("Tens", values, 3), &value, nullptr), 1);
    std::vector<int> picked;
    for (int entry = 0; entry < 3; ++entry) {
        openAt(0);
        const auto [x, y] = entryPoint(entry);
        EXPECT_TRUE(press(x, y));
        release(x, y);
        EXPECT_FALSE(listOpen()) << "a click picks and closes";
        picked.push_back(value);
    }
    EXPECT_EQ(picked, (std::vector<int>{10, 20, 30}));
}

TEST_F(DropDown, TheWindowLimitsTheListWhichOpensAboveWhenThereIsMoreRoomThere) {
    int value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(20), &value, nullptr), 1);
    // Near the bottom: the whole list fits above the row only.
    ASSERT_EQ(TwDefine(" bar position='100 380' size='300 200' "), 1);
    openAt(0);
    tw::DropDownPlace list = place();
    EXPECT_EQ(list.frame.bottom(), row(0).rect.y);
    EXPECT_EQ(list.shown, 20);
    EXPECT_TRUE(list.track.empty());
    ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);

    // In a short window with more room below: as many entries as fit there, and a scrollbar.
    ASSERT_EQ(TwWindowSize(800, 300), 1);
    ASSERT_EQ(TwDefine(" bar position='100 100' size='300 180' "), 1);
    openAt(0);
    list = place();
    EXPECT_EQ(list.frame.y, row(0).rect.bottom());
    EXPECT_LE(list.frame.bottom(), 300);
    EXPECT_GT(list.frame.bottom() + 15, 300) << "no room left for one more entry";
    EXPECT_EQ(list.shown, 10);
    EXPECT_FALSE(list.track.empty());
    EXPECT_TRUE(list.frame.contains(list.track.x, list.track.y));
    EXPECT_LE(list.entries.right(), list.track.x) << "entries stay left of the scrollbar";
}

TEST_F(DropDown, AWindowTooSmallStillShowsThreeEntriesInsideIt) {
    int dummy = 0, value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "n", TW_TYPE_INT32, &dummy, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(8), &value, nullptr), 1);
    // Neither side of the second row has room for three entries.
    ASSERT_EQ(TwWindowSize(350, 90), 1);
    ASSERT_EQ(TwDefine(" bar position='100 0' size='300 80' "), 1);
    openAt(1);
    const tw::DropDownPlace list = place();
    EXPECT_EQ(list.shown, 3);
    EXPECT_EQ(list.frame.y, 0);
    EXPECT_LE(list.frame.bottom(), 90);
    // Wider than what is left right of the values column: moved left to the window's edge.
    EXPECT_EQ(list.frame.right(), 350);
    EXPECT_FALSE(list.track.empty());
}

TEST_F(DropDown, ALongListScrollsByWheelThumbTrackAndKeysAndPicksWhatItShows) {
    int value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(20), &value, nullptr), 1);
    ASSERT_EQ(TwWindowSize(800, 300), 1);
    ASSERT_EQ(TwDefine(" bar position='100 100' size='300 180' "), 1);
    openAt(0);
    tw::DropDownPlace list = place();
    ASSERT_EQ(list.shown, 10);
    ASSERT_EQ(list.first, 0);

    // The wheel over the list moves it one entry per turn, not the bar below.
    const auto [x, y] = entryPoint(5);
    TwMouseMotion(x, y);
    EXPECT_EQ(TwMouseWheel(-1), 1);
    EXPECT_EQ(place().first, 1);
    EXPECT_EQ(TwMouseWheel(0), 1);
    EXPECT_EQ(place().first, 0);
    EXPECT_TRUE(listOpen());

    // The pointer highlighted entry 5. Down past the last entry shown scrolls to keep the
    // highlight in view; Up above the first shown scrolls back.
    EXPECT_EQ(highlighted(), 5);
    for (int i = 0; i < 12; ++i)
        ASSERT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 17);
    EXPECT_EQ(place().first, 8);
    for (int i = 0; i < 17; ++i)
        ASSERT_EQ(TwKeyPressed(TW_KEY_UP, 0), 1);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(place().first, 0);

    // The thumb dragged over its whole travel reaches the last entries; the list stays open.
    list = place();
    const int thumbX = list.thumb.x + list.thumb.w / 2, thumbY = list.thumb.y + 2;
    const int travel = list.track.h - list.thumb.h;
    EXPECT_TRUE(press(thumbX, thumbY));
    EXPECT_EQ(TwMouseMotion(thumbX + 40, thumbY + travel / 2), 1) << "dragging is the engine's";
    EXPECT_EQ(place().first, 5);
    EXPECT_TRUE(release(thumbX, thumbY + travel));
    list = place();
    EXPECT_EQ(list.first, 10);
    EXPECT_EQ(list.thumb.bottom(), list.track.bottom());
    ASSERT_TRUE(listOpen());

    // A press on the track above the thumb scrolls one entry.
    EXPECT_TRUE(click(thumbX, list.track.y + 1));
    EXPECT_EQ(place().first, 9);
    ASSERT_TRUE(listOpen());

    // What a click picks is the entry shown under it.
    const auto [firstX, firstY] = entryPoint(9);
    EXPECT_TRUE(press(firstX, firstY));
    release(firstX, firstY);
    EXPECT_EQ(value, 9);
    EXPECT_FALSE(listOpen());

    // Opened again on a value far down, the list shows it.
    value = 17;
    TwRefreshBar(bar);
    openAt(0);
    list = place();
    EXPECT_LE(list.first, 17);
    EXPECT_GT(list.first + list.shown, 17);
}

TEST_F(DropDown, KeysMoveTheHighlightPickWithReturnAndCloseWithEscape) {
    int value = 1;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    const tw::Rect frame = row(0).rect;
    TwMouseMotion(frame.x + 5, bar->layout.frame.bottom() - 20);
    // Down highlights the row; Return opens its list on the current entry.
    ASSERT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    ASSERT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    ASSERT_TRUE(listOpen());
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(value, 1) << "moving the highlight changes nothing yet";
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(listOpen());

    // Escape closes without a change; the last entry is as far as Down goes.
    ASSERT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 4);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    EXPECT_FALSE(listOpen());
    EXPECT_EQ(value, 3);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 0) << "nothing left to close";
}

TEST_F(DropDown, TheOpenListTakesTheArrowsBeforeTheBarUnderThePointer) {
    int value = 0, number = 5;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwAddVarRW(other, "n", TW_TYPE_INT32, &number, nullptr), 1);
    ASSERT_EQ(TwDefine(" other position='500 300' size='200 200' "), 1);
    openAt(0);
    // Over the other bar's number, Down would move its highlight and Right step the number.
    const tw::Rect numberRow = other->layout.rows.at(0).rect;
    TwMouseMotion(numberRow.x + 5, numberRow.y + numberRow.h / 2);
    EXPECT_EQ(TwKeyTest(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 0) << "a key test changes nothing";
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 0) << "the bar under the pointer is not asked";
    EXPECT_EQ(number, 5);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(number, 5);
}

TEST_F(DropDown, LeftAndRightOnAClosedRowCycleAndAnUnknownValueGoesToTheFirstEntry) {
    const TwEnumVal values[] = {{2, "two"}, {4, "four"}, {6, "six"}};
    int value = 5;
    ASSERT_EQ(TwAddVarRW(bar, "e", TwDefineEnum("Evens", values, 3), &value, nullptr), 1);
    const tw::Rect frame = row(0).rect;
    TwMouseMotion(frame.x + 5, bar->layout.frame.bottom() - 20);
    ASSERT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    ASSERT_EQ(TwKeyPressed(TW_KEY_LEFT, 0), 1);
    EXPECT_EQ(value, 2) << "from an unknown value Left goes to the first entry too";
    ASSERT_EQ(TwKeyPressed(TW_KEY_LEFT, 0), 1);
    EXPECT_EQ(value, 6) << "and wraps from the first to the last";
    value = 3;
    TwRefreshBar(bar);
    TwDraw();
    ASSERT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 1);
    EXPECT_EQ(value, 2);
    ASSERT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 1);
    EXPECT_EQ(value, 4);
    EXPECT_FALSE(listOpen());
}

void TW_CALL countSets(const void* value, void* calls) {
    static_cast<void>(value);
    ++*static_cast<int*>(calls);
}
void TW_CALL readZero(void* value, void*) {
    *static_cast<int*>(value) = 0;
}

TEST_F(DropDown, PressesOpenFromTheLabelHighlightUnderThePointerAndCloseElsewhere) {
    int value = 0, sets = 0;
    bool flag = false;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    ASSERT_EQ(TwAddVarCB(bar, "cb", entries(5), countSets, readZero, &sets, nullptr), 1);
    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwAddVarRW(other, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
    ASSERT_EQ(TwDefine(" other position='500 300' size='200 200' "), 1);

    // The label opens the list as the value field does.
    const tw::Rect label = row(0).rect;
    EXPECT_TRUE(click(label.x + 3, label.y + label.h / 2));
    ASSERT_TRUE(listOpen());
    // The pointer's entry is the one Return picks.
    const auto [x, y] = entryPoint(2);
    EXPECT_EQ(TwMouseMotion(x, y), 1);
    EXPECT_EQ(highlighted(), 2);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(value, 2);

    // A press on its own row only closes it; a press elsewhere closes it and still acts there.
    openAt(0);
    EXPECT_TRUE(click(label.x + 3, label.y + label.h / 2));
    EXPECT_FALSE(listOpen());
    openAt(0);
    TwDraw();
    const tw::Rect flagRow = other->layout.rows.at(0).rect;
    EXPECT_TRUE(click(flagRow.x + 5, flagRow.y + flagRow.h / 2));
    EXPECT_FALSE(listOpen());
    EXPECT_TRUE(flag);
    EXPECT_EQ(value, 2);
    // The right button does not close it from inside, nor pick.
    openAt(1);
    const auto [ex, ey] = entryPoint(3);
    TwMouseMotion(ex, ey);
    EXPECT_EQ(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_RIGHT), 1);
    EXPECT_EQ(TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_RIGHT), 1);
    EXPECT_TRUE(listOpen());
    EXPECT_EQ(sets, 0);
    EXPECT_TRUE(press(ex, ey));
    release(ex, ey);
    EXPECT_EQ(sets, 1) << "a variable served by callbacks is written through them";
}

// The veil is a quad of its own colour over each other bar and icon while the list is open.
std::vector<tw::Rect> veils(const tw::DisplayList& list) {
    std::vector<tw::Rect> found;
    for (const Triangle& t : drawnTriangles(list)) {
        if (t[0].color != tw::packColor(0, 0, 0, 0x1F)) continue;
        float x0 = t[0].x, y0 = t[0].y, x1 = t[0].x, y1 = t[0].y;
        for (const tw::Vertex& v : t) {
            x0 = std::min(x0, v.x), y0 = std::min(y0, v.y);
            x1 = std::max(x1, v.x), y1 = std::max(y1, v.y);
        }
        const tw::Rect r{int(x0), int(y0), int(x1 - x0), int(y1 - y0)};
        if (std::find(found.begin(), found.end(), r) == found.end()) found.push_back(r);
    }
    return found;
}

TEST_F(DropDown, OtherBarsAndIconsAreVeiledInTheOneDrawCallAndHoverRepaintsOnlyTheList) {
    int value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "e", entries(5), &value, nullptr), 1);
    TwBar* other = TwNewBar("other");
    ASSERT_EQ(TwDefine(" other position='500 300' size='200 200' "), 1);
    const tw::DisplayList& list = tw::engine().context->displayList;
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_TRUE(veils(list).empty());

    openAt(0);
    ASSERT_EQ(TwDraw(), 1);
    TwFrameStats stats{};
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.drawCalls, 1u);
    const std::vector<tw::Rect> veiled = veils(list);
    const tw::Rect helpIcon = TwGetBarByName("TW_HELP")->layout.icon;
    ASSERT_FALSE(helpIcon.empty());
    EXPECT_EQ(veiled.size(), 2u);
    EXPECT_NE(std::find(veiled.begin(), veiled.end(), other->layout.frame), veiled.end());
    EXPECT_NE(std::find(veiled.begin(), veiled.end(), helpIcon), veiled.end());
    EXPECT_EQ(std::find(veiled.begin(), veiled.end(), bar->layout.frame), veiled.end())
        << "the list's own bar stays bright";

    // Moving over the entries repaints the list alone; a steady frame sends nothing.
    const auto [x, y] = entryPoint(3);
    TwMouseMotion(x, y);
    ASSERT_EQ(TwDraw(), 1);
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.segmentsPainted, 1u);
    ASSERT_EQ(TwDraw(), 1);
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.bytesUploaded, 0u);

    ASSERT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    ASSERT_EQ(TwDraw(), 1);
    EXPECT_TRUE(veils(list).empty()) << "closed, the veil goes";
}

}  // namespace
