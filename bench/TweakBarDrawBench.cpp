// The engine's CPU time per TwDraw on the reference scene, natively on the headless backend, so
// the figures are the engine's own work without a graphics API: a steady frame, a frame that
// reads every value, a frame whose values changed, and a frame after the mouse moved one row.
// Each benchmark also reports, per frame, the draw calls, vertices, bytes uploaded and heap
// allocations.
#include <benchmark/benchmark.h>

#include "NativeFrames.h"
#include "ReferenceScene.h"

namespace {

using kztest::ReferenceScene;

using kzbench::FrameTotals;

// The engine with a drawing area the size of the scene.
struct Engine : kzbench::Engine {
    Engine() : kzbench::Engine(kztest::kSceneWidth, kztest::kSceneHeight) {}
};

// Frames with nothing to prepare are timed by the library, without a clock read of our own
// around each one; their figures come from as many frames drawn after the timing.
void countAfterTiming(benchmark::State& state, long frames) {
    FrameTotals totals;
    for (long i = 0; i < frames; ++i)
        totals.draw();
    totals.report(state);
}
constexpr long kCountedFrames = 1000;

// Nothing changed: values are read when due (five times a second), the list is reused.
void SteadyFrame(benchmark::State& state) {
    Engine engine;
    ReferenceScene scene;
    TwDraw();
    for (auto _ : state)
        benchmark::DoNotOptimize(TwDraw());
    countAfterTiming(state, kCountedFrames);
}
BENCHMARK(SteadyFrame);

// Every value read on every frame, none changed: the cost of polling the variables.
void PollingFrame(benchmark::State& state) {
    Engine engine;
    ReferenceScene scene;
    ReferenceScene::readValuesEveryFrame();
    TwDraw();
    for (auto _ : state)
        benchmark::DoNotOptimize(TwDraw());
    countAfterTiming(state, kCountedFrames);
}
BENCHMARK(PollingFrame);

// Every value read on every frame, and the 27 numbers of the plug-in bars changed since the last
// one: texts formatted, layout and display list rebuilt, the list uploaded.
void RefreshingFrame(benchmark::State& state) {
    Engine engine;
    ReferenceScene scene;
    ReferenceScene::readValuesEveryFrame();
    TwDraw();
    FrameTotals totals;
    for (auto _ : state) {
        scene.changeValues();
        state.SetIterationTime(totals.draw());
    }
    totals.report(state);
}
BENCHMARK(RefreshingFrame)->UseManualTime();

// The mouse moved to the next row of a bar since the last frame: the hover highlight moves, so
// the list is rebuilt. The move itself (a hit test) is not part of the time.
void MouseMovingFrame(benchmark::State& state) {
    Engine engine;
    ReferenceScene scene;
    TwDraw();
    FrameTotals totals;
    long frame = 0;
    for (auto _ : state) {
        const kztest::Point mouse = ReferenceScene::mouseOnFrame(frame++);
        TwMouseMotion(mouse.x, mouse.y);
        state.SetIterationTime(totals.draw());
    }
    totals.report(state);
}
BENCHMARK(MouseMovingFrame)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
