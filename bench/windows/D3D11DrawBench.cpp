// The engine's CPU time per TwDraw on the reference scene with the Direct3D 11 renderer on a real
// device and window, in four states: steady, every value read each frame, values changing each
// frame, and the mouse moving over a bar (through TwEventWin, outside the timed call). Per state
// also the heap allocations per frame, and with the bundled engine the draw calls, vertices and
// bytes it reports uploading.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "D3DTestWindow.h"
#include "QpcTiming.h"
#include "ReferenceScene.h"
#ifdef KZ_FRAME_STATS
#include "TwFrameStats.h"
#endif

namespace {

using kzbench::ReferenceScene;

constexpr int kWarmUpFrames = 30;
constexpr int kTimedFrames = 500;

struct Totals {
    double drawCalls = 0, vertices = 0, bytesUploaded = 0, allocations = 0;
};

// Frames of a game with the bars over them; prepare(n) runs before the n-th TwDraw, untimed.
template <class Prepare>
void measure(const char* state, kztest::D3DTestWindow& window, Prepare&& prepare) {
    std::vector<double> nanoseconds;
    nanoseconds.reserve(kTimedFrames);
    Totals totals;
    for (long frame = -kWarmUpFrames; frame < kTimedFrames; ++frame) {
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        prepare(frame + kWarmUpFrames);
        const long allocationsBefore = kzbench::allocationCount();
        const LARGE_INTEGER start = kzbench::counterNow();
        const int drawn = TwDraw();
        const LARGE_INTEGER end = kzbench::counterNow();
        const long allocations = kzbench::allocationCount() - allocationsBefore;
        if (!drawn) throw std::runtime_error(std::string("TwDraw failed: ") + TwGetLastError());
        if (frame >= 0) {
            nanoseconds.push_back(kzbench::nanosecondsBetween(start, end));
            totals.allocations += double(allocations);
#ifdef KZ_FRAME_STATS
            TwFrameStats stats{};
            TwGetFrameStats(&stats);
            totals.drawCalls += stats.drawCalls;
            totals.vertices += stats.vertices;
            totals.bytesUploaded += double(stats.bytesUploaded);
#endif
        }
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }
    const std::string name = std::string("draw.d3d11.") + state;
    kzbench::printSpread(name.c_str(), nanoseconds);
    kzbench::printFigure((name + ".allocations").c_str(), totals.allocations / kTimedFrames);
#ifdef KZ_FRAME_STATS
    kzbench::printFigure((name + ".drawCalls").c_str(), totals.drawCalls / kTimedFrames);
    kzbench::printFigure((name + ".vertices").c_str(), totals.vertices / kTimedFrames);
    kzbench::printFigure((name + ".bytesUploaded").c_str(), totals.bytesUploaded / kTimedFrames);
#endif
}

int run() {
    kztest::D3DTestWindow window(kzbench::kSceneWidth, kzbench::kSceneHeight);
    if (!TwInit(TW_DIRECT3D11, window.device()))
        throw std::runtime_error(std::string("TwInit failed: ") + TwGetLastError());
    TwWindowSize(kzbench::kSceneWidth, kzbench::kSceneHeight);
    const long allocationsBefore = kzbench::allocationCount();
    ReferenceScene scene;
    // Building bars allocates; a counter that saw nothing would report zeros for anything.
    if (kzbench::allocationCount() == allocationsBefore)
        throw std::runtime_error("the allocation counter counts nothing");

    std::printf("# nanoseconds per TwDraw, median and 90th percentile; figures per frame\n");
    const auto nothing = [](long) {};
    measure("steady", window, nothing);
    measure("mousemoving", window, [&](long frame) {
        const kzbench::Point mouse = ReferenceScene::mouseOnFrame(frame);
        TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(mouse.y) << 16 | mouse.x);
    });
    ReferenceScene::readValuesEveryFrame();
    measure("polling", window, nothing);
    measure("refreshing", window, [&](long) { scene.changeValues(); });
    TwTerminate();
    return 0;
}

}  // namespace

int main() {
    try {
        return run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "D3D11DrawBench: %s\n", e.what());
        return 1;
    }
}
