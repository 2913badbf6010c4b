// The pieces of the game's pipeline state that the renderer's draw replaces, read before it draws
// and put back after, so the game's next draw sees exactly what it set. Every piece is read once
// (the read is what the restore needs); a piece the game already holds as the renderer wants it
// is neither set nor put back, and neither is the depth-stencil state while no depth buffer is
// bound, since it then has no effect. Render targets are not here: the renderer draws into
// whatever the game bound and never changes them.
#pragma once

#include <d3d11.h>

#include "D3D11Pipeline.h"

namespace tw {

class D3D11StateBackup {
  public:
    D3D11StateBackup() = default;
    ~D3D11StateBackup() { releaseAll(); }
    D3D11StateBackup(const D3D11StateBackup&) = delete;
    D3D11StateBackup& operator=(const D3D11StateBackup&) = delete;

    // Reads the game's pieces and binds the pipeline's where they differ. depthBound: the game
    // bound a depth-stencil view.
    void bindOver(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline, bool depthBound);
    // Binds again what bindOver replaced and drops the references its reads took.
    void restore(ID3D11DeviceContext* context);

  private:
    // A shader stage with the class instances bound with it (a game using dynamic linkage
    // binds them together, and Set*Shader without them would unbind them).
    template <class Shader>
    struct Stage {
        Shader* shader = nullptr;
        ID3D11ClassInstance* instances[256] = {};
        UINT instanceCount = 0;

        bool empty() const { return !shader && instanceCount == 0; }
    };

    // Bits of replaced_, one per piece.
    enum Piece : unsigned {
        kInputLayout = 1u << 0,
        kTopology = 1u << 1,
        kBuffers = 1u << 2,
        kIndices = 1u << 3,
        kVertexStage = 1u << 4,
        kPixelStage = 1u << 5,
        kAtlas = 1u << 6,
        kSampler = 1u << 7,
        kGeometryStage = 1u << 8,
        kHullStage = 1u << 9,
        kDomainStage = 1u << 10,
        kRasterizer = 1u << 11,
        kViewports = 1u << 12,
        kBlend = 1u << 13,
        kDepthStencil = 1u << 14,
    };

    void releaseAll();

    unsigned replaced_ = 0;

    // Input assembler
    ID3D11InputLayout* inputLayout_ = nullptr;
    D3D11_PRIMITIVE_TOPOLOGY topology_ = D3D11_PRIMITIVE_TOPOLOGY_UNDEFINED;
    ID3D11Buffer* buffers_[2] = {};
    UINT strides_[2] = {}, offsets_[2] = {};
    ID3D11Buffer* indexBuffer_ = nullptr;
    DXGI_FORMAT indexFormat_ = DXGI_FORMAT_UNKNOWN;
    UINT indexOffset_ = 0;

    // Shader stages: the two the renderer uses, the atlas's slots, and the three between them
    // that must be empty so they cannot reshape its triangles. The compute stage takes no part in a
    // draw, so the renderer leaves it alone.
    Stage<ID3D11VertexShader> vertexStage_;
    Stage<ID3D11PixelShader> pixelStage_;
    ID3D11ShaderResourceView* atlasSlot_ = nullptr;
    ID3D11SamplerState* samplerSlot_ = nullptr;
    Stage<ID3D11GeometryShader> geometryStage_;
    Stage<ID3D11HullShader> hullStage_;
    Stage<ID3D11DomainShader> domainStage_;

    // Rasterizer
    ID3D11RasterizerState* rasterizer_ = nullptr;
    UINT viewportCount_ = 0;
    D3D11_VIEWPORT viewports_[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};

    // Output merger
    ID3D11BlendState* blend_ = nullptr;
    FLOAT blendFactor_[4] = {};
    UINT sampleMask_ = 0;
    ID3D11DepthStencilState* depthStencil_ = nullptr;
    UINT stencilRef_ = 0;
};

}  // namespace tw
