// The demo's Direct3D 11 side: device, swap chain, the moving background and the solid
// rectangles of its text, and the resize the way a game should do it.
#pragma once

#include <windows.h>
#include <d3d11.h>

#include <string>
#include <vector>

#include "Scene.h"

namespace kzdemo {

class DemoRenderer {
  public:
    DemoRenderer() = default;
    ~DemoRenderer();
    DemoRenderer(const DemoRenderer&) = delete;
    DemoRenderer& operator=(const DemoRenderer&) = delete;

    // Device, swap chain on the window (two buffers of width x height), shaders and buffers.
    bool create(HWND window, UINT width, UINT height, std::string* error);

    // Unbinds and releases the back-buffer view, resizes the buffers and makes a new view.
    // Returns false when ResizeBuffers failed (the old buffers stay in use then).
    bool resizeBuffers(UINT width, UINT height);

    // Draws the triangles into back buffer 0 (the whole pipeline state is the demo's own).
    void drawFrame(const std::vector<ColorVertex>& vertices);
    HRESULT present(UINT syncInterval);

    bool created() const { return swapChain_ != nullptr; }
    UINT bufferWidth() const { return width_; }
    UINT bufferHeight() const { return height_; }

  private:
    bool createSwapChain();
    bool createBackBufferView();
    bool createPipeline(std::string* error);
    void upload(const std::vector<ColorVertex>& vertices);

    HWND window_ = nullptr;
    UINT width_ = 0, height_ = 0;
    ID3D11Device* device_ = nullptr;
    ID3D11DeviceContext* context_ = nullptr;
    IDXGISwapChain* swapChain_ = nullptr;
    ID3D11RenderTargetView* backBufferView_ = nullptr;
    ID3D11VertexShader* vertexShader_ = nullptr;
    ID3D11PixelShader* pixelShader_ = nullptr;
    ID3D11InputLayout* layout_ = nullptr;
    ID3D11Buffer* frameConstants_ = nullptr;
    ID3D11Buffer* vertices_ = nullptr;
    UINT vertexCapacity_ = 0;
    UINT vertexCount_ = 0;
    ID3D11BlendState* blend_ = nullptr;
};

}  // namespace kzdemo
