// CPU cost of the engine per frame on the reference scene (the settings bar plus three bars of
// 20 mixed controls at font size 3), on the headless backend, so the figures are the engine's
// own: a steady frame, a frame whose display list must be rebuilt, and input events.
#include <benchmark/benchmark.h>

#include <string>

#include "AntTweakBar.h"
#include "InputEvents.h"
#include "TwFrameStats.h"

namespace {

struct Scene {
    unsigned char opacity = 64;
    int ints[15] = {};
    float floats[15] = {};
    bool flags[15] = {};
    unsigned int colors[15] = {};
};

void TW_CALL getOpacity(void* value, void* scene) {
    *static_cast<unsigned char*>(value) = static_cast<Scene*>(scene)->opacity;
}
void TW_CALL setOpacity(const void* value, void* scene) {
    static_cast<Scene*>(scene)->opacity = *static_cast<const unsigned char*>(value);
}
void TW_CALL noop(void*) {}

void buildReferenceScene(Scene& scene) {
    TwInit(TW_DIRECT3D11, nullptr);
    TwWindowSize(1920, 1080);
    TwBar* settings = TwNewBar("settings");
    TwDefine(" settings label='GUI Settings' ");
    TwDefine(" settings refresh=0.2 ");
    TwDefine(" GLOBAL fontsize=3 ");
    TwDefine(" GLOBAL contained=true ");
    TwAddVarCB(settings, "settings.opacity", TW_TYPE_UINT8, setOpacity, getOpacity, &scene,
               " label='Opacity' ");
    TwAddButton(settings, "settings.autosize", noop, nullptr, " label='Auto align windows' ");
    TwAddSeparator(settings, "", "");
    TwAddButton(settings, "settings.load", noop, nullptr, " label='Load Settings' ");
    TwAddButton(settings, "settings.save", noop, nullptr, " label='Save Settings' ");
    for (int b = 0; b < 3; ++b) {
        const std::string name = "bar" + std::to_string(b);
        TwBar* bar = TwNewBar(name.c_str());
        TwDefine(
            (" " + name + " size='300 700' position='" + std::to_string(300 + 320 * b) + " 20' ")
                .c_str());
        for (int i = 0; i < 5; ++i) {
            const std::string n = std::to_string(i), group = " group=G" + std::to_string(i % 2);
            TwAddVarRW(bar, ("i" + n).c_str(), TW_TYPE_INT32, &scene.ints[b * 5 + i],
                       group.c_str());
            TwAddVarRW(bar, ("f" + n).c_str(), TW_TYPE_FLOAT, &scene.floats[b * 5 + i], nullptr);
            TwAddVarRW(bar, ("b" + n).c_str(), TW_TYPE_BOOLCPP, &scene.flags[b * 5 + i], nullptr);
            TwAddVarRW(bar, ("c" + n).c_str(), TW_TYPE_COLOR32, &scene.colors[b * 5 + i], nullptr);
        }
    }
    TwDraw();
}

void reportList(benchmark::State& state) {
    TwFrameStats stats{};
    TwGetFrameStats(&stats);
    state.counters["vertices"] = stats.vertices;
    state.counters["drawCalls"] = stats.drawCalls;
}

// Nothing changed: values are read when due (every 0.2 s and 2 s), the list is reused.
void SteadyFrame(benchmark::State& state) {
    Scene scene;
    buildReferenceScene(scene);
    for (auto _ : state)
        benchmark::DoNotOptimize(TwDraw());
    reportList(state);
    TwTerminate();
}
BENCHMARK(SteadyFrame);

// Values read every frame (refresh=0) but unchanged: the cost of polling the variables.
void PollingFrame(benchmark::State& state) {
    Scene scene;
    buildReferenceScene(scene);
    TwDefine(" settings refresh=0 bar0 refresh=0 bar1 refresh=0 bar2 refresh=0 ");
    for (auto _ : state)
        benchmark::DoNotOptimize(TwDraw());
    reportList(state);
    TwTerminate();
}
BENCHMARK(PollingFrame);

// A parameter changes every frame: layout and display list are built again.
void RebuildFrame(benchmark::State& state) {
    Scene scene;
    buildReferenceScene(scene);
    TwBar* bar = TwGetBarByName("bar1");
    int alpha = 0;
    for (auto _ : state) {
        alpha = (alpha + 1) & 255;
        TwSetParam(bar, nullptr, "alpha", TW_PARAM_INT32, 1, &alpha);
        benchmark::DoNotOptimize(TwDraw());
    }
    reportList(state);
    TwTerminate();
}
BENCHMARK(RebuildFrame);

// The mouse sweeping over rows: a hit test per event, and a new list when the hover changes.
void MouseMoveAndFrame(benchmark::State& state) {
    Scene scene;
    buildReferenceScene(scene);
    int y = 0;
    for (auto _ : state) {
        y = (y + 1) % 600;
        benchmark::DoNotOptimize(tw::inputMouseMove(400, 40 + y));
        benchmark::DoNotOptimize(TwDraw());
    }
    TwTerminate();
}
BENCHMARK(MouseMoveAndFrame);

}  // namespace

BENCHMARK_MAIN();
