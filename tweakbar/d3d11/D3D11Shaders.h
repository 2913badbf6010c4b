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
// to clip space as a scale and an offset; the atlas's size in texels; whether the bound view
// stores linear light (1) or encoded colours (0); whether the area is stretched over a target
// of another size (1), which filters the atlas.
struct D3D11FrameData {
    float scale[2];
    float offset[2];
    float atlasSize[2];
    float linearTarget;
    float stretched;

    bool operator==(const D3D11FrameData& other) const {
        return scale[0] == other.scale[0] && scale[1] == other.scale[1] &&
               offset[0] == other.offset[0] && offset[1] == other.offset[1] &&
               atlasSize[0] == other.atlasSize[0] && atlasSize[1] == other.atlasSize[1] &&
               linearTarget == other.linearTarget && stretched == other.stretched;
    }
};

D3D11FrameData frameDataFor(int areaWidth, int areaHeight, int targetWidth, int targetHeight,
                            int atlasWidth, int atlasHeight, bool linearTarget);

// The input layout: tw::Vertex from slot 0, and D3D11FrameData as one instance from slot 1.
constexpr UINT kVertexLayoutElements = 5;
extern const D3D11_INPUT_ELEMENT_DESC kVertexLayout[kVertexLayoutElements];

}  // namespace tw
