// The renderer's two shaders, compiled from source when the engine starts, and the vertex
// layout they read.
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

// The input layout of tw::Vertex, for the vertex shader's input signature.
extern const D3D11_INPUT_ELEMENT_DESC kVertexLayout[3];

// What both shaders' constant buffer holds: pixels of the drawing area to clip space as a scale
// and an offset, and whether the bound view stores linear light (1) or encoded colours (0).
struct D3D11FrameConstants {
    float scale[2];
    float offset[2];
    float linearTarget;
    float padding[3];  // constant buffers come in 16-byte registers

    bool operator==(const D3D11FrameConstants& other) const {
        return scale[0] == other.scale[0] && scale[1] == other.scale[1] &&
               offset[0] == other.offset[0] && offset[1] == other.offset[1] &&
               linearTarget == other.linearTarget;
    }
};

D3D11FrameConstants frameConstantsFor(int areaWidth, int areaHeight, bool linearTarget);

}  // namespace tw
