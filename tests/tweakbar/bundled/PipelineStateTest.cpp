// TwDraw draws correctly whatever state the game left bound, and leaves every piece of that
// state as it was, holding no reference to any of it afterwards.
#include <gtest/gtest.h>

#include <d3dcompiler.h>

#include <cstring>
#include <string>
#include <vector>

#include "EngineOnWindow.h"
#include "TwFrameStats.h"

namespace {

using kztest::refCount;

ID3DBlob* compile(const char* source, const char* target) {
    ID3DBlob* code = nullptr;
    D3DCompile(source, std::strlen(source), target, nullptr, nullptr, "main", target, 0, 0, &code,
               nullptr);
    EXPECT_NE(code, nullptr) << target;
    return code;
}

// Every piece of state the renderer may change, read back as one list of numbers: objects by
// address (the reference each Get call takes is dropped at once), values by their bytes.
std::vector<std::uintptr_t> boundState(ID3D11DeviceContext* c) {
    std::vector<std::uintptr_t> state;
    auto object = [&](IUnknown* o) {
        state.push_back(reinterpret_cast<std::uintptr_t>(o));
        if (o) o->Release();
    };
    auto bytes = [&](const void* data, std::size_t size) {
        std::vector<std::uintptr_t> words((size + sizeof(std::uintptr_t) - 1) /
                                          sizeof(std::uintptr_t));
        std::memcpy(words.data(), data, size);
        state.insert(state.end(), words.begin(), words.end());
    };
    ID3D11InputLayout* layout;
    c->IAGetInputLayout(&layout);
    object(layout);
    D3D11_PRIMITIVE_TOPOLOGY topology;
    c->IAGetPrimitiveTopology(&topology);
    bytes(&topology, sizeof topology);
    ID3D11Buffer* buffer;
    UINT stride, offset;
    c->IAGetVertexBuffers(0, 1, &buffer, &stride, &offset);
    object(buffer);
    state.insert(state.end(), {stride, offset});
    DXGI_FORMAT format;
    c->IAGetIndexBuffer(&buffer, &format, &offset);
    object(buffer);
    state.insert(state.end(), {std::uintptr_t(format), offset});
    ID3D11VertexShader* vs;
    c->VSGetShader(&vs, nullptr, nullptr);
    object(vs);
    c->VSGetConstantBuffers(0, 1, &buffer);
    object(buffer);
    ID3D11PixelShader* ps;
    c->PSGetShader(&ps, nullptr, nullptr);
    object(ps);
    c->PSGetConstantBuffers(0, 1, &buffer);
    object(buffer);
    ID3D11SamplerState* sampler;
    c->PSGetSamplers(0, 1, &sampler);
    object(sampler);
    ID3D11ShaderResourceView* view;
    c->PSGetShaderResources(0, 1, &view);
    object(view);
    ID3D11GeometryShader* gs;
    c->GSGetShader(&gs, nullptr, nullptr);
    object(gs);
    ID3D11RasterizerState* rasterizer;
    c->RSGetState(&rasterizer);
    object(rasterizer);
    D3D11_VIEWPORT viewports[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};
    UINT count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    c->RSGetViewports(&count, viewports);
    bytes(viewports, count * sizeof viewports[0]);
    D3D11_RECT scissors[D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE] = {};
    count = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    c->RSGetScissorRects(&count, scissors);
    bytes(scissors, count * sizeof scissors[0]);
    ID3D11BlendState* blend;
    FLOAT factor[4];
    UINT mask;
    c->OMGetBlendState(&blend, factor, &mask);
    object(blend);
    bytes(factor, sizeof factor);
    state.push_back(mask);
    ID3D11DepthStencilState* depth;
    UINT stencilRef;
    c->OMGetDepthStencilState(&depth, &stencilRef);
    object(depth);
    state.push_back(stencilRef);
    ID3D11RenderTargetView* target;
    ID3D11DepthStencilView* depthView;
    c->OMGetRenderTargets(1, &target, &depthView);
    object(target);
    object(depthView);
    return state;
}

// The object a Create call made (read after the call).
template <class T>
T* made(HRESULT hr, T** object) {
    EXPECT_TRUE(SUCCEEDED(hr) && *object);
    return *object;
}

TEST(PipelineState, DrawsThroughHostileGameStateAndPutsEveryPieceBack) {
    kztest::EngineOnWindow engine(320, 240);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    TwNewBar("Bar");
    ASSERT_EQ(TwDefine(" TW_HELP visible=false Bar position='100 100' size='120 80' "
                       " color='255 255 255' alpha=255 "),
              1);
    kztest::D3DTestWindow& window = engine.window();
    ID3D11Device* device = window.device();
    ID3D11DeviceContext* context = window.context();

    // State a game might leave bound, chosen so that a renderer that forgot to replace any piece
    // of it would draw nothing: a depth test that always fails, a blend state that writes no
    // colour, a scissor rectangle far from the bar, front-face culling, a tiny viewport, a line
    // strip, shaders, buffers and a texture of the game's own.
    ID3DBlob* vsCode =
        compile("float4 main(float3 p : POSITION) : SV_Position { return p.xyzz; }", "vs_4_0");
    ID3DBlob* psCode =
        compile("float4 main() : SV_Target { return float4(0, 1, 0, 1); }", "ps_4_0");
    ASSERT_TRUE(vsCode && psCode);
    std::vector<IUnknown*> game;
    ID3D11VertexShader* vs = nullptr;
    game.push_back(made(device->CreateVertexShader(vsCode->GetBufferPointer(),
                                                   vsCode->GetBufferSize(), nullptr, &vs),
                        &vs));
    ID3D11PixelShader* ps = nullptr;
    game.push_back(made(device->CreatePixelShader(psCode->GetBufferPointer(),
                                                  psCode->GetBufferSize(), nullptr, &ps),
                        &ps));
    // Wine's HLSL compiler takes no geometry shader source; one made from vertex shader code
    // with stream output is a legal stand-in. (Hull and domain shaders cannot be made here.)
    const D3D11_SO_DECLARATION_ENTRY streamOut{0, "SV_Position", 0, 0, 4, 0};
    const UINT streamStride = 16;
    ID3D11GeometryShader* gs = nullptr;
    game.push_back(made(device->CreateGeometryShaderWithStreamOutput(
                            vsCode->GetBufferPointer(), vsCode->GetBufferSize(), &streamOut, 1,
                            &streamStride, 1, 0, nullptr, &gs),
                        &gs));
    const D3D11_INPUT_ELEMENT_DESC element{
        "POSITION", 0, DXGI_FORMAT_R32G32B32_FLOAT, 0, 0, D3D11_INPUT_PER_VERTEX_DATA, 0};
    ID3D11InputLayout* layout = nullptr;
    game.push_back(made(device->CreateInputLayout(&element, 1, vsCode->GetBufferPointer(),
                                                  vsCode->GetBufferSize(), &layout),
                        &layout));
    vsCode->Release();
    psCode->Release();

    ID3D11Buffer* buffers[3] = {};  // vertices, indices, constants
    const UINT bindings[3] = {D3D11_BIND_VERTEX_BUFFER, D3D11_BIND_INDEX_BUFFER,
                              D3D11_BIND_CONSTANT_BUFFER};
    for (int i = 0; i < 3; ++i) {
        D3D11_BUFFER_DESC desc{256, D3D11_USAGE_DEFAULT, bindings[i], 0, 0, 0};
        game.push_back(made(device->CreateBuffer(&desc, nullptr, &buffers[i]), &buffers[i]));
    }
    D3D11_SAMPLER_DESC samplerDesc{};
    samplerDesc.Filter = D3D11_FILTER_MIN_MAG_MIP_LINEAR;
    samplerDesc.AddressU = samplerDesc.AddressV = samplerDesc.AddressW = D3D11_TEXTURE_ADDRESS_WRAP;
    samplerDesc.MaxLOD = 3;
    ID3D11SamplerState* sampler = nullptr;
    game.push_back(made(device->CreateSamplerState(&samplerDesc, &sampler), &sampler));
    D3D11_TEXTURE2D_DESC textureDesc{8,
                                     8,
                                     1,
                                     1,
                                     DXGI_FORMAT_R8G8B8A8_UNORM,
                                     {1, 0},
                                     D3D11_USAGE_DEFAULT,
                                     D3D11_BIND_SHADER_RESOURCE,
                                     0,
                                     0};
    ID3D11Texture2D* texture = nullptr;
    game.push_back(made(device->CreateTexture2D(&textureDesc, nullptr, &texture), &texture));
    ID3D11ShaderResourceView* view = nullptr;
    game.push_back(made(device->CreateShaderResourceView(texture, nullptr, &view), &view));
    textureDesc = {320,
                   240,
                   1,
                   1,
                   DXGI_FORMAT_D24_UNORM_S8_UINT,
                   {1, 0},
                   D3D11_USAGE_DEFAULT,
                   D3D11_BIND_DEPTH_STENCIL,
                   0,
                   0};
    ID3D11Texture2D* depthBuffer = nullptr;
    game.push_back(
        made(device->CreateTexture2D(&textureDesc, nullptr, &depthBuffer), &depthBuffer));
    ID3D11DepthStencilView* depthView = nullptr;
    game.push_back(
        made(device->CreateDepthStencilView(depthBuffer, nullptr, &depthView), &depthView));

    D3D11_RASTERIZER_DESC rasterizerDesc{};
    rasterizerDesc.FillMode = D3D11_FILL_SOLID;
    rasterizerDesc.CullMode = D3D11_CULL_FRONT;
    rasterizerDesc.FrontCounterClockwise = TRUE;
    rasterizerDesc.ScissorEnable = TRUE;
    ID3D11RasterizerState* rasterizer = nullptr;
    game.push_back(made(device->CreateRasterizerState(&rasterizerDesc, &rasterizer), &rasterizer));
    D3D11_BLEND_DESC blendDesc{};
    blendDesc.RenderTarget[0] = {TRUE,
                                 D3D11_BLEND_ZERO,
                                 D3D11_BLEND_ONE,
                                 D3D11_BLEND_OP_ADD,
                                 D3D11_BLEND_ZERO,
                                 D3D11_BLEND_ONE,
                                 D3D11_BLEND_OP_ADD,
                                 0};
    ID3D11BlendState* blend = nullptr;
    game.push_back(made(device->CreateBlendState(&blendDesc, &blend), &blend));
    D3D11_DEPTH_STENCIL_DESC depthDesc{};
    depthDesc.DepthEnable = depthDesc.StencilEnable = TRUE;
    depthDesc.DepthWriteMask = D3D11_DEPTH_WRITE_MASK_ALL;
    depthDesc.DepthFunc = D3D11_COMPARISON_NEVER;
    depthDesc.StencilReadMask = depthDesc.StencilWriteMask = 0xFF;
    depthDesc.FrontFace = {D3D11_STENCIL_OP_KEEP, D3D11_STENCIL_OP_KEEP, D3D11_STENCIL_OP_KEEP,
                           D3D11_COMPARISON_NEVER};
    depthDesc.BackFace = depthDesc.FrontFace;
    ID3D11DepthStencilState* depthStencil = nullptr;
    game.push_back(made(device->CreateDepthStencilState(&depthDesc, &depthStencil), &depthStencil));
    for (IUnknown* object : game)
        ASSERT_NE(object, nullptr) << "sentinel not created";

    window.clearBackBuffer(0, 0, 0);
    ID3D11RenderTargetView* target = nullptr;
    context->OMGetRenderTargets(1, &target, nullptr);
    ASSERT_TRUE(target);
    context->ClearDepthStencilView(depthView, D3D11_CLEAR_DEPTH | D3D11_CLEAR_STENCIL, 0.0f, 0);
    context->OMSetRenderTargets(1, &target, depthView);
    target->Release();
    const UINT stride = 12, vertexOffset = 24;
    const D3D11_VIEWPORT viewports[2] = {{1, 2, 3, 4, 0.25f, 0.75f}, {5, 6, 70, 80, 0.0f, 0.5f}};
    const D3D11_RECT scissors[2] = {{300, 200, 310, 210}, {1, 2, 3, 4}};
    const FLOAT blendFactor[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    context->IASetInputLayout(layout);
    context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_LINESTRIP);
    context->IASetVertexBuffers(0, 1, &buffers[0], &stride, &vertexOffset);
    context->IASetIndexBuffer(buffers[1], DXGI_FORMAT_R16_UINT, 6);
    context->VSSetShader(vs, nullptr, 0);
    context->VSSetConstantBuffers(0, 1, &buffers[2]);
    context->PSSetShader(ps, nullptr, 0);
    context->PSSetConstantBuffers(0, 1, &buffers[2]);
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
    const std::vector<std::uintptr_t> before = boundState(context);
    ASSERT_EQ(TwDraw(), 1);
    TwFrameStats stats{};
    ASSERT_EQ(TwGetFrameStats(&stats), 1);
    EXPECT_EQ(stats.drawCalls, 1u);
    EXPECT_EQ(boundState(context), before);
    for (std::size_t i = 0; i < game.size(); ++i)
        EXPECT_EQ(refCount(game[i]), countsBefore[i]) << "no reference kept to object " << i;

    // And the bar's opaque white body was drawn despite all of it.
    context->ClearState();
    for (IUnknown* object : game)
        object->Release();
    int width = 0;
    const auto pixels = window.readBackBuffer(&width);
    const kztest::Rgba p = kztest::pixelAt(pixels, width, 160, 150);
    EXPECT_EQ(p.r + p.g + p.b, 3 * 255);
}

}  // namespace
