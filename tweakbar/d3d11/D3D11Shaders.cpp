#include "D3D11Shaders.h"

#include <d3dcompiler.h>

#include <cstddef>

#include "DisplayList.h"

namespace tw {

namespace {

const char kVertexShader[] = R"(
cbuffer Projection : register(b0) {
    float2 scale;
    float2 offset;
};
struct Input {
    float2 position : POSITION;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
};
struct Output {
    float4 position : SV_Position;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
};
Output main(Input input) {
    Output output;
    output.position = float4(input.position * scale + offset, 0.0, 1.0);
    output.uv = input.uv;
    output.color = input.color;
    return output;
}
)";

// The atlas holds coverage only: solid fills sample its white block, glyphs their ink, and the
// vertex colour carries the colour and opacity of both.
const char kPixelShader[] = R"(
Texture2D atlas : register(t0);
SamplerState atlasSampler : register(s0);
struct Input {
    float4 position : SV_Position;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
};
float4 main(Input input) : SV_Target {
    return float4(input.color.rgb, input.color.a * atlas.Sample(atlasSampler, input.uv).r);
}
)";

bool compile(const char* source, std::size_t length, const char* name, const char* target,
             ID3DBlob** code, std::string& error) {
    ID3DBlob* messages = nullptr;
    const HRESULT hr = D3DCompile(source, length, name, nullptr, nullptr, "main", target,
                                  D3DCOMPILE_OPTIMIZATION_LEVEL3, 0, code, &messages);
    if (FAILED(hr)) {
        error = std::string("Cannot compile the ") + name;
        if (messages)
            error += ": " + std::string(static_cast<const char*>(messages->GetBufferPointer()),
                                        messages->GetBufferSize());
    }
    if (messages) messages->Release();
    return SUCCEEDED(hr);
}

}  // namespace

const D3D11_INPUT_ELEMENT_DESC kVertexLayout[3] = {
    {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, offsetof(Vertex, x), D3D11_INPUT_PER_VERTEX_DATA,
     0},
    {"TEXCOORD", 0, DXGI_FORMAT_R32G32_FLOAT, 0, offsetof(Vertex, u), D3D11_INPUT_PER_VERTEX_DATA,
     0},
    {"COLOR", 0, DXGI_FORMAT_R8G8B8A8_UNORM, 0, offsetof(Vertex, color),
     D3D11_INPUT_PER_VERTEX_DATA, 0},
};

D3D11ShaderCode::~D3D11ShaderCode() {
    if (vertex) vertex->Release();
    if (pixel) pixel->Release();
}

bool compileShaders(D3D11ShaderCode& code, std::string& error) {
    return compile(kVertexShader, sizeof kVertexShader - 1, "vertex shader", "vs_4_0", &code.vertex,
                   error) &&
           compile(kPixelShader, sizeof kPixelShader - 1, "pixel shader", "ps_4_0", &code.pixel,
                   error);
}

// Pixel (0, 0) is the top-left corner of the drawing area; clip space runs from -1 to 1 with y
// pointing up.
D3D11Projection projectionFor(int width, int height) {
    return {{2.0f / float(width), -2.0f / float(height)}, {-1.0f, 1.0f}};
}

}  // namespace tw
