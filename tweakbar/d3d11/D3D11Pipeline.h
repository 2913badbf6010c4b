// Everything the renderer binds for its one draw, as one value: the ways of keeping the game's
// state bind it, and compare it with what is bound to leave alone what needs no change.
#pragma once

#include <d3d11.h>

namespace tw {

struct D3D11Pipeline {
    ID3D11InputLayout* inputLayout = nullptr;
    // Slot 0 the vertices, slot 1 the frame's data (D3D11FrameData), bound in one call.
    ID3D11Buffer* buffers[2] = {};
    ID3D11Buffer* indices = nullptr;
    ID3D11VertexShader* vertexShader = nullptr;
    ID3D11PixelShader* pixelShader = nullptr;
    ID3D11ShaderResourceView* atlas = nullptr;
    ID3D11SamplerState* sampler = nullptr;
    ID3D11RasterizerState* rasterizer = nullptr;
    D3D11_VIEWPORT viewport{};
    ID3D11BlendState* blend = nullptr;
    ID3D11DepthStencilState* depthStencil = nullptr;

    bool operator==(const D3D11Pipeline& other) const;
    bool operator!=(const D3D11Pipeline& other) const { return !(*this == other); }
};

// How the two vertex buffers are read, and the rest of what the draw takes as fixed.
extern const UINT kPipelineStrides[2];
extern const UINT kPipelineOffsets[2];
constexpr D3D11_PRIMITIVE_TOPOLOGY kPipelineTopology = D3D11_PRIMITIVE_TOPOLOGY_TRIANGLELIST;
constexpr DXGI_FORMAT kPipelineIndexFormat = DXGI_FORMAT_R32_UINT;
constexpr FLOAT kPipelineBlendFactor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
constexpr UINT kPipelineSampleMask = 0xffffffffu;

bool sameViewport(const D3D11_VIEWPORT& a, const D3D11_VIEWPORT& b);

// Binds every piece into a context state whose other stages are empty (the renderer's own).
// Render targets are left alone.
void bindPipeline(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline);

}  // namespace tw
