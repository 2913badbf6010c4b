// What a frame costs, read from TwGetFrameStats on the real renderer: one draw call for every
// bar together, and nothing sent to the GPU again while nothing shown has changed.
#include <gtest/gtest.h>

#include <string>

#include "EngineOnWindow.h"
#include "TwFrameStats.h"

namespace {

TwFrameStats statsOfLastDraw() {
    TwFrameStats stats{};
    EXPECT_EQ(TwGetFrameStats(&stats), 1);
    return stats;
}

TEST(FrameStats, SeveralBarsDrawInOneCallAndOnlyAChangeIsUploaded) {
    kztest::EngineOnWindow engine(640, 400);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    // Three bars of mixed controls, an iconified one and the help icon.
    int counts[3][6] = {};
    float speeds[3][6] = {};
    bool flags[3][6] = {};
    for (int b = 0; b < 3; ++b) {
        TwBar* bar = TwNewBar(("Bar" + std::to_string(b)).c_str());
        for (int i = 0; i < 6; ++i) {
            const std::string n = std::to_string(i);
            TwAddVarRW(bar, ("count" + n).c_str(), TW_TYPE_INT32, &counts[b][i], nullptr);
            TwAddVarRW(bar, ("speed" + n).c_str(), TW_TYPE_FLOAT, &speeds[b][i], nullptr);
            TwAddVarRW(bar, ("flag" + n).c_str(), TW_TYPE_BOOLCPP, &flags[b][i], nullptr);
        }
    }
    TwNewBar("Folded");
    ASSERT_EQ(TwDefine(" Folded iconified=true Bar0 position='10 10' Bar1 position='220 10' "
                       " Bar2 position='430 10' "),
              1);

    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats first = statsOfLastDraw();
    EXPECT_EQ(first.drawCalls, 1u);
    EXPECT_EQ(first.rebuilt, 1u);
    EXPECT_GT(first.vertices, 1000u) << "three bars of text";
    // Vertices of 2 floats of position, 2 of atlas coordinates and a packed colour; 32-bit indices.
    EXPECT_EQ(first.bytesUploaded, first.vertices * 20ull + first.indices * 4ull);
    const std::vector<std::uint8_t> firstPicture = engine.pixels();

    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats steady = statsOfLastDraw();
    EXPECT_EQ(steady.drawCalls, 1u);
    EXPECT_EQ(steady.rebuilt, 0u);
    EXPECT_EQ(steady.bytesUploaded, 0u);
    EXPECT_EQ(steady.vertices, first.vertices);
    EXPECT_TRUE(engine.pixels() == firstPicture) << "drawn again from what the GPU holds";

    // A changed value is read, rebuilt and uploaded once, and shows.
    counts[1][0] = 123456;
    ASSERT_EQ(TwRefreshBar(TwGetBarByName("Bar1")), 1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats changed = statsOfLastDraw();
    EXPECT_EQ(changed.drawCalls, 1u);
    EXPECT_EQ(changed.rebuilt, 1u);
    EXPECT_GT(changed.bytesUploaded, 0u);
    EXPECT_FALSE(engine.pixels() == firstPicture);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(statsOfLastDraw().bytesUploaded, 0u);

    // Nothing shown: no draw call, and the back buffer keeps what the game put there.
    ASSERT_EQ(TwDefine(" Bar0 visible=false Bar1 visible=false Bar2 visible=false "
                       " Folded visible=false TW_HELP visible=false "),
              1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(statsOfLastDraw().drawCalls, 0u);
    for (int y = 0; y < engine.height(); y += 7)
        for (int x = 0; x < engine.width(); x += 7) {
            const kztest::Rgba p = engine.pixel(x, y);
            ASSERT_TRUE(p.r == 10 && p.g == 20 && p.b == 30) << x << "," << y;
        }
}

}  // namespace
