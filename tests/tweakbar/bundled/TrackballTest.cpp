// Quaternion and direction widgets on a real window: pictures of the widget (kept for a person
// to judge) show its octants, axes and arrow where the orientation puts them.
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

// Colours of the widget over a grey bar: the axes', the arrow's and the sphere's octants.
bool reddish(Rgba p) {
    return p.r > p.g + 40 && p.r > p.b + 40;
}
bool greenish(Rgba p) {
    return p.g > p.r + 40 && p.g > p.b + 40;
}
bool bluish(Rgba p) {
    return p.b > p.r + 40 && p.b > p.g + 25;
}
bool yellowish(Rgba p) {
    return p.r > 90 && p.g > 90 && p.b + 50 < std::min(p.r, p.g);
}
bool saturated(Rgba p) {
    return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 60;
}

// The widget's row around it: twice as wide as high.
tw::Rect rowAround(const WidgetPlace& w) {
    return {w.cx - 2 * w.half, w.cy - w.half, 4 * w.half, 2 * w.half};
}

// On an opaque grey bar, as the widget is compared with the bars callers know. At rest the
// sphere shows the octants in front (x right, y up, z toward the viewer: upper left cyan,
// upper right white, lower left blue, lower right magenta), the x and y axes run through it
// from one edge of the widget to the other, and z, pointing at the viewer, is a blue disc at the
// centre; the arrow of (1, 0, 0) runs through the centre over 0.8 of the half-size each way.
// Turned, each axis shows where the orientation puts it.
TEST(Trackball, PicturesShowTheOctantsAxesAndArrowWhereTheOrientationPutsThem) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(360, 340);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = kztest::barAtFontSize(
            size, "Scene",
            "position='20 20' size='" + std::to_string(180 + 50 * size) +
                " 310' refresh=0 color='128 128 128' alpha=255 valueswidth=150");
        float q[4] = {0, 0, 0, 1};
        float d[3] = {1, 0, 0};
        ASSERT_EQ(TwAddVarRW(bar, "Rotation", TW_TYPE_QUAT4F, q, "opened=true"), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Gravity", TW_TYPE_DIR3F, d, "opened=true"), 1);
        engine.move(350, 330);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        const WidgetPlace quat = widgetOf(bar, "Rotation"), dir = widgetOf(bar, "Gravity");
        ASSERT_GT(quat.half, 0);
        ASSERT_GT(dir.half, 0);
        const std::string at = " at font size " + std::to_string(size);
        const int diagonal = quat.half / 4;  // half way out on the sphere, between the axes
        const Rgba upperLeft = engine.pixel(quat.cx - diagonal, quat.cy - diagonal);
        const Rgba upperRight = engine.pixel(quat.cx + diagonal, quat.cy - diagonal);
        const Rgba lowerLeft = engine.pixel(quat.cx - diagonal, quat.cy + diagonal);
        const Rgba lowerRight = engine.pixel(quat.cx + diagonal, quat.cy + diagonal);
        EXPECT_TRUE(upperLeft.r + 60 < upperLeft.g && upperLeft.r + 60 < upperLeft.b) << at;
        EXPECT_TRUE(std::min({upperRight.r, upperRight.g, upperRight.b}) > 150) << at;
        EXPECT_TRUE(bluish(lowerLeft) && lowerLeft.r + 60 < lowerLeft.b) << at;
        EXPECT_TRUE(lowerRight.g + 60 < lowerRight.r && lowerRight.g + 60 < lowerRight.b) << at;
        const int reach = quat.half * 9 / 10;
        EXPECT_TRUE(reddish(engine.pixel(quat.cx - reach, quat.cy))) << "x through it" << at;
        EXPECT_TRUE(reddish(engine.pixel(quat.cx + reach, quat.cy))) << at;
        EXPECT_TRUE(greenish(engine.pixel(quat.cx, quat.cy - reach))) << "y through it" << at;
        EXPECT_TRUE(greenish(engine.pixel(quat.cx, quat.cy + reach))) << at;
        EXPECT_TRUE(bluish(engine.pixel(quat.cx + 2, quat.cy + 2))) << "z at the viewer" << at;
        // The arrow: its yellow along the centre row.
        int left = dir.cx, right = dir.cx;
        for (int x = dir.cx - 2 * dir.half; x < dir.cx + 2 * dir.half; ++x) {
            if (!yellowish(engine.pixel(x, dir.cy))) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
        EXPECT_NEAR(right - left + 1, 1.6 * dir.half, 2) << "the arrow's length" << at;
        // Most of the sphere is coloured, besides the axes and the arrow.
        const int coloured = engine.pixelsIn(rowAround(quat), saturated) +
                             engine.pixelsIn(rowAround(dir), saturated);
        EXPECT_GT(coloured, quat.half * quat.half) << at;
        const std::string suffix = size == 2 ? "" : "-fontsize" + std::to_string(size);
        EXPECT_TRUE(engine.keep("trackball-rest" + suffix + ".png"));

        // x toward the viewer, z to the left; the direction straight away.
        q[1] = -std::sqrt(0.5f), q[3] = std::sqrt(0.5f);
        d[0] = 0, d[2] = -1;
        TwRefreshBar(bar);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        EXPECT_TRUE(reddish(engine.pixel(quat.cx + 2, quat.cy + 2))) << "x tip in front" << at;
        EXPECT_TRUE(bluish(engine.pixel(quat.cx - reach, quat.cy))) << "z to the left" << at;
        EXPECT_FALSE(yellowish(engine.pixel(dir.cx + dir.half / 2, dir.cy))) << "seen end on";
        EXPECT_TRUE(engine.keep("trackball-quat" + suffix + ".png"));

        // x away, behind the sphere: its line shows beyond the sphere only. The direction
        // across, up and right.
        q[1] = std::sqrt(0.5f);
        d[0] = 1, d[1] = 1, d[2] = 0.3f;
        TwRefreshBar(bar);
        ASSERT_TRUE(engine.frame(40, 40, 40));
        EXPECT_FALSE(reddish(engine.pixel(quat.cx + 2, quat.cy + 2))) << "x hidden" << at;
        EXPECT_TRUE(bluish(engine.pixel(quat.cx + reach, quat.cy))) << "z to the right" << at;
        const int up = dir.half * 45 / 100;
        EXPECT_TRUE(yellowish(engine.pixel(dir.cx + up, dir.cy - up))) << at;
        EXPECT_TRUE(yellowish(engine.pixel(dir.cx - up, dir.cy + up))) << "through the centre";
        EXPECT_TRUE(engine.keep("trackball-dir" + suffix + ".png"));
    }
}

}  // namespace
