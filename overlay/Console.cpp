#include "Console.h"

#include "AntTweakBar.h"
#include "SettingsBar.h"

std::atomic<Console*> gConsole{nullptr};

Console::Console(IDXGISwapChain* chain) : swapChain(chain) {
    swapChain->GetDevice(__uuidof(ID3D11Device), reinterpret_cast<void**>(&device));
    if (device) device->GetImmediateContext(&context);
    DXGI_SWAP_CHAIN_DESC desc{};
    if (SUCCEEDED(swapChain->GetDesc(&desc))) window = desc.OutputWindow;
    // A swap chain of another API (a Direct3D 10 or 12 game) gives no Direct3D 11 device; the
    // overlay then stays inert rather than draw through a null pointer.
    if (device && context && window) initialize();
    visible = false;
    interactive = true;
    cursorShown = false;
    resizePending = false;
}

Console::~Console() {
    // Only a Console that never became ready is destroyed; a published one lives as long as
    // the process.
    if (context) context->Release();
    if (device) device->Release();
}

void Console::initialize() {
    // Fixed, not the window's size: set once, for the game's benefit as much as ours.
    const D3D11_VIEWPORT viewport{0.0f, 0.0f, 1920.0f, 1080.0f, 0.0f, 1.0f};
    context->RSSetViewports(1, &viewport);
    if (!TwInit(TW_DIRECT3D11, device)) return;
    createRenderTarget();
    kz::createSettingsBar();
    TwDefine(" GLOBAL fontsize=3 ");
    TwDefine(" GLOBAL contained=true ");
    kz::addSettingsControls();
    ready = true;
}

void Console::createRenderTarget() {
    if (SUCCEEDED(swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                       reinterpret_cast<void**>(&backBuffer)))) {
        device->CreateRenderTargetView(backBuffer, nullptr, &renderTargetView);
        backBuffer->Release();
        backBuffer = nullptr;
    }
    RECT rect{0, 0, 0, 0};
    GetClientRect(window, &rect);
    if (!clientRectStored || !EqualRect(&rect, &clientRect)) {
        TwWindowSize(rect.right - rect.left, rect.bottom - rect.top);
        clientRect = rect;
        clientRectStored = true;
    }
    resizePending = false;
}

void Console::drawFrame() {
    if (!visible) return;
    std::lock_guard<std::mutex> lock(viewMutex);
    if (resizePending) createRenderTarget();
    // A missing view binds as a single null view, so nothing is drawn into a stale target.
    context->OMSetRenderTargets(1, &renderTargetView, nullptr);
    TwDraw();
    logStatePath();
}

void Console::releaseRenderTarget() {
    std::lock_guard<std::mutex> lock(viewMutex);
    if (renderTargetView) {
        renderTargetView->Release();
        renderTargetView = nullptr;
    }
    resizePending = true;
}
