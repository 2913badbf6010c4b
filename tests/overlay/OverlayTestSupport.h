// What the module's tests share: a real window and device, and shortcuts for the host's two
// calls; for the overlay's and the window hook's tests also the recording double and a counting
// swap chain.
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

// A real window and device, the host's window hook called as the host calls it, and the
// console the overlay's first frame builds; what the overlay holds is let go after each test.
class HookTest : public ::testing::Test {
  protected:
    D3DTestWindow window{640, 480};

    ~HookTest() override { releaseOverlayDevice(); }

    HookRecord send(std::uint32_t message, std::uint64_t wParam = 0, std::int64_t lParam = 0) {
        HookRecord record(message, wParam, lParam,
                          reinterpret_cast<std::uint64_t>(window.window()));
        dbefore_WindowProc(nullptr, record);
        return record;
    }
    void keyUp(std::uint64_t key) { send(WM_KEYUP, key); }

    static Console& console() {
        Console* c = gConsole.load();
        if (!c) throw std::runtime_error("no console");
        return *c;
    }
};

// With the recording double in place of the engine and a counting swap chain over the window's.
class OverlayTest : public HookTest {
  protected:
    CountingSwapChain chain{window.swapChain()};

    // The host's calls go into the double's record, in order with the engine's.
    OverlayTest() { hoststub::setObserver(twdouble::recordEvent); }

    void present() { BeforeD3D11Present(&chain); }

    // The render target bound in slot 0 of the window's context (null if none); not kept.
    ID3D11RenderTargetView* boundView() {
        ID3D11RenderTargetView* view = nullptr;
        window.context()->OMGetRenderTargets(1, &view, nullptr);
        if (view) view->Release();
        return view;
    }
};

// The calling thread's cursor display count, left as it was.
inline int cursorDisplayCount() {
    const int raised = ShowCursor(TRUE);
    ShowCursor(FALSE);
    return raised - 1;
}

}  // namespace kztest
