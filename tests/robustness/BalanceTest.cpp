// Reference counts and the cursor after long sequences of hook calls with the real engine: nothing
// the overlay holds grows.
#include "OverlayTestSupport.h"

using kztest::RealOverlay;
using kztest::refCount;

namespace {

ULONG backBufferReferences(IDXGISwapChain* chain) {
    ID3D11Texture2D* backBuffer = nullptr;
    chain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    return backBuffer->Release();
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
