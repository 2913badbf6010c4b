// What the overlay's and the window hook's tests share: a real window and device, a counting
// swap chain over them, and shortcuts for the host's two calls.
#pragma once

#include <gtest/gtest.h>

#include "Console.h"
#include "ConsoleTeardown.h"
#include "CountingSwapChain.h"
#include "D3DTestWindow.h"
#include "HookExports.h"
#include "HookRecord.h"
#include "HostStub.h"
#include "RecordingTweakBar.h"

namespace kztest {

class OverlayTest : public ::testing::Test {
  protected:
    D3DTestWindow window{640, 480};
    CountingSwapChain chain{window.swapChain()};

    // The host's calls go into the double's record, in order with the engine's.
    OverlayTest() { hoststub::setObserver(twdouble::recordEvent); }
    ~OverlayTest() override { releaseOverlayDevice(); }

    void present() { BeforeD3D11Present(&chain); }
    void send(std::uint32_t message, std::uint64_t wParam = 0, std::int64_t lParam = 0) {
        HookRecord record(message, wParam, lParam,
                          reinterpret_cast<std::uint64_t>(window.window()));
        dbefore_WindowProc(nullptr, record);
    }
    void keyUp(std::uint64_t key) { send(WM_KEYUP, key); }

    static Console& console() {
        Console* c = gConsole.load();
        if (!c) throw std::runtime_error("no console");
        return *c;
    }

    // The render target bound in slot 0 of the window's context (null if none); not kept.
    ID3D11RenderTargetView* boundView() {
        ID3D11RenderTargetView* view = nullptr;
        window.context()->OMGetRenderTargets(1, &view, nullptr);
        if (view) view->Release();
        return view;
    }
};

}  // namespace kztest
