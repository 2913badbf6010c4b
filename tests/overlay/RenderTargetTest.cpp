// The view on the back buffer: released on every WM_SIZE, recreated before the next drawn
// frame, and the client size passed to the engine only when it changed.
#include "OverlayTestSupport.h"

using kztest::OverlayTest;
using Args = std::vector<std::string>;

namespace {

void resizeClientArea(kztest::D3DTestWindow& window, int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(window.window(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    window.pumpMessages();
}

TEST_F(OverlayTest, TwoResizesReleaseTheViewOnce) {
    present();
    ID3D11RenderTargetView* view = console().renderTargetView;
    view->AddRef();  // keeps it alive to count what the overlay releases
    const ULONG held = kztest::refCount(view);
    send(WM_SIZE);
    send(WM_SIZE);
    EXPECT_EQ(console().renderTargetView, nullptr);
    EXPECT_TRUE(console().resizePending);
    EXPECT_EQ(kztest::refCount(view), held - 1);
    view->Release();
}

TEST_F(OverlayTest, AResizeWhileHiddenIsRecreatedOnTheFirstShownFrameBeforeDrawingWithTheNewSize) {
    present();
    window.releaseBackBufferView();
    window.context()->ClearState();
    send(WM_SIZE);
    // What a game does with the message: the buffers take the window's new size.
    resizeClientArea(window, 500, 300);
    ASSERT_HRESULT_SUCCEEDED(window.swapChain()->ResizeBuffers(0, 0, 0, DXGI_FORMAT_UNKNOWN, 0));
    const int getBuffers = chain.getBufferCalls;

    present();  // still hidden: nothing happens yet
    EXPECT_EQ(chain.getBufferCalls, getBuffers);
    EXPECT_TRUE(console().resizePending);

    keyUp(VK_F1);
    twdouble::clearCalls();
    present();
    EXPECT_EQ(chain.getBufferCalls, getBuffers + 1);
    EXPECT_EQ(twdouble::callNames(), (Args{"TwWindowSize", "TwDraw", "TwGetParam"}));
    EXPECT_EQ(twdouble::calls()[0].args, (Args{"500", "300"}));
    EXPECT_NE(console().renderTargetView, nullptr);
    EXPECT_FALSE(console().resizePending);
    EXPECT_EQ(boundView(), console().renderTargetView);

    // A resize that leaves the client rectangle as it was makes a new view, and nothing else.
    send(WM_SIZE);
    twdouble::clearCalls();
    present();
    EXPECT_EQ(chain.getBufferCalls, getBuffers + 2);
    EXPECT_EQ(twdouble::callNames(), Args{"TwDraw"});  // the state path was asked for once
    EXPECT_NE(console().renderTargetView, nullptr);
}

TEST_F(OverlayTest, AFailingGetBufferLeavesNoViewAndDrawnFramesBindANullView) {
    window.bindBackBuffer();  // the game's view, made while GetBuffer works
    const int getBuffers = chain.getBufferCalls;
    chain.failGetBuffer = true;
    present();
    EXPECT_EQ(console().renderTargetView, nullptr);
    EXPECT_FALSE(console().resizePending);
    EXPECT_EQ(twdouble::count("TwWindowSize"), 1);  // the size is passed on all the same

    keyUp(VK_F1);
    for (int frame = 0; frame < 2; ++frame) {
        window.bindBackBuffer();
        ASSERT_NE(boundView(), nullptr);
        present();
        EXPECT_EQ(boundView(), nullptr) << frame;
    }
    EXPECT_EQ(twdouble::count("TwDraw"), 2);
    EXPECT_EQ(chain.getBufferCalls, getBuffers + 1);  // tried again only after the next resize

    chain.failGetBuffer = false;
    send(WM_SIZE);
    present();
    EXPECT_NE(console().renderTargetView, nullptr);
}

}  // namespace
