// A bar's furniture through the generic input functions: the font button, the values column's
// grip and fit strips, the scrollbar's arrow ends, the icons of iconified bars and the shortcut
// line under the rows.
#include <algorithm>
#include <string>
#include <vector>

#include "compose/IconLayout.h"
#include "compose/ShortcutLine.h"
#include "EngineFixture.h"
#include "ListInspection.h"
#include "look/Palette.h"
#include "model/Bar.h"
#include "model/Engine.h"

namespace {

struct Point {
    int x, y;
};

Point middle(const tw::Rect& r) {
    return {r.x + r.w / 2, r.y + r.h / 2};
}

class Furniture : public OneBarTest {
  protected:
    void SetUp() override {
        OneBarTest::SetUp();
        ASSERT_EQ(TwDefine(" TW_HELP visible=false\r\nbar size='200 300' "), 1);
    }

    static bool clickAt(Point p) { return click(p.x, p.y); }
    static tw::Context& context() { return *tw::engine().context; }
    static int fontSize() { return intParam(nullptr, nullptr, "fontsize"); }

    void addNumbers(int count) {
        numbers.assign(std::size_t(count), 0);
        for (int i = 0; i < count; ++i) {
            const std::string name = "n" + std::to_string(i);
            ASSERT_EQ(
                TwAddVarRW(bar, name.c_str(), TW_TYPE_INT32, &numbers[std::size_t(i)], nullptr), 1);
        }
    }

    std::vector<int> numbers;
};

TEST_F(Furniture, TheFontButtonCyclesTheFontSizeLeftUpAndRightDown) {
    ASSERT_FALSE(layout().fontButton.empty());
    EXPECT_EQ(fontSize(), 2);
    const int up[] = {3, 1, 2};
    for (const int expected : up) {
        EXPECT_TRUE(clickAt(middle(layout().fontButton)));
        EXPECT_EQ(fontSize(), expected);
    }
    // The same rescaling as the parameter: a resizable bar grows with the font, 14 to 16 px.
    EXPECT_TRUE(clickAt(middle(layout().fontButton)));
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{229, 343}));
    const int down[] = {2, 1, 3};
    for (const int expected : down) {
        const Point p = middle(layout().fontButton);
        TwMouseMotion(p.x, p.y);
        EXPECT_TRUE(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_RIGHT));
        EXPECT_TRUE(TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_RIGHT));
        EXPECT_EQ(fontSize(), expected);
    }
    // Without font resizing there is no button, and a press where it was changes nothing.
    const Point was = middle(layout().fontButton);
    ASSERT_EQ(TwDefine(" GLOBAL fontresizable=false "), 1);
    EXPECT_TRUE(layout().fontButton.empty());
    EXPECT_TRUE(clickAt(was));
    EXPECT_EQ(fontSize(), 3);
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{100, 100}));
}

TEST_F(Furniture, TheGripDragsTheValuesColumnWithinItsLimits) {
    addNumbers(2);
    const tw::Rect grip = layout().valuesGrip;
    const int start = bar->layout.valueWidth;
    ASSERT_EQ(start, 70);
    EXPECT_EQ(grip.x + grip.w / 2, bar->layout.valueX);
    const Point p = middle(grip);
    // Left widens the column, the labels' edge follows the pointer.
    press(p.x, p.y);
    TwMouseMotion(p.x - 10, p.y + 40);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), start + 10);
    release(p.x - 30, p.y);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), start + 30);
    EXPECT_EQ(layout().valueX, p.x - 30);
    // At least 2 font heights, at most the bar's width less 4.
    const Point q = middle(bar->layout.valuesGrip);
    press(q.x, q.y);
    release(q.x + 500, q.y);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 2 * 14);
    const Point r = middle(layout().valuesGrip);
    press(r.x, r.y);
    release(r.x - 500, r.y);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 200 - 4 * 14);
}

TEST_F(Furniture, APressOnAStripAboveAColumnFitsThatColumnToItsContent) {
    int small = 1, wide = 12345678;
    ASSERT_EQ(TwAddVarRW(bar, "short", TW_TYPE_INT32, &small, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "wide", TW_TYPE_INT32, &wide, " label='a longer label' "), 1);
    ASSERT_EQ(TwAddButton(bar, "a button whose label is longest of all", nullptr, nullptr, nullptr),
              1);
    const tw::BarLayout& l = layout();
    // The value boxes start where the longest label ("a longer label", 81 px at font size 2)
    // stays whole: 17 px past its start; the text row spans the whole bar and does not count.
    const int labelsEnd = l.labelX + 81 + 17;
    EXPECT_TRUE(clickAt(middle(l.fitLabels)));
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), l.content.right() - labelsEnd - 2);
    EXPECT_EQ(layout().valueX, labelsEnd);
    // The values' strip: the widest value (12345678, 58 px) stays whole too.
    EXPECT_TRUE(clickAt(middle(layout().fitValues)));
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 58 + 17);
    // Hovering either strip names what a press does in the shortcut line; a row without a key
    // shows nothing there.
    const Point strip = middle(bar->layout.fitLabels);
    TwMouseMotion(strip.x, strip.y);
    EXPECT_EQ(tw::bottomLineText(context().input.hover), "Fit column content");
    const tw::Rect row = bar->layout.rows[0].rect;
    TwMouseMotion(row.x + 5, row.y + 5);
    EXPECT_EQ(tw::bottomLineText(context().input.hover), "");
}

TEST_F(Furniture, ArrowEndsTrackPressesAndTheWheelScrollOneRowEach) {
    addNumbers(30);
    ASSERT_TRUE(layout().scrollable);
    // The arrows are the strip's ends above and below the track; the thumb moves between them.
    const tw::BarLayout& l = bar->layout;
    EXPECT_EQ(l.scrollUp.bottom(), l.scrollTrack.y);
    EXPECT_EQ(l.scrollDown.y, l.scrollTrack.bottom());
    const auto firstAfter = [&](Point p) {
        clickAt(p);
        return layout().firstShown;
    };
    EXPECT_EQ(firstAfter(middle(l.scrollDown)), 1);
    EXPECT_EQ(firstAfter(middle(l.scrollDown)), 2);
    EXPECT_EQ(firstAfter({l.scrollTrack.x + 1, l.scrollTrack.bottom() - 1}), 3) << "below";
    EXPECT_EQ(firstAfter({l.scrollTrack.x + 1, l.scrollThumb.y - 1}), 2) << "above the thumb";
    EXPECT_EQ(firstAfter(middle(l.scrollUp)), 1);
    // One row per wheel event, whatever the turn.
    const Point row = middle(l.rows[1].rect);
    TwMouseMotion(row.x, row.y);
    EXPECT_TRUE(TwMouseWheel(-3));
    EXPECT_EQ(layout().firstShown, 2);
    // The position is absolute: a jump of four notches is a glitch, skipped but remembered.
    EXPECT_FALSE(TwMouseWheel(1));
    EXPECT_TRUE(TwMouseWheel(0));
    EXPECT_EQ(layout().firstShown, 3);
}

TEST(IconSlots, StartAtEachCornerStackAlongTheAlignmentAndWrapAtTheEdge) {
    using tw::IconCorner;
    // 100 x 80 with margins 8 and 6: 14 px slots side by side; a column holds 68 / 14 = 4, a
    // row 84 / 14 = 6.
    tw::IconArea area{IconCorner::BottomLeft, true, 8, 6, 100, 80, 14};
    struct Case {
        IconCorner corner;
        bool vertical;
        int slot;
        tw::Rect expected;
    };
    const Case cases[] = {
        {IconCorner::BottomLeft, true, 0, {8, 80 - 6 - 14, 14, 14}},
        {IconCorner::BottomLeft, true, 1, {8, 80 - 6 - 2 * 14, 14, 14}},
        {IconCorner::BottomLeft, true, 4, {8 + 14, 80 - 6 - 14, 14, 14}},
        {IconCorner::BottomRight, true, 0, {100 - 8 - 14, 80 - 6 - 14, 14, 14}},
        {IconCorner::BottomRight, true, 5, {100 - 8 - 2 * 14, 80 - 6 - 2 * 14, 14, 14}},
        {IconCorner::TopLeft, true, 3, {8, 6 + 3 * 14, 14, 14}},
        {IconCorner::TopLeft, false, 5, {8 + 5 * 14, 6, 14, 14}},
        {IconCorner::TopLeft, false, 6, {8, 6 + 14, 14, 14}},
        {IconCorner::TopRight, false, 0, {100 - 8 - 14, 6, 14, 14}},
        {IconCorner::TopRight, false, 8, {100 - 8 - 3 * 14, 6 + 14, 14, 14}},
    };
    for (const Case& c : cases) {
        area.corner = c.corner;
        area.vertical = c.vertical;
        EXPECT_EQ(tw::iconSlotRect(area, c.slot), c.expected)
            << int(c.corner) << (c.vertical ? " vertical slot " : " horizontal slot ") << c.slot;
    }
    // No room for even one: each slot starts a column of its own rather than none at all.
    area = {IconCorner::BottomLeft, true, 8, 6, 100, 20, 14};
    EXPECT_EQ(tw::iconSlotRect(area, 1), (tw::Rect{8 + 14, 20 - 6 - 14, 14, 14}));
}

TEST_F(Furniture, IconsReuseTheFirstFreeSlotAndRestoreOnlyIconifiableBars) {
    TwBar* b = TwNewBar("b");
    TwBar* c = TwNewBar("c");
    ASSERT_EQ(TwDefine(" bar iconified=true\r\nb iconified=true\r\nc iconified=true "), 1);
    TwDraw();
    const tw::Rect first = bar->layout.icon, second = b->layout.icon, third = c->layout.icon;
    EXPECT_EQ(first, (tw::Rect{8, 600 - 8 - 14, 14, 14}));
    EXPECT_EQ(second.y, first.y - 14);
    EXPECT_EQ(third.y, second.y - 14);
    // Restored by a click, the first leaves a gap; the others stay where they are.
    EXPECT_TRUE(clickAt(middle(first)));
    EXPECT_EQ(intParam(bar, nullptr, "iconified"), 0);
    TwDraw();
    EXPECT_EQ(b->layout.icon, second);
    EXPECT_EQ(c->layout.icon, third);
    // The next bar iconified fills it.
    TwBar* d = TwNewBar("d");
    ASSERT_EQ(TwDefine(" d iconified=true "), 1);
    TwDraw();
    EXPECT_EQ(d->layout.icon, first);
    // A bar that may not be iconified by the user is not restored by its icon either.
    ASSERT_EQ(TwDefine(" c iconifiable=false "), 1);
    TwDraw();
    EXPECT_TRUE(clickAt(middle(third)));
    EXPECT_EQ(intParam(c, nullptr, "iconified"), 1);
    // A margin is held to a third of the area, and reads back as it was set.
    ASSERT_EQ(TwDefine(" GLOBAL iconmargin='5000 5000' "), 1);
    TwDraw();
    EXPECT_EQ(b->layout.icon.x, 800 / 3);
    EXPECT_EQ(ints(nullptr, nullptr, "iconmargin"), (std::vector<int>{5000, 5000}));
}

// Pixels of the shortcut line's ink: how far they reach to the right of the line's start.
int shortcutInkWidth(const TwBar* bar, const tw::Rect& line) {
    const tw::PackedColor ink = tw::paletteFor(*bar).shortcut;
    int right = line.x;
    bool any = false;
    for (const Triangle& t : drawnTriangles(tw::engine().context->displayList)) {
        for (const tw::Vertex& v : t) {
            if (v.color != ink || !line.contains(int(v.x), int(v.y))) continue;
            any = true;
            right = std::max(right, int(v.x));
        }
    }
    return any ? right - line.x : 0;
}

TEST_F(Furniture, TheShortcutLineShowsTheHoveredRowsKeys) {
    int one = 0, two = 0, decrOnly = 0, none = 0;
    ASSERT_EQ(TwAddVarRW(bar, "one", TW_TYPE_INT32, &one, " key=F "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "two", TW_TYPE_INT32, &two, " keyincr=a keydecr=CTRL+b "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "decr", TW_TYPE_INT32, &decrOnly, " keydecr=PgDown "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "none", TW_TYPE_INT32, &none, nullptr), 1);
    const std::string expected[] = {"Key: F", "Keys: a  CTRL+b", "Keys: (none)  PgDown", ""};
    const tw::Rect line = layout().shortcutLine;
    EXPECT_GE(line.y, bar->layout.content.bottom()) << "under the rows";
    for (std::size_t i = 0; i < 4; ++i) {
        const tw::Rect row = bar->layout.rows[i].rect;
        TwMouseMotion(row.x + 5, row.y + 5);
        EXPECT_EQ(tw::bottomLineText(context().input.hover), expected[i]);
        TwDraw();
        // The text in the shortcut colour, from the line's padding to about its own width.
        const int width = tw::engine().context->face(*bar).measure(expected[i]);
        const int ink = shortcutInkWidth(bar, line);
        EXPECT_GE(ink, width == 0 ? 0 : width - 8) << expected[i];
        EXPECT_LE(ink, width == 0 ? 0 : width + 8) << expected[i];
    }
    // The pointer gone from the bar, the line is empty.
    TwMouseMotion(bar->layout.rows[0].rect.x + 5, bar->layout.rows[0].rect.y + 5);
    TwMouseMotion(700, 50);
    TwDraw();
    EXPECT_EQ(shortcutInkWidth(bar, line), 0);
}

}  // namespace
