// The overlay's two hook exports with nothing in them: the baseline that KZConsole.dll's hooks
// are measured against, called the same way.
#include "HookExports.h"

extern "C" void BeforeD3D11Present(IDXGISwapChain*) {}

extern "C" void dbefore_WindowProc(void*, HostMessage*) {}
