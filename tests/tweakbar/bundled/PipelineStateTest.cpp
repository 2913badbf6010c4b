// TwDraw draws correctly whatever state the game left bound, with a depth buffer and without,
// and leaves every piece of that state as it was, holding no reference to any of it afterwards:
// on each way of keeping the game's state, and on a device that offers only one.
#include <gtest/gtest.h>

#include <d3dcompiler.h>

#include <cstring>
#include <string>
#include <vector>

#include "BoundState.h"
#include "EngineOnWindow.h"
#include "HiddenDevice1.h"
#include "TwFrameStats.h"

namespace {

using kztest::boundState;
using kztest::refCount;

ID3DBlob* compile(const char* source, const char* target) {
    ID3DBlob* code = nullptr;
    D3DCompile(source, std::strlen(source), target, nullptr, nullptr, "main", target, 0, 0, &code,
               nullptr);
    return code;
}

enum class Way { Swapped, Saved, OnlyOneWithoutDevice1 };

class PipelineState : public testing::TestWithParam<Way> {};

TEST_P(PipelineState, DrawsThroughHostileGameStateAndPutsEveryPieceBack) {
    kztest::EngineOnWindow engine(320, 240);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    if (GetParam() == Way::OnlyOneWithoutDevice1) {
        ASSERT_EQ(TwTerminate(), 1);
        kztest::HiddenDevice1 hidden(engine.window().device());
        ASSERT_EQ(TwInit(TW_DIRECT3D11, engine.window().device()), 1) << TwGetLastError();
        ASSERT_EQ(TwWindowSize(320, 240), 1);
    } else {
        ASSERT_EQ(TwDefine(GetParam() == Way::Swapped ? " GLOBAL statepath=swap "
                                                      : " GLOBAL statepath=saved "),
                  1);
    }
    TwNewBar("Bar");
    ASSERT_EQ(TwDefine(" TW_HELP visible=false\r\nBar position='100 100' size='120 80' "
                       " color='255 255 255' alpha=255 "),
              1);
    ID3D11Device* device = engine.window().device();
    ID3D11DeviceContext* context = engine.window().context();

    // State a game might leave bound, chosen so that a renderer that forgot to replace any piece
    // of it would draw nothing: a depth test that always fails, a blend state that writes no
    // colour, a scissor rectangle far from the bar, front-face culling, a tiny viewport, a line
    // strip, and shaders, buffers and a texture of the game's own; then the same without the
    // depth buffer, whose state then tests nothing.
    ID3DBlob* vsCode =
        compile("float4 main(float3 p : POSITION) : SV_Position { return p.xyzz; }", "vs_4_0");
    ID3DBlob* psCode =
        compile("float4 main() : SV_Target { return float4(0, 1, 0, 1); }", "ps_4_0");
    ASSERT_TRUE(vsCode && psCode);
    const void* vsBytes = vsCode->GetBufferPointer();
    const SIZE_T vsSize = vsCode->GetBufferSize();
    ID3D11VertexShader* vs = nullptr;
    ID3D11PixelShader* ps = nullptr;
    ID3D11GeometryShader* gs = nullptr;
    ID3D11InputLayout* layout = nullptr;
    device->CreateVertexShader(vsBytes, vsSize, nullptr, &vs);
    device->CreatePixelShader(psCode->GetBufferPointer(), psCode->GetBufferSize(), nullptr, &ps);
    // Wine's HLSL compiler takes no geometry shader source; one made from vertex shader code
    // with stream output is a legal stand-in. (Hull and domain shaders cannot be made here.)
    const D3D11_SO_DECLARATION_ENTRY streamOut{0, "SV_Position", 0, 0, 4, 0};
    const UINT streamStride = 16;
    device->CreateGeometryShaderWithStreamOutput(vsBytes, vsSize, &streamOut, 1, &streamStride, 1,
                                                 0, nullptr, &gs);
    const D3D11_INPUT_ELEMENT_DESC element{
        "POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0, D3D11_INPUT_PER_VERTEX_DATA, 0};
    device->CreateInputLayout(&element, 1, vsBytes, vsSize, &layout);
    vsCode->Release();
    psCode->Release();

    ID3D11Buffer* vertices = nullptr;  // bound as vertices and indices
    ID3D11Buffer* constants = nullptr;
    ID3D11SamplerState* sampler = nullptr;
    ID3D11Texture2D* texture = nullptr;
    ID3D11ShaderResourceView* view = nullptr;
    ID3D11Texture2D* depthBuffer = nullptr;
    ID3D11DepthStencilView* depthView = nullptr;
    ID3D11RasterizerState* rasterizer = nullptr;
    ID3D11BlendState* blend = nullptr;
    ID3D11DepthStencilState* depthStencil = nullptr;
    const CD3D11_BUFFER_DESC vertexDesc(256, D3D11_BIND_VERTEX_BUFFER | D3D11_BIND_INDEX_BUFFER);
    const CD3D11_BUFFER_DESC constantDesc(256, D3D11_BIND_CONSTANT_BUFFER);
    device->CreateBuffer(&vertexDesc, nullptr, &vertices);
    device->CreateBuffer(&constantDesc, nullptr, &constants);
    CD3D11_SAMPLER_DESC samplerDesc(D3D11_DEFAULT);
    samplerDesc.AddressU = D3D11_TEXTURE_ADDRESS_WRAP;
    device->CreateSamplerState(&samplerDesc, &sampler);
    const CD3D11_TEXTURE2D_DESC textureDesc(DXGI_FORMAT_R8G8B8A8_UNORM, 8, 8);
    const CD3D11_TEXTURE2D_DESC depthBufferDesc(DXGI_FORMAT_D24_UNORM_S8_UINT, 320, 240, 1, 1,
                                                D3D11_BIND_DEPTH_STENCIL);
    device->CreateTexture2D(&textureDesc, nullptr, &texture);
    if (texture) device->CreateShaderResourceView(texture, nullptr, &view);
    device->CreateTexture2D(&depthBufferDesc, nullptr, &depthBuffer);
    if (depthBuffer) device->CreateDepthStencilView(depthBuffer, nullptr, &depthView);
    const CD3D11_RASTERIZER_DESC rasterizerDesc(D3D11_FILL_SOLID, D3D11_CULL_FRONT, TRUE, 0, 0, 0,
                                                TRUE, TRUE, FALSE, FALSE);
    device->CreateRasterizerState(&rasterizerDesc, &rasterizer);
    CD3D11_BLEND_DESC blendDesc(D3D11_DEFAULT);
    blendDesc.RenderTarget[0].RenderTargetWriteMask = 0;
    device->CreateBlendState(&blendDesc, &blend);
    CD3D11_DEPTH_STENCIL_DESC depthDesc(D3D11_DEFAULT);
    depthDesc.DepthFunc = depthDesc.FrontFace.StencilFunc = D3D11_COMPARISON_NEVER;
    depthDesc.StencilEnable = TRUE;
    device->CreateDepthStencilState(&depthDesc, &depthStencil);
    const std::vector<IUnknown*> game = {vs,        ps,         gs,      layout,      vertices,
                                         constants, sampler,    texture, view,        depthBuffer,
                                         depthView, rasterizer, blend,   depthStencil};
    for (IUnknown* object : game)
        ASSERT_NE(object, nullptr) << "sentinel not created";

    for (const bool depthBound : {true, false}) {
        SCOPED_TRACE(depthBound ? "with the game's depth buffer" : "without a depth buffer");
        engine.window().clearBackBuffer(0, 0, 0);
        ID3D11RenderTargetView* target = nullptr;
        context->OMGetRenderTargets(1, &target, nullptr);
        ASSERT_TRUE(target);
        context->ClearDepthStencilView(depthView, D3D11_CLEAR_DEPTH | D3D11_CLEAR_STENCIL, 0.0f, 0);
        context->OMSetRenderTargets(1, &target, depthBound ? depthView : nullptr);
        target->Release();
        ID3D11Buffer* const vertexBuffers[2] = {vertices, vertices};
        const UINT strides[2] = {12, 8}, offsets[2] = {24, 48};
        const D3D11_VIEWPORT viewports[2] = {{1, 2, 3, 4, 0.25f, 0.75f},
                                             {5, 6, 70, 80, 0.0f, 0.5f}};
        const D3D11_RECT scissors[2] = {{300, 200, 310, 210}, {1, 2, 3, 4}};
        const FLOAT blendFactor[4] = {0.1f, 0.2f, 0.3f, 0.4f};
        context->IASetInputLayout(layout);
        context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_LINESTRIP);
        context->IASetVertexBuffers(0, 2, vertexBuffers, strides, offsets);
        context->IASetIndexBuffer(vertices, DXGI_FORMAT_R16_UINT, 6);
        context->VSSetShader(vs, nullptr, 0);
        context->VSSetConstantBuffers(0, 1, &constants);
        context->PSSetShader(ps, nullptr, 0);
        context->PSSetConstantBuffers(0, 1, &constants);
        context->PSSetSamplers(0, 1, &sampler);
        context->PSSetShaderResources(0, 1, &view);
        context->GSSetShader(gs, nullptr, 0);
        context->RSSetState(rasterizer);
        context->RSSetViewports(2, viewports);
        context->RSSetScissorRects(2, scissors);
        context->OMSetBlendState(blend, blendFactor, 0x0F0F0F0Fu);
        context->OMSetDepthStencilState(depthStencil, 7);

        std::vector<ULONG> countsBefore;
        for (IUnknown* object : game)
            countsBefore.push_back(refCount(object));
        const kztest::BoundState before = boundState(context);
        ASSERT_EQ(TwDraw(), 1);
        const TwFrameStats stats = kztest::statsOfLastDraw();
        EXPECT_EQ(stats.drawCalls, 1u);
        EXPECT_EQ(stats.swappedState, GetParam() == Way::Swapped ? 1u : 0u);
        EXPECT_EQ(boundState(context), before);
        for (std::size_t i = 0; i < game.size(); ++i)
            EXPECT_EQ(refCount(game[i]), countsBefore[i]) << "no reference kept to object " << i;

        // And the bar's opaque white body (shaded grey toward its top left) was drawn despite
        // all of it.
        context->ClearState();
        int width = 0;
        const auto pixels = engine.window().readBackBuffer(&width);
        const kztest::Rgba p = kztest::pixelAt(pixels, width, 160, 150);
        EXPECT_TRUE(p.r == p.g && p.g == p.b) << int(p.r) << " " << int(p.g) << " " << int(p.b);
        EXPECT_GT(p.r, 200);
    }
    for (IUnknown* object : game)
        object->Release();
}

std::string nameOf(const testing::TestParamInfo<Way>& way) {
    const char* const names[] = {"SwappedContextState", "SavedAndRestored",
                                 "OnlyOneWithoutDevice1"};
    return names[int(way.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryPath, PipelineState,
                         testing::Values(Way::Swapped, Way::Saved, Way::OnlyOneWithoutDevice1),
                         nameOf);

}  // namespace
