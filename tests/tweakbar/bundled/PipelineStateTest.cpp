// TwDraw draws correctly whatever state the game left bound, and leaves every piece of that
// state as it was, holding no reference to any of it afterwards.
#include <gtest/gtest.h>

#include <d3dcompiler.h>

#include <cstring>
#include <vector>

#include "EngineOnWindow.h"
#include "TwFrameStats.h"

namespace {

using kztest::refCount;

ID3DBlob* compileOrFail(const char* source, const char* target) {
    ID3DBlob* code = nullptr;
    ID3DBlob* messages = nullptr;
    const HRESULT hr = D3DCompile(source, std::strlen(source), target, nullptr, nullptr, "main",
                                  target, 0, 0, &code, &messages);
    std::string text;
    if (messages)
        text.assign(static_cast<const char*>(messages->GetBufferPointer()),
                    messages->GetBufferSize());
    if (messages) messages->Release();
    EXPECT_TRUE(SUCCEEDED(hr)) << target << ": " << text;
    return code;
}

const char kVertexSource[] =
    "float4 main(float3 p : POSITION) : SV_Position { return float4(p, 1); }";
const char kPixelSource[] = "float4 main() : SV_Target { return float4(0, 1, 0, 1); }";
const char kComputeSource[] = "[numthreads(1, 1, 1)] void main() {}";

// State a game might leave bound, chosen so that a renderer that forgot to replace any piece
// of it would draw nothing: a depth test that always fails, a blend state that writes no colour,
// a scissor rectangle far from the bar, front-face culling, a tiny viewport.
struct GameState {
    explicit GameState(ID3D11Device* device) {
        ID3DBlob* vsCode = compileOrFail(kVertexSource, "vs_4_0");
        ID3DBlob* psCode = compileOrFail(kPixelSource, "ps_4_0");
        ID3DBlob* csCode = compileOrFail(kComputeSource, "cs_5_0");
        if (!vsCode || !psCode || !csCode) return;
        device->CreateVertexShader(vsCode->GetBufferPointer(), vsCode->GetBufferSize(), nullptr,
                                   &vs);
        device->CreatePixelShader(psCode->GetBufferPointer(), psCode->GetBufferSize(), nullptr,
                                  &ps);
        // Wine's HLSL compiler takes no geometry, hull or domain shader source; a geometry
        // shader made from vertex shader code with stream output is a legal stand-in. (Hull
        // and domain shaders cannot be made here, so those two stages go unchecked.)
        const D3D11_SO_DECLARATION_ENTRY streamOut{0, "SV_Position", 0, 0, 4, 0};
        const UINT streamStride = 16;
        device->CreateGeometryShaderWithStreamOutput(vsCode->GetBufferPointer(),
                                                     vsCode->GetBufferSize(), &streamOut, 1,
                                                     &streamStride, 1, 0, nullptr, &gs);
        device->CreateComputeShader(csCode->GetBufferPointer(), csCode->GetBufferSize(), nullptr,
                                    &cs);
        const D3D11_INPUT_ELEMENT_DESC element{
            "POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0, D3D11_INPUT_PER_VERTEX_DATA, 0};
        device->CreateInputLayout(&element, 1, vsCode->GetBufferPointer(), vsCode->GetBufferSize(),
                                  &layout);
        for (ID3DBlob* blob : {vsCode, psCode, csCode})
            blob->Release();

        D3D11_BUFFER_DESC buffer{};
        buffer.ByteWidth = 256;
        buffer.BindFlags = D3D11_BIND_VERTEX_BUFFER;
        device->CreateBuffer(&buffer, nullptr, &vertices);
        buffer.BindFlags = D3D11_BIND_INDEX_BUFFER;
        device->CreateBuffer(&buffer, nullptr, &indices);
        buffer.BindFlags = D3D11_BIND_CONSTANT_BUFFER;
        device->CreateBuffer(&buffer, nullptr, &vsConstants);
        device->CreateBuffer(&buffer, nullptr, &psConstants);

        D3D11_SAMPLER_DESC samplerDesc{};
        samplerDesc.Filter = D3D11_FILTER_MIN_MAG_MIP_LINEAR;
        samplerDesc.AddressU = samplerDesc.AddressV = samplerDesc.AddressW =
            D3D11_TEXTURE_ADDRESS_WRAP;
        samplerDesc.ComparisonFunc = D3D11_COMPARISON_NEVER;
        samplerDesc.MaxLOD = 3;
        device->CreateSamplerState(&samplerDesc, &sampler);

        D3D11_TEXTURE2D_DESC textureDesc{};
        textureDesc.Width = textureDesc.Height = 8;
        textureDesc.MipLevels = textureDesc.ArraySize = 1;
        textureDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
        textureDesc.SampleDesc.Count = 1;
        textureDesc.BindFlags = D3D11_BIND_SHADER_RESOURCE;
        device->CreateTexture2D(&textureDesc, nullptr, &texture);
        if (texture) device->CreateShaderResourceView(texture, nullptr, &view);

        D3D11_RASTERIZER_DESC rasterizerDesc{};
        rasterizerDesc.FillMode = D3D11_FILL_SOLID;
        rasterizerDesc.CullMode = D3D11_CULL_FRONT;
        rasterizerDesc.FrontCounterClockwise = TRUE;
        rasterizerDesc.ScissorEnable = TRUE;
        rasterizerDesc.DepthClipEnable = TRUE;
        device->CreateRasterizerState(&rasterizerDesc, &rasterizer);

        D3D11_BLEND_DESC blendDesc{};
        blendDesc.RenderTarget[0].BlendEnable = TRUE;
        blendDesc.RenderTarget[0].SrcBlend = D3D11_BLEND_ZERO;
        blendDesc.RenderTarget[0].DestBlend = D3D11_BLEND_ONE;
        blendDesc.RenderTarget[0].BlendOp = D3D11_BLEND_OP_ADD;
        blendDesc.RenderTarget[0].SrcBlendAlpha = D3D11_BLEND_ZERO;
        blendDesc.RenderTarget[0].DestBlendAlpha = D3D11_BLEND_ONE;
        blendDesc.RenderTarget[0].BlendOpAlpha = D3D11_BLEND_OP_ADD;
        blendDesc.RenderTarget[0].RenderTargetWriteMask = 0;
        device->CreateBlendState(&blendDesc, &blend);

        D3D11_DEPTH_STENCIL_DESC depth{};
        depth.DepthEnable = TRUE;
        depth.DepthWriteMask = D3D11_DEPTH_WRITE_MASK_ALL;
        depth.DepthFunc = D3D11_COMPARISON_NEVER;
        depth.StencilEnable = TRUE;
        depth.StencilReadMask = depth.StencilWriteMask = 0xFF;
        depth.FrontFace = {D3D11_STENCIL_OP_KEEP, D3D11_STENCIL_OP_KEEP, D3D11_STENCIL_OP_KEEP,
                           D3D11_COMPARISON_NEVER};
        depth.BackFace = depth.FrontFace;
        device->CreateDepthStencilState(&depth, &depthStencil);

        D3D11_TEXTURE2D_DESC depthTexture{};
        depthTexture.Width = 320;
        depthTexture.Height = 240;
        depthTexture.MipLevels = depthTexture.ArraySize = 1;
        depthTexture.Format = DXGI_FORMAT_D24_UNORM_S8_UINT;
        depthTexture.SampleDesc.Count = 1;
        depthTexture.BindFlags = D3D11_BIND_DEPTH_STENCIL;
        device->CreateTexture2D(&depthTexture, nullptr, &depthBuffer);
        if (depthBuffer) device->CreateDepthStencilView(depthBuffer, nullptr, &depthView);
    }

    ~GameState() {
        for (IUnknown* object : objects())
            if (object) object->Release();
    }

    std::vector<IUnknown*> objects() const {
        return {vs,         ps,          gs,           cs,          layout,   vertices,
                indices,    vsConstants, psConstants,  sampler,     texture,  view,
                rasterizer, blend,       depthStencil, depthBuffer, depthView};
    }

    // Binds everything, with the game's render target and a depth buffer.
    void bind(ID3D11DeviceContext* context, ID3D11RenderTargetView* target) const {
        context->ClearDepthStencilView(depthView, D3D11_CLEAR_DEPTH | D3D11_CLEAR_STENCIL, 0.0f, 0);
        context->OMSetRenderTargets(1, &target, depthView);
        context->IASetInputLayout(layout);
        context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_LINESTRIP);
        context->IASetVertexBuffers(0, 1, &vertices, &vertexStride, &vertexOffset);
        context->IASetIndexBuffer(indices, DXGI_FORMAT_R16_UINT, indexOffset);
        context->VSSetShader(vs, nullptr, 0);
        context->VSSetConstantBuffers(0, 1, &vsConstants);
        context->PSSetShader(ps, nullptr, 0);
        context->PSSetConstantBuffers(0, 1, &psConstants);
        context->PSSetSamplers(0, 1, &sampler);
        context->PSSetShaderResources(0, 1, &view);
        context->GSSetShader(gs, nullptr, 0);
        context->CSSetShader(cs, nullptr, 0);
        context->RSSetState(rasterizer);
        context->RSSetViewports(2, viewports);
        context->RSSetScissorRects(2, scissors);
        context->OMSetBlendState(blend, blendFactor, sampleMask);
        context->OMSetDepthStencilState(depthStencil, stencilRef);
    }

    ID3D11VertexShader* vs = nullptr;
    ID3D11PixelShader* ps = nullptr;
    ID3D11GeometryShader* gs = nullptr;
    ID3D11ComputeShader* cs = nullptr;
    ID3D11InputLayout* layout = nullptr;
    ID3D11Buffer* vertices = nullptr;
    ID3D11Buffer* indices = nullptr;
    ID3D11Buffer* vsConstants = nullptr;
    ID3D11Buffer* psConstants = nullptr;
    ID3D11SamplerState* sampler = nullptr;
    ID3D11Texture2D* texture = nullptr;
    ID3D11ShaderResourceView* view = nullptr;
    ID3D11RasterizerState* rasterizer = nullptr;
    ID3D11BlendState* blend = nullptr;
    ID3D11DepthStencilState* depthStencil = nullptr;
    ID3D11Texture2D* depthBuffer = nullptr;
    ID3D11DepthStencilView* depthView = nullptr;

    UINT vertexStride = 12, vertexOffset = 24, indexOffset = 6;
    D3D11_VIEWPORT viewports[2] = {{1, 2, 3, 4, 0.25f, 0.75f}, {5, 6, 70, 80, 0.0f, 0.5f}};
    D3D11_RECT scissors[2] = {{300, 200, 310, 210}, {1, 2, 3, 4}};
    FLOAT blendFactor[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    UINT sampleMask = 0x0F0F0F0Fu;
    UINT stencilRef = 7;
};

// Reads one bound object and gives back the reference the Get call took.
template <class T>
T* peek(T* object) {
    if (object) object->Release();
    return object;
}

TEST(PipelineState, DrawsThroughHostileGameStateAndPutsEveryPieceBack) {
    kztest::EngineOnWindow engine(320, 240);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwNewBar("Bar");
    ASSERT_EQ(TwDefine(" TW_HELP visible=false Bar position='100 100' size='120 80' "
                       " color='255 255 255' alpha=255 "),
              1);
    kztest::D3DTestWindow& window = engine.window();
    GameState game(window.device());
    for (IUnknown* object : game.objects())
        ASSERT_TRUE(object) << "sentinel not created";
    std::vector<ULONG> countsBefore;
    for (IUnknown* object : game.objects())
        countsBefore.push_back(refCount(object));

    window.clearBackBuffer(0, 0, 0);
    ID3D11DeviceContext* context = window.context();
    ID3D11RenderTargetView* target = nullptr;
    context->OMGetRenderTargets(1, &target, nullptr);
    ASSERT_TRUE(target);
    game.bind(context, target);

    ASSERT_EQ(TwDraw(), 1);
    TwFrameStats stats{};
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.drawCalls, 1u);

    // Input assembler
    ID3D11InputLayout* layout = nullptr;
    context->IAGetInputLayout(&layout);
    EXPECT_EQ(peek(layout), game.layout);
    D3D11_PRIMITIVE_TOPOLOGY topology{};
    context->IAGetPrimitiveTopology(&topology);
    EXPECT_EQ(topology, D3D11_PRIMITIVE_TOPOLOGY_LINESTRIP);
    ID3D11Buffer* buffer = nullptr;
    UINT stride = 0, offset = 0;
    context->IAGetVertexBuffers(0, 1, &buffer, &stride, &offset);
    EXPECT_EQ(peek(buffer), game.vertices);
    EXPECT_EQ(stride, game.vertexStride);
    EXPECT_EQ(offset, game.vertexOffset);
    DXGI_FORMAT format{};
    context->IAGetIndexBuffer(&buffer, &format, &offset);
    EXPECT_EQ(peek(buffer), game.indices);
    EXPECT_EQ(format, DXGI_FORMAT_R16_UINT);
    EXPECT_EQ(offset, game.indexOffset);

    // Shader stages with the slots the renderer binds
    ID3D11VertexShader* vs = nullptr;
    context->VSGetShader(&vs, nullptr, nullptr);
    EXPECT_EQ(peek(vs), game.vs);
    context->VSGetConstantBuffers(0, 1, &buffer);
    EXPECT_EQ(peek(buffer), game.vsConstants);
    ID3D11PixelShader* ps = nullptr;
    context->PSGetShader(&ps, nullptr, nullptr);
    EXPECT_EQ(peek(ps), game.ps);
    context->PSGetConstantBuffers(0, 1, &buffer);
    EXPECT_EQ(peek(buffer), game.psConstants);
    ID3D11SamplerState* sampler = nullptr;
    context->PSGetSamplers(0, 1, &sampler);
    EXPECT_EQ(peek(sampler), game.sampler);
    ID3D11ShaderResourceView* view = nullptr;
    context->PSGetShaderResources(0, 1, &view);
    EXPECT_EQ(peek(view), game.view);
    ID3D11GeometryShader* gs = nullptr;
    context->GSGetShader(&gs, nullptr, nullptr);
    EXPECT_EQ(peek(gs), game.gs);
    ID3D11ComputeShader* cs = nullptr;
    context->CSGetShader(&cs, nullptr, nullptr);
    EXPECT_EQ(peek(cs), game.cs);

    // Rasterizer
    ID3D11RasterizerState* rasterizer = nullptr;
    context->RSGetState(&rasterizer);
    EXPECT_EQ(peek(rasterizer), game.rasterizer);
    D3D11_VIEWPORT viewports[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};
    UINT count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    context->RSGetViewports(&count, viewports);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(std::memcmp(viewports, game.viewports, sizeof game.viewports), 0);
    D3D11_RECT scissors[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};
    count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    context->RSGetScissorRects(&count, scissors);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(std::memcmp(scissors, game.scissors, sizeof game.scissors), 0);

    // Output merger, render targets included
    ID3D11BlendState* blend = nullptr;
    FLOAT blendFactor[4] = {};
    UINT sampleMask = 0;
    context->OMGetBlendState(&blend, blendFactor, &sampleMask);
    EXPECT_EQ(peek(blend), game.blend);
    EXPECT_EQ(std::memcmp(blendFactor, game.blendFactor, sizeof blendFactor), 0);
    EXPECT_EQ(sampleMask, game.sampleMask);
    ID3D11DepthStencilState* depthStencil = nullptr;
    UINT stencilRef = 0;
    context->OMGetDepthStencilState(&depthStencil, &stencilRef);
    EXPECT_EQ(peek(depthStencil), game.depthStencil);
    EXPECT_EQ(stencilRef, game.stencilRef);
    ID3D11RenderTargetView* boundTarget = nullptr;
    ID3D11DepthStencilView* boundDepth = nullptr;
    context->OMGetRenderTargets(1, &boundTarget, &boundDepth);
    EXPECT_EQ(peek(boundTarget), target);
    EXPECT_EQ(peek(boundDepth), game.depthView);

    // No reference to the game's objects is kept by the renderer.
    std::vector<IUnknown*> objects = game.objects();
    for (std::size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(refCount(objects[i]), countsBefore[i]) << "object " << i;

    // And the bar's opaque white body was drawn despite all of it.
    context->ClearState();
    target->Release();
    int width = 0;
    const auto pixels = window.readBackBuffer(&width);
    const kztest::Rgba p = kztest::pixelAt(pixels, width, 160, 150);
    EXPECT_EQ(p.r, 255);
    EXPECT_EQ(p.g, 255);
    EXPECT_EQ(p.b, 255);
}

}  // namespace
