// Everything the renderer binds for its one draw, as one value: the state switches bind it, and
// compare it with what they bound before to skip binding it again.
#pragma once

#include <d3d11.h>

namespace tw {

struct D3D11Pipeline {
    ID3D11InputLayout* inputLayout = nullptr;
    ID3D11Buffer* vertices = nullptr;
    ID3D11Buffer* indices = nullptr;
    ID3D11VertexShader* vertexShader = nullptr;
    ID3D11PixelShader* pixelShader = nullptr;
    ID3D11Buffer* constants = nullptr;  // read by both shaders
    ID3D11SamplerState* sampler = nullptr;
    ID3D11ShaderResourceView* atlas = nullptr;
    ID3D11RasterizerState* rasterizer = nullptr;
    D3D11_VIEWPORT viewport{};
    ID3D11BlendState* blend = nullptr;
    ID3D11DepthStencilState* depthStencil = nullptr;

    bool operator==(const D3D11Pipeline& other) const;
    bool operator!=(const D3D11Pipeline& other) const { return !(*this == other); }
};

// Binds every piece, and clears the stages between the vertex and pixel shaders so that nothing
// the game bound there reshapes the renderer's triangles. Render targets are left alone.
void bindPipeline(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline);

}  // namespace tw
