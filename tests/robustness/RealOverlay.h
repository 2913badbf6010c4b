// The module with the bundled engine drawing into a real window's swap chain, driven the way the
// host drives it, for tests of what happens when calls come in odd orders, odd sizes, or from
// two threads at once.
#pragma once

#include "ConsoleApi.h"
#include "OverlayTestSupport.h"

namespace kztest {

class RealOverlay : public HookTest {
  protected:
    void present() {
        BeforeD3D11Present(window.swapChain());
        window.swapChain()->Present(0, 0);
    }

    static std::vector<int> barParam(const char* bar, const char* param, int count) {
        std::vector<int> values(static_cast<std::size_t>(count), -1);
        if (TwGetParam(TwGetBarByName(bar), nullptr, param, TW_PARAM_INT32,
                       static_cast<unsigned>(count), values.data()) != count)
            values.clear();
        return values;
    }
};

}  // namespace kztest
