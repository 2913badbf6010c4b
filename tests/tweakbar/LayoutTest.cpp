// Geometry of bars, in the figures of the bars that callers' layouts were tuned for (font height
// fh 11/14/16 for font sizes 1/2/3, rows fh + 1 apart): rows, the value column, groups,
// scrolling, icons, minimum sizes and containment.

#include "EngineFixture.h"
#include "look/Metrics.h"
#include "look/TextFit.h"
#include "model/Engine.h"
#include "model/Bar.h"

namespace {

class Layout : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(1600, 1200), 1);
    }
    // Drawn once, so the layout and the parameters that it settles are current.
    static const tw::BarLayout& drawn(TwBar* bar) {
        EXPECT_EQ(TwDraw(), 1);
        return bar->layout;
    }
};

TEST_F(Layout, RowsStackBelowTheTitleWithTheValueColumnOnTheRight) {
    TwBar* bar = TwNewBar("bar");
    int a = 0, b = 0;
    ASSERT_EQ(TwAddVarRW(bar, "a", TW_TYPE_INT32, &a, nullptr), 1);
    ASSERT_EQ(TwAddSeparator(bar, nullptr, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "b", TW_TYPE_INT32, &b, nullptr), 1);
    const tw::BarLayout& layout = drawn(bar);
    // Bar at (16, 16), 200 x 320, font size 2: a title fh + 1 high, the first row 7 px below
    // it, rows fh + 1 apart (a separator too), up to the value boxes' right end at x + w - fh - 4.
    EXPECT_EQ(layout.title, (tw::Rect{16, 16, 200, 15}));
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.rows[0].rect, (tw::Rect{16, 38, 199 - 16, 15}));
    EXPECT_EQ(layout.rows[1].rect, (tw::Rect{16, 53, 199 - 16, 15}));
    EXPECT_EQ(layout.rows[2].rect, (tw::Rect{16, 68, 199 - 16, 15}));
    EXPECT_EQ(layout.labelX, 16 + 13);
    // A value box is the column's width and 2, ending where the rows do.
    EXPECT_EQ(layout.valueWidth, 70);
    EXPECT_EQ(layout.valueX, 198 - 70 - 1);
    EXPECT_EQ(tw::valueField(layout, layout.rows[2]), (tw::Rect{127, 68, 72, 14}));
    // The scrollbar's strip is there with or without rows to scroll.
    EXPECT_FALSE(layout.scrollable);
    EXPECT_EQ(layout.strip, (tw::Rect{216 - 1 - 14, 31, 14, 320 - 15 - 1}));

    ASSERT_EQ(TwDefine(" bar valueswidth=100 "), 1);
    EXPECT_EQ(drawn(bar).valueX, 198 - 100 - 1);
    // A column wider than the bar leaves the labels two font heights.
    ASSERT_EQ(TwDefine(" bar valueswidth=5000 "), 1);
    EXPECT_EQ(drawn(bar).valueX, 16 + 13 + 2 * 14);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 5000);

    // Each font size sets the title, where the first row starts, the pitch of rows, the first
    // label's place, and raises a small bar to its minimum.
    const int pitches[] = {12, 15, 17}, firstRows[] = {19, 22, 24}, labels[] = {10, 13, 15};
    const int minimum[3][2] = {{88, 55}, {112, 70}, {128, 80}};
    const int tiny[] = {10, 10};
    for (int size = 1; size <= 3; ++size) {
        ASSERT_EQ(TwSetParam(bar, nullptr, "fontsize", TW_PARAM_INT32, 1, &size), 1);
        ASSERT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, tiny), 1);
        const tw::BarLayout& small = drawn(bar);
        EXPECT_EQ(small.rows[0].rect.h, pitches[size - 1]);
        EXPECT_EQ(small.rows[0].rect.y, 16 + firstRows[size - 1]);
        EXPECT_EQ(small.rowHeight, pitches[size - 1]);
        EXPECT_EQ(small.title.h, pitches[size - 1]);
        EXPECT_EQ(small.labelX, 16 + labels[size - 1]);
        EXPECT_EQ(ints(bar, nullptr, "size"),
                  (std::vector<int>{minimum[size - 1][0], minimum[size - 1][1]}));
    }
}

TEST_F(Layout, GroupsIndentTheirMembersAndColoursShowTheirChannelsWhenOpened) {
    TwBar* bar = TwNewBar("bar");
    int a = 0, b = 0;
    unsigned int c32 = 0;
    float c3[3] = {};
    TwAddVarRW(bar, "a", TW_TYPE_INT32, &a, " group=Outer ");
    TwAddVarRW(bar, "b", TW_TYPE_INT32, &b, " group=Inner ");
    TwAddVarRW(bar, "c32", TW_TYPE_COLOR32, &c32, nullptr);
    TwAddVarRW(bar, "c3", TW_TYPE_COLOR3F, c3, " opened=true ");
    ASSERT_EQ(TwDefine(" bar/Inner group=Outer "), 1);
    const tw::BarLayout& open = drawn(bar);
    // Outer, a, Inner, b, c32, c3 with its three channels and mode: members one level deeper.
    ASSERT_EQ(open.rows.size(), 10u);
    EXPECT_EQ(open.rows[0].kind, tw::RowKind::Group);
    EXPECT_EQ(open.rows[1].depth, 1);
    EXPECT_EQ(open.rows[2].kind, tw::RowKind::Group);
    EXPECT_EQ(open.rows[3].depth, 2);
    EXPECT_EQ(open.rows[4].depth, 0);
    // Labels move right by uneven steps per level.
    EXPECT_EQ(tw::labelLeft(open, 1) - open.frame.x, 23);
    EXPECT_EQ(tw::labelLeft(open, 2) - open.frame.x, 33);
    EXPECT_EQ(open.rows[6].kind, tw::RowKind::Channel);
    EXPECT_EQ(open.rows[8].channel, 2);

    ASSERT_EQ(TwDefine(" bar/Inner opened=false "), 1);
    EXPECT_EQ(drawn(bar).rows.size(), 9u);
    ASSERT_EQ(TwDefine(" bar/Outer opened=false\r\nbar/c32 visible=false\r\nbar/c3 opened=false "),
              1);
    EXPECT_EQ(drawn(bar).rows.size(), 2u);
}

TEST_F(Layout, RowsBeyondTheHeightScrollAndTheScrollStopsAtTheLastRow) {
    TwBar* bar = TwNewBar("bar");
    int values[30] = {};
    for (int i = 0; i < 30; ++i) {
        TwAddVarRW(bar, ("v" + std::to_string(i)).c_str(), TW_TYPE_INT32, &values[i], nullptr);
    }
    ASSERT_EQ(TwDefine(" bar size='200 170' "), 1);
    const tw::BarLayout& layout = drawn(bar);
    // 170 - 22 (to the first row) - 18 (shortcut line) = 130 px of rows: 8 rows of 15.
    EXPECT_TRUE(layout.scrollable);
    EXPECT_EQ(layout.content.h, 130);
    EXPECT_EQ(layout.shownCount, 8);
    // The track lies in the strip, which was there already: the rows keep their width.
    EXPECT_EQ(layout.content.w, 199 - 16);
    EXPECT_EQ(layout.scrollTrack, (tw::Rect{layout.strip.x + 3, 38 + 11, 7, 186 - 30 - 49}));
    EXPECT_EQ(layout.scrollThumb.y, layout.scrollTrack.y);

    bar->scroll = 1000;
    ASSERT_EQ(TwDefine(" bar alpha=65 "), 1);  // any change lays the bar out again
    const tw::BarLayout& end = drawn(bar);
    EXPECT_EQ(end.firstShown, 30 - 8);
    EXPECT_EQ(end.scrollThumb.bottom(), end.scrollTrack.bottom());
    EXPECT_EQ(end.rows[29].rect.bottom(), end.content.y + 8 * 15);
}

// The measured cuts at font size 2, where a column keeps 17 px of room: "WWWWW" (60 px) is whole
// from a 53 px column on, 17 l (51 px) need 62, six W in 60 px keep four and "..".
TEST_F(Layout, TextStaysWholeWhileAllButItsLastCharacterStartWithinTheColumnLessTheCutRoom) {
    TwBar* bar = TwNewBar("bar");
    const tw::FontFace& face = tw::engine().context->face(*bar);
    const int room = tw::barMetrics(2, 1).cutRoom;
    const auto fits = [&](const char* text, int column) {
        const tw::FittedText fitted = tw::fitColumn(face, text, column, room);
        return fitted.cut ? std::string(text, fitted.kept) + ".." : std::string(text);
    };
    EXPECT_EQ(fits("WWWWW", 53), "WWWWW");
    EXPECT_EQ(fits("WWWWW", 52), "WWW..");
    EXPECT_EQ(fits("lllllllllllllllll", 62), "lllllllllllllllll");
    EXPECT_EQ(fits("lllllllllllllllll", 61), "lllllllllllllll..");
    EXPECT_EQ(fits("WWWWWW", 60), "WWWW..");
    EXPECT_EQ(fits("MediumM", 60), "MediumM");
    EXPECT_EQ(fits("MediumMe", 60), "Medium..");
    EXPECT_EQ(fits("W", 0), "W") << "a single character is never cut";
}

TEST_F(Layout, ContainedBarsComeBackInsideAtTheNextDraw) {
    ASSERT_EQ(TwWindowSize(800, 600), 1);
    TwBar* bar = TwNewBar("bar");
    TwBar* free = TwNewBar("free");
    ASSERT_EQ(TwDefine(" bar position='700 550'\r\nfree position='700 550' "), 1);
    ASSERT_EQ(TwDefine(" bar contained=true "), 1);
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{700, 550}));
    TwDraw();
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{600, 280}));
    EXPECT_EQ(ints(free, nullptr, "position"), (std::vector<int>{700, 550}));

    // Larger than the area: shrunk to it, at its edge.
    ASSERT_EQ(TwDefine(" bar size='1000 700' "), 1);
    TwDraw();
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{0, 0}));
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{800, 600}));

    // The area shrinks: contained bars follow.
    ASSERT_EQ(TwDefine(" bar size='200 300' position='550 250' "), 1);
    ASSERT_EQ(TwWindowSize(640, 480), 1);
    TwDraw();
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{440, 180}));
    // An area of zero releases the graphics but moves nothing.
    ASSERT_EQ(TwWindowSize(0, 0), 1);
    TwDraw();
    EXPECT_EQ(ints(bar, nullptr, "position"), (std::vector<int>{440, 180}));
    EXPECT_EQ(TwWindowSize(-1, 10), 0);
    EXPECT_EQ(TwWindowSize(1000000, 10), 0);
}

// The scale is taken before TwInit, through a define only, and stays for the whole run.
TEST_F(Layout, FontScalingBeforeInitMultipliesTheFontAndTheFiguresMadeFromIt) {
    ASSERT_EQ(TwTerminate(), 1);
    struct Restore {
        ~Restore() {
            TwTerminate();
            TwDefine(" GLOBAL fontscaling=1 ");
            TwInit(TW_DIRECT3D11, tw::headlessDevice());
        }
    } restore;
    EXPECT_EQ(answer(TwDefine(" GLOBAL fontscaling=0 ")), "Bad value [fontscaling     ...]");
    EXPECT_EQ(answer(TwDefine(" GLOBAL fontsize=3 ")), "Not initialized");
    for (const char* def : {" bar label=x ", " GLOBAL/x label=x "}) {
        EXPECT_EQ(answer(TwDefine(def)), "Not initialized");
    }
    ASSERT_EQ(TwDefine(" GLOBAL fontscaling=2 "), 1);
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
    ASSERT_EQ(TwWindowSize(1600, 1200), 1);

    TwBar* bar = TwNewBar("bar");
    int v = 0;
    TwAddVarRW(bar, "v", TW_TYPE_INT32, &v, nullptr);
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 140);
    const int tiny[] = {10, 10};
    ASSERT_EQ(TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, tiny), 1);
    const tw::BarLayout& layout = drawn(bar);
    EXPECT_EQ(layout.rows[0].rect.h, 30);
    EXPECT_EQ(ints(bar, nullptr, "size"), (std::vector<int>{224, 140}));
    // Once the engine runs, the scale is no parameter any more.
    EXPECT_EQ(answer(TwDefine(" GLOBAL fontscaling=1 ")),
              "Parsing error in def string: Unknown attribute [fontscaling     ...]");
    EXPECT_EQ(intParam(bar, nullptr, "valueswidth"), 140);
}

}  // namespace
