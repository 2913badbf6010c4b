// The pieces of the game's pipeline state that the renderer changes, captured before it draws
// and put back after, so the game's next draw sees exactly what it set. Render targets are not
// here: the renderer draws into whatever the game bound and never changes them.
#pragma once

#include <d3d11.h>

namespace tw {

class D3D11StateBackup {
  public:
    D3D11StateBackup() = default;
    ~D3D11StateBackup() { releaseAll(); }
    D3D11StateBackup(const D3D11StateBackup&) = delete;
    D3D11StateBackup& operator=(const D3D11StateBackup&) = delete;

    // Takes a reference on every object bound at the time.
    void capture(ID3D11DeviceContext* context);
    // Binds everything captured again and drops the references taken by capture.
    void restore(ID3D11DeviceContext* context);

  private:
    // A shader stage with the class instances bound with it (a game using dynamic linkage
    // binds them together, and Set*Shader without them would unbind them).
    template <class Shader>
    struct Stage {
        Shader* shader = nullptr;
        ID3D11ClassInstance* instances[256] = {};
        UINT instanceCount = 0;
    };

    void releaseAll();

    // Input assembler
    ID3D11InputLayout* inputLayout_ = nullptr;
    D3D11_PRIMITIVE_TOPOLOGY topology_ = D3D11_PRIMITIVE_TOPOLOGY_UNDEFINED;
    ID3D11Buffer* vertexBuffer_ = nullptr;
    UINT vertexStride_ = 0, vertexOffset_ = 0;
    ID3D11Buffer* indexBuffer_ = nullptr;
    DXGI_FORMAT indexFormat_ = DXGI_FORMAT_UNKNOWN;
    UINT indexOffset_ = 0;

    // Shader stages: the two the renderer uses with the slots it binds, and the three between
    // them that it clears so they cannot reshape its triangles. The compute stage takes no part in
    // a
    // draw, so the renderer leaves it alone.
    Stage<ID3D11VertexShader> vertexStage_;
    ID3D11Buffer* vertexConstants_ = nullptr;
    Stage<ID3D11PixelShader> pixelStage_;
    ID3D11Buffer* pixelConstants_ = nullptr;
    ID3D11SamplerState* pixelSampler_ = nullptr;
    ID3D11ShaderResourceView* pixelResource_ = nullptr;
    Stage<ID3D11GeometryShader> geometryStage_;
    Stage<ID3D11HullShader> hullStage_;
    Stage<ID3D11DomainShader> domainStage_;

    // Rasterizer
    ID3D11RasterizerState* rasterizer_ = nullptr;
    UINT viewportCount_ = 0;
    D3D11_VIEWPORT viewports_[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};
    UINT scissorCount_ = 0;
    D3D11_RECT scissors_[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};

    // Output merger
    ID3D11BlendState* blend_ = nullptr;
    FLOAT blendFactor_[4] = {};
    UINT sampleMask_ = 0;
    ID3D11DepthStencilState* depthStencil_ = nullptr;
    UINT stencilRef_ = 0;
};

}  // namespace tw
