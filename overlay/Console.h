// The overlay's one object: the Direct3D 11 objects it draws through, the game window, and the
// visibility state that the window hook changes.
#pragma once

#include <windows.h>
#include <d3d11.h>

#include <atomic>
#include <mutex>

struct HostBase;

struct Console {
    HWND window = nullptr;  // the swap chain's output window
    // The view was released because the window changed size; recreated before the next drawn
    // frame.
    bool resizePending = false;
    RECT clientRect{};  // the client rectangle last passed to the engine
    bool clientRectStored = false;
    IDXGISwapChain* swapChain = nullptr;  // no reference of our own
    ID3D11Device* device = nullptr;
    ID3D11DeviceContext* context = nullptr;
    ID3D11Texture2D* backBuffer = nullptr;  // held only while the view is created
    ID3D11RenderTargetView* renderTargetView = nullptr;
    bool visible = false;
    bool interactive = false;
    bool cursorShown = false;  // this module raised the cursor display count by one
    // The engine's way of keeping the game's pipeline state is in the host's log, or the engine
    // cannot say.
    bool statePathLogged = false;

    // False when the device, its context, the window or the engine could not be had; such a
    // Console is never published and the overlay stays out of the game's way.
    bool ready = false;

    // The frame path and the window hook may run on two threads. This orders the release of
    // the view (window hook) against its recreation and use (frame path); it is taken only
    // while the overlay is drawn or the window is resized.
    std::mutex viewMutex;

    explicit Console(IDXGISwapChain* swapChain);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void initialize();
    void createRenderTarget();
    void drawFrame();
    void logStatePath();

    // Window hook side.
    void releaseRenderTarget();
    void toggleVisible();
    void toggleInteractive();
    void syncCursor();
};

// Null until the first frame has built a ready Console; then set once and never reset. Atomic so
// that the window thread sees a fully built Console or none.
extern std::atomic<Console*> gConsole;

// Calls prefix + exportName in every module of the host that exports it, in the host's order.
void notifyModules(const HostBase* base, const char* exportName, const char* prefix);
