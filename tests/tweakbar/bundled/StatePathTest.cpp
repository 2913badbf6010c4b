// The renderer times its two ways of keeping the game's state on the first frames it draws and
// keeps the cheaper: on a device where one way is made slow (one of its calls delayed through the
// context's method table), it ends with the other, drawing the same picture and leaving the
// game's state alone on every frame of the trial. GLOBAL statepath forces either way.
#include <gtest/gtest.h>

#include <d3d11_1.h>

#include <string>

#include "BoundState.h"
#include "EngineOnWindow.h"
#include "HiddenDevice1.h"
#include "TwFrameStats.h"
#include "VtableCallCounter.h"

namespace {

// Both ways take some tens of microseconds a frame under Wine; this outweighs their difference
// and the noise of a busy machine.
constexpr double kDelayMicroseconds = 400;

kztest::VtableCallCounter* gContextTable = nullptr;

void waitDelay() {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    do
        QueryPerformanceCounter(&now);
    while (double(now.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) <
           kDelayMicroseconds);
}

void STDMETHODCALLTYPE slowSwap(ID3D11DeviceContext1* self, ID3DDeviceContextState* state,
                                ID3DDeviceContextState** previous) {
    waitDelay();
    reinterpret_cast<decltype(&slowSwap)>(gContextTable->original(
        kztest::kDeviceContext1SwapDeviceContextState))(self, state, previous);
}

// A read that only saving and restoring makes.
void STDMETHODCALLTYPE slowInputLayoutRead(ID3D11DeviceContext* self, ID3D11InputLayout** layout) {
    waitDelay();
    reinterpret_cast<decltype(&slowInputLayoutRead)>(
        gContextTable->original(kztest::kDeviceContextIAGetInputLayout))(self, layout);
}

std::string statePath() {
    char text[256] = {};
    EXPECT_EQ(TwGetParam(nullptr, nullptr, "statepath", TW_PARAM_CSTRING, sizeof text, text), 1)
        << TwGetLastError();
    return text;
}

void addBar() {
    TwNewBar("Bar");
    ASSERT_EQ(TwDefine(" Bar position='20 20' size='200 160' "), 1);
}

struct SlowedWay {
    const char* slowed;
    int method;
    void* replacement;
    const char* chosen;
};

TEST(StatePath, TheWayNotSlowedIsChosenAndTheTrialDrawsAlikeWithoutTouchingTheGamesState) {
    for (const SlowedWay& way :
         {SlowedWay{"swap", kztest::kDeviceContext1SwapDeviceContextState,
                    reinterpret_cast<void*>(&slowSwap), "saved"},
          SlowedWay{"saved", kztest::kDeviceContextIAGetInputLayout,
                    reinterpret_cast<void*>(&slowInputLayoutRead), "swap"}}) {
        SCOPED_TRACE(std::string("slowed: ") + way.slowed);
        kztest::EngineOnWindow engine(320, 240);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        addBar();
        kztest::VtableCallCounter table(engine.window().context(), kztest::kDeviceContext1Methods);
        gContextTable = &table;
        table.replace(way.method, way.replacement);

        ASSERT_EQ(statePath(), "auto (timing both ways)");
        ASSERT_TRUE(engine.frame(0, 0, 0));
        const std::vector<std::uint8_t> picture = engine.pixels();
        unsigned swapped = 0;
        int frames = 1;
        for (; statePath().rfind("auto", 0) == 0 && frames < 100; ++frames) {
            const kztest::BoundState before = kztest::boundState(engine.window().context());
            ASSERT_TRUE(engine.frame(0, 0, 0));
            EXPECT_EQ(kztest::boundState(engine.window().context()), before) << "frame " << frames;
            EXPECT_TRUE(engine.pixels() == picture) << "frame " << frames;
            swapped += kztest::statsOfLastDraw().swappedState;
        }
        EXPECT_EQ(frames, 2 * (2 + 24)) << "two warm-up and 24 timed frames of each way";
        EXPECT_EQ(swapped, unsigned(frames / 2 - 1)) << "the ways take turns, swap first";
        const std::string chosen = statePath();
        EXPECT_EQ(chosen.rfind(std::string(way.chosen) + " (timed", 0), 0u) << chosen;
        EXPECT_NE(chosen.find("swap "), std::string::npos) << chosen;
        EXPECT_NE(chosen.find("saved "), std::string::npos) << chosen;

        // Decided once: the frames after it take the chosen way and draw the same picture. (What
        // a steady frame costs on either way is counted with the frame's calls.)
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(engine.frame(0, 0, 0));
            EXPECT_EQ(kztest::statsOfLastDraw().swappedState,
                      std::string(way.chosen) == "swap" ? 1u : 0u);
        }
        EXPECT_TRUE(engine.pixels() == picture);
        EXPECT_EQ(statePath(), chosen);
        TwTerminate();
        gContextTable = nullptr;
    }
}

TEST(StatePath, ADefineForcesEitherWayAndAutoTimesAgain) {
    kztest::EngineOnWindow engine(320, 240);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    addBar();
    // Which way a forced frame takes is counted with the frame's calls.
    for (const char* way : {"saved", "swap"}) {
        ASSERT_EQ(TwDefine((std::string(" GLOBAL statepath=") + way).c_str()), 1);
        EXPECT_EQ(statePath(), std::string(way) + " (forced)");
    }
    ASSERT_EQ(TwDefine(" GLOBAL statepath=auto "), 1);
    EXPECT_EQ(statePath(), "auto (timing both ways)");
    EXPECT_EQ(TwDefine(" GLOBAL statepath=fastest "), 0);

    // A device without ID3D11DeviceContext1 has one way, which cannot be forced away.
    ASSERT_EQ(TwTerminate(), 1);
    {
        kztest::HiddenDevice1 hidden(engine.window().device());
        ASSERT_EQ(TwInit(TW_DIRECT3D11, engine.window().device()), 1) << TwGetLastError();
    }
    EXPECT_EQ(statePath(), "saved (the only way on this device)");
    EXPECT_EQ(TwDefine(" GLOBAL statepath=swap "), 0);
    EXPECT_EQ(TwDefine(" GLOBAL statepath=saved "), 1);
}

}  // namespace
