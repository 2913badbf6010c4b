// A real top-level window with a real Direct3D 11 device and swap chain, for tests that draw,
// read pixels back, or send real window messages.
#pragma once

#include <windows.h>
#include <d3d11.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kztest {

// The swap chain's back buffer: by default the size of the client area, R8G8B8A8_UNORM. A game
// may render at another size (Present scales it onto the client area) and in another format.
struct BackBufferShape {
    int width = 0, height = 0;  // 0: the client area's
    DXGI_FORMAT format = DXGI_FORMAT_R8G8B8A8_UNORM;
};

class D3DTestWindow {
  public:
    // Creates a visible window whose client area is width x height pixels, and a windowed swap
    // chain with one back buffer on it. windowProc may be null (DefWindowProc).
    D3DTestWindow(int width, int height, WNDPROC windowProc = nullptr,
                  BackBufferShape backBuffer = {});
    ~D3DTestWindow();
    D3DTestWindow(const D3DTestWindow&) = delete;
    D3DTestWindow& operator=(const D3DTestWindow&) = delete;

    HWND window() const { return window_; }
    IDXGISwapChain* swapChain() const { return swapChain_; }
    ID3D11Device* device() const { return device_; }
    ID3D11DeviceContext* context() const { return context_; }

    // Binds a view on back buffer 0 and clears it to the colour (0..1 components, encoded as on
    // an 8-bit UNORM buffer: on a buffer of linear light they are decoded, so that the screen
    // shows the same colour whatever the format).
    void clearBackBuffer(float r, float g, float b, float a = 1.0f);
    // Binds a view on back buffer 0 as the only render target (what a game does before drawing).
    void bindBackBuffer();
    // Releases the view made by clearBackBuffer/bindBackBuffer and unbinds render targets, so the
    // swap chain can be resized.
    void releaseBackBufferView();

    // Copies back buffer 0 through a staging texture; RGBA bytes as the screen shows them
    // (see DisplayedColours.h), row after row.
    std::vector<std::uint8_t> readBackBuffer(int* width = nullptr, int* height = nullptr);
    DXGI_FORMAT format() const { return format_; }

    // Pumps the window's pending messages.
    void pumpMessages();

  private:
    HWND window_ = nullptr;
    IDXGISwapChain* swapChain_ = nullptr;
    ID3D11Device* device_ = nullptr;
    ID3D11DeviceContext* context_ = nullptr;
    ID3D11RenderTargetView* view_ = nullptr;
    DXGI_FORMAT format_;
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
