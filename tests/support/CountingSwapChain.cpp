#include "CountingSwapChain.h"

namespace kztest {

CountingSwapChain::CountingSwapChain(IDXGISwapChain* real) : real_(real) {
    real_->AddRef();
}
CountingSwapChain::~CountingSwapChain() {
    real_->Release();
}

HRESULT CountingSwapChain::QueryInterface(REFIID riid, void** object) {
    ++calls;
    return real_->QueryInterface(riid, object);
}
ULONG CountingSwapChain::AddRef() {
    return ++references_;
}
ULONG CountingSwapChain::Release() {
    return --references_;
}

HRESULT CountingSwapChain::SetPrivateData(REFGUID name, UINT size, const void* data) {
    ++calls;
    return real_->SetPrivateData(name, size, data);
}
HRESULT CountingSwapChain::SetPrivateDataInterface(REFGUID name, const IUnknown* unknown) {
    ++calls;
    return real_->SetPrivateDataInterface(name, unknown);
}
HRESULT CountingSwapChain::GetPrivateData(REFGUID name, UINT* size, void* data) {
    ++calls;
    return real_->GetPrivateData(name, size, data);
}
HRESULT CountingSwapChain::GetParent(REFIID riid, void** parent) {
    ++calls;
    return real_->GetParent(riid, parent);
}
HRESULT CountingSwapChain::GetDevice(REFIID riid, void** device) {
    ++calls;
    if (failGetDevice) {
        *device = nullptr;
        return E_NOINTERFACE;
    }
    return real_->GetDevice(riid, device);
}
HRESULT CountingSwapChain::Present(UINT syncInterval, UINT flags) {
    ++calls;
    return real_->Present(syncInterval, flags);
}
HRESULT CountingSwapChain::GetBuffer(UINT buffer, REFIID riid, void** surface) {
    ++calls;
    ++getBufferCalls;
    if (failGetBuffer) {
        *surface = nullptr;
        return DXGI_ERROR_INVALID_CALL;
    }
    return real_->GetBuffer(buffer, riid, surface);
}
HRESULT CountingSwapChain::SetFullscreenState(BOOL fullscreen, IDXGIOutput* target) {
    ++calls;
    return real_->SetFullscreenState(fullscreen, target);
}
HRESULT CountingSwapChain::GetFullscreenState(BOOL* fullscreen, IDXGIOutput** target) {
    ++calls;
    return real_->GetFullscreenState(fullscreen, target);
}
HRESULT CountingSwapChain::GetDesc(DXGI_SWAP_CHAIN_DESC* desc) {
    ++calls;
    if (failGetDesc) return E_FAIL;
    return real_->GetDesc(desc);
}
HRESULT CountingSwapChain::ResizeBuffers(UINT count, UINT width, UINT height, DXGI_FORMAT format,
                                         UINT flags) {
    ++calls;
    return real_->ResizeBuffers(count, width, height, format, flags);
}
HRESULT CountingSwapChain::ResizeTarget(const DXGI_MODE_DESC* params) {
    ++calls;
    return real_->ResizeTarget(params);
}
HRESULT CountingSwapChain::GetContainingOutput(IDXGIOutput** output) {
    ++calls;
    return real_->GetContainingOutput(output);
}
HRESULT CountingSwapChain::GetFrameStatistics(DXGI_FRAME_STATISTICS* stats) {
    ++calls;
    return real_->GetFrameStatistics(stats);
}
HRESULT CountingSwapChain::GetLastPresentCount(UINT* count) {
    ++calls;
    return real_->GetLastPresentCount(count);
}

}  // namespace kztest
