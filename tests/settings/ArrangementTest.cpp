// The one-row arrangement and the shared opacity, on the double's list of bars.
#include <gtest/gtest.h>

#include <cstdint>

#include "BarArrangement.h"
#include "Opacity.h"
#include "RecordingTweakBar.h"

using twdouble::barParam;
using V = std::vector<int>;

namespace {

void makeBars(int others) {
    TwInit(TW_DIRECT3D11, nullptr);
    TwNewBar("settings");
    for (int i = 0; i < others; ++i)
        TwNewBar(("bar" + std::to_string(i)).c_str());
}

TEST(Arrangement, SharesAFullHdClientAreaAmongThreeBars) {
    makeBars(2);
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(barParam("settings", "position"), (V{25, 25}));
    EXPECT_EQ(barParam("bar0", "position"), (V{651, 25}));
    EXPECT_EQ(barParam("bar1", "position"), (V{1277, 25}));
    for (const char* bar : {"settings", "bar0", "bar1"}) {
        EXPECT_EQ(barParam(bar, "size"), (V{616, 1030})) << bar;
        EXPECT_EQ(barParam(bar, "valueswidth"), V{60}) << bar;
    }
    EXPECT_TRUE(barParam("TW_HELP", "position").empty());
    EXPECT_TRUE(barParam("TW_HELP", "size").empty());
}

TEST(Arrangement, FourBarsOnAnSvgaClientArea) {
    makeBars(3);
    kz::arrangeBars(0, 0, 800, 600);
    const char* names[] = {"settings", "bar0", "bar1", "bar2"};
    const int xs[] = {25, 215, 405, 595};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(barParam(names[i], "position"), (V{xs[i], 25}));
        EXPECT_EQ(barParam(names[i], "size"), (V{180, 550}));
    }
}

TEST(Arrangement, SettingsBarAloneTakesTheWholeAreaWithinTheMargins) {
    makeBars(0);
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(barParam("settings", "size"), (V{1870, 1030}));
    kz::arrangeBars(0, 0, 1920, 1080);  // pressing again changes nothing
    EXPECT_EQ(barParam("settings", "position"), (V{25, 25}));
    EXPECT_EQ(barParam("settings", "size"), (V{1870, 1030}));
}

TEST(Arrangement, TooSmallAnAreaGivesZeroSizesNotWrappedOnes) {
    makeBars(3);
    kz::arrangeBars(0, 0, 60, 30);
    for (const char* bar : {"settings", "bar0", "bar1", "bar2"}) {
        const V size = barParam(bar, "size");
        ASSERT_EQ(size.size(), 2u);
        EXPECT_EQ(size, (V{0, 0})) << bar;
    }
    EXPECT_EQ(barParam("bar2", "position"), (V{55, 25}));
}

TEST(Arrangement, WithoutBarsBesidesTheHelpBarNothingIsSet) {
    TwInit(TW_DIRECT3D11, nullptr);
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(twdouble::count("TwSetParam"), 0);
    TwTerminate();
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(twdouble::count("TwSetParam"), 0);
}

TEST(Opacity, IsSetOnEveryBarButTheHelpBarAndReadBackFromTheSettingsBar) {
    makeBars(2);
    const std::uint8_t half = 128;
    setOpacity(&half, nullptr);
    for (const char* bar : {"settings", "bar0", "bar1"})
        EXPECT_EQ(barParam(bar, "alpha"), V{128});
    EXPECT_TRUE(barParam("TW_HELP", "alpha").empty());

    TwNewBar("late");  // keeps the engine's default until the opacity is set again
    EXPECT_TRUE(barParam("late", "alpha").empty());
    std::uint8_t shown = 0;
    getOpacity(&shown, nullptr);
    EXPECT_EQ(shown, 128);
}

TEST(Opacity, ShowsTheLowEightBitsOfTheSettingsBarsAlpha) {
    makeBars(0);
    const int alpha = 0x1FF;
    TwSetParam(TwGetBarByName("settings"), "", "alpha", TW_PARAM_INT32, 1, &alpha);
    std::uint8_t shown = 0;
    getOpacity(&shown, nullptr);
    EXPECT_EQ(shown, 0xFF);
}

}  // namespace
