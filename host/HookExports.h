// The two exports that the host calls in every module that has them.
#pragma once

#include "HostTypes.h"

struct IDXGISwapChain;

extern "C" {
// Before every Present of the game's swap chain.
void BeforeD3D11Present(IDXGISwapChain* swapChain);
// Before every call of the game's window procedure; the first argument is the host's and unused.
void dbefore_WindowProc(void* hostContext, HostMessage* message);
}
