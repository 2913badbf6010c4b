// What the module's tests share: a real window and device, and shortcuts for the host's two
// calls; for the overlay's and the window hook's tests also the recording double and the calls
// made on the window's swap chain.
#pragma once

#include <gtest/gtest.h>

#include "AntTweakBar.h"
#include "Console.h"
#include "D3DTestWindow.h"
#include "HookExports.h"
#include "HookRecord.h"
#include "HostStub.h"
#include "RecordingTweakBar.h"
#include "VtableCallCounter.h"

namespace kztest {

// The overlay keeps its device and context for the life of the process. Under Wine a process
// that exits while the device's command thread still runs is now and then killed instead of
// exiting with its code, so each test lets go of what the overlay and the engine hold.
inline void releaseOverlayDevice() {
    Console* console = gConsole.load();
    if (!console || !console->device) return;
    TwTerminate();
    console->releaseRenderTarget();
    console->context->ClearState();
    console->context->Release();
    console->device->Release();
    console->context = nullptr;
    console->device = nullptr;
}

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

// The calls made on a swap chain, counted through its method table (which every swap chain of
// its class shares), with GetDevice and GetBuffer failing while a test asks: failures a real
// swap chain will not produce on demand. One at a time.
class SwapChainCalls {
  public:
    explicit SwapChainCalls(IDXGISwapChain* chain) : table_(chain, kMethods) {
        current_ = this;
        table_.replace(kGetDevice, reinterpret_cast<void*>(&getDevice));
        table_.replace(kGetBuffer, reinterpret_cast<void*>(&getBuffer));
    }
    ~SwapChainCalls() { current_ = nullptr; }

    bool failGetDevice = false;
    bool failGetBuffer = false;
    int getBufferCalls = 0;
    // Every call but AddRef and Release.
    long long calls() const { return table_.calls() + getDeviceCalls_ + getBufferCalls; }

  private:
    // Entries of IDXGISwapChain: IUnknown (3), IDXGIObject (4), GetDevice, then its own 10.
    static constexpr int kGetDevice = 7, kGetBuffer = 9, kMethods = 18;

    static HRESULT STDMETHODCALLTYPE getDevice(IDXGISwapChain* chain, REFIID riid, void** device) {
        ++current_->getDeviceCalls_;
        if (!current_->failGetDevice)
            return reinterpret_cast<decltype(&getDevice)>(current_->table_.original(kGetDevice))(
                chain, riid, device);
        *device = nullptr;
        return E_NOINTERFACE;
    }
    static HRESULT STDMETHODCALLTYPE getBuffer(IDXGISwapChain* chain, UINT buffer, REFIID riid,
                                               void** surface) {
        ++current_->getBufferCalls;
        if (!current_->failGetBuffer)
            return reinterpret_cast<decltype(&getBuffer)>(current_->table_.original(kGetBuffer))(
                chain, buffer, riid, surface);
        *surface = nullptr;
        return DXGI_ERROR_INVALID_CALL;
    }

    static inline SwapChainCalls* current_ = nullptr;
    VtableCallCounter table_;
    int getDeviceCalls_ = 0;
};

// With the recording double in place of the engine and the calls on the window's swap chain
// counted.
class OverlayTest : public HookTest {
  protected:
    SwapChainCalls chain{window.swapChain()};

    // The host's calls go into the double's record, in order with the engine's.
    OverlayTest() { hoststub::setObserver(twdouble::recordEvent); }

    void present() { BeforeD3D11Present(window.swapChain()); }

    // The render target bound in slot 0 of the window's context (null if none); not kept.
    ID3D11RenderTargetView* boundView() {
        ID3D11RenderTargetView* view = nullptr;
        window.context()->OMGetRenderTargets(1, &view, nullptr);
        if (view) view->Release();
        return view;
    }
};

// The module with the bundled engine drawing into the window's swap chain, driven the way the
// host drives it, for tests of what happens when calls come in odd orders, odd sizes, or from
// two threads at once.
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

// The calling thread's cursor display count, left as it was.
inline int cursorDisplayCount() {
    const int raised = ShowCursor(TRUE);
    ShowCursor(FALSE);
    return raised - 1;
}

}  // namespace kztest
