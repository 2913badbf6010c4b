// How the CPU time per TwDraw grows with what is on screen, with the Direct3D 11 renderer on a
// real device and window under Wine: 1, 4, 16 and 32 bars of 40 controls, in four states
// (steady, the mouse moving a row through TwEventWin outside the timed call, one value changing
// in one bar, every value of every bar changing). Per state also the heap allocations per frame,
// and with the bundled engine the draw calls, bytes uploaded and segments painted.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "AntTweakBar.h"
#include "BenchMain.h"
#include "D3D11Frames.h"
#include "D3DTestWindow.h"
#include "ScalingScene.h"

namespace {

using kzbench::ScalingScene;

// Fewer frames than the reference scene's benchmark: under Wine each frame's Present rasterises
// up to a screenful of bars on the CPU, and 16 runs of frames must finish in minutes.
constexpr int kWarmUpFrames = 10;
constexpr int kTimedFrames = 100;

// Frames of a game with the bars over them; prepare(n) runs before the n-th TwDraw, untimed.
template <class Prepare>
void measure(const std::string& name, kztest::D3DTestWindow& window, Prepare&& prepare) {
    kzbench::timeFrames(window, kWarmUpFrames, kTimedFrames, prepare).print(name);
}

void measureScene(kztest::D3DTestWindow& window, int bars) {
    if (!TwInit(TW_DIRECT3D11, window.device()))
        throw std::runtime_error(std::string("TwInit failed: ") + TwGetLastError());
    TwWindowSize(kztest::kSceneWidth, kztest::kSceneHeight);
    ScalingScene scene(bars);
    const std::string prefix = "scaling." + std::to_string(bars) + ".";
    measure(prefix + "steady", window, [](long) {});
    measure(prefix + "mousemoving", window, [&](long frame) {
        const kztest::Point mouse = ScalingScene::mouseOnFrame(frame);
        TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(mouse.y) << 16 | mouse.x);
    });
    // Away from the bars again, so that no highlight stays.
    TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(kztest::kSceneHeight - 2) << 16 | 2);
    ScalingScene::readFirstBarEveryFrame();
    measure(prefix + "onevalue", window, [&](long) { scene.changeOneValue(); });
    scene.readAllBarsEveryFrame();
    measure(prefix + "allvalues", window, [&](long) { scene.changeAllValues(); });
    TwTerminate();
}

int run() {
    kztest::D3DTestWindow window(kztest::kSceneWidth, kztest::kSceneHeight);
    std::printf("# nanoseconds per TwDraw, median and 90th percentile; figures per frame\n");
    for (int bars : {1, 4, 16, 32})
        measureScene(window, bars);
    return 0;
}

}  // namespace

int main() {
    return kzbench::runReportingFailure("D3D11ScalingBench", run);
}
