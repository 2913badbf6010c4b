// The renderer's two shaders, compiled from source when the engine starts, and what they read.
#pragma once

#include <d3d11.h>
#include <d3dcommon.h>

#include <string>

namespace tw {

struct D3D11ShaderCode {
    ID3DBlob* vertex = nullptr;
    ID3DBlob* pixel = nullptr;

    D3D11ShaderCode() = default;
    ~D3D11ShaderCode();
    D3D11ShaderCode(const D3D11ShaderCode&) = delete;
    D3D11ShaderCode& operator=(const D3D11ShaderCode&) = delete;
};

// Compiles both shaders with D3DCompile; on failure returns false with the compiler's message.
bool compileShaders(D3D11ShaderCode& code, std::string& error);

// What the vertex shader reads besides the vertices, once per draw: pixels of the drawing area
// to clip space as a scale and an offset, and whether the bound view stores linear light (1) or
// encoded colours (0).
struct D3D11FrameData {
    float scale[2];
    float offset[2];
    float linearTarget;
    float padding[3];  // the second element of the layout reads four floats

    bool operator==(const D3D11FrameData& other) const {
        return scale[0] == other.scale[0] && scale[1] == other.scale[1] &&
               offset[0] == other.offset[0] && offset[1] == other.offset[1] &&
               linearTarget == other.linearTarget;
    }
};

D3D11FrameData frameDataFor(int areaWidth, int areaHeight, bool linearTarget);

// The input layout: tw::Vertex from slot 0, and D3D11FrameData as one instance from slot 1.
constexpr UINT kVertexLayoutElements = 5;
extern const D3D11_INPUT_ELEMENT_DESC kVertexLayout[kVertexLayoutElements];

}  // namespace tw
