// The engine's CPU time per TwDraw on the reference scene with the Direct3D 11 renderer on a real
// device and window, in four states: steady, every value read each frame, values changing each
// frame, and the mouse moving over a bar (through TwEventWin, outside the timed call). Each state
// is measured on the device as it is (ID3D11DeviceContext1: the renderer swaps a context state
// of its own) and with ID3D11Device1 hidden (the game's state saved and restored). Per state also
// the heap allocations and the Direct3D calls per frame (counted through the method tables of
// the context, the view and the back buffer, in frames after the timed ones), and with the
// bundled engine the draw calls, vertices and bytes it reports uploading.
#include <windows.h>
#include <d3d11_1.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "BenchMain.h"
#include "D3D11Frames.h"
#include "D3DTestWindow.h"
#include "FrameCallCounter.h"
#include "HiddenDevice1.h"
#include "QpcTiming.h"
#include "ReferenceScene.h"
#ifdef KZ_FRAME_STATS
#include "TwFrameStats.h"
#endif

namespace {

using kzbench::ReferenceScene;

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

// The four states on one engine; path names the figures.
void measureStates(const std::string& path, kztest::D3DTestWindow& window) {
    TwWindowSize(kzbench::kSceneWidth, kzbench::kSceneHeight);
    const long allocationsBefore = kzbench::allocationCount();
    ReferenceScene scene;
    // Building bars allocates; a counter that saw nothing would report zeros for anything.
    if (kzbench::allocationCount() == allocationsBefore)
        throw std::runtime_error("the allocation counter counts nothing");
#ifdef KZ_FRAME_STATS
    window.clearBackBuffer(0.1f, 0.1f, 0.2f);
    TwDraw();
    TwFrameStats stats{};
    TwGetFrameStats(&stats);
    if (stats.swappedState != (path == "swap" ? 1u : 0u))
        throw std::runtime_error("the renderer did not take the " + path + " path");
#endif

    const auto nothing = [](long) {};
    measure(path, "steady", window, nothing);
    measure(path, "mousemoving", window, [&](long frame) {
        const kzbench::Point mouse = ReferenceScene::mouseOnFrame(frame);
        TwEventWin(window.window(), WM_MOUSEMOVE, 0, LPARAM(mouse.y) << 16 | mouse.x);
    });
    ReferenceScene::readValuesEveryFrame();
    measure(path, "polling", window, nothing);
    measure(path, "refreshing", window, [&](long) { scene.changeValues(); });
}

// What the runtime itself charges for the two paths, without the engine: swapping a device
// context state in and back out, and one plain state call (the saved path makes some fifty).
// Once per frame, between a clear and a Present, as the renderer meets them.
void measureRuntime(kztest::D3DTestWindow& window) {
    ID3D11Device1* device = nullptr;
    ID3D11DeviceContext1* context = nullptr;
    ID3DDeviceContextState* state = nullptr;
    const D3D_FEATURE_LEVEL level = window.device()->GetFeatureLevel();
    if (FAILED(window.device()->QueryInterface(__uuidof(ID3D11Device1),
                                               reinterpret_cast<void**>(&device))) ||
        FAILED(window.context()->QueryInterface(__uuidof(ID3D11DeviceContext1),
                                                reinterpret_cast<void**>(&context))) ||
        FAILED(device->CreateDeviceContextState(0, &level, 1, D3D11_SDK_VERSION,
                                                __uuidof(ID3D11Device), nullptr, &state)))
        throw std::runtime_error("no device context state to measure");
    std::vector<double> swaps, calls;
    for (int frame = -kWarmUpFrames; frame < kTimedFrames; ++frame) {
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        ID3DDeviceContextState* game = nullptr;
        const LARGE_INTEGER start = kzbench::counterNow();
        context->SwapDeviceContextState(state, &game);
        context->SwapDeviceContextState(game, nullptr);
        const LARGE_INTEGER swapped = kzbench::counterNow();
        context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
        const LARGE_INTEGER called = kzbench::counterNow();
        game->Release();
        if (frame >= 0) {
            swaps.push_back(kzbench::nanosecondsBetween(start, swapped));
            calls.push_back(kzbench::nanosecondsBetween(swapped, called));
        }
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }
    kzbench::printSpread("runtime.swapInAndOut", swaps);
    kzbench::printSpread("runtime.stateCall", calls);
    state->Release();
    context->Release();
    device->Release();
}

int run() {
    kztest::D3DTestWindow window(kzbench::kSceneWidth, kzbench::kSceneHeight);
    std::printf("# nanoseconds per TwDraw, median and 90th percentile; figures per frame\n");
    // swap: the device as it is; saved: the same device without ID3D11Device1.
    for (const std::string path : {"swap", "saved"}) {
        bool started = false;
        if (path == "saved") {
            kztest::HiddenDevice1 hidden(window.device());
            started = TwInit(TW_DIRECT3D11, window.device()) == 1;
        } else {
            started = TwInit(TW_DIRECT3D11, window.device()) == 1;
        }
        if (!started) throw std::runtime_error(std::string("TwInit failed: ") + TwGetLastError());
        measureStates(path, window);
        TwTerminate();
    }
    measureRuntime(window);
    return 0;
}

}  // namespace

int main() {
    return kzbench::runReportingFailure("D3D11DrawBench", run);
}
