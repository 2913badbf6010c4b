// The engine's CPU time per TwDraw on the reference scene, natively on the headless backend, so
// the figures are the engine's own work without a graphics API: a steady frame, a frame that
// reads every value, a frame whose values changed, and a frame after the mouse moved one row.
// Each benchmark also reports, per frame, the draw calls, vertices, bytes uploaded and heap
// allocations.
#include <benchmark/benchmark.h>

#include <chrono>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "HeadlessDevice.h"
#include "ReferenceScene.h"
#include "TwFrameStats.h"

namespace {

using kzbench::ReferenceScene;

// The engine, from TwInit to TwTerminate, with the scene built in it and drawn once.
struct Engine {
    Engine() {
        TwInit(TW_DIRECT3D11, tw::headlessDevice());
        TwWindowSize(kzbench::kSceneWidth, kzbench::kSceneHeight);
    }
    ~Engine() { TwTerminate(); }
};

// Sums over counted frames, reported as averages per frame.
struct FrameTotals {
    double frames = 0, drawCalls = 0, vertices = 0, bytesUploaded = 0, rebuilt = 0, allocations = 0;

    // One TwDraw, counted; returns its duration in seconds.
    double draw() {
        using Clock = std::chrono::steady_clock;
        const long allocationsBefore = kzbench::allocationCount();
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(TwDraw());
        const Clock::time_point end = Clock::now();
        allocations += double(kzbench::allocationCount() - allocationsBefore);
        ++frames;
        TwFrameStats stats{};
        TwGetFrameStats(&stats);
        drawCalls += stats.drawCalls;
        vertices += stats.vertices;
        bytesUploaded += double(stats.bytesUploaded);
        rebuilt += stats.rebuilt;
        return std::chrono::duration<double>(end - start).count();
    }

    void report(benchmark::State& state) const {
        if (frames == 0) return;
        state.counters["drawCalls"] = drawCalls / frames;
        state.counters["vertices"] = vertices / frames;
        state.counters["bytesUploaded"] = bytesUploaded / frames;
        state.counters["rebuilt"] = rebuilt / frames;
        state.counters["allocations"] = allocations / frames;
    }
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
        const kzbench::Point mouse = ReferenceScene::mouseOnFrame(frame++);
        TwMouseMotion(mouse.x, mouse.y);
        state.SetIterationTime(totals.draw());
    }
    totals.report(state);
}
BENCHMARK(MouseMovingFrame)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
