// How the engine's CPU time per TwDraw grows with what is on screen, natively on the headless
// backend: 1, 4, 16 and 32 bars of 40 controls, in four states (steady, the mouse moving a row,
// one value changing in one bar, every value of every bar changing), with the draw calls, bytes
// uploaded, segments painted and heap allocations per frame.
#include <benchmark/benchmark.h>

#include "NativeFrames.h"
#include "ScalingScene.h"

namespace {

using kzbench::ScalingScene;

using kzbench::FrameTotals;

// The engine with a drawing area the size of the scene.
struct Engine : kzbench::Engine {
    Engine() : kzbench::Engine(kztest::kSceneWidth, kztest::kSceneHeight) {}
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
        const kztest::Point mouse = ScalingScene::mouseOnFrame(frame);
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
