#include "BoundState.h"

#include <initializer_list>
#include <utility>

namespace kztest {

namespace {

// Records a bound object by its address and drops the reference the Get call took.
void add(BoundState& state, IUnknown* object) {
    state.push_back(reinterpret_cast<std::uintptr_t>(object));
    if (object) object->Release();
}
void add(BoundState& state, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    state.insert(state.end(), bytes, bytes + size);
}

}  // namespace

BoundState boundState(ID3D11DeviceContext* c) {
    BoundState state;
    ID3D11InputLayout* layout;
    ID3D11Buffer* buffers[5];
    UINT strides[2], offsets[3], count, mask, stencilRef;
    D3D11_PRIMITIVE_TOPOLOGY topology;
    DXGI_FORMAT format;
    c->IAGetInputLayout(&layout);
    c->IAGetPrimitiveTopology(&topology);
    c->IAGetVertexBuffers(0, 2, &buffers[0], strides, &offsets[0]);
    c->IAGetIndexBuffer(&buffers[2], &format, &offsets[2]);
    c->VSGetConstantBuffers(0, 1, &buffers[3]);
    c->PSGetConstantBuffers(0, 1, &buffers[4]);
    add(state, layout);
    for (ID3D11Buffer* buffer : buffers)
        add(state, buffer);
    for (const auto& [data, size] :
         {std::pair<const void*, std::size_t>{&topology, sizeof topology},
          {strides, sizeof strides},
          {offsets, sizeof offsets},
          {&format, sizeof format}})
        add(state, data, size);
    ID3D11VertexShader* vs;
    ID3D11PixelShader* ps;
    ID3D11GeometryShader* gs;
    ID3D11SamplerState* sampler;
    ID3D11ShaderResourceView* view;
    c->VSGetShader(&vs, nullptr, nullptr);
    c->PSGetShader(&ps, nullptr, nullptr);
    c->GSGetShader(&gs, nullptr, nullptr);
    c->PSGetSamplers(0, 1, &sampler);
    c->PSGetShaderResources(0, 1, &view);
    for (IUnknown* object : std::initializer_list<IUnknown*>{vs, ps, gs, sampler, view})
        add(state, object);
    ID3D11RasterizerState* rasterizer;
    D3D11_VIEWPORT viewports[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE];
    D3D11_RECT scissors[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE];
    c->RSGetState(&rasterizer);
    add(state, rasterizer);
    count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    c->RSGetViewports(&count, viewports);
    add(state, viewports, count * sizeof viewports[0]);
    count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    c->RSGetScissorRects(&count, scissors);
    add(state, scissors, count * sizeof scissors[0]);
    ID3D11BlendState* blend;
    ID3D11DepthStencilState* depth;
    ID3D11RenderTargetView* target;
    ID3D11DepthStencilView* depthView;
    FLOAT factor[4];
    c->OMGetBlendState(&blend, factor, &mask);
    c->OMGetDepthStencilState(&depth, &stencilRef);
    c->OMGetRenderTargets(1, &target, &depthView);
    for (IUnknown* object : std::initializer_list<IUnknown*>{blend, depth, target, depthView})
        add(state, object);
    add(state, factor, sizeof factor);
    state.insert(state.end(), {mask, stencilRef});
    return state;
}

}  // namespace kztest
