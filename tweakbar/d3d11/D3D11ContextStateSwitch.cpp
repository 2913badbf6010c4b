// The renderer's pipeline lives in a device context state of its own. A frame swaps it in, binds
// the game's view and draws, and swaps the game's state back: the game's pipeline is never read
// or rebound piece by piece, and pieces the renderer never touches stay out of reach.
#include <d3d11_1.h>

#include "ComRelease.h"
#include "D3D11StateSwitch.h"

namespace tw {

namespace {

class ContextStateSwitch final : public D3D11StateSwitch {
  public:
    // Takes over the references.
    ContextStateSwitch(ID3D11DeviceContext1* context, ID3DDeviceContextState* state)
        : context_(context), state_(state) {}
    ~ContextStateSwitch() override {
        releaseCom(state_);
        releaseCom(context_);
    }
    ContextStateSwitch(const ContextStateSwitch&) = delete;
    ContextStateSwitch& operator=(const ContextStateSwitch&) = delete;

    void draw(const D3D11Pipeline& pipeline, const D3D11BoundTarget& target,
              UINT indexCount) override {
        ID3DDeviceContextState* game = nullptr;
        context_->SwapDeviceContextState(state_, &game);
        // What is bound in the renderer's state stays bound there from frame to frame.
        if (!bindsAnything_ || pipeline != bound_) {
            bindPipeline(context_, pipeline);
            bound_ = pipeline;
            bindsAnything_ = true;
        }
        // Without the game's depth buffer: the renderer's state tests no depth.
        context_->OMSetRenderTargets(1, &target.view, nullptr);
        context_->DrawIndexed(indexCount, 0, 0);
        // The renderer's state must not hold the game's view: it would keep the back buffer
        // referenced and make the game's next ResizeBuffers fail.
        context_->OMSetRenderTargets(0, nullptr, nullptr);
        context_->SwapDeviceContextState(game, nullptr);
        releaseCom(game);
    }

  private:
    ID3D11DeviceContext1* context_;
    ID3DDeviceContextState* state_;
    D3D11Pipeline bound_;
    bool bindsAnything_ = false;
};

// A trial swap with a sentinel: the topology set while the renderer's state is in must be gone
// when the game's state is back, and be there again with the renderer's. A runtime that accepts
// the calls but keeps one state for both fails it, and the game's topology is put back.
bool swapKeepsStatesApart(ID3D11DeviceContext1* context, ID3DDeviceContextState* state) {
    D3D11_PRIMITIVE_TOPOLOGY game = D3D11_PRIMITIVE_TOPOLOGY_UNDEFINED;
    context->IAGetPrimitiveTopology(&game);
    const D3D11_PRIMITIVE_TOPOLOGY mark = game == D3D11_PRIMITIVE_TOPOLOGY_POINTLIST
                                              ? D3D11_PRIMITIVE_TOPOLOGY_LINELIST
                                              : D3D11_PRIMITIVE_TOPOLOGY_POINTLIST;
    ID3DDeviceContextState* previous = nullptr;
    context->SwapDeviceContextState(state, &previous);
    context->IASetPrimitiveTopology(mark);
    if (!previous) {
        context->IASetPrimitiveTopology(game);
        return false;
    }
    context->SwapDeviceContextState(previous, nullptr);
    D3D11_PRIMITIVE_TOPOLOGY seenByGame = D3D11_PRIMITIVE_TOPOLOGY_UNDEFINED;
    context->IAGetPrimitiveTopology(&seenByGame);
    context->SwapDeviceContextState(state, nullptr);
    D3D11_PRIMITIVE_TOPOLOGY seenByRenderer = D3D11_PRIMITIVE_TOPOLOGY_UNDEFINED;
    context->IAGetPrimitiveTopology(&seenByRenderer);
    context->SwapDeviceContextState(previous, nullptr);
    previous->Release();
    if (seenByGame != game) context->IASetPrimitiveTopology(game);
    return seenByGame == game && seenByRenderer == mark;
}

ID3DDeviceContextState* createRendererState(ID3D11Device* device) {
    ID3D11Device1* device1 = nullptr;
    if (FAILED(device->QueryInterface(__uuidof(ID3D11Device1), reinterpret_cast<void**>(&device1))))
        return nullptr;
    const D3D_FEATURE_LEVEL level = device->GetFeatureLevel();
    const UINT flags = (device->GetCreationFlags() & D3D11_CREATE_DEVICE_SINGLETHREADED)
                           ? D3D11_1_CREATE_DEVICE_CONTEXT_STATE_SINGLETHREADED
                           : 0;
    ID3DDeviceContextState* state = nullptr;
    if (FAILED(device1->CreateDeviceContextState(flags, &level, 1, D3D11_SDK_VERSION,
                                                 __uuidof(ID3D11Device), nullptr, &state)))
        state = nullptr;
    device1->Release();
    return state;
}

}  // namespace

std::unique_ptr<D3D11StateSwitch> makeContextStateSwitch(ID3D11Device* device,
                                                         ID3D11DeviceContext* context) {
    ID3D11DeviceContext1* context1 = nullptr;
    if (FAILED(context->QueryInterface(__uuidof(ID3D11DeviceContext1),
                                       reinterpret_cast<void**>(&context1))))
        return nullptr;
    ID3DDeviceContextState* state = createRendererState(device);
    if (state && swapKeepsStatesApart(context1, state))
        return std::make_unique<ContextStateSwitch>(context1, state);
    releaseCom(state);
    releaseCom(context1);
    return nullptr;
}

}  // namespace tw
