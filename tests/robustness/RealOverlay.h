// The module with the bundled engine drawing into a real window's swap chain, driven the way the
// host drives it, for tests of what happens when calls come in odd orders, odd sizes, or from
// two threads at once.
#pragma once

#include <gtest/gtest.h>

#include "Console.h"
#include "ConsoleTeardown.h"
#include "ConsoleApi.h"
#include "D3DTestWindow.h"
#include "HookExports.h"
#include "HookRecord.h"
#include "HostStub.h"

namespace kztest {

class RealOverlay : public ::testing::Test {
  protected:
    D3DTestWindow window{640, 480};

    ~RealOverlay() override { releaseOverlayDevice(); }

    void present() {
        BeforeD3D11Present(window.swapChain());
        window.swapChain()->Present(0, 0);
    }
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

    // What a game does on WM_SIZE before it resizes its buffers.
    void gameReleasesItsTargets() {
        window.releaseBackBufferView();
        window.context()->ClearState();
    }

    static std::vector<int> barParam(const char* bar, const char* param, int count) {
        std::vector<int> values(static_cast<std::size_t>(count), -1);
        if (TwGetParam(TwGetBarByName(bar), nullptr, param, TW_PARAM_INT32,
                       static_cast<unsigned>(count), values.data()) != count)
            values.clear();
        return values;
    }
};

// The calling thread's cursor display count, left as it was.
inline int cursorDisplayCount() {
    const int raised = ShowCursor(TRUE);
    ShowCursor(FALSE);
    return raised - 1;
}

}  // namespace kztest
