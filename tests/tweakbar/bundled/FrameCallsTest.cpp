// What a shown frame asks of Direct3D, counted call by call through the method tables of the
// immediate context, the game's view and its back buffer: a steady frame swaps the renderer's
// context state in and out around one draw, or saves and restores only the pieces of the game's
// state that it changes; either way it uploads nothing and allocates nothing. Only a change is
// uploaded again, and either way the renderer keeps no hold on the game's view.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "EngineOnWindow.h"
#include "FrameCallCounter.h"
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
    const long allocationsBefore = kztest::allocationCount();
    EXPECT_EQ(TwDraw(), 1);
    SteadyFrame frame;
    frame.allocations = kztest::allocationCount() - allocationsBefore;
    frame.calls = calls.calls();
    frame.swaps = calls.contextCallsOf(kztest::kDeviceContext1SwapDeviceContextState);
    frame.draws = calls.contextCallsOf(kztest::kDeviceContextDrawIndexed);
    frame.summary = calls.summary();
    EXPECT_EQ(TwGetFrameStats(&frame.stats), 1);
    return frame;
}

TEST(FrameCalls, ASteadyFrameTakesAtMostTenCallsSwappedAndOnlyWhatItChangesSaved) {
    kztest::EngineOnWindow engine(480, 300);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    addBars();
    kztest::FrameCallCounter calls(engine.window());

    ASSERT_EQ(TwDefine(" GLOBAL statepath=swap "), 1);
    const SteadyFrame swapped = countSteadyFrame(engine, calls);
    EXPECT_EQ(swapped.stats.swappedState, 1u);
    EXPECT_LE(swapped.calls, 10) << swapped.summary;
    EXPECT_EQ(swapped.swaps, 2) << swapped.summary;

    // The game has bound its target and nothing else. Saved: the target and its size (2 calls),
    // one read of each of the 14 pieces the draw uses (no depth-stencil state, as no depth buffer
    // is bound), a set and a restore of the 11 that differ from the game's (the three stages
    // between the shaders are empty already), and the draw.
    ASSERT_EQ(TwDefine(" GLOBAL statepath=saved "), 1);
    const SteadyFrame saved = countSteadyFrame(engine, calls);
    EXPECT_EQ(saved.stats.swappedState, 0u);
    EXPECT_EQ(saved.swaps, 0) << saved.summary;
    EXPECT_LE(saved.calls, 2 + 14 + 2 * 11 + 1) << saved.summary;

    for (const SteadyFrame* frame : {&swapped, &saved}) {
        EXPECT_EQ(frame->draws, 1) << frame->summary;
        EXPECT_EQ(frame->stats.drawCalls, 1u);
        EXPECT_EQ(frame->stats.rebuilt, 0u);
        EXPECT_EQ(frame->stats.bytesUploaded, 0u);
        EXPECT_EQ(frame->allocations, 0);
    }
}

// A changed value is read, rebuilt, uploaded once and shows; with nothing shown there is no
// draw call and the back buffer keeps what the game put there.
TEST(FrameCalls, OnlyAChangeIsUploadedAndNothingShownDrawsNothing) {
    kztest::EngineOnWindow engine(480, 300);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    addBars();
    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats first = kztest::statsOfLastDraw();
    // Vertices of 2 floats of position, 2 of atlas coordinates and a packed colour; 32-bit indices.
    EXPECT_EQ(first.bytesUploaded, first.vertices * 20ull + first.indices * 4ull);
    const std::vector<std::uint8_t> firstPicture = engine.pixels();
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_TRUE(engine.pixels() == firstPicture) << "drawn again from what the GPU holds";

    counts[1][0] = 123456;
    ASSERT_EQ(TwRefreshBar(TwGetBarByName("Bar1")), 1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    const TwFrameStats changed = kztest::statsOfLastDraw();
    EXPECT_EQ(changed.rebuilt, 1u);
    EXPECT_GT(changed.bytesUploaded, 0u);
    EXPECT_FALSE(engine.pixels() == firstPicture);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(kztest::statsOfLastDraw().bytesUploaded, 0u);

    ASSERT_EQ(TwDefine(" Bar0 visible=false\r\nBar1 visible=false\r\nTW_HELP visible=false "), 1);
    ASSERT_TRUE(engine.frame(10, 20, 30));
    EXPECT_EQ(kztest::statsOfLastDraw().drawCalls, 0u);
    for (int y = 0; y < engine.height(); y += 7)
        for (int x = 0; x < engine.width(); x += 7) {
            const kztest::Rgba p = engine.pixel(x, y);
            ASSERT_TRUE(p.r == 10 && p.g == 20 && p.b == 30) << x << "," << y;
        }
}

// The renderer's own state must not keep the game's view alive: a game resizes its swap chain
// only when no view on the back buffer is left.
TEST(FrameCalls, AfterAFrameTheGameCanResizeItsSwapChain) {
    for (const char* way : {"swap", "saved"}) {
        SCOPED_TRACE(way);
        kztest::EngineOnWindow engine(320, 240);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        ASSERT_EQ(TwDefine((std::string(" GLOBAL statepath=") + way).c_str()), 1);
        TwNewBar("Bar");
        ASSERT_TRUE(engine.frame(0, 0, 0));
        engine.window().releaseBackBufferView();
        EXPECT_EQ(engine.window().swapChain()->ResizeBuffers(0, 200, 150, DXGI_FORMAT_UNKNOWN, 0),
                  S_OK);
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
