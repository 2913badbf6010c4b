// How the CPU time per TwDraw grows with what is on screen, with the Direct3D 11 renderer on a
// real device and window under Wine: 1, 4, 16 and 32 bars of 40 controls, in four states
// (steady, the mouse moving a row through TwEventWin outside the timed call, one value changing
// in one bar, every value of every bar changing). Per state also the heap allocations per frame,
// and with the bundled engine the draw calls, bytes uploaded and segments painted.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "D3DTestWindow.h"
#include "QpcTiming.h"
#include "ScalingScene.h"
#ifdef KZ_FRAME_STATS
#include "TwFrameStats.h"
#endif

namespace {

using kzbench::ScalingScene;

// Fewer frames than the reference scene's benchmark: under Wine each frame's Present rasterises
// up to a screenful of bars on the CPU, and 16 runs of frames must finish in minutes.
constexpr int kWarmUpFrames = 10;
constexpr int kTimedFrames = 100;

// Frames of a game with the bars over them; prepare(n) runs before the n-th TwDraw, untimed.
template <class Prepare>
void measure(const std::string& name, kztest::D3DTestWindow& window, Prepare&& prepare) {
    std::vector<double> nanoseconds;
    nanoseconds.reserve(kTimedFrames);
    double allocations = 0, drawCalls = 0, bytesUploaded = 0, segmentsPainted = 0;
    for (long frame = -kWarmUpFrames; frame < kTimedFrames; ++frame) {
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        prepare(frame + kWarmUpFrames);
        const long allocationsBefore = kzbench::allocationCount();
        const LARGE_INTEGER start = kzbench::counterNow();
        const int drawn = TwDraw();
        const LARGE_INTEGER end = kzbench::counterNow();
        const long allocated = kzbench::allocationCount() - allocationsBefore;
        if (!drawn) throw std::runtime_error(std::string("TwDraw failed: ") + TwGetLastError());
        if (frame >= 0) {
            nanoseconds.push_back(kzbench::nanosecondsBetween(start, end));
            allocations += double(allocated);
#ifdef KZ_FRAME_STATS
            TwFrameStats stats{};
            TwGetFrameStats(&stats);
            drawCalls += stats.drawCalls;
            bytesUploaded += double(stats.bytesUploaded);
            segmentsPainted += stats.segmentsPainted;
#endif
        }
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }
    kzbench::printSpread(name.c_str(), nanoseconds);
    kzbench::printFigure((name + ".allocations").c_str(), allocations / kTimedFrames);
#ifdef KZ_FRAME_STATS
    kzbench::printFigure((name + ".drawCalls").c_str(), drawCalls / kTimedFrames);
    kzbench::printFigure((name + ".bytesUploaded").c_str(), bytesUploaded / kTimedFrames);
    kzbench::printFigure((name + ".segmentsPainted").c_str(), segmentsPainted / kTimedFrames);
#endif
}

void measureScene(kztest::D3DTestWindow& window, int bars) {
    if (!TwInit(TW_DIRECT3D11, window.device()))
        throw std::runtime_error(std::string("TwInit failed: ") + TwGetLastError());
    TwWindowSize(kzbench::kSceneWidth, kzbench::kSceneHeight);
    ScalingScene scene(bars);
    const std::string prefix = "scaling." + std::to_string(bars) + ".";
    measure(prefix + "steady", window, [](long) {});
    measure(prefix + "mousemoving", window, [&](long frame) {
        const kzbench::Point mouse = ScalingScene::mouseOnFrame(frame);
        TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(mouse.y) << 16 | mouse.x);
    });
    // Away from the bars again, so that no highlight stays.
    TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(kzbench::kSceneHeight - 2) << 16 | 2);
    ScalingScene::readFirstBarEveryFrame();
    measure(prefix + "onevalue", window, [&](long) { scene.changeOneValue(); });
    scene.readAllBarsEveryFrame();
    measure(prefix + "allvalues", window, [&](long) { scene.changeAllValues(); });
    TwTerminate();
}

int run() {
    kztest::D3DTestWindow window(kzbench::kSceneWidth, kzbench::kSceneHeight);
    std::printf("# nanoseconds per TwDraw, median and 90th percentile; figures per frame\n");
    for (int bars : {1, 4, 16, 32})
        measureScene(window, bars);
    return 0;
}

}  // namespace

int main() {
    try {
        return run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "D3D11ScalingBench: %s\n", e.what());
        return 1;
    }
}
