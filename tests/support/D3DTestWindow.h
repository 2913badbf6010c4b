// A real top-level window with a real Direct3D 11 device and swap chain, for tests that draw,
// read pixels back, or send real window messages.
#pragma once

#include <windows.h>
#include <d3d11.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kztest {

class D3DTestWindow {
  public:
    // Creates a visible window whose client area is width x height pixels, and a windowed swap
    // chain with one R8G8B8A8 back buffer on it. windowProc may be null (DefWindowProc).
    D3DTestWindow(int width, int height, WNDPROC windowProc = nullptr);
    ~D3DTestWindow();
    D3DTestWindow(const D3DTestWindow&) = delete;
    D3DTestWindow& operator=(const D3DTestWindow&) = delete;

    HWND window() const { return window_; }
    IDXGISwapChain* swapChain() const { return swapChain_; }
    ID3D11Device* device() const { return device_; }
    ID3D11DeviceContext* context() const { return context_; }

    // Binds a view on back buffer 0 and clears it to the colour (0..1 components).
    void clearBackBuffer(float r, float g, float b, float a = 1.0f);
    // Binds a view on back buffer 0 as the only render target (what a game does before drawing).
    void bindBackBuffer();
    // Releases the view made by clearBackBuffer/bindBackBuffer and unbinds render targets, so the
    // swap chain can be resized.
    void releaseBackBufferView();

    // Copies back buffer 0 through a staging texture; RGBA bytes, row after row.
    std::vector<std::uint8_t> readBackBuffer(int* width = nullptr, int* height = nullptr);

    // Pumps the window's pending messages.
    void pumpMessages();

  private:
    HWND window_ = nullptr;
    IDXGISwapChain* swapChain_ = nullptr;
    ID3D11Device* device_ = nullptr;
    ID3D11DeviceContext* context_ = nullptr;
    ID3D11RenderTargetView* view_ = nullptr;
};

// Copies back buffer 0 of any swap chain with four-byte pixels (RGBA or BGRA, as the swap chain
// holds them) through a staging texture on its device's immediate context; row after row.
// Empty when the buffer cannot be read.
std::vector<std::uint8_t> readBackBuffer(IDXGISwapChain* swapChain, int* width = nullptr,
                                         int* height = nullptr);

// The reference count of a COM object, read by AddRef/Release.
ULONG refCount(IUnknown* object);

struct Rgba {
    std::uint8_t r, g, b, a;
};

// A pixel of an RGBA image as readBackBuffer returns it.
Rgba pixelAt(const std::vector<std::uint8_t>& rgba, int width, int x, int y);

// Writes RGBA rows as a PNG file (for a person to look at; tests assert on the pixels).
bool writePng(const std::string& path, const std::vector<std::uint8_t>& rgba, int width,
              int height);

}  // namespace kztest
