// Quaternion and direction rows: the rotation math of their widget, and the widget in a bar,
// opened, turned by dragging, and drawn without uploads once still.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "EngineFixture.h"
#include "TwFrameStats.h"
#include "compose/Feedback.h"
#include "draw/DisplayList.h"
#include "widgets/Rotation.h"
#include "widgets/RotationWidget.h"

namespace {

using tw::Quat;
using tw::Vec3;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTolerance = 1e-9;

void expectNear(const Vec3& actual, const Vec3& expected, double tolerance = kTolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(Rotation, ADragToTheRightTurnsAboutTheDisplaysYAxisByTheAngleBetweenThePoints) {
    // From the centre to one half-size right: (0, 0, 1) turns onto (1, 0, 1), 45 degrees.
    const Quat turn = tw::trackballTurn(0, 0, 1, 0);
    EXPECT_NEAR(turn.x, 0, kTolerance);
    EXPECT_NEAR(turn.y, std::sin(kPi / 8), kTolerance);
    EXPECT_NEAR(turn.z, 0, kTolerance);
    EXPECT_NEAR(turn.s, std::cos(kPi / 8), kTolerance);
    expectNear(tw::rotate(turn, {0, 0, 1}), {std::sqrt(0.5), 0, std::sqrt(0.5)});

    // Beyond the unit circle the angle grows by a fifth per half-size.
    const Quat far = tw::trackballTurn(0, 0, 3, 0);
    EXPECT_NEAR(2 * std::acos(far.s), std::atan(3.0) * 1.4, kTolerance);
    // Upward turns about -x: the front of the sphere goes up.
    expectNear(tw::rotate(tw::trackballTurn(0, 0, 0, 1), {0, 0, 1}),
               {0, std::sqrt(0.5), std::sqrt(0.5)});
    // No move, no turn; opposite moves undo each other.
    const Quat none = tw::trackballTurn(0.3, -0.2, 0.3, -0.2);
    EXPECT_EQ(none.s, 1);
    const Quat back = tw::trackballTurn(0.5, 0, 0, 0) * tw::trackballTurn(0, 0, 0.5, 0);
    expectNear(tw::rotate(back, {1, 2, 3}), {1, 2, 3});
}

TEST(Rotation, ProductsComposeAndNormalisingKeepsTheRotation) {
    const Quat a = tw::normalized({0.3, -0.1, 0.7, 0.5});
    const Quat b = tw::normalized({-0.6, 0.2, 0.1, 0.9});
    const Vec3 v{0.4, -1.5, 2};
    expectNear(tw::rotate(a * b, v), tw::rotate(a, tw::rotate(b, v)));
    const Quat scaledUp{a.x * 3, a.y * 3, a.z * 3, a.s * 3};
    expectNear(tw::rotate(tw::normalized(scaledUp), v), tw::rotate(a, v));
    const Quat zero = tw::normalized({0, 0, 0, 0});
    EXPECT_EQ(zero.s, 1) << "no rotation rather than NaN";
}

TEST(Rotation, AxisMapsSendEachAxisToItsDisplayAxisAndConjugateRotations) {
    tw::AxisMap cyclic;  // x drawn toward the viewer, y to the right, z up
    cyclic.axes[0] = 3, cyclic.axes[1] = 1, cyclic.axes[2] = 2;
    expectNear(cyclic.toDisplay(Vec3{1, 0, 0}), {0, 0, 1});
    expectNear(cyclic.toDisplay(Vec3{0, 1, 0}), {1, 0, 0});
    expectNear(cyclic.fromDisplay(cyclic.toDisplay(Vec3{1, 2, 3})), {1, 2, 3});
    tw::AxisMap mirrored;  // x drawn to the left
    mirrored.axes[0] = -1;
    expectNear(mirrored.toDisplay(Vec3{1, 2, 3}), {-1, 2, 3});
    tw::AxisMap swapped;  // an odd permutation: also a reflection
    swapped.axes[0] = 2, swapped.axes[1] = 1;
    expectNear(swapped.toDisplay(Vec3{1, 2, 3}), {2, 1, 3});

    // Whatever the map, the displayed rotation turns displayed vectors as the variable's
    // rotation turns the variable's vectors.
    const Quat q = tw::normalized({0.2, 0.5, -0.4, 0.7});
    const Vec3 v{0.3, -0.8, 1.1};
    for (const tw::AxisMap& map : {cyclic, mirrored, swapped}) {
        expectNear(tw::rotate(map.toDisplay(q), map.toDisplay(v)), map.toDisplay(tw::rotate(q, v)));
        const Quat back = map.fromDisplay(map.toDisplay(q));
        EXPECT_NEAR(back.x, q.x, kTolerance);
        EXPECT_NEAR(back.s, q.s, kTolerance);
    }
}

class RotationRow : public OneBarTest {
  protected:
    void SetUp() override {
        OneBarTest::SetUp();
        ASSERT_EQ(TwDefine(" bar refresh=0 "), 1);
    }
    tw::Rect widget(std::size_t row) {
        const tw::BarLayout& l = layout();
        return tw::rotationWidgetArea(l, l.rows.at(row));
    }
    // Presses the middle of a widget and moves by (dx, dy) half-sizes, y up; returns the
    // half-size in pixels.
    int turn(std::size_t row, double dx, double dy, bool releaseAfter = true) {
        const tw::Rect area = widget(row);
        const int half = std::min(area.w, area.h) / 2;
        const int cx = area.x + area.w / 2, cy = area.y + area.h / 2;
        press(cx, cy);
        TwMouseMotion(cx + int(std::lround(dx * half / 2)), cy - int(std::lround(dy * half / 2)));
        TwMouseMotion(cx + int(std::lround(dx * half)), cy - int(std::lround(dy * half)));
        if (releaseAfter)
            release(cx + int(std::lround(dx * half)), cy - int(std::lround(dy * half)));
        return half;
    }
};

TEST_F(RotationRow, FoldedAtFirstThenAWidgetFourLinesTallAcrossLabelAndValue) {
    float q[4] = {0, 0, 0, 1};
    float d[3] = {1, 0, 0};
    ASSERT_EQ(TwAddVarRW(bar, "q", TW_TYPE_QUAT4F, q, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, d, "opened=true showval=false"), 1);
    EXPECT_EQ(intParam(bar, "q", "opened"), 0);
    const tw::BarLayout& l = layout();
    ASSERT_EQ(l.rows.size(), 3u);
    EXPECT_EQ(l.rows[2].kind, tw::RowKind::Widget);
    EXPECT_EQ(l.rows[2].rect.h, 4 * l.rowHeight);
    EXPECT_EQ(bar->controls[0]->valueText, "Q={x:0.00,y:0.00,z:0.00,s:1.00}");
    EXPECT_EQ(bar->controls[1]->valueText, "V={1.00,0.00,0.00}");
    const tw::Rect area = widget(2);
    // From the next level's label to three pixels short of the value boxes' end.
    EXPECT_EQ(area.right(), l.valueX + l.valueWidth + 2 - 3);
    EXPECT_EQ(area.x, tw::labelLeft(l, 1));

    // A press on the heading folds and unfolds it.
    const tw::Rect heading = l.rows[0].rect;
    click(heading.x + 2, heading.y + heading.h / 2);
    EXPECT_EQ(intParam(bar, "q", "opened"), 1);
    EXPECT_EQ(layout().rows.size(), 4u);
}

TEST_F(RotationRow, ADragTurnsAQuaternionAboutTheVerticalAndWritesEveryMoveThroughTheSetter) {
    struct Target {
        double q[4] = {0, 0, 0, 1};
        int writes = 0;
    } target;
    auto set = [](const void* value, void* data) {
        auto* t = static_cast<Target*>(data);
        std::memcpy(t->q, value, sizeof t->q);
        ++t->writes;
    };
    auto get = [](void* value, void* data) {
        std::memcpy(value, static_cast<Target*>(data)->q, 4 * sizeof(double));
    };
    ASSERT_EQ(TwAddVarCB(bar, "q", TW_TYPE_QUAT4D, set, get, &target, "opened=true"), 1);
    turn(1, 1, 0);
    EXPECT_EQ(target.writes, 2) << "one write per move";
    // Pixel rounding of the half-size: within a degree or so.
    EXPECT_NEAR(target.q[0], 0, 1e-9);
    EXPECT_NEAR(target.q[1], std::sin(kPi / 8), 0.01);
    EXPECT_NEAR(target.q[2], 0, 1e-9);
    EXPECT_NEAR(target.q[3], std::cos(kPi / 8), 0.01);

    // The next drag starts from there: two eighth turns make a quarter.
    turn(1, 1, 0);
    EXPECT_NEAR(target.q[1], std::sin(kPi / 4), 0.02);
    EXPECT_NEAR(target.q[3], std::cos(kPi / 4), 0.02);
}

TEST_F(RotationRow, ADirectionKeepsItsLengthAndTheDragFollowsThePointerUntilRelease) {
    float d[3] = {0, 0, 2};
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, d, "opened=true"), 1);
    const int half = turn(1, 4, 0, false);  // far outside the widget, even the bar
    EXPECT_NEAR(std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), 2, 1e-5);
    const double angle = std::atan2(d[0], d[2]);
    EXPECT_NEAR(angle, std::atan(4.0) * (1 + 0.2 * 3), 0.05) << "turns faster outside";
    EXPECT_TRUE(tw::inputWantsCapture());
    release(0, 0);
    const float after[3] = {d[0], d[1], d[2]};
    TwMouseMotion(50, 50);
    layout();
    EXPECT_EQ(d[0], after[0]) << "released: the pointer no longer turns it";
    EXPECT_GT(half, 0);
}

TEST_F(RotationRow, AxisParametersRemapDrawingAndDragging) {
    // x drawn toward the viewer, y to the right, z up: a drag to the right turns x toward y.
    float d[3] = {1, 0, 0};
    ASSERT_EQ(
        TwAddVarRW(bar, "d", TW_TYPE_DIR3F, d, "opened=true showval=false axisx=z axisy=x axisz=y"),
        1);
    turn(1, 1, 0);
    EXPECT_NEAR(d[0], std::sqrt(0.5), 0.01);
    EXPECT_NEAR(d[1], std::sqrt(0.5), 0.01);
    EXPECT_NEAR(d[2], 0, 1e-6);
    // Reversed: x drawn to the left, so dragging up turns it toward the viewer.
    float q[4] = {0, 0, 0, 1};
    ASSERT_EQ(TwAddVarRW(bar, "q", TW_TYPE_QUAT4F, q, "opened=true axisz=-z"), 1);
    turn(3, 1, 0);
    // About the display's y, which is the variable's y; with z reversed the turn is reversed.
    EXPECT_LT(q[1], -0.3);
}

TEST_F(RotationRow, ReadOnlyRowsDoNotTurnAndAStillWidgetUploadsNothing) {
    float q[4] = {0, 0, 0, 1};
    float d[3] = {0, 1, 0};
    ASSERT_EQ(TwAddVarRO(bar, "q", TW_TYPE_QUAT4F, q, "opened=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, d, "opened=true"), 1);
    turn(1, 1, 0);
    EXPECT_EQ(q[3], 1);
    EXPECT_EQ(q[1], 0);

    turn(3, 0.5, 0.5);
    EXPECT_NE(d[1], 1) << "the writable direction turned";
    drawnFrame();
    const TwFrameStats still = drawnFrame();
    EXPECT_EQ(still.bytesUploaded, 0u);
    EXPECT_EQ(still.rebuilt, 0u);

    // The widget looks the same under the pointer: moving onto it from its heading repaints
    // nothing; only the heading's highlight goes.
    const tw::Rect area = widget(3);
    TwMouseMotion(area.x + 3, area.y - 3);
    drawnFrame();
    TwMouseMotion(area.x + 3, area.y + 3);
    const TwFrameStats hovered = drawnFrame();
    EXPECT_EQ(hovered.segmentsPainted, 0u);
    EXPECT_LE(hovered.bytesUploaded, tw::kHoverQuads * 4 * sizeof(tw::Vertex));
}

TEST_F(RotationRow, ComponentRowsBelowTheWidgetStepByAHundredthAndTakeTypedValuesAsTheyAre) {
    double q[4] = {0, 0, 0, 1};
    float d[3] = {0, 1, 0};
    ASSERT_EQ(TwAddVarRW(bar, "q", TW_TYPE_QUAT4D, q, "opened=true showval=true"), 1);
    ASSERT_EQ(TwAddVarRW(bar, "d", TW_TYPE_DIR3F, d, "opened=true"), 1);
    const tw::BarLayout& l = layout();
    // q, its widget, X Y Z S; d, its widget, X Y Z: directions list them unless told not to.
    ASSERT_EQ(l.rows.size(), 11u);
    for (std::size_t i : {2u, 3u, 4u, 5u, 8u, 9u, 10u}) {
        EXPECT_EQ(l.rows[i].kind, tw::RowKind::Channel) << i;
        EXPECT_EQ(l.rows[i].rect.h, l.rowHeight) << i;
    }
    EXPECT_EQ(l.rows[5].channel, 3);

    // Dragging S down by 30 px: 0.30 less, and no further than -1. (The press stays left of
    // the row's [-][+][o].)
    const tw::Rect s = l.rows[5].rect;
    press(l.valueX + 35, s.y + s.h / 2);
    TwMouseMotion(l.valueX + 5, s.y + s.h / 2);
    EXPECT_NEAR(q[3], 0.70, 1e-9);
    TwMouseMotion(l.valueX - 400, s.y + s.h / 2);
    release(l.valueX - 400, s.y + s.h / 2);
    EXPECT_EQ(q[3], -1);

    // Typed: X takes 3 as it is, S stops at 1; nothing is normalised.
    retype(2, "3");
    EXPECT_EQ(q[0], 3);
    retype(5, "5");
    EXPECT_EQ(q[3], 1);
    EXPECT_EQ(q[0], 3);
    layout();
    EXPECT_EQ(bar->controls[0]->valueText, "Q={x:3.00,y:0.00,z:0.00,s:1.00}");

    // A direction's component keys step by a hundredth too.
    const tw::Rect dy = layout().rows[9].rect;
    TwMouseMotion(l.valueX + 10, dy.y + dy.h / 2);
    EXPECT_TRUE(TwKeyPressed(TW_KEY_RIGHT, 0));
    EXPECT_NEAR(d[1], 1.01, 1e-6);
}

}  // namespace
