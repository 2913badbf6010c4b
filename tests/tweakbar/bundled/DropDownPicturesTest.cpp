// Pictures of an open enum list on a real device, kept for a person to judge: the list over a
// second bar, which the veil darkens with the icons, at each font size; and a list too long for the
// window, opened by a click and scrolled by posted keys, which are the engine's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "widgets/DropDown.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

tw::DropDownPlace shownList() {
    return tw::dropDownPlace(*tw::engine().context);
}

// Each channel of the veiled pixel is the open one's darkened by 0x1F / 255 (rounding allowed).
bool veiled(Rgba open, Rgba veil) {
    const auto darker = [](int before, int after) {
        return std::abs(before * (255 - 0x1F) / 255 - after) <= 2;
    };
    return darker(open.r, veil.r) && darker(open.g, veil.g) && darker(open.b, veil.b);
}

TEST(DropDownPictures, TheOpenListLiesOverAnotherBarWhichTheVeilDarkens) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(520, 360);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        ASSERT_EQ(TwDefine(("GLOBAL fontsize=" + std::to_string(size)).c_str()), 1);
        TwBar* render = TwNewBar("Render");
        TwBar* other = TwNewBar("Other");
        const std::string define = " Render position='20 20' size='" +
                                   std::to_string(200 + 20 * size) +
                                   " 220' refresh=0\r\n"
                                   " Other position='300 60' size='190 200' color='150 60 40' ";
        ASSERT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
        const TwEnumVal modes[] = {{0, "Off"},
                                   {1, "Bilinear"},
                                   {2, "Trilinear"},
                                   {4, "Anisotropic x4"},
                                   {16, "Anisotropic x16"}};
        int filter = 2;
        float gamma = 2.2f, exposure = 1;
        ASSERT_EQ(TwAddVarRW(render, "Filter", TwDefineEnum("Filter", modes, 5), &filter, nullptr),
                  1);
        ASSERT_EQ(TwAddVarRW(render, "Gamma", TW_TYPE_FLOAT, &gamma, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(other, "Exposure", TW_TYPE_FLOAT, &exposure, nullptr), 1);
        ASSERT_TRUE(engine.frame(60, 90, 120));
        const auto row = EngineOnWindow::rowOf(render, "Filter");
        ASSERT_TRUE(row.found);

        // The pointer stays where it opens the list, so that only the list differs.
        engine.move(row.valueX, row.y);
        ASSERT_TRUE(engine.frame(60, 90, 120));
        const tw::Rect otherFrame = other->layout.frame, renderFrame = render->layout.frame;
        const int otherX = otherFrame.right() - 12, otherY = otherFrame.bottom() - 14;
        const int ownX = renderFrame.x + 12, ownY = renderFrame.bottom() - 14;
        const Rgba otherBefore = engine.pixel(otherX, otherY);
        const Rgba ownBefore = engine.pixel(ownX, ownY);
        const Rgba backgroundBefore = engine.pixel(510, 350);
        const tw::Rect icon = TwGetBarByName("TW_HELP")->layout.icon;
        const int iconX = icon.x + 3, iconY = icon.bottom() - 4;
        const Rgba iconBefore = engine.pixel(iconX, iconY);

        engine.click(row.valueX, row.y);
        ASSERT_TRUE(engine.frame(60, 90, 120));
        const tw::DropDownPlace list = shownList();
        ASSERT_FALSE(list.frame.empty()) << size;
        ASSERT_LT(list.frame.right(), otherX) << "the probe lies outside the list";
        EXPECT_GT(list.frame.right(), otherFrame.x) << "the list lies over the other bar";
        EXPECT_TRUE(veiled(otherBefore, engine.pixel(otherX, otherY))) << size;
        EXPECT_TRUE(veiled(iconBefore, engine.pixel(iconX, iconY))) << "the help icon " << size;
        EXPECT_TRUE(kztest::closeTo(ownBefore, engine.pixel(ownX, ownY), 1))
            << "its own bar " << size;
        EXPECT_TRUE(kztest::closeTo(backgroundBefore, engine.pixel(510, 350), 1))
            << "the game " << size;
        // The current entry's band is the bar's warm group colour; a plain line is not.
        const tw::Rect current = list.entry(2), plain = list.entry(0);
        const Rgba band = engine.pixel(current.right() - 3, current.y + current.h / 2);
        const Rgba line = engine.pixel(plain.right() - 3, plain.y + plain.h / 2);
        EXPECT_GT(band.r - band.b, line.r - line.b + 30) << size;
        const std::string name = "dropdown-fontsize" + std::to_string(size) + ".png";
        EXPECT_TRUE(engine.keep(name));
    }
}

TEST(DropDownPictures, AListLongerThanTheWindowScrollsToKeepTheHighlightShown) {
    EngineOnWindow engine(480, 360);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwBar* bar = TwNewBar("Level");
    ASSERT_EQ(TwDefine(" Level position='40 40' size='260 150' "), 1) << TwGetLastError();
    std::string labels;
    for (int i = 0; i < 30; ++i)
        labels += (i ? ",Stage " : "Stage ") + std::to_string(i + 1);
    int stage = 0;
    ASSERT_EQ(
        TwAddVarRW(bar, "Stage", TwDefineEnumFromString("Stage", labels.c_str()), &stage, nullptr),
        1);
    ASSERT_TRUE(engine.frame(60, 90, 120));
    const auto row = EngineOnWindow::rowOf(bar, "Stage");
    ASSERT_TRUE(row.found);
    engine.click(row.valueX, row.y);
    ASSERT_TRUE(engine.frame(60, 90, 120));
    ASSERT_FALSE(shownList().frame.empty()) << "the click opens the list";
    // Posted, the keys come through the game's loop with the characters TranslateMessage makes.
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(engine.post(WM_KEYDOWN, VK_DOWN, 1), 1);
    ASSERT_TRUE(engine.frame(60, 90, 120));
    const tw::DropDownPlace list = shownList();
    ASSERT_FALSE(list.track.empty()) << "30 entries do not fit below";
    // The thumb, moved down its track, is brighter than the track above it.
    ASSERT_GT(list.thumb.y, list.track.y + 2);
    const Rgba thumb = engine.pixel(list.thumb.x + list.thumb.w / 2, list.thumb.y + 2);
    const Rgba track = engine.pixel(list.track.x + list.track.w / 2, list.track.y + 1);
    EXPECT_GT(kztest::lightness(thumb), kztest::lightness(track) + 60);
    EXPECT_TRUE(engine.keep("dropdown-long.png"));
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_RETURN, 1), 1);
    EXPECT_EQ(stage, 24);
}

}  // namespace
