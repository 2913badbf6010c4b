// Each call that saving and restoring the game's state makes, timed alone once per frame in the
// order the renderer makes them: every piece read, then the renderer's bound, the draw, and the
// game's put back (on the benchmark's game, which binds nothing but its target, so the game's
// pieces are empty and the stages between the shaders are only read). The depth-stencil state is
// read and replaced only when the game binds a depth buffer. Beside them the calls the renderer
// no longer makes, with objects of the kinds it used to bind: the two shaders' constant buffers
// and the scissor rectangles. Printed as "runtime.call.<piece>.<read|set|restore>".
#include <d3d11.h>

#include <functional>
#include <string>
#include <vector>

#include "D3D11RuntimeCosts.h"
#include "QpcTiming.h"

namespace kzbench {

namespace {

constexpr int kWarmUpFrames = 30;
constexpr int kTimedFrames = 500;

using Calls = std::function<void()>;  // empty: not made for this piece

struct Piece {
    std::string name;
    Calls read, bind, restore;
};

void timeInto(std::vector<double>& times, bool counted, const Calls& calls) {
    if (!calls) return;
    const LARGE_INTEGER start = counterNow();
    calls();
    const LARGE_INTEGER end = counterNow();
    if (counted) times.push_back(nanosecondsBetween(start, end));
}

// What the reads took.
template <class... T>
void releaseAll(T*&... objects) {
    ((objects ? objects->Release() : 0u, objects = nullptr), ...);
}

// {B7E3C1A4-2D5F-4E8A-9C61-0F3A5D7E9B21}
const GUID kBenchData = {
    0xb7e3c1a4, 0x2d5f, 0x4e8a, {0x9c, 0x61, 0x0f, 0x3a, 0x5d, 0x7e, 0x9b, 0x21}};

}  // namespace

void measureCallCosts(kztest::D3DTestWindow& window, const RendererPipeline& renderer) {
    ID3D11DeviceContext* c = window.context();
    const tw::D3D11Pipeline& p = renderer.pipeline();
    window.bindBackBuffer();
    ID3D11RenderTargetView* view = nullptr;
    c->OMGetRenderTargets(1, &view, nullptr);
    const UINT viewFacts[3] = {1920, 1080, 28};
    view->SetPrivateData(kBenchData, sizeof viewFacts, viewFacts);

    // What the game had bound, read by the read calls and put back by the restores.
    ID3D11RenderTargetView* gameView = nullptr;
    ID3D11DepthStencilView* gameDepth = nullptr;
    ID3D11InputLayout* layout = nullptr;
    D3D11_PRIMITIVE_TOPOLOGY topology{};
    ID3D11Buffer* buffers[2] = {};
    UINT strides[2] = {}, offsets[2] = {};
    ID3D11Buffer* indices = nullptr;
    DXGI_FORMAT indexFormat{};
    UINT indexOffset = 0;
    ID3D11VertexShader* vs = nullptr;
    ID3D11PixelShader* ps = nullptr;
    ID3D11GeometryShader* gs = nullptr;
    ID3D11HullShader* hs = nullptr;
    ID3D11DomainShader* ds = nullptr;
    ID3D11ClassInstance* instances[256] = {};
    UINT vsInstances = 0, psInstances = 0, otherInstances = 0;
    ID3D11ShaderResourceView* atlas = nullptr;
    ID3D11RasterizerState* rasterizer = nullptr;
    D3D11_VIEWPORT viewports[16] = {};
    UINT viewportCount = 0;
    ID3D11BlendState* blend = nullptr;
    FLOAT factor[4] = {};
    UINT mask = 0;
    ID3D11DepthStencilState* depthStencil = nullptr;
    UINT stencilRef = 0;
    // Of the kinds the renderer used to bind.
    ID3D11Buffer* constants = nullptr;
    ID3D11Buffer* gameConstants[2] = {};
    ID3D11SamplerState* gameSampler = nullptr;
    D3D11_RECT scissors[16] = {};
    UINT scissorCount = 0;
    const CD3D11_BUFFER_DESC constantDesc(32, D3D11_BIND_CONSTANT_BUFFER);
    window.device()->CreateBuffer(&constantDesc, nullptr, &constants);

    const FLOAT zero[4] = {};
    const std::vector<Piece> pieces = {
        {"OMGetRenderTargets", [&] { c->OMGetRenderTargets(1, &gameView, &gameDepth); }, {}, {}},
        {"GetPrivateData",
         [&] {
             UINT facts[3], size = sizeof facts;
             gameView->GetPrivateData(kBenchData, &size, facts);
         },
         {},
         {}},
        {"InputLayout", [&] { c->IAGetInputLayout(&layout); },
         [&] { c->IASetInputLayout(p.inputLayout); }, [&] { c->IASetInputLayout(layout); }},
        {"PrimitiveTopology", [&] { c->IAGetPrimitiveTopology(&topology); },
         [&] { c->IASetPrimitiveTopology(tw::kPipelineTopology); },
         [&] { c->IASetPrimitiveTopology(topology); }},
        {"VertexBuffers", [&] { c->IAGetVertexBuffers(0, 2, buffers, strides, offsets); },
         [&] {
             c->IASetVertexBuffers(0, 2, p.buffers, tw::kPipelineStrides, tw::kPipelineOffsets);
         },
         [&] { c->IASetVertexBuffers(0, 2, buffers, strides, offsets); }},
        {"IndexBuffer", [&] { c->IAGetIndexBuffer(&indices, &indexFormat, &indexOffset); },
         [&] { c->IASetIndexBuffer(p.indices, tw::kPipelineIndexFormat, 0); },
         [&] { c->IASetIndexBuffer(indices, indexFormat, indexOffset); }},
        {"VSShader",
         [&] {
             vsInstances = 256;
             c->VSGetShader(&vs, instances, &vsInstances);
         },
         [&] { c->VSSetShader(p.vertexShader, nullptr, 0); },
         [&] { c->VSSetShader(vs, nullptr, vsInstances); }},
        {"PSShader",
         [&] {
             psInstances = 256;
             c->PSGetShader(&ps, instances, &psInstances);
         },
         [&] { c->PSSetShader(p.pixelShader, nullptr, 0); },
         [&] { c->PSSetShader(ps, nullptr, psInstances); }},
        {"PSShaderResources", [&] { c->PSGetShaderResources(0, 1, &atlas); },
         [&] { c->PSSetShaderResources(0, 1, &p.atlas); },
         [&] { c->PSSetShaderResources(0, 1, &atlas); }},
        {"PSSamplers", [&] { c->PSGetSamplers(0, 1, &gameSampler); },
         [&] { c->PSSetSamplers(0, 1, &p.sampler); },
         [&] { c->PSSetSamplers(0, 1, &gameSampler); }},
        {"GSShader",
         [&] {
             otherInstances = 256;
             c->GSGetShader(&gs, instances, &otherInstances);
         },
         {},
         {}},
        {"HSShader",
         [&] {
             otherInstances = 256;
             c->HSGetShader(&hs, instances, &otherInstances);
         },
         {},
         {}},
        {"DSShader",
         [&] {
             otherInstances = 256;
             c->DSGetShader(&ds, instances, &otherInstances);
         },
         {},
         {}},
        {"RSState", [&] { c->RSGetState(&rasterizer); }, [&] { c->RSSetState(p.rasterizer); },
         [&] { c->RSSetState(rasterizer); }},
        {"RSViewports",
         [&] {
             viewportCount = 16;
             c->RSGetViewports(&viewportCount, viewports);
         },
         [&] { c->RSSetViewports(1, &p.viewport); },
         [&] { c->RSSetViewports(viewportCount, viewports); }},
        {"OMBlendState", [&] { c->OMGetBlendState(&blend, factor, &mask); },
         [&] { c->OMSetBlendState(p.blend, zero, 0xffffffffu); },
         [&] { c->OMSetBlendState(blend, factor, mask); }},
        {"OMDepthStencilState", [&] { c->OMGetDepthStencilState(&depthStencil, &stencilRef); },
         [&] { c->OMSetDepthStencilState(p.depthStencil, 0); },
         [&] { c->OMSetDepthStencilState(depthStencil, stencilRef); }},
        {"ConstantBuffers",
         [&] {
             c->VSGetConstantBuffers(0, 1, &gameConstants[0]);
             c->PSGetConstantBuffers(0, 1, &gameConstants[1]);
         },
         [&] {
             c->VSSetConstantBuffers(0, 1, &constants);
             c->PSSetConstantBuffers(0, 1, &constants);
         },
         [&] {
             c->VSSetConstantBuffers(0, 1, &gameConstants[0]);
             c->PSSetConstantBuffers(0, 1, &gameConstants[1]);
         }},
        {"RSScissorRects",
         [&] {
             scissorCount = 16;
             c->RSGetScissorRects(&scissorCount, scissors);
         },
         {},
         [&] { c->RSSetScissorRects(scissorCount, scissors); }},
    };
    // Per piece: read, set, restore.
    std::vector<std::vector<double>> times(3 * pieces.size());
    std::vector<double> draws;
    const Calls draw = [&] { c->DrawIndexed(renderer.indexCount(), 0, 0); };

    for (int frame = -kWarmUpFrames; frame < kTimedFrames; ++frame) {
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        const bool counted = frame >= 0;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            timeInto(times[3 * i], counted, pieces[i].read);
        for (std::size_t i = 0; i < pieces.size(); ++i)
            timeInto(times[3 * i + 1], counted, pieces[i].bind);
        timeInto(draws, counted, draw);
        for (std::size_t i = 0; i < pieces.size(); ++i)
            timeInto(times[3 * i + 2], counted, pieces[i].restore);
        releaseAll(gameView, gameDepth, layout, buffers[0], buffers[1], indices, vs, ps, gs, hs, ds,
                   atlas, rasterizer, blend, depthStencil, gameConstants[0], gameConstants[1],
                   gameSampler);
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }

    const char* const phases[3] = {"read", "set", "restore"};
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t phase = 0; phase < 3; ++phase)
            if (!times[3 * i + phase].empty())
                printSpread(("runtime.call." + pieces[i].name + "." + phases[phase]).c_str(),
                            times[3 * i + phase]);
    printSpread("runtime.call.DrawIndexed.draw", draws);
    view->Release();
    constants->Release();
}

}  // namespace kzbench
