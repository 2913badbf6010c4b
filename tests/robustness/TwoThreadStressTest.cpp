// One thread presents frames while another sends the window hook resizes, toggles, mouse and
// keys, thousands of times: no crash, no deadlock (ctest's timeout), every drawn frame bound to
// a live view of the back buffer, and the cursor count back where it was once hidden.
#include <atomic>
#include <random>
#include <thread>

#include "OverlayTestSupport.h"

using kztest::RealOverlay;

namespace {

TEST_F(RealOverlay, FramesAndMessagesFromTwoThreads) {
    present();
    ID3D11Texture2D* backBuffer = nullptr;
    ASSERT_HRESULT_SUCCEEDED(window.swapChain()->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                                           reinterpret_cast<void**>(&backBuffer)));

    std::atomic<bool> messagesDone{false};
    int cursorBefore = 0, cursorAfter = 0;
    std::thread messages([&] {
        cursorBefore = kztest::cursorDisplayCount();
        std::mt19937 random(1234);
        const std::uint32_t kinds[] = {WM_SIZE,      WM_KEYUP,       WM_KEYUP,     WM_MOUSEMOVE,
                                       WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN,
                                       WM_CHAR,      WM_MOUSEWHEEL};
        for (int i = 0; i < 20000; ++i) {
            const std::uint32_t message = kinds[random() % std::size(kinds)];
            std::uint64_t wParam = 0;
            std::int64_t lParam = MAKELPARAM(random() % 640, random() % 480);
            if (message == WM_KEYUP) wParam = random() % 2 ? VK_F1 : VK_F2;
            if (message == WM_KEYDOWN) wParam = '0' + random() % 10;
            if (message == WM_CHAR) wParam = '0' + random() % 10;
            if (message == WM_MOUSEWHEEL) wParam = std::uint64_t(WHEEL_DELTA) << 16;
            if (message == WM_SIZE) lParam = MAKELPARAM(640, 480);
            send(message, wParam, lParam);
            if (i % 64 == 0) std::this_thread::yield();
        }
        if (console().visible) keyUp(VK_F1);
        cursorAfter = kztest::cursorDisplayCount();
        messagesDone = true;
    });

    int frames = 0, drawnFrames = 0;
    while (!messagesDone || frames < 1000) {
        BeforeD3D11Present(window.swapChain());
        ID3D11RenderTargetView* bound = nullptr;
        window.context()->OMGetRenderTargets(1, &bound, nullptr);
        if (bound) {
            ++drawnFrames;
            ID3D11Resource* target = nullptr;
            bound->GetResource(&target);
            EXPECT_EQ(target, backBuffer);
            target->Release();
            bound->Release();
        }
        window.context()->OMSetRenderTargets(0, nullptr, nullptr);
        window.swapChain()->Present(0, 0);
        ++frames;
    }
    messages.join();
    backBuffer->Release();

    EXPECT_GE(frames, 1000);
    EXPECT_GT(drawnFrames, 0);
    EXPECT_EQ(cursorAfter, cursorBefore);
    EXPECT_FALSE(console().visible);
}

}  // namespace
