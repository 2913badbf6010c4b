#include "D3DTestWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "DisplayedColours.h"

namespace kztest {

namespace {

const char* registerWindowClass(WNDPROC windowProc) {
    // One class per window procedure, so tests with their own procedures can coexist.
    static char name[64];
    wsprintfA(name, "KZTestWindow%p", reinterpret_cast<void*>(windowProc));
    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc ? windowProc : DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);  // fails harmlessly when registered already
    return name;
}

// Copies back buffer 0 into a staging texture and hands its mapped rows to read.
template <class Read>
void mapBackBuffer(IDXGISwapChain* swapChain, Read&& read) {
    ID3D11Texture2D* backBuffer = nullptr;
    if (FAILED(swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                    reinterpret_cast<void**>(&backBuffer))))
        return;
    ID3D11Device* device = nullptr;
    backBuffer->GetDevice(&device);
    ID3D11DeviceContext* context = nullptr;
    device->GetImmediateContext(&context);
    D3D11_TEXTURE2D_DESC desc{};
    backBuffer->GetDesc(&desc);
    desc.Usage = D3D11_USAGE_STAGING;
    desc.BindFlags = 0;
    desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
    desc.MiscFlags = 0;
    ID3D11Texture2D* staging = nullptr;
    if (SUCCEEDED(device->CreateTexture2D(&desc, nullptr, &staging))) {
        context->CopyResource(staging, backBuffer);
        D3D11_MAPPED_SUBRESOURCE mapped{};
        if (SUCCEEDED(context->Map(staging, 0, D3D11_MAP_READ, 0, &mapped))) {
            read(desc, mapped.pData, mapped.RowPitch);
            context->Unmap(staging, 0);
        }
        staging->Release();
    }
    context->Release();
    device->Release();
    backBuffer->Release();
}

}  // namespace

D3DTestWindow::D3DTestWindow(int width, int height, WNDPROC windowProc, BackBufferShape backBuffer)
    : format_(backBuffer.format) {
    RECT rect{0, 0, width, height};
    const DWORD style = WS_OVERLAPPEDWINDOW;
    AdjustWindowRect(&rect, style, FALSE);
    window_ = CreateWindowA(registerWindowClass(windowProc), "KZConsole test", style, 0, 0,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!window_) throw std::runtime_error("CreateWindow failed");
    ShowWindow(window_, SW_SHOW);

    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferCount = 1;
    desc.BufferDesc.Width = static_cast<UINT>(backBuffer.width ? backBuffer.width : width);
    desc.BufferDesc.Height = static_cast<UINT>(backBuffer.height ? backBuffer.height : height);
    desc.BufferDesc.Format = backBuffer.format;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.OutputWindow = window_;
    desc.SampleDesc.Count = 1;
    desc.Windowed = TRUE;
    const HRESULT hr = D3D11CreateDeviceAndSwapChain(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0,
                                                     nullptr, 0, D3D11_SDK_VERSION, &desc,
                                                     &swapChain_, &device_, nullptr, &context_);
    if (FAILED(hr)) throw std::runtime_error("D3D11CreateDeviceAndSwapChain failed");
    pumpMessages();
}

D3DTestWindow::~D3DTestWindow() {
    releaseBackBufferView();
    if (context_) context_->ClearState();
    if (swapChain_) swapChain_->Release();
    if (context_) context_->Release();
    // Whatever the code under test made on the device must be gone with it: a reference still
    // held here is a leak, and under Wine a device that outlives its test keeps the renderer's
    // thread and its OpenGL context running into the process's exit.
    if (device_) {
        const ULONG left = device_->Release();
        if (left != 0)
            ADD_FAILURE() << "the window's device outlives it: " << left
                          << " references are still held";
    }
    if (window_) DestroyWindow(window_);
}

void D3DTestWindow::bindBackBuffer() {
    if (!view_) {
        ID3D11Texture2D* backBuffer = nullptr;
        if (FAILED(swapChain_->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                         reinterpret_cast<void**>(&backBuffer))))
            throw std::runtime_error("GetBuffer failed");
        device_->CreateRenderTargetView(backBuffer, nullptr, &view_);
        backBuffer->Release();
    }
    context_->OMSetRenderTargets(1, &view_, nullptr);
}

void D3DTestWindow::clearBackBuffer(float r, float g, float b, float a) {
    bindBackBuffer();
    if (linearLightFormat(format_)) {
        r = srgbToLinear(r);
        g = srgbToLinear(g);
        b = srgbToLinear(b);
    }
    const float color[4] = {r, g, b, a};
    context_->ClearRenderTargetView(view_, color);
}

void D3DTestWindow::releaseBackBufferView() {
    if (context_) context_->OMSetRenderTargets(0, nullptr, nullptr);
    if (view_) {
        view_->Release();
        view_ = nullptr;
    }
}

std::vector<std::uint8_t> D3DTestWindow::readBackBuffer(int* width, int* height) {
    std::vector<std::uint8_t> rgba;
    mapBackBuffer(swapChain_, [&](const D3D11_TEXTURE2D_DESC& desc, const void* rows, UINT pitch) {
        rgba = displayedRgba(desc.Format, rows, pitch, desc.Width, desc.Height);
        if (width) *width = static_cast<int>(desc.Width);
        if (height) *height = static_cast<int>(desc.Height);
    });
    if (rgba.empty()) throw std::runtime_error("cannot read back buffer 0");
    return rgba;
}

std::vector<std::uint8_t> readBackBuffer(IDXGISwapChain* swapChain, int* width, int* height) {
    std::vector<std::uint8_t> rgba;
    mapBackBuffer(swapChain, [&](const D3D11_TEXTURE2D_DESC& desc, const void* rows, UINT pitch) {
        rgba.resize(std::size_t(desc.Width) * desc.Height * 4);
        for (UINT y = 0; y < desc.Height; ++y)
            memcpy(&rgba[std::size_t(y) * desc.Width * 4],
                   static_cast<const std::uint8_t*>(rows) + std::size_t(y) * pitch,
                   std::size_t(desc.Width) * 4);
        if (width) *width = static_cast<int>(desc.Width);
        if (height) *height = static_cast<int>(desc.Height);
    });
    return rgba;
}

void D3DTestWindow::pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ULONG refCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

Rgba pixelAt(const std::vector<std::uint8_t>& rgba, int width, int x, int y) {
    const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    return {rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
}

}  // namespace kztest
