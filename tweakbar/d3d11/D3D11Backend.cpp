// The Direct3D 11 renderer: uploads the engine's display list and draws it in one call into the
// render target that the game has bound, leaving the game's pipeline state as it found it.
#include <d3d11.h>

#include <algorithm>

#include "ComRelease.h"
#include "D3D11BoundTarget.h"
#include "D3D11ColourSpace.h"
#include "D3D11Shaders.h"
#include "D3D11StatePaths.h"
#include "draw/GraphBackend.h"
#include "GdiFontAtlas.h"

namespace tw {

namespace {

// Enough for a few bars of twenty rows; larger lists double the buffers as often as needed.
constexpr UINT kFirstVertexCapacity = 4096;
constexpr UINT kFirstIndexCapacity = 6144;
// Far beyond any set of bars; a list larger than this is refused rather than half drawn.
constexpr std::size_t kMaxVertices = std::size_t(1) << 22;
constexpr std::size_t kMaxIndices = std::size_t(1) << 23;
// The drawing area is mapped onto a render target, and no render target is larger.
constexpr int kMaxDrawingSize = D3D11_REQ_TEXTURE2D_U_OR_V_DIMENSION;

class D3D11Backend final : public GraphBackend {
  public:
    static std::unique_ptr<GraphBackend> create(ID3D11Device* device, double fontScaling,
                                                std::string& error);
    ~D3D11Backend() override;

    const FontAtlas& atlas() const override { return atlas_; }
    void resize(int width, int height) override;
    bool render(const DisplayList& list) override;
    FrameStats lastFrame() const override { return stats_; }
    bool setStatePath(StatePathSetting setting) override {
        return statePaths_.choice().set(setting);
    }
    std::string statePath() const override { return statePaths_.choice().describe(); }

  private:
    explicit D3D11Backend(ID3D11Device* device);

    bool createDeviceObjects(std::string& error);
    void releaseDeviceObjects();
    bool reserveBuffers(std::size_t vertexCount, std::size_t indexCount);
    bool upload(const DisplayList& list);
    void uploadPatches(const DisplayList& list);
    void uploadRanges(ID3D11Buffer* buffer, const void* elements, std::size_t stride,
                      const ListRange* ranges, std::size_t count);
    D3D11Pipeline pipelineFor(const D3D11BoundTarget& target);

    // The game's device and its immediate context, each with a reference of our own.
    ID3D11Device* device_ = nullptr;
    ID3D11DeviceContext* context_ = nullptr;

    FontAtlas atlas_;
    // Compiled once; the bytecode outlives a release of the device objects, so making them
    // again after TwWindowSize(0, 0) costs no compile.
    D3D11ShaderCode shaderCode_;

    // Device objects: made at start, released by resize(0, 0), made again when next needed.
    ID3D11VertexShader* vertexShader_ = nullptr;
    ID3D11PixelShader* pixelShader_ = nullptr;
    ID3D11InputLayout* inputLayout_ = nullptr;
    ID3D11Buffer* frameBuffer_ = nullptr;  // one D3D11FrameData
    ID3D11SamplerState* pointSampler_ = nullptr;
    ID3D11SamplerState* linearSampler_ = nullptr;
    ID3D11BlendState* blendState_ = nullptr;
    ID3D11RasterizerState* rasterizerState_ = nullptr;
    ID3D11DepthStencilState* depthStencilState_ = nullptr;
    ID3D11Texture2D* atlasTexture_ = nullptr;
    ID3D11ShaderResourceView* atlasView_ = nullptr;
    ID3D11Buffer* vertexBuffer_ = nullptr;
    ID3D11Buffer* indexBuffer_ = nullptr;
    D3D11StatePaths statePaths_;
    // Sizes the buffers are made with; they only grow, and survive a release so that the
    // buffers come back at the size the lists needed.
    UINT vertexCapacity_ = kFirstVertexCapacity;
    UINT indexCapacity_ = kFirstIndexCapacity;

    // What the buffers and the constant buffer hold now.
    bool holdsList_ = false;
    std::uint64_t heldVersion_ = 0;
    UINT heldIndexCount_ = 0;
    bool holdsFrameData_ = false;
    D3D11FrameData heldFrameData_{};

    // The drawing area given by resize; 0 until then, and the bound target's size is used.
    int width_ = 0, height_ = 0;

    bool renderedBefore_ = false;
    std::uint64_t lastVersion_ = 0;
    FrameStats stats_{};
};

D3D11Backend::D3D11Backend(ID3D11Device* device) : device_(device) {
    device_->AddRef();
    device_->GetImmediateContext(&context_);
}

D3D11Backend::~D3D11Backend() {
    releaseDeviceObjects();
    releaseCom(context_);
    releaseCom(device_);
}

std::unique_ptr<GraphBackend> D3D11Backend::create(ID3D11Device* device, double fontScaling,
                                                   std::string& error) {
    if (!device) {
        error = "No Direct3D 11 device";
        return nullptr;
    }
    std::unique_ptr<D3D11Backend> backend(new D3D11Backend(device));
    if (!buildGdiFontAtlas(backend->atlas_, fontScaling, error) ||
        !compileShaders(backend->shaderCode_, error) || !backend->createDeviceObjects(error))
        return nullptr;
    return backend;
}

bool D3D11Backend::createDeviceObjects(std::string& error) {
    auto failed = [&](HRESULT hr, const char* what) {
        if (SUCCEEDED(hr)) return false;
        error = std::string("Cannot create the ") + what;
        releaseDeviceObjects();
        return true;
    };

    if (failed(device_->CreateVertexShader(shaderCode_.vertex->GetBufferPointer(),
                                           shaderCode_.vertex->GetBufferSize(), nullptr,
                                           &vertexShader_),
               "vertex shader") ||
        failed(
            device_->CreatePixelShader(shaderCode_.pixel->GetBufferPointer(),
                                       shaderCode_.pixel->GetBufferSize(), nullptr, &pixelShader_),
            "pixel shader") ||
        failed(device_->CreateInputLayout(kVertexLayout, kVertexLayoutElements,
                                          shaderCode_.vertex->GetBufferPointer(),
                                          shaderCode_.vertex->GetBufferSize(), &inputLayout_),
               "input layout"))
        return false;

    D3D11_BUFFER_DESC frame{};
    frame.ByteWidth = sizeof(D3D11FrameData);
    frame.Usage = D3D11_USAGE_DEFAULT;
    frame.BindFlags = D3D11_BIND_VERTEX_BUFFER;
    if (failed(device_->CreateBuffer(&frame, nullptr, &frameBuffer_), "frame buffer")) return false;
    holdsFrameData_ = false;

    // Glyphs sit on whole pixels with texel-sized boxes, so at scale 1 point sampling gives crisp
    // text and the exact white of the solid-fill block. Scaled onto a target of another size,
    // glyphs fall between texels and are filtered instead (the white block is wider than one
    // texel, so fills stay exact).
    D3D11_SAMPLER_DESC sampler{};
    sampler.Filter = D3D11_FILTER_MIN_MAG_MIP_POINT;
    sampler.AddressU = sampler.AddressV = sampler.AddressW = D3D11_TEXTURE_ADDRESS_CLAMP;
    sampler.ComparisonFunc = D3D11_COMPARISON_ALWAYS;
    sampler.MaxLOD = D3D11_FLOAT32_MAX;
    if (failed(device_->CreateSamplerState(&sampler, &pointSampler_), "sampler")) return false;
    sampler.Filter = D3D11_FILTER_MIN_MAG_MIP_LINEAR;
    if (failed(device_->CreateSamplerState(&sampler, &linearSampler_), "sampler")) return false;

    D3D11_BLEND_DESC blend{};
    D3D11_RENDER_TARGET_BLEND_DESC& target = blend.RenderTarget[0];
    target.BlendEnable = TRUE;
    target.SrcBlend = D3D11_BLEND_SRC_ALPHA;
    target.DestBlend = D3D11_BLEND_INV_SRC_ALPHA;
    target.BlendOp = D3D11_BLEND_OP_ADD;
    target.SrcBlendAlpha = D3D11_BLEND_ONE;
    target.DestBlendAlpha = D3D11_BLEND_INV_SRC_ALPHA;
    target.BlendOpAlpha = D3D11_BLEND_OP_ADD;
    target.RenderTargetWriteMask = D3D11_COLOR_WRITE_ENABLE_ALL;
    if (failed(device_->CreateBlendState(&blend, &blendState_), "blend state")) return false;

    // The core clips every quad to its bar already, so the scissor stays off.
    D3D11_RASTERIZER_DESC rasterizer{};
    rasterizer.FillMode = D3D11_FILL_SOLID;
    rasterizer.CullMode = D3D11_CULL_NONE;
    rasterizer.DepthClipEnable = TRUE;
    if (failed(device_->CreateRasterizerState(&rasterizer, &rasterizerState_), "rasterizer state"))
        return false;

    D3D11_DEPTH_STENCIL_DESC depthStencil{};
    depthStencil.DepthEnable = FALSE;
    depthStencil.DepthWriteMask = D3D11_DEPTH_WRITE_MASK_ZERO;
    depthStencil.DepthFunc = D3D11_COMPARISON_ALWAYS;
    depthStencil.StencilEnable = FALSE;
    depthStencil.FrontFace.StencilFailOp = depthStencil.FrontFace.StencilDepthFailOp =
        depthStencil.FrontFace.StencilPassOp = D3D11_STENCIL_OP_KEEP;
    depthStencil.FrontFace.StencilFunc = D3D11_COMPARISON_ALWAYS;
    depthStencil.BackFace = depthStencil.FrontFace;
    if (failed(device_->CreateDepthStencilState(&depthStencil, &depthStencilState_),
               "depth-stencil state"))
        return false;

    D3D11_TEXTURE2D_DESC texture{};
    texture.Width = static_cast<UINT>(atlas_.width);
    texture.Height = static_cast<UINT>(atlas_.height);
    texture.MipLevels = 1;
    texture.ArraySize = 1;
    texture.Format = DXGI_FORMAT_R8_UNORM;
    texture.SampleDesc.Count = 1;
    texture.Usage = D3D11_USAGE_IMMUTABLE;
    texture.BindFlags = D3D11_BIND_SHADER_RESOURCE;
    D3D11_SUBRESOURCE_DATA pixels{};
    pixels.pSysMem = atlas_.coverage.data();
    pixels.SysMemPitch = static_cast<UINT>(atlas_.width);
    if (failed(device_->CreateTexture2D(&texture, &pixels, &atlasTexture_), "atlas texture") ||
        failed(device_->CreateShaderResourceView(atlasTexture_, nullptr, &atlasView_),
               "atlas view"))
        return false;
    statePaths_.create(device_, context_);
    return true;
}

void D3D11Backend::releaseDeviceObjects() {
    statePaths_.release();
    releaseCom(vertexShader_);
    releaseCom(pixelShader_);
    releaseCom(inputLayout_);
    releaseCom(frameBuffer_);
    releaseCom(pointSampler_);
    releaseCom(linearSampler_);
    releaseCom(blendState_);
    releaseCom(rasterizerState_);
    releaseCom(depthStencilState_);
    releaseCom(atlasView_);
    releaseCom(atlasTexture_);
    releaseCom(vertexBuffer_);
    releaseCom(indexBuffer_);
    holdsList_ = false;
    heldIndexCount_ = 0;
}

void D3D11Backend::resize(int width, int height) {
    if (width <= 0 || height <= 0) {
        releaseDeviceObjects();
        width_ = height_ = 0;
        return;
    }
    width_ = std::min(width, kMaxDrawingSize);
    height_ = std::min(height, kMaxDrawingSize);
}

bool D3D11Backend::reserveBuffers(std::size_t vertexCount, std::size_t indexCount) {
    if (vertexCount > kMaxVertices || indexCount > kMaxIndices) return false;

    if (vertexBuffer_ && vertexCount > vertexCapacity_) releaseCom(vertexBuffer_);
    if (!vertexBuffer_) {
        while (vertexCapacity_ < vertexCount)
            vertexCapacity_ *= 2;
        D3D11_BUFFER_DESC desc{};
        desc.ByteWidth = vertexCapacity_ * UINT(sizeof(Vertex));
        desc.Usage = D3D11_USAGE_DEFAULT;
        desc.BindFlags = D3D11_BIND_VERTEX_BUFFER;
        if (FAILED(device_->CreateBuffer(&desc, nullptr, &vertexBuffer_))) return false;
    }

    if (indexBuffer_ && indexCount > indexCapacity_) releaseCom(indexBuffer_);
    if (!indexBuffer_) {
        while (indexCapacity_ < indexCount)
            indexCapacity_ *= 2;
        D3D11_BUFFER_DESC desc{};
        desc.ByteWidth = indexCapacity_ * UINT(sizeof(std::uint32_t));
        desc.Usage = D3D11_USAGE_DEFAULT;
        desc.BindFlags = D3D11_BIND_INDEX_BUFFER;
        if (FAILED(device_->CreateBuffer(&desc, nullptr, &indexBuffer_))) return false;
    }
    return true;
}

bool D3D11Backend::upload(const DisplayList& list) {
    holdsList_ = false;
    heldIndexCount_ = 0;
    if (!reserveBuffers(list.vertices.size(), list.indices.size())) return false;
    const ListRange allVertices{0, std::uint32_t(list.vertices.size())};
    const ListRange allIndices{0, std::uint32_t(list.indices.size())};
    uploadRanges(vertexBuffer_, list.vertices.data(), sizeof(Vertex), &allVertices, 1);
    uploadRanges(indexBuffer_, list.indices.data(), sizeof(std::uint32_t), &allIndices, 1);
    stats_.bytesUploaded = byteSize(list, Upload::Whole);
    holdsList_ = true;
    heldVersion_ = list.version;
    heldIndexCount_ = static_cast<UINT>(list.indices.size());
    return true;
}

// The list has kept its size and the buffers hold the version the patches start from.
void D3D11Backend::uploadPatches(const DisplayList& list) {
    uploadRanges(vertexBuffer_, list.vertices.data(), sizeof(Vertex), list.vertexPatches.data(),
                 list.vertexPatches.size());
    uploadRanges(indexBuffer_, list.indices.data(), sizeof(std::uint32_t), list.indexPatches.data(),
                 list.indexPatches.size());
    stats_.bytesUploaded = byteSize(list, Upload::Patches);
    heldVersion_ = list.version;
}

// The bytes go into the command stream with the draw that follows. Mapping a dynamic buffer
// with DISCARD instead made Wine's Direct3D wait for the frames still in flight: 20 to 40 ms
// per changed list in the benchmarks (bench/README.md), where this costs microseconds. A
// destination box per range sends only what changed.
void D3D11Backend::uploadRanges(ID3D11Buffer* buffer, const void* elements, std::size_t stride,
                                const ListRange* ranges, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(elements);
    for (std::size_t i = 0; i < count; ++i) {
        if (ranges[i].count == 0) continue;
        const UINT begin = UINT(ranges[i].first * stride);
        const UINT end = UINT((ranges[i].first + ranges[i].count) * stride);
        const D3D11_BOX box{begin, 0, 0, end, 1, 1};
        context_->UpdateSubresource(buffer, 0, &box, bytes + begin, 0, 0);
    }
}

// The drawing area (the window's client area) is stretched over the whole target, so that when
// Present scales a back buffer of another size onto the client area, the bars land where the
// mouse finds them. Before the first TwWindowSize the area is the target itself.
D3D11Pipeline D3D11Backend::pipelineFor(const D3D11BoundTarget& target) {
    const int areaWidth = width_ > 0 ? width_ : target.width;
    const int areaHeight = height_ > 0 ? height_ : target.height;
    const D3D11FrameData frame =
        frameDataFor(areaWidth, areaHeight, storesLinearLight(target.format));
    if (!holdsFrameData_ || !(frame == heldFrameData_)) {
        context_->UpdateSubresource(frameBuffer_, 0, nullptr, &frame, 0, 0);
        heldFrameData_ = frame;
        holdsFrameData_ = true;
    }
    const bool scaled = areaWidth != target.width || areaHeight != target.height;

    D3D11Pipeline pipeline;
    pipeline.inputLayout = inputLayout_;
    pipeline.buffers[0] = vertexBuffer_;
    pipeline.buffers[1] = frameBuffer_;
    pipeline.indices = indexBuffer_;
    pipeline.vertexShader = vertexShader_;
    pipeline.pixelShader = pixelShader_;
    pipeline.atlas = atlasView_;
    pipeline.sampler = scaled ? linearSampler_ : pointSampler_;
    pipeline.rasterizer = rasterizerState_;
    pipeline.viewport = {0.0f, 0.0f, float(target.width), float(target.height), 0.0f, 1.0f};
    pipeline.blend = blendState_;
    pipeline.depthStencil = depthStencilState_;
    return pipeline;
}

bool D3D11Backend::render(const DisplayList& list) {
    stats_ = FrameStats{};
    stats_.vertices = static_cast<unsigned>(list.vertices.size());
    stats_.indices = static_cast<unsigned>(list.indices.size());
    stats_.rebuilt = !renderedBefore_ || list.version != lastVersion_;
    renderedBefore_ = true;
    lastVersion_ = list.version;

    std::string error;
    if (!vertexShader_ && !createDeviceObjects(error)) return false;
    switch (uploadNeeded(list, holdsList_, heldVersion_)) {
        case Upload::Nothing:
            break;
        case Upload::Patches:
            uploadPatches(list);
            break;
        case Upload::Whole:
            if (!upload(list)) return false;
            break;
    }
    if (heldIndexCount_ == 0) return true;
    D3D11BoundTarget target;
    if (!readBoundTarget(context_, target)) return true;

    const StatePath path = statePaths_.draw(pipelineFor(target), target, heldIndexCount_);
    stats_.drawCalls = 1;
    stats_.swappedState = path == StatePath::Swap ? 1 : 0;
    return true;
}

}  // namespace

std::unique_ptr<GraphBackend> createGraphBackend(TwGraphAPI api, void* device, double fontScaling,
                                                 std::string& error) {
    if (api != TW_DIRECT3D11) {
        error = "Only Direct3D 11 is supported";
        return nullptr;
    }
    return D3D11Backend::create(static_cast<ID3D11Device*>(device), fontScaling, error);
}

}  // namespace tw
