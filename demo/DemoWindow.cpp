#include "DemoWindow.h"

namespace kzdemo {

namespace {

void resizeTo(DemoState* state, UINT width, UINT height) {
    // A minimised window reports 0 x 0; the buffers keep their size until it comes back.
    DemoRenderer& renderer = state->renderer;
    if (width == 0 || height == 0 || !renderer.created()) return;
    if (width == renderer.bufferWidth() && height == renderer.bufferHeight()) return;
    if (renderer.resizeBuffers(width, height))
        ++state->resizes;
    else
        ++state->resizeFailures;
}

LRESULT CALLBACK demoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DemoState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (state) state->counts.count(message);
    switch (message) {
        case WM_SIZE:
            if (state) resizeTo(state, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

HWND createDemoWindow(int width, int height, DemoState* state) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = demoWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "KZDemoWindow";
    RegisterClassA(&windowClass);

    const DWORD style = WS_OVERLAPPEDWINDOW;
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "KZDemo", style, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    // The state is attached after creation: the creation messages are not counted, and the
    // first WM_SIZE comes before the swap chain exists.
    if (window) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return window;
}

}  // namespace kzdemo
