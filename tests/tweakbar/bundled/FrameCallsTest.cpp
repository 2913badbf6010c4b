// What a shown frame asks of Direct3D, counted call by call through the method tables of the
// immediate context, the game's view and its back buffer: on a device with
// ID3D11DeviceContext1 a steady frame swaps the renderer's context state in and out around one
// draw, uploads nothing and allocates nothing; without it, the game's state is saved and restored
// piece by piece. Only a change is uploaded again, and either way the renderer keeps no hold on
// the game's view.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "EngineOnWindow.h"
#include "FrameCallCounter.h"
#include "HiddenDevice1.h"
#include "TwFrameStats.h"

namespace {

int counts[2][5];
float speeds[2][5];

void addBars() {
    for (int b = 0; b < 2; ++b) {
        TwBar* bar = TwNewBar(("Bar" + std::to_string(b)).c_str());
        for (int i = 0; i < 5; ++i) {
            TwAddVarRW(bar, ("count" + std::to_string(i)).c_str(), TW_TYPE_INT32, &counts[b][i],
                       nullptr);
            TwAddVarRW(bar, ("speed" + std::to_string(i)).c_str(), TW_TYPE_FLOAT, &speeds[b][i],
                       nullptr);
        }
    }
    TwDefine(" Bar0 position='10 10'\r\nBar1 position='250 10' ");
}

struct SteadyFrame {
    long long calls = 0, swaps = 0, draws = 0;
    long allocations = 0;
    TwFrameStats stats{};
    std::string summary;
};

// Draws until the list is steady, then counts one more frame.
SteadyFrame countSteadyFrame(kztest::EngineOnWindow& engine, kztest::FrameCallCounter& calls) {
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(engine.frame(10, 20, 30));
    engine.window().clearBackBuffer(0.1f, 0.1f, 0.1f);
    calls.reset();
    const long allocationsBefore = kzbench::allocationCount();
    EXPECT_EQ(TwDraw(), 1);
    SteadyFrame frame;
    frame.allocations = kzbench::allocationCount() - allocationsBefore;
    frame.calls = calls.calls();
    frame.swaps = calls.contextCallsOf(kztest::kDeviceContext1SwapDeviceContextState);
    frame.draws = calls.contextCallsOf(kztest::kDeviceContextDrawIndexed);
    frame.summary = calls.summary();
    EXPECT_EQ(TwGetFrameStats(&frame.stats), 1);
    return frame;
}

TEST(FrameCalls, ASteadyFrameSwapsTheRenderersStateAroundOneDrawInAtMostTenCalls) {
    kztest::EngineOnWindow engine(480, 300);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    addBars();
    kztest::FrameCallCounter calls(engine.window());

    const SteadyFrame swapped = countSteadyFrame(engine, calls);
    EXPECT_EQ(swapped.stats.swappedState, 1u);
    EXPECT_LE(swapped.calls, 10) << swapped.summary;
    EXPECT_EQ(swapped.swaps, 2) << swapped.summary;
    EXPECT_EQ(swapped.draws, 1) << swapped.summary;
    EXPECT_EQ(swapped.stats.drawCalls, 1u);
    EXPECT_EQ(swapped.stats.rebuilt, 0u);
    EXPECT_EQ(swapped.stats.bytesUploaded, 0u);
    EXPECT_EQ(swapped.allocations, 0);

    // The same bars on a device without ID3D11Device1.
    ASSERT_EQ(TwTerminate(), 1);
    {
        kztest::HiddenDevice1 hidden(engine.window().device());
        ASSERT_EQ(TwInit(TW_DIRECT3D11, engine.window().device()), 1) << TwGetLastError();
    }
    ASSERT_EQ(TwWindowSize(480, 300), 1);
    addBars();
    const SteadyFrame saved = countSteadyFrame(engine, calls);
    EXPECT_EQ(saved.stats.swappedState, 0u);
    EXPECT_EQ(saved.swaps, 0) << saved.summary;
    EXPECT_EQ(saved.draws, 1) << saved.summary;
    EXPECT_GT(saved.calls, 3 * swapped.calls) << "saving and restoring costs many calls";
    EXPECT_EQ(saved.stats.bytesUploaded, 0u);
    EXPECT_EQ(saved.allocations, 0);
}

TwFrameStats statsOfLastDraw() {
    TwFrameStats stats{};
    EXPECT_EQ(TwGetFrameStats(&stats), 1);
    return stats;
}

// A changed value is read, rebuilt, uploaded once and shows; with nothing shown there is no
// draw call and the back buffer keeps what the game put there.
TEST(FrameCalls, OnlyAChangeIsUploadedAndNothingShownDrawsNothing) {
    kztest::EngineOnWindow engine(480, 300);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    addBars();
    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats first = statsOfLastDraw();
    // Vertices of 2 floats of position, 2 of atlas coordinates and a packed colour; 32-bit indices.
    EXPECT_EQ(first.bytesUploaded, first.vertices * 20ull + first.indices * 4ull);
    const std::vector<std::uint8_t> firstPicture = engine.pixels();
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_TRUE(engine.pixels() == firstPicture) << "drawn again from what the GPU holds";

    counts[1][0] = 123456;
    ASSERT_EQ(TwRefreshBar(TwGetBarByName("Bar1")), 1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats changed = statsOfLastDraw();
    EXPECT_EQ(changed.rebuilt, 1u);
    EXPECT_GT(changed.bytesUploaded, 0u);
    EXPECT_FALSE(engine.pixels() == firstPicture);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(statsOfLastDraw().bytesUploaded, 0u);

    ASSERT_EQ(TwDefine(" Bar0 visible=false\r\nBar1 visible=false\r\nTW_HELP visible=false "), 1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(statsOfLastDraw().drawCalls, 0u);
    for (int y = 0; y < engine.height(); y += 7)
        for (int x = 0; x < engine.width(); x += 7) {
            const kztest::Rgba p = engine.pixel(x, y);
            ASSERT_TRUE(p.r == 10 && p.g == 20 && p.b == 30) << x << "," << y;
        }
}

// The renderer's own state must not keep the game's view alive: a game resizes its swap chain
// only when no view on the back buffer is left.
TEST(FrameCalls, AfterAFrameTheGameCanResizeItsSwapChain) {
    for (const bool hide : {false, true}) {
        kztest::EngineOnWindow engine(320, 240);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        if (hide) {
            ASSERT_EQ(TwTerminate(), 1);
            kztest::HiddenDevice1 hidden(engine.window().device());
            ASSERT_EQ(TwInit(TW_DIRECT3D11, engine.window().device()), 1);
            ASSERT_EQ(TwWindowSize(320, 240), 1);
        }
        TwNewBar("Bar");
        ASSERT_TRUE(engine.frame(0, 0, 0));
        EXPECT_EQ(statsOfLastDraw().swappedState, hide ? 0u : 1u);
        engine.window().releaseBackBufferView();
        EXPECT_EQ(engine.window().swapChain()->ResizeBuffers(0, 200, 150, DXGI_FORMAT_UNKNOWN, 0),
                  S_OK)
            << (hide ? "saved and restored" : "swapped");
        // And draws into the resized buffer, whose new view may sit where the old one was.
        ASSERT_EQ(TwWindowSize(200, 150), 1);
        ASSERT_EQ(TwDefine(" Bar position='10 10' size='150 120' color='255 0 0' alpha=255 "), 1);
        ASSERT_TRUE(engine.frame(0, 0, 0));
        EXPECT_EQ(engine.width(), 200);
        EXPECT_GT(engine.pixel(80, 100).r, 200);
        TwTerminate();
    }
}

}  // namespace
