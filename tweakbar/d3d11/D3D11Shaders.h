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

// What the vertex shader's constant buffer holds: pixels to clip space as a scale and offset.
struct D3D11Projection {
    float scale[2];
    float offset[2];
};

D3D11Projection projectionFor(int width, int height);

}  // namespace tw
