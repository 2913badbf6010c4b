#include "D3D11RuntimeCosts.h"

#include <d3d11_1.h>

#include <stdexcept>
#include <vector>

#include "AntTweakBar.h"
#include "D3D11Frames.h"
#include "QpcTiming.h"

namespace kzbench {

namespace {

constexpr int kWarmUpFrames = 30;
constexpr int kTimedFrames = 500;

// Frames of a game in which only timed() is timed; untimed() runs before it, after the clear.
template <class Untimed, class Timed>
std::vector<double> timeRuntime(kztest::D3DTestWindow& window, Untimed&& untimed, Timed&& timed) {
    std::vector<double> times;
    times.reserve(kTimedFrames);
    for (int frame = -kWarmUpFrames; frame < kTimedFrames; ++frame) {
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        untimed();
        const LARGE_INTEGER start = counterNow();
        timed();
        const LARGE_INTEGER end = counterNow();
        if (frame >= 0) times.push_back(nanosecondsBetween(start, end));
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }
    return times;
}

ID3D11RenderTargetView* boundView(ID3D11DeviceContext* context) {
    ID3D11RenderTargetView* view = nullptr;
    context->OMGetRenderTargets(1, &view, nullptr);
    if (view) view->Release();  // the window holds it
    return view;
}

}  // namespace

void measureRuntimeCosts(kztest::D3DTestWindow& window, const RendererPipeline& renderer) {
    ID3D11DeviceContext* context = window.context();
    ID3D11DeviceContext1* context1 = nullptr;
    ID3D11Device* device = window.device();
    if (FAILED(context->QueryInterface(__uuidof(ID3D11DeviceContext1),
                                       reinterpret_cast<void**>(&context1))))
        throw std::runtime_error("no ID3D11DeviceContext1");
    window.bindBackBuffer();
    ID3D11RenderTargetView* view = boundView(context);
    const UINT indexCount = renderer.indexCount();

    // The floor: the renderer's pipeline stays bound in its own state, swapped in once for all
    // these frames; each frame binds the target, draws and unbinds.
    ID3DDeviceContextState* game = nullptr;
    context1->SwapDeviceContextState(renderer.state(), &game);
    printSpread("runtime.floor",
                timeRuntime(
                    window, [&] { context->OMSetRenderTargets(0, nullptr, nullptr); },
                    [&] {
                        context->OMSetRenderTargets(1, &view, nullptr);
                        context->DrawIndexed(indexCount, 0, 0);
                        context->OMSetRenderTargets(0, nullptr, nullptr);
                    }));
    context1->SwapDeviceContextState(game, nullptr);
    game->Release();

    printSpread("runtime.swapInAndOut", timeRuntime(
                                            window, [] {},
                                            [&] {
                                                ID3DDeviceContextState* previous = nullptr;
                                                context1->SwapDeviceContextState(renderer.state(),
                                                                                 &previous);
                                                context1->SwapDeviceContextState(previous, nullptr);
                                                previous->Release();
                                            }));

    // A command list holds the view it draws into, so one recorded once would keep the game
    // from resizing its buffers; recorded every frame it holds nothing between frames.
    ID3D11DeviceContext* deferred = nullptr;
    if (FAILED(device->CreateDeferredContext(0, &deferred)))
        throw std::runtime_error("no deferred context");
    auto record = [&] {
        ID3D11CommandList* list = nullptr;
        tw::bindPipeline(deferred, renderer.pipeline());
        deferred->OMSetRenderTargets(1, &view, nullptr);
        deferred->DrawIndexed(indexCount, 0, 0);
        deferred->FinishCommandList(FALSE, &list);
        return list;
    };
    ID3D11CommandList* once = record();
    printSpread("runtime.commandListOnce",
                timeRuntime(
                    window, [] {}, [&] { context->ExecuteCommandList(once, TRUE); }));
    once->Release();
    printSpread("runtime.commandListEachFrame", timeRuntime(
                                                    window, [] {},
                                                    [&] {
                                                        ID3D11CommandList* list = record();
                                                        context->ExecuteCommandList(list, TRUE);
                                                        list->Release();
                                                    }));
    deferred->Release();
    context1->Release();

    // The engine's own work: with no target bound it reads, lays out and updates its list as
    // ever, asks for the bound view once and draws nothing.
    printSpread("runtime.engineAlone", timeFrames(window, kWarmUpFrames, kTimedFrames, [&](long) {
                                           context->OMSetRenderTargets(0, nullptr, nullptr);
                                       }).nanoseconds);
}

}  // namespace kzbench
