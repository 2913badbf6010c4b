// Number rows: the rotoslider's arithmetic, the small buttons of the hovered row, the repeats
// of a held button on a driven clock, the rotoslider turned through mouse events, and the
// cursor each place calls for.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "EngineFixture.h"
#include "input/PointerCursor.h"
#include "ListInspection.h"
#include "look/Palette.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "widgets/RotoCursorShape.h"
#include "widgets/RotoSlider.h"
#include "widgets/RowButtons.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Follows the pointer around the centre at a radius, from one angle to another (degrees,
// counter-clockwise from the right), in small moves.
void turnAround(tw::RotoTurn& turn, double radius, double fromDegrees, double toDegrees) {
    const int moves = int(std::ceil(std::fabs(toDegrees - fromDegrees) / 5)) + 1;
    for (int i = 0; i <= moves; ++i) {
        const double a = (fromDegrees + (toDegrees - fromDegrees) * i / moves) * kPi / 180;
        turn.follow(radius * std::cos(a), -radius * std::sin(a));
    }
}

TEST(RotoSlider, ATurnIs256StepsUnlessAFiniteRangeHoldsFewerThanAThirdOfThat) {
    EXPECT_EQ(tw::rotoStepsPerTurn(-2147483648.0, 2147483647.0, 1), 256);
    EXPECT_EQ(tw::rotoStepsPerTurn(0, 255, 1), 256) << "255 steps: more than 256/3";
    EXPECT_EQ(tw::rotoStepsPerTurn(0, 86, 1), 256);
    EXPECT_EQ(tw::rotoStepsPerTurn(0, 85, 1), 255);
    EXPECT_EQ(tw::rotoStepsPerTurn(0, 10, 1), 30) << "the range in a third of a turn";
    EXPECT_NEAR(tw::rotoStepsPerTurn(0, 1, 0.1), 30, 1e-9);
    EXPECT_EQ(tw::rotoStepsPerTurn(0, HUGE_VAL, 1), 256);
}

TEST(RotoSlider, CounterClockwiseRaisesByWholeStepsFromTheStartAndTheDeadZoneChangesNothing) {
    tw::RotoTurn up(0.3, -1000, 1000, 0.5);
    up.follow(10, 0);  // inside the dead zone
    EXPECT_FALSE(up.turning());
    turnAround(up, 50, 0, 90);
    EXPECT_EQ(up.steps(), 64) << "a quarter of 256";
    EXPECT_DOUBLE_EQ(up.value(), 0.3 + 64 * 0.5);

    tw::RotoTurn down(0, -1000, 1000, 1);
    turnAround(down, 50, 90, 0);
    EXPECT_EQ(down.steps(), -64);

    // Leaving the dead zone somewhere else does not count the jump across it.
    tw::RotoTurn jump(0, -1000, 1000, 1);
    turnAround(jump, 50, 0, 45);
    jump.follow(0, 0);
    turnAround(jump, 50, 180, 180);
    EXPECT_EQ(jump.steps(), 32);
    // Angles add up across the half-turn seam, beyond one full turn.
    turnAround(jump, 50, 180, 540);
    EXPECT_EQ(jump.steps(), 32 + 256);
}

TEST(RotoSlider, ALongTurnStopsAtTheBoundAndTheWayBackMovesAtOnce) {
    tw::RotoTurn turn(120, -128, 127, 1);
    turnAround(turn, 40, 0, 720);
    EXPECT_EQ(turn.value(), 127);
    turnAround(turn, 40, 720, 720 - 360.0 * 3 / 256);
    EXPECT_EQ(turn.value(), 124);

    // A small range is three times a third of a turn; its bounds are marked where they lie.
    tw::RotoTurn small(4, 0, 10, 1);
    EXPECT_TRUE(small.boundsFit());
    EXPECT_NEAR(small.minAngle(), -4 * 2 * kPi / 30, 1e-12);
    EXPECT_NEAR(small.maxAngle(), 6 * 2 * kPi / 30, 1e-12);
    turnAround(small, 40, 0, 120);
    EXPECT_EQ(small.value(), 10) << "a third of a turn covers the range";
    EXPECT_FALSE(tw::RotoTurn(0, 0, 1000, 1).boundsFit());
}

TEST(RotoSlider, TwelveCursorsFollowTheAngle) {
    EXPECT_EQ(tw::rotoCursorIndex(0), 0);
    EXPECT_EQ(tw::rotoCursorIndex(kPi / 2), 3);
    EXPECT_EQ(tw::rotoCursorIndex(-kPi / 6), 11);
    EXPECT_EQ(tw::rotoCursorIndex(359 * kPi / 180), 0);
    EXPECT_EQ(tw::rotoCursorIndex(tw::screenAngle(0, 10)), 9) << "below the centre on screen";
}

// Cursor n: the ring behind the head, the arrowhead just ahead of n × 30°, then a gap.
TEST(RotoSlider, EachCursorPointsItsArrowheadAtItsAngleWithTheRingBehindIt) {
    auto inkAt = [](const tw::RotoCursorPicture& picture, double degrees) {
        const double a = degrees * kPi / 180;
        const int x = tw::kRotoCursorHotSpot + int(std::lround(8 * std::cos(a)));
        const int y = tw::kRotoCursorHotSpot - int(std::lround(8 * std::sin(a)));
        return picture[std::size_t(y)][std::size_t(x)];
    };
    for (int n = 0; n < tw::kRotoCursorCount; ++n) {
        const tw::RotoCursorPicture picture = tw::rotoCursorPicture(n);
        const double head = 30.0 * n;
        EXPECT_TRUE(inkAt(picture, head - 90)) << n;
        EXPECT_TRUE(inkAt(picture, head - 200)) << n;
        EXPECT_TRUE(inkAt(picture, head + 15)) << "the arrowhead " << n;
        EXPECT_FALSE(inkAt(picture, head + 60)) << "the gap ahead " << n;
        EXPECT_TRUE(picture[tw::kRotoCursorHotSpot][tw::kRotoCursorHotSpot]);
        EXPECT_NE(picture, tw::rotoCursorPicture((n + 1) % tw::kRotoCursorCount)) << n;
    }
}

class NumberRows : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(100);
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("nums");
        ASSERT_EQ(TwDefine(" nums position='200 100' size='320 300' valueswidth=150 refresh=0 "),
                  1);
        ASSERT_EQ(TwAddVarRW(bar, "i", TW_TYPE_INT32, &i, " min=-5 max=5 "), 1);
        ASSERT_EQ(TwAddVarRW(bar, "u", TW_TYPE_UINT8, &u, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "wide", TW_TYPE_INT32, &wide, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
        const TwType mode = TwDefineEnumFromString("Mode", "Low,High");
        ASSERT_EQ(TwAddVarRW(bar, "mode", mode, &modeValue, nullptr), 1);
        ASSERT_EQ(TwAddVarRO(bar, "fixed", TW_TYPE_INT32, &wide, nullptr), 1);
        frame();
    }

    static void frame() { ASSERT_EQ(TwDraw(), 1); }
    tw::Bar& engineBar() const { return *static_cast<tw::Bar*>(bar); }
    static tw::Context& context() { return *tw::engine().context; }

    const tw::Row& row(const char* name) const {
        for (const tw::Row& r : engineBar().layout.rows)
            if (r.control->name == name && r.channel < 0) return r;
        ADD_FAILURE() << name;
        return engineBar().layout.rows.front();
    }
    int middle(const char* name) const { return row(name).rect.y + row(name).rect.h / 2; }
    int labelX(const char* name) const { return row(name).rect.x + 10; }
    tw::RowButtonSet buttons(const char* name) const {
        return tw::rowButtonsOf(context(), engineBar(), row(name));
    }
    // The middle of one of a row's buttons; fails when the row shows no such button.
    std::pair<int, int> button(const char* name, tw::RowButton kind) const {
        const tw::RowButtonSet set = buttons(name);
        const tw::Rect* r = tw::rowButtonRect(set, kind);
        if (!r) {
            ADD_FAILURE() << name << " has no such button";
            return {0, 0};
        }
        return {r->x + r->w / 2, r->y + r->h / 2};
    }
    void hold(const char* name, tw::RowButton kind) {
        const auto [x, y] = button(name, kind);
        EXPECT_TRUE(press(x, y));
    }
    void clickButton(const char* name, tw::RowButton kind) {
        const auto [x, y] = button(name, kind);
        EXPECT_TRUE(click(x, y));
    }
    // The colours of what the hovered row's buttons show now.
    std::vector<tw::PackedColor> buttonColours() const {
        std::vector<tw::PackedColor> colours;
        const std::uint32_t slot = context().segments.rowButtonsShownAt;
        if (slot == tw::kNoSlot) return colours;
        for (std::uint32_t v = 0; v < tw::kRowButtonQuads * 4; v += 4) {
            const tw::Vertex& first = context().displayList.vertices[slot + v];
            if (first.color != 0) colours.push_back(first.color);
        }
        return colours;
    }
    // How many drawn vertices have a colour.
    static int verticesColoured(tw::PackedColor colour) {
        int count = 0;
        for (const Triangle& t : drawnTriangles(context().displayList))
            for (const tw::Vertex& v : t)
                count += v.color == colour;
        return count;
    }
    // Turns the rotoslider from a press at (x, y) around the centre it takes (the press point
    // itself, on the row's mid-height), at a radius, by an angle; ends with the release.
    void turn(int x, int y, double degrees, bool releaseAfter = true) {
        ASSERT_TRUE(press(x, y));
        const int steps = int(std::ceil(std::fabs(degrees) / 5));
        int px = x, py = y;
        for (int k = 0; k <= steps; ++k) {
            const double a = degrees * k / steps * kPi / 180;
            px = x + int(std::lround(60 * std::cos(a)));
            py = y - int(std::lround(60 * std::sin(a)));
            TwMouseMotion(px, py);
            frame();
        }
        if (releaseAfter) release(px, py);
    }

    TwBar* bar = nullptr;
    std::int32_t i = 0, wide = 1000, modeValue = 0;
    std::uint8_t u = 0;
    bool flag = false;
};

TEST_F(NumberRows, PlusAndMinusStepOnceClampAndGreyOutAtTheirBound) {
    clickButton("i", tw::RowButton::Increment);
    EXPECT_EQ(i, 1);
    clickButton("i", tw::RowButton::Decrement);
    clickButton("i", tw::RowButton::Decrement);
    EXPECT_EQ(i, -1);
    // An unsigned byte at 0 stays there; it does not wrap to 255.
    clickButton("u", tw::RowButton::Decrement);
    EXPECT_EQ(u, 0);
    frame();
    const tw::Palette palette = tw::paletteFor(engineBar());
    const auto [x, y] = button("u", tw::RowButton::Increment);
    TwMouseMotion(x, y);
    frame();
    std::vector<tw::PackedColor> colours = buttonColours();
    // [-] greyed, [+] and the roto mark not; a face under each.
    EXPECT_EQ(std::count(colours.begin(), colours.end(), palette.buttonGreyed), 1);
    EXPECT_EQ(std::count(colours.begin(), colours.end(), palette.buttonInk), 3);
    u = 255;
    TwRefreshBar(bar);
    frame();
    colours = buttonColours();
    EXPECT_EQ(std::count(colours.begin(), colours.end(), palette.buttonGreyed), 2)
        << "[+] with its two bars";
    clickButton("u", tw::RowButton::Increment);
    EXPECT_EQ(u, 255);
}

TEST_F(NumberRows, BoolsToggleEnumsOpenTheirListAndReadOnlyOrNarrowRowsShowNoButtons) {
    clickButton("flag", tw::RowButton::Toggle);
    EXPECT_TRUE(flag);
    EXPECT_EQ(buttons("flag").count, 1);
    clickButton("mode", tw::RowButton::List);
    EXPECT_EQ(context().input.popup.control, row("mode").control);
    TwKeyPressed(TW_KEY_ESCAPE, 0);
    EXPECT_EQ(buttons("fixed").count, 0);

    // 10 px buttons: [-][+][o] need more than 50 px, [<>] more than 40, [v] more than 20.
    ASSERT_EQ(TwDefine(" nums valueswidth=45 "), 1);
    frame();
    EXPECT_EQ(buttons("i").count, 0);
    EXPECT_EQ(buttons("flag").count, 1);
    EXPECT_EQ(buttons("mode").count, 1);
    ASSERT_EQ(TwDefine(" nums valueswidth=30 "), 1);
    frame();
    EXPECT_EQ(buttons("flag").count, 0);
    EXPECT_EQ(buttons("mode").count, 1);
    // Without the buttons there is no rotoslider either: a turn from the label does nothing.
    turn(labelX("i"), middle("i"), 90);
    EXPECT_EQ(i, 0);
}

// The program changes its variables after the bar drew them; each action starts from what they
// hold at that moment, not from what the bar last showed.
TEST_F(NumberRows, EveryActionStartsFromWhatTheProgramHoldsNow) {
    flag = true;
    clickButton("flag", tw::RowButton::Toggle);
    EXPECT_FALSE(flag);
    i = 4;
    clickButton("i", tw::RowButton::Increment);
    EXPECT_EQ(i, 5);
    wide = 2000;
    turn(labelX("wide"), middle("wide"), 90);
    EXPECT_EQ(wide, 2000 + 64);
    modeValue = 1;
    clickButton("mode", tw::RowButton::List);
    EXPECT_EQ(context().input.popup.hovered, 1) << "the list highlights the entry held now";
    TwKeyPressed(TW_KEY_ESCAPE, 0);

    // A drag of the value, a step a pixel from where the program put it.
    wide = 500;
    const int valueX = engineBar().layout.valueX + 10;
    ASSERT_TRUE(press(valueX, middle("wide")));
    TwMouseMotion(valueX + 10, middle("wide"));
    release(valueX + 10, middle("wide"));
    EXPECT_EQ(wide, 510);
    // A field opens on the program's text.
    wide = 10;
    EXPECT_TRUE(click(valueX, middle("wide")));
    for (const int key : {TW_KEY_END, TW_KEY_BACKSPACE, TW_KEY_RETURN})
        EXPECT_TRUE(TwKeyPressed(key, 0));
    EXPECT_EQ(wide, 1);
}

TEST_F(NumberRows, AHeldButtonRepeatsFromHalfASecondTenTimesASecondUntilReleased) {
    hold("wide", tw::RowButton::Increment);
    EXPECT_EQ(wide, 1001) << "the press itself";
    now = 100.4;
    frame();
    EXPECT_EQ(wide, 1001);
    now = 100.5;
    frame();
    EXPECT_EQ(wide, 1002);
    now = 100.85;
    frame();
    EXPECT_EQ(wide, 1005) << "the repeats due at .6, .7 and .8";
    const auto [x, y] = button("wide", tw::RowButton::Increment);
    release(x, y);
    now = 102;
    frame();
    EXPECT_EQ(wide, 1005);
}

TEST_F(NumberRows, RepeatsStopWhenThePointerMovesAwayOrDrawingPauses) {
    const auto [x, y] = button("wide", tw::RowButton::Decrement);
    hold("wide", tw::RowButton::Decrement);
    TwMouseMotion(x + 2, y + 2);  // a tremble
    now = 100.55;
    frame();
    EXPECT_EQ(wide, 998);
    TwMouseMotion(x, y + 5);
    now = 101;
    frame();
    EXPECT_EQ(wide, 998);
    release(x, y);

    // The caller stopped drawing for longer than a second: the repeats end.
    hold("wide", tw::RowButton::Increment);
    now = 102.2;
    frame();
    EXPECT_EQ(wide, 999);
    now = 102.8;
    frame();
    EXPECT_EQ(wide, 999);
}

TEST_F(NumberRows, TheRotoSliderTurnsFromTheLabelOrTheRotoButtonAndStopsAtTheBounds) {
    turn(labelX("wide"), middle("wide"), 90);
    EXPECT_EQ(wide, 1000 + 64);
    turn(labelX("wide"), middle("wide"), -45);
    EXPECT_EQ(wide, 1000 + 64 - 32);
    // -5..5: the range in a third of a turn, 30 steps a turn; a long turn stops at 5.
    const auto [x, y] = button("i", tw::RowButton::Roto);
    turn(x, y, 600);
    EXPECT_EQ(i, 5);
    turn(labelX("i"), middle("i"), -36);
    EXPECT_EQ(i, 2);
}

TEST_F(NumberRows, TurningDrawsTheCircleAndTheTurnInRedAndTheReleaseClearsThem) {
    const auto redVertices = [] { return verticesColoured(tw::packColor(255, 51, 51, 255)); };
    turn(labelX("i"), middle("i"), 60, false);
    EXPECT_GT(redVertices(), 12) << "the line to the pointer and the arc";
    EXPECT_EQ(i, 5);
    EXPECT_EQ(buttonColours().size(), 0u) << "no buttons while turning";
    TwMouseButton(TW_MOUSE_RELEASED, TW_MOUSE_LEFT);
    frame();
    EXPECT_EQ(redVertices(), 0);
}

TEST_F(NumberRows, ANumberAtItsBoundShowsItsTextInTheBoundColour) {
    const tw::PackedColor bound = tw::paletteFor(engineBar()).atBound;
    const int atStart = verticesColoured(bound);  // u is 0, its minimum
    EXPECT_GT(atStart, 0);
    i = 5;
    TwRefreshBar(bar);
    frame();
    EXPECT_GT(verticesColoured(bound), atStart);
    u = 7;
    i = 4;
    TwRefreshBar(bar);
    frame();
    EXPECT_EQ(verticesColoured(bound), 0);
}

TEST_F(NumberRows, TheCursorShowsWhatAPressWouldDo) {
    using tw::CursorShape;
    auto at = [](int x, int y) {
        TwMouseMotion(x, y);
        return tw::pointerCursor();
    };
    EXPECT_EQ(at(labelX("i"), middle("i")).shape, CursorShape::Roto);
    EXPECT_EQ(at(engineBar().layout.valueX + 5, middle("i")).shape, CursorShape::Text);
    const auto [rx, ry] = button("i", tw::RowButton::Roto);
    EXPECT_EQ(at(rx, ry).shape, CursorShape::Roto);
    const auto [px, py] = button("i", tw::RowButton::Increment);
    EXPECT_EQ(at(px, py).shape, CursorShape::Game);
    EXPECT_EQ(at(labelX("fixed"), middle("fixed")).shape, CursorShape::NotAllowed);
    const tw::Rect& frameRect = engineBar().layout.frame;
    EXPECT_EQ(at(frameRect.x + frameRect.w / 2, frameRect.y + 3).shape, CursorShape::Move);
    EXPECT_EQ(at(frameRect.x + 1, frameRect.y + 1).shape, CursorShape::ResizeNwSe);
    EXPECT_EQ(at(frameRect.right() - 2, frameRect.y + 1).shape, CursorShape::ResizeNeSw);
    EXPECT_EQ(at(frameRect.right() + 50, frameRect.y).shape, CursorShape::Game);

    // While turning, the arrow follows the pointer's angle around the centre.
    turn(labelX("wide"), middle("wide"), 90, false);
    const tw::PointerCursor turning = tw::pointerCursor();
    EXPECT_EQ(turning.shape, CursorShape::Roto);
    EXPECT_EQ(turning.rotoIndex, 3);
}

}  // namespace
