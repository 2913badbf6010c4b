// The engine's CPU time per TwDraw on the reference scene with the Direct3D 11 renderer on a real
// device and window, in four states: steady, every value read each frame, values changing each
// frame, and the mouse moving over a bar (through TwEventWin, outside the timed call). Each state
// is measured on both of the renderer's ways of keeping the game's state, forced by GLOBAL
// statepath: its own context state swapped in and out, and the game's saved and restored. Per
// state also the heap allocations and the Direct3D calls per frame (counted through the method
// tables of the context, the view and the back buffer, in frames after the timed ones), and with
// the bundled engine the draw calls, vertices and bytes it reports uploading. Then the way the
// renderer chooses by itself, and what Direct3D alone charges (D3D11RuntimeCosts.h).
#include <windows.h>
#include <d3d11_1.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "BenchMain.h"
#include "D3D11Frames.h"
#include "D3D11RuntimeCosts.h"
#include "D3DTestWindow.h"
#include "FrameCallCounter.h"
#include "QpcTiming.h"
#include "ReferenceScene.h"
#include "RendererPipeline.h"
#ifdef KZ_FRAME_STATS
#include "TwFrameStats.h"
#endif

namespace {

using kztest::ReferenceScene;

constexpr int kWarmUpFrames = 30;
constexpr int kTimedFrames = 500;
constexpr int kCountedFrames = 50;

// Frames of a game with the bars over them; prepare(n) runs before the n-th TwDraw, untimed.
template <class Prepare>
void measure(const std::string& path, const char* state, kztest::D3DTestWindow& window,
             Prepare&& prepare) {
    const std::string name = "draw.d3d11." + path + "." + state;
    kzbench::timeFrames(window, kWarmUpFrames, kTimedFrames, prepare).print(name);
    double calls = 0;
    {
        kztest::FrameCallCounter counter(window);
        for (long frame = kTimedFrames; frame < kTimedFrames + kCountedFrames; ++frame) {
            kzbench::gameFrame(
                window, [&] { prepare(frame + kWarmUpFrames); },
                [&] {
                    counter.reset();
                    TwDraw();
                    calls += double(counter.calls());
                });
        }
    }
    kzbench::printFigure((name + ".d3dCalls").c_str(), calls / kCountedFrames);
}

void startEngine(kztest::D3DTestWindow& window) {
    if (!TwInit(TW_DIRECT3D11, window.device()))
        throw std::runtime_error(std::string("TwInit failed: ") + TwGetLastError());
    TwWindowSize(kztest::kSceneWidth, kztest::kSceneHeight);
}

// The four states on one engine forced onto one way; path names the way and the figures.
void measureStates(const std::string& path, kztest::D3DTestWindow& window) {
    startEngine(window);
    if (!TwDefine((" GLOBAL statepath=" + path).c_str()))
        throw std::runtime_error("the renderer cannot take the " + path + " way");
    const long allocationsBefore = kztest::allocationCount();
    ReferenceScene scene;
    // Building bars allocates; a counter that saw nothing would report zeros for anything.
    if (kztest::allocationCount() == allocationsBefore)
        throw std::runtime_error("the allocation counter counts nothing");
#ifdef KZ_FRAME_STATS
    window.clearBackBuffer(0.1f, 0.1f, 0.2f);
    TwDraw();
    TwFrameStats stats{};
    TwGetFrameStats(&stats);
    if (stats.swappedState != (path == "swap" ? 1u : 0u))
        throw std::runtime_error("the renderer did not take the " + path + " way");
#endif

    const auto nothing = [](long) {};
    measure(path, "steady", window, nothing);
    measure(path, "mousemoving", window, [&](long frame) {
        const kztest::Point mouse = ReferenceScene::mouseOnFrame(frame);
        TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(mouse.y) << 16 | mouse.x);
    });
    ReferenceScene::readValuesEveryFrame();
    measure(path, "polling", window, nothing);
    measure(path, "refreshing", window, [&](long) { scene.changeValues(); });
    TwTerminate();
}

// The way the renderer takes by itself on this device, and the figures it rests on.
void measureChoice(kztest::D3DTestWindow& window) {
    startEngine(window);
    ReferenceScene scene;
    char text[256] = {};
    int frames = 0;
    for (; frames < 200; ++frames) {
        TwGetParam(nullptr, nullptr, "statepath", TW_PARAM_CSTRING, sizeof text, text);
        if (std::string(text).rfind("auto", 0) != 0) break;
        kzbench::gameFrame(
            window, [] {}, [] { TwDraw(); });
    }
    std::printf("draw.d3d11.choice=%s\n", text);
    kzbench::printFigure("draw.d3d11.choice.frames", frames);
    TwTerminate();
}

void measureRuntime(kztest::D3DTestWindow& window) {
    startEngine(window);
    ReferenceScene scene;
    kzbench::RendererPipeline renderer(window);
    kzbench::measureRuntimeCosts(window, renderer);
    kzbench::measureCallCosts(window, renderer);
    TwTerminate();
}

int run() {
    kztest::D3DTestWindow window(kztest::kSceneWidth, kztest::kSceneHeight);
    std::printf("# nanoseconds per TwDraw, median and 90th percentile; figures per frame\n");
    for (const std::string path : {"swap", "saved"})
        measureStates(path, window);
    measureChoice(window);
    measureRuntime(window);
    return 0;
}

}  // namespace

int main() {
    return kzbench::runReportingFailure("D3D11DrawBench", run);
}
