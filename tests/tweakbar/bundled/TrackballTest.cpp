// Quaternion and direction widgets on a real window: a drag made of window messages turns the
// variable, and pictures of the widget (kept for a person to judge) show each axis where the
// orientation puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"
#include "widgets/RotationWidget.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

constexpr double kPi = 3.14159265358979323846;

// The widget of a row opened in the last frame: its middle and half-size.
struct WidgetPlace {
    int cx = 0, cy = 0, half = 0;
};

WidgetPlace widgetOf(TwBar* bar, const char* name) {
    const tw::Control* control = bar->find(name);
    const tw::Row* row = control ? tw::shownRow(*bar, control, tw::kWidgetRow) : nullptr;
    if (!row) return {};
    const tw::Rect area = tw::rotationWidgetArea(bar->layout, *row);
    return {area.x + area.w / 2, area.y + area.h / 2, std::min(area.w, area.h) / 2};
}

// The axes' and the arrow's colours, shaded and translucent over the bar; the bar, the sphere
// and the other axes are none of them.
bool reddish(Rgba p) {
    return p.r > p.g + 40 && p.r > p.b + 40;
}
bool bluish(Rgba p) {
    return p.b > p.r + 40 && p.b > p.g + 25;
}
bool yellowish(Rgba p) {
    return p.r > 90 && p.g > 90 && p.b + 50 < std::min(p.r, p.g);
}

TEST(Trackball, ADragOfWindowMessagesTurnsTheQuaternionAboutTheVertical) {
    EngineOnWindow engine(480, 360);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwBar* bar = TwNewBar("Scene");
    ASSERT_EQ(TwDefine(" Scene position='40 30' size='260 260' "), 1) << TwGetLastError();
    float q[4] = {0, 0, 0, 1};
    ASSERT_EQ(TwAddVarRW(bar, "Rotation", TW_TYPE_QUAT4F, q, "opened=true"), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    const WidgetPlace w = widgetOf(bar, "Rotation");
    ASSERT_GT(w.half, 0);
    engine.drag(w.cx, w.cy, w.cx + w.half, w.cy);
    EXPECT_NEAR(q[0], 0, 1e-6);
    EXPECT_NEAR(q[1], std::sin(kPi / 8), 0.01) << "an eighth turn about y";
    EXPECT_NEAR(q[2], 0, 1e-6);
    EXPECT_NEAR(q[3], std::cos(kPi / 8), 0.01);
    // Upward afterwards turns about -x on top of it: x keeps pointing along the display's
    // horizontal plane, and the length stays one.
    engine.drag(w.cx, w.cy, w.cx, w.cy - w.half / 2);
    EXPECT_LT(q[0], -0.1);
    EXPECT_NEAR(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3], 1, 1e-5);
}

// Red X tip to the right at rest; after a quarter turn about y it points at the viewer (or
// away, behind the sphere), and blue Z takes its place on one side.
TEST(Trackball, PicturesShowTheAxesWhereTheOrientationPutsThem) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(360, 340);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = TwNewBar("Scene");
        const std::string define = "GLOBAL fontsize=" + std::to_string(size) +
                                   "\r\nTW_HELP visible=false\r\nScene position='20 20' size='" +
                                   std::to_string(180 + 50 * size) + " 310' refresh=0";
        ASSERT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
        float q[4] = {0, 0, 0, 1};
        float d[3] = {1, 0, 0};
        ASSERT_EQ(TwAddVarRW(bar, "Rotation", TW_TYPE_QUAT4F, q, "opened=true"), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Gravity", TW_TYPE_DIR3F, d, "opened=true"), 1);
        engine.move(350, 290);  // away from the widgets: they show translucent
        ASSERT_TRUE(engine.frame(40, 40, 40));
        const WidgetPlace quat = widgetOf(bar, "Rotation"), dir = widgetOf(bar, "Gravity");
        ASSERT_GT(quat.half, 0);
        ASSERT_GT(dir.half, 0);
        const int tip = quat.half * 3 / 4;
        EXPECT_TRUE(reddish(engine.pixel(quat.cx + tip, quat.cy))) << "x to the right " << size;
        EXPECT_FALSE(reddish(engine.pixel(quat.cx - tip, quat.cy)));
        EXPECT_TRUE(yellowish(engine.pixel(dir.cx + tip, dir.cy))) << "the arrow " << size;

        const std::string suffix = size == 2 ? "" : "-fontsize" + std::to_string(size);
        // x toward the viewer, z to the left; the direction straight away.
        q[1] = -std::sqrt(0.5f), q[3] = std::sqrt(0.5f);
        d[0] = 0, d[2] = -1;
        TwRefreshBar(bar);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        EXPECT_TRUE(reddish(engine.pixel(quat.cx, quat.cy))) << "x tip in front " << size;
        EXPECT_FALSE(reddish(engine.pixel(quat.cx + tip, quat.cy)));
        EXPECT_TRUE(bluish(engine.pixel(quat.cx - tip, quat.cy))) << "z to the left " << size;
        EXPECT_FALSE(yellowish(engine.pixel(dir.cx + tip, dir.cy))) << "arrow turned away";
        EXPECT_TRUE(kztest::writePng("trackball-quat" + suffix + ".png", engine.pixels(),
                                     engine.width(), engine.height()));

        // x away, behind the sphere; z to the right. The direction across, up and right.
        q[1] = std::sqrt(0.5f);
        d[0] = 1, d[1] = 1, d[2] = 0.3f;
        TwRefreshBar(bar);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        EXPECT_FALSE(reddish(engine.pixel(quat.cx, quat.cy))) << "x hidden " << size;
        EXPECT_TRUE(bluish(engine.pixel(quat.cx + tip, quat.cy))) << "z to the right " << size;
        const int diagonal = dir.half * 55 / 100;
        EXPECT_TRUE(yellowish(engine.pixel(dir.cx + diagonal, dir.cy - diagonal))) << size;
        EXPECT_TRUE(kztest::writePng("trackball-dir" + suffix + ".png", engine.pixels(),
                                     engine.width(), engine.height()));
    }
}

}  // namespace
