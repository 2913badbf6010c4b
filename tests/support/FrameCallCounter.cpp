#include "FrameCallCounter.h"

namespace kztest {

FrameCallCounter::FrameCallCounter(D3DTestWindow& window) {
    window.bindBackBuffer();
    ID3D11RenderTargetView* view = nullptr;
    window.context()->OMGetRenderTargets(1, &view, nullptr);
    ID3D11Texture2D* backBuffer = nullptr;
    window.swapChain()->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                  reinterpret_cast<void**>(&backBuffer));
    context_ = std::make_unique<VtableCallCounter>(window.context(), kDeviceContext1Methods);
    view_ = std::make_unique<VtableCallCounter>(view, kRenderTargetViewMethods);
    texture_ = std::make_unique<VtableCallCounter>(backBuffer, kTexture2DMethods);
    view->Release();
    backBuffer->Release();
}

void FrameCallCounter::reset() {
    context_->reset();
    view_->reset();
    texture_->reset();
}

long long FrameCallCounter::calls() const {
    return context_->calls() + view_->calls() + texture_->calls();
}

std::string FrameCallCounter::summary() const {
    return "context " + context_->summary() + "| view " + view_->summary() + "| back buffer " +
           texture_->summary();
}

}  // namespace kztest
