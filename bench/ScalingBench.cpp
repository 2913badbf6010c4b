// How the engine's CPU time per TwDraw grows with what is on screen, natively on the headless
// backend: 1, 4, 16 and 32 bars of 40 controls, in four states (steady, the mouse moving a row,
// one value changing in one bar, every value of every bar changing), with the draw calls, bytes
// uploaded, segments painted and heap allocations per frame.
#include <benchmark/benchmark.h>

#include <chrono>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "HeadlessDevice.h"
#include "ScalingScene.h"
#include "TwFrameStats.h"

namespace {

using kzbench::ScalingScene;

struct Engine {
    Engine() {
        TwInit(TW_DIRECT3D11, tw::headlessDevice());
        TwWindowSize(kzbench::kSceneWidth, kzbench::kSceneHeight);
    }
    ~Engine() { TwTerminate(); }
};

struct FrameTotals {
    double frames = 0, drawCalls = 0, bytesUploaded = 0, segmentsPainted = 0, allocations = 0;

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
        bytesUploaded += double(stats.bytesUploaded);
        segmentsPainted += stats.segmentsPainted;
        return std::chrono::duration<double>(end - start).count();
    }

    void report(benchmark::State& state) const {
        if (frames == 0) return;
        state.counters["drawCalls"] = drawCalls / frames;
        state.counters["bytesUploaded"] = bytesUploaded / frames;
        state.counters["segmentsPainted"] = segmentsPainted / frames;
        state.counters["allocations"] = allocations / frames;
    }
};

// Every state is timed frame by frame with the same clock, so that the states compare.
template <class Prepare>
void run(benchmark::State& state, Prepare&& prepare) {
    FrameTotals totals;
    long frame = 0;
    for (auto _ : state) {
        prepare(frame++);
        state.SetIterationTime(totals.draw());
    }
    totals.report(state);
}

void Steady(benchmark::State& state) {
    Engine engine;
    ScalingScene scene(int(state.range(0)));
    TwDraw();
    run(state, [](long) {});
}

void MouseMoving(benchmark::State& state) {
    Engine engine;
    ScalingScene scene(int(state.range(0)));
    TwDraw();
    run(state, [](long frame) {
        const kzbench::Point mouse = ScalingScene::mouseOnFrame(frame);
        TwMouseMotion(mouse.x, mouse.y);
    });
}

void OneValueChanging(benchmark::State& state) {
    Engine engine;
    ScalingScene scene(int(state.range(0)));
    ScalingScene::readFirstBarEveryFrame();
    TwDraw();
    run(state, [&](long) { scene.changeOneValue(); });
}

void AllValuesChanging(benchmark::State& state) {
    Engine engine;
    ScalingScene scene(int(state.range(0)));
    scene.readAllBarsEveryFrame();
    TwDraw();
    run(state, [&](long) { scene.changeAllValues(); });
}

void barCounts(benchmark::internal::Benchmark* b) {
    for (int bars : {1, 4, 16, 32})
        b->Arg(bars);
    b->UseManualTime();
}
BENCHMARK(Steady)->Apply(barCounts);
BENCHMARK(MouseMoving)->Apply(barCounts);
BENCHMARK(OneValueChanging)->Apply(barCounts);
BENCHMARK(AllValuesChanging)->Apply(barCounts);

}  // namespace

BENCHMARK_MAIN();
