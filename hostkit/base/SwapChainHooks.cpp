#include "SwapChainHooks.h"

#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>

#include <atomic>

#include "EventSignal.h"
#include "HostLog.h"
#include "ReadyEvent.h"
#include "Plugins.h"
#include "VtablePatch.h"
#include "WindowHook.h"

namespace kzhost {

namespace {

// Positions in the virtual tables: IUnknown (3), IDXGIObject (4), IDXGIDeviceSubObject (1),
// then IDXGISwapChain's own methods; IDXGISwapChain1 adds five more before Present1.
constexpr std::size_t kPresentSlot = 8;
constexpr std::size_t kResizeBuffersSlot = 13;
constexpr std::size_t kPresent1Slot = 22;

using PresentFunction = HRESULT(STDMETHODCALLTYPE*)(IDXGISwapChain*, UINT, UINT);
using ResizeBuffersFunction = HRESULT(STDMETHODCALLTYPE*)(IDXGISwapChain*, UINT, UINT, UINT,
                                                          DXGI_FORMAT, UINT);
using Present1Function = HRESULT(STDMETHODCALLTYPE*)(IDXGISwapChain1*, UINT, UINT,
                                                     const DXGI_PRESENT_PARAMETERS*);

// One patched table and the functions it held. An implementation may give IDXGISwapChain1 a
// table of its own; then both are patched and each call finds its originals by its table.
struct PatchedTable {
    void** vtable = nullptr;
    PresentFunction present = nullptr;
    ResizeBuffersFunction resizeBuffers = nullptr;
    Present1Function present1 = nullptr;
};

PatchedTable gTables[2];
int gTableCount = 0;

const PatchedTable& tableOf(void* swapChain) {
    void** vtable = vtableOf(swapChain);
    for (int i = 1; i < gTableCount; ++i)
        if (gTables[i].vtable == vtable) return gTables[i];
    return gTables[0];
}

// An implementation's Present1 may call Present through the table (or the reverse). Only the
// outermost call on a thread counts as the game's, so the plug-ins run once per frame.
thread_local bool tInsidePresent = false;

class PresentScope {
  public:
    PresentScope() : outermost_(!tInsidePresent) { tInsidePresent = true; }
    ~PresentScope() {
        if (outermost_) tInsidePresent = false;
    }
    bool outermost() const { return outermost_; }

  private:
    bool outermost_;
};

HWND outputWindowOf(IDXGISwapChain* swapChain) {
    DXGI_SWAP_CHAIN_DESC desc{};
    return SUCCEEDED(swapChain->GetDesc(&desc)) ? desc.OutputWindow : nullptr;
}

void beforePresent(IDXGISwapChain* swapChain, UINT flags) {
    // A test present only asks whether the window is occluded; nothing reaches the screen, and
    // a plug-in drawing into the back buffer now would draw twice into the next real frame.
    if (flags & DXGI_PRESENT_TEST) return;
    if (HWND window = outputWindowOf(swapChain)) hookWindow(window);
    for (BeforePresentExport hook : pluginHooks().beforePresent)
        hook(swapChain);
    static std::atomic<bool> firstFrameAnnounced{false};
    if (!firstFrameAnnounced.exchange(true))
        signalEvent(firstFrameEventName(GetCurrentProcessId()));
}

HRESULT STDMETHODCALLTYPE hookedPresent(IDXGISwapChain* self, UINT syncInterval, UINT flags) {
    PresentScope scope;
    if (scope.outermost()) beforePresent(self, flags);
    return tableOf(self).present(self, syncInterval, flags);
}

HRESULT STDMETHODCALLTYPE hookedPresent1(IDXGISwapChain1* self, UINT syncInterval, UINT flags,
                                         const DXGI_PRESENT_PARAMETERS* parameters) {
    PresentScope scope;
    if (scope.outermost()) beforePresent(self, flags);
    return tableOf(self).present1(self, syncInterval, flags, parameters);
}

// ResizeBuffers fails while anything still holds a back buffer. A plug-in that draws keeps a
// view on one and lets it go on WM_SIZE; a game may resize its buffers without its window
// changing size (a resolution setting, a mode switch), so the plug-ins get a WM_SIZE of their
// own first. The game's window procedure does not see it.
HRESULT STDMETHODCALLTYPE hookedResizeBuffers(IDXGISwapChain* self, UINT bufferCount, UINT width,
                                              UINT height, DXGI_FORMAT format, UINT flags) {
    if (HWND window = outputWindowOf(self)) announceResize(window, width, height);
    const HRESULT result =
        tableOf(self).resizeBuffers(self, bufferCount, width, height, format, flags);
    if (FAILED(result))
        hostLog("ResizeBuffers(%u x %u) failed: 0x%08lx", width, height,
                static_cast<unsigned long>(result));
    return result;
}

template <typename Function>
bool patch(void** vtable, std::size_t slot, Function replacement, Function* original) {
    void* previous = patchVtableEntry(vtable, slot, reinterpret_cast<void*>(replacement));
    *original = reinterpret_cast<Function>(previous);
    return previous != nullptr;
}

bool patchTable(void** vtable, bool withPresent1) {
    for (int i = 0; i < gTableCount; ++i)
        if (gTables[i].vtable == vtable) return true;
    if (gTableCount == 2) return false;
    PatchedTable& table = gTables[gTableCount];
    table.vtable = vtable;
    bool ok = patch(vtable, kPresentSlot, &hookedPresent, &table.present) &&
              patch(vtable, kResizeBuffersSlot, &hookedResizeBuffers, &table.resizeBuffers);
    if (ok && withPresent1) ok = patch(vtable, kPresent1Slot, &hookedPresent1, &table.present1);
    if (ok) ++gTableCount;
    return ok;
}

HWND createSetupWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KZBaseSetupWindow";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 64, 64, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
}

IDXGISwapChain* createSetupSwapChain(HWND window, ID3D11Device** device,
                                     ID3D11DeviceContext** context) {
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferCount = 1;
    desc.BufferDesc.Width = 64;
    desc.BufferDesc.Height = 64;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.OutputWindow = window;
    desc.SampleDesc.Count = 1;
    desc.Windowed = TRUE;
    // The swap chain implementation belongs to DXGI, not to the driver, so any driver type
    // that gives a swap chain gives the tables the game's swap chains use.
    for (D3D_DRIVER_TYPE driver : {D3D_DRIVER_TYPE_HARDWARE, D3D_DRIVER_TYPE_WARP}) {
        IDXGISwapChain* swapChain = nullptr;
        const HRESULT result = D3D11CreateDeviceAndSwapChain(nullptr, driver, nullptr, 0, nullptr,
                                                             0, D3D11_SDK_VERSION, &desc,
                                                             &swapChain, device, nullptr, context);
        if (SUCCEEDED(result)) return swapChain;
        hostLog("D3D11CreateDeviceAndSwapChain (driver type %d) failed: 0x%08lx",
                static_cast<int>(driver), static_cast<unsigned long>(result));
    }
    return nullptr;
}

}  // namespace

bool installSwapChainHooks() {
    HWND window = createSetupWindow();
    if (!window) {
        hostLog("could not create the set-up window (error %lu)", GetLastError());
        return false;
    }
    ID3D11Device* device = nullptr;
    ID3D11DeviceContext* context = nullptr;
    IDXGISwapChain* swapChain = createSetupSwapChain(window, &device, &context);
    bool ok = false;
    if (swapChain) {
        IDXGISwapChain1* swapChain1 = nullptr;
        swapChain->QueryInterface(__uuidof(IDXGISwapChain1), reinterpret_cast<void**>(&swapChain1));
        const bool sharedTable = swapChain1 && vtableOf(swapChain1) == vtableOf(swapChain);
        ok = patchTable(vtableOf(swapChain), sharedTable);
        if (ok && swapChain1 && !sharedTable) ok = patchTable(vtableOf(swapChain1), true);
        if (!ok) hostLog("could not patch the swap chain's virtual table");
        if (swapChain1) swapChain1->Release();
        swapChain->Release();
        context->Release();
        device->Release();
    }
    DestroyWindow(window);
    return ok;
}

}  // namespace kzhost
