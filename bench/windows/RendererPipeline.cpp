#include "RendererPipeline.h"

#include <initializer_list>
#include <stdexcept>

#include "AntTweakBar.h"
#include "TwFrameStats.h"
#include "VtableCallCounter.h"

namespace kzbench {

namespace {

kztest::VtableCallCounter* gTable = nullptr;
ID3DDeviceContextState* gSwappedIn = nullptr;

// The renderer swaps its state in asking for the game's back, and the game's back asking for
// nothing.
void STDMETHODCALLTYPE watchSwap(ID3D11DeviceContext1* self, ID3DDeviceContextState* state,
                                 ID3DDeviceContextState** previous) {
    if (previous && !gSwappedIn) {
        gSwappedIn = state;
        state->AddRef();
    }
    reinterpret_cast<decltype(&watchSwap)>(
        gTable->original(kztest::kDeviceContext1SwapDeviceContextState))(self, state, previous);
}

}  // namespace

RendererPipeline::RendererPipeline(kztest::D3DTestWindow& window) {
    if (!TwDefine(" GLOBAL statepath=swap "))
        throw std::runtime_error("the renderer cannot swap a context state of its own");
    {
        kztest::VtableCallCounter table(window.context(), kztest::kDeviceContext1Methods);
        gTable = &table;
        gSwappedIn = nullptr;
        table.replace(kztest::kDeviceContext1SwapDeviceContextState,
                      reinterpret_cast<void*>(&watchSwap));
        for (int frame = 0; frame < 3; ++frame) {
            window.clearBackBuffer(0.1f, 0.1f, 0.2f);
            TwDraw();
            window.swapChain()->Present(0, 0);
        }
        gTable = nullptr;
    }
    state_ = gSwappedIn;
    gSwappedIn = nullptr;
    TwFrameStats stats{};
    TwGetFrameStats(&stats);
    indexCount_ = stats.indices;
    if (!state_ || !indexCount_) throw std::runtime_error("no renderer state seen");

    ID3D11DeviceContext1* context = nullptr;
    window.context()->QueryInterface(__uuidof(ID3D11DeviceContext1),
                                     reinterpret_cast<void**>(&context));
    ID3DDeviceContextState* game = nullptr;
    context->SwapDeviceContextState(state_, &game);
    tw::D3D11Pipeline& p = pipeline_;
    context->IAGetInputLayout(&p.inputLayout);
    UINT strides[2], offsets[2];
    context->IAGetVertexBuffers(0, 2, p.buffers, strides, offsets);
    DXGI_FORMAT format;
    UINT offset;
    context->IAGetIndexBuffer(&p.indices, &format, &offset);
    context->VSGetShader(&p.vertexShader, nullptr, nullptr);
    context->PSGetShader(&p.pixelShader, nullptr, nullptr);
    context->PSGetShaderResources(0, 1, &p.atlas);
    context->PSGetSamplers(0, 1, &p.sampler);
    context->RSGetState(&p.rasterizer);
    UINT viewports = 1;
    context->RSGetViewports(&viewports, &p.viewport);
    FLOAT factor[4];
    UINT mask, reference;
    context->OMGetBlendState(&p.blend, factor, &mask);
    context->OMGetDepthStencilState(&p.depthStencil, &reference);
    context->SwapDeviceContextState(game, nullptr);
    game->Release();
    context->Release();
}

RendererPipeline::~RendererPipeline() {
    tw::D3D11Pipeline& p = pipeline_;
    for (IUnknown* object : std::initializer_list<IUnknown*>{
             p.inputLayout, p.buffers[0], p.buffers[1], p.indices, p.vertexShader, p.pixelShader,
             p.atlas, p.sampler, p.rasterizer, p.blend, p.depthStencil})
        if (object) object->Release();
    state_->Release();
}

}  // namespace kzbench
