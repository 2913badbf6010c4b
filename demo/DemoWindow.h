// The demo's window: resizable, counts the messages it receives and resizes the swap chain's
// buffers on WM_SIZE.
#pragma once

#include <windows.h>

#include "DemoRenderer.h"
#include "MessageCounts.h"

namespace kzdemo {

struct DemoState {
    DemoRenderer renderer;
    MessageCounts counts;
    long resizes = 0;         // successful buffer resizes
    long resizeFailures = 0;  // ResizeBuffers calls that failed
};

// A visible window whose client area is width x height; its procedure works on the state.
HWND createDemoWindow(int width, int height, DemoState* state);

}  // namespace kzdemo
