// Every entry point may be called from several threads at once: the window thread sends input
// while the render thread draws and plug-ins add and remove controls and bars.
#include <atomic>
#include <string>
#include <thread>

#include "EngineFixture.h"

namespace {

using Threads = EngineTest;

struct Shared {
    std::atomic<int> reads{0};
    int value = 0;
};

void TW_CALL getShared(void* value, void* data) {
    auto* shared = static_cast<Shared*>(data);
    ++shared->reads;
    *static_cast<int*>(value) = shared->value;
    TwGetBarCount();  // a callback calls the API again while it holds the engine
}

void TW_CALL setShared(const void* value, void* data) {
    static_cast<Shared*>(data)->value = *static_cast<const int*>(value);
}

TEST_F(Threads, DrawingInputControlsAndBarsFromSeveralThreadsKeepTheEngineWhole) {
    ASSERT_EQ(TwWindowSize(800, 600), 1);
    TwBar* bar = TwNewBar("bar");
    ASSERT_EQ(TwDefine(" bar refresh=0 position='0 0' size='400 600' "), 1);
    Shared shared;
    ASSERT_EQ(TwAddVarCB(bar, "shared", TW_TYPE_INT32, setShared, getShared, &shared, nullptr), 1);

    constexpr int kRounds = 400;
    std::atomic<bool> failed{false};
    std::thread render([&] {
        for (int i = 0; i < kRounds; ++i) {
            if (TwDraw() != 1) failed = true;
            // Sweep the mouse over the rows, with presses and wheel notches.
            TwMouseMotion(20 + i % 300, 30 + (i * 7) % 500);
            TwMouseButton(i % 3 == 0 ? TW_MOUSE_PRESSED : TW_MOUSE_RELEASED, TW_MOUSE_LEFT);
            TwMouseWheel(i % 2);
        }
    });
    std::thread plugin([&] {
        int values[8] = {};
        for (int i = 0; i < kRounds; ++i) {
            const std::string name = "v" + std::to_string(i % 8);
            if (TwAddVarRW(bar, name.c_str(), TW_TYPE_INT32, &values[i % 8], " group=G ") != 1 &&
                TwRemoveVar(bar, name.c_str()) != 1) {
                failed = true;
            }
            const int alpha = i % 256;
            if (TwSetParam(bar, nullptr, "alpha", TW_PARAM_INT32, 1, &alpha) != 1) failed = true;
            TwDefine(" bar/G opened=false ");
            TwDefine(" bar/G opened=true ");
        }
    });
    auto makeBars = [](char prefix) {
        for (int i = 0; i < 100; ++i) {
            const std::string name = prefix + std::to_string(i);
            TwBar* made = TwNewBar(name.c_str());
            TwDefine((" " + name + " label='Bar " + name + "' ").c_str());
            if (i % 2) TwDeleteBar(made);
        }
    };
    std::thread a(makeBars, 'a');
    std::thread b(makeBars, 'b');
    for (std::thread* t : {&render, &plugin, &a, &b})
        t->join();
    EXPECT_FALSE(failed);
    EXPECT_GT(shared.reads.load(), 0);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), (kRounds - 1) % 256);
    EXPECT_EQ(TwGetBarCount(), 2 + 100);
    EXPECT_EQ(text(TwGetBarByName("a10"), nullptr, "label"), "Bar a10");
    EXPECT_EQ(TwGetBarByName("b11"), nullptr);
    EXPECT_EQ(TwDraw(), 1);
}

}  // namespace
