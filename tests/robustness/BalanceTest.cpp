// Reference counts and the cursor after long sequences of hook calls with the real engine: the
// overlay keeps no view of the back buffer across a resize, and nothing it holds grows.
#include "RealOverlay.h"

using kztest::RealOverlay;
using kztest::refCount;

namespace {

ULONG backBufferReferences(IDXGISwapChain* chain) {
    ID3D11Texture2D* backBuffer = nullptr;
    chain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    return backBuffer->Release();
}

void resizeClientArea(kztest::D3DTestWindow& window, int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(window.window(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

TEST_F(RealOverlay, AfterAResizeNoViewIsHeldAndTheGameCanResizeItsBuffers) {
    const ULONG idle = backBufferReferences(window.swapChain());
    present();
    keyUp(VK_F1);
    for (int i = 0; i < 5; ++i)
        present();

    for (int size = 0; size < 3; ++size) {
        send(WM_SIZE);
        gameReleasesItsTargets();
        EXPECT_EQ(backBufferReferences(window.swapChain()), idle) << size;
        resizeClientArea(window, 500 + 100 * size, 400);
        ASSERT_HRESULT_SUCCEEDED(
            window.swapChain()->ResizeBuffers(0, 0, 0, DXGI_FORMAT_UNKNOWN, 0));
        present();
        EXPECT_NE(console().renderTargetView, nullptr);
    }
}

TEST_F(RealOverlay, RepeatedCyclesLeaveReferenceCountsAndCursorWhereTheyWere) {
    const int cursor = kztest::cursorDisplayCount();
    present();
    auto cycle = [&] {
        keyUp(VK_F1);
        for (int i = 0; i < 3; ++i)
            present();
        send(WM_MOUSEMOVE, 0, MAKELPARAM(100, 60));
        send(WM_SIZE);
        present();
        keyUp(VK_F2);
        present();
        keyUp(VK_F2);
        keyUp(VK_F1);
        present();
    };
    cycle();
    const ULONG device = refCount(window.device());
    const ULONG context = refCount(window.context());
    const ULONG backBuffer = backBufferReferences(window.swapChain());
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_EQ(refCount(window.device()), device);
    EXPECT_EQ(refCount(window.context()), context);
    EXPECT_EQ(backBufferReferences(window.swapChain()), backBuffer);
    EXPECT_EQ(kztest::cursorDisplayCount(), cursor);
}

}  // namespace
