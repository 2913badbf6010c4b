#include "D3D11Shaders.h"

#include <d3dcompiler.h>

#include <cstddef>

#include "draw/DisplayList.h"

namespace tw {

namespace {

// The frame's data comes as a second vertex buffer of one instance rather than as a constant
// buffer: the call that binds the vertices binds it too, so the game's constant buffers are
// neither read nor replaced.
const char kVertexShader[] = R"(
struct Input {
    float2 position : POSITION;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
    float4 placement : FRAME0;
    float4 target : FRAME1;
};
struct Output {
    float4 position : SV_Position;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
    nointerpolation float linearTarget : TEXCOORD1;
};
Output main(Input input) {
    Output output;
    output.position = float4(input.position * input.placement.xy + input.placement.zw, 0.0, 1.0);
    output.uv = input.uv;
    output.color = input.color;
    output.linearTarget = input.target.x;
    return output;
}
)";

// The atlas holds coverage only: solid fills sample its white block, glyphs their ink, and the
// vertex colour carries the colour and opacity of both. (Written without functions of its own,
// ?: or step, which Wine's HLSL compiler does not take: a steep saturate picks a side instead.)
// Colours are sRGB-encoded bytes; a view that stores linear light (sRGB and floating-point formats)
// gets them decoded, and its blending, which happens in linear light, gets an opacity that lands
// where blending the encoded values would: exactly over black or white (whichever contrasts with
// the colour), close in between. That keeps antialiased text as thick as on an 8-bit view, and dark
// fields as dark.
const char kPixelShader[] = R"(
Texture2D atlas : register(t0);
SamplerState atlasSampler : register(s0);
struct Input {
    float4 position : SV_Position;
    float2 uv : TEXCOORD0;
    float4 color : COLOR0;
    nointerpolation float linearTarget : TEXCOORD1;
};
float4 main(Input input) : SV_Target {
    float alpha = input.color.a * atlas.Sample(atlasSampler, input.uv).r;
    float3 c = input.color.rgb;
    float3 decoded =
        lerp(c / 12.92, pow((c + 0.055) / 1.055, 2.4), saturate((c - 0.04045) * 1e6));
    float luma = dot(c, float3(0.2126, 0.7152, 0.0722));
    float behind = lerp(0.8, 0.3, saturate((luma - 0.5) * 1e6));
    float3 ends = float3(lerp(behind, luma, alpha), behind, luma);
    float3 endsDecoded =
        lerp(ends / 12.92, pow((ends + 0.055) / 1.055, 2.4), saturate((ends - 0.04045) * 1e6));
    float linearAlpha = saturate((endsDecoded.x - endsDecoded.y) / (endsDecoded.z - endsDecoded.y));
    return lerp(float4(c, alpha), float4(decoded, linearAlpha), input.linearTarget);
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

const D3D11_INPUT_ELEMENT_DESC kVertexLayout[kVertexLayoutElements] = {
    {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, offsetof(Vertex, x), D3D11_INPUT_PER_VERTEX_DATA,
     0},
    {"TEXCOORD", 0, DXGI_FORMAT_R32G32_FLOAT, 0, offsetof(Vertex, u), D3D11_INPUT_PER_VERTEX_DATA,
     0},
    {"COLOR", 0, DXGI_FORMAT_R8G8B8A8_UNORM, 0, offsetof(Vertex, color),
     D3D11_INPUT_PER_VERTEX_DATA, 0},
    {"FRAME", 0, DXGI_FORMAT_R32G32B32A32_FLOAT, 1, offsetof(D3D11FrameData, scale),
     D3D11_INPUT_PER_INSTANCE_DATA, 1},
    {"FRAME", 1, DXGI_FORMAT_R32G32B32A32_FLOAT, 1, offsetof(D3D11FrameData, linearTarget),
     D3D11_INPUT_PER_INSTANCE_DATA, 1},
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
// pointing up. The viewport covers the whole render target, so a target of another size than
// the drawing area shows the area stretched over all of it.
D3D11FrameData frameDataFor(int areaWidth, int areaHeight, bool linearTarget) {
    return {{2.0f / float(areaWidth), -2.0f / float(areaHeight)},
            {-1.0f, 1.0f},
            linearTarget ? 1.0f : 0.0f,
            {}};
}

}  // namespace tw
