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

// One row of equal bars 25 px inside the client area and 10 px apart, the help bar left alone;
// arranging again changes nothing, and an area too small gives zero sizes, not wrapped ones.
TEST(Arrangement, SharesTheClientAreaInOneRowOfEqualBars) {
    const struct {
        int others, width, height;
        std::vector<int> xs;
        V size;
    } cases[] = {
        {2, 1920, 1080, {25, 651, 1277}, {616, 1030}},
        {3, 800, 600, {25, 215, 405, 595}, {180, 550}},
        {0, 1920, 1080, {25}, {1870, 1030}},
        {3, 60, 30, {25, 35, 45, 55}, {0, 0}},
    };
    for (const auto& c : cases) {
        makeBars(c.others);
        for (int again = 0; again < 2; ++again) {
            kz::arrangeBars(0, 0, c.width, c.height);
            for (int i = 0; i <= c.others; ++i) {
                const std::string bar = i == 0 ? "settings" : "bar" + std::to_string(i - 1);
                SCOPED_TRACE(bar + " on " + std::to_string(c.width) + "x" +
                             std::to_string(c.height));
                EXPECT_EQ(barParam(bar, "position"), (V{c.xs[std::size_t(i)], 25}));
                EXPECT_EQ(barParam(bar, "size"), c.size);
                EXPECT_EQ(barParam(bar, "valueswidth"), V{60});
            }
        }
        EXPECT_TRUE(barParam("TW_HELP", "position").empty());
        EXPECT_TRUE(barParam("TW_HELP", "size").empty());
        TwTerminate();
    }
}

TEST(Arrangement, WithoutBarsBesidesTheHelpBarNothingIsSet) {
    TwInit(TW_DIRECT3D11, nullptr);
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(twdouble::count("TwSetParam"), 0);
    TwTerminate();
    kz::arrangeBars(0, 0, 1920, 1080);
    EXPECT_EQ(twdouble::count("TwSetParam"), 0);
}

TEST(Opacity, IsSetOnEveryBarButTheHelpBarAndShownAsTheLowEightBitsOfTheSettingsBars) {
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
    const int alpha = 0x1FF;
    TwSetParam(TwGetBarByName("settings"), "", "alpha", TW_PARAM_INT32, 1, &alpha);
    getOpacity(&shown, nullptr);
    EXPECT_EQ(shown, 0xFF);
}

}  // namespace
