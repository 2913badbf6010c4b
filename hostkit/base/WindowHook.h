// The game's window procedure: the host subclasses each swap chain's output window once and
// runs the plug-ins' dbefore_WindowProc before every call of the game's procedure.
#pragma once

#include <windows.h>

namespace kzhost {

// Subclasses the window unless the host did so already. Safe from any thread of the process.
void hookWindow(HWND window);

// Gives the plug-ins a WM_SIZE record for the window with the size the buffers are about to
// take (the client size when width or height is 0), without calling the game's procedure.
void announceResize(HWND window, UINT width, UINT height);

}  // namespace kzhost
