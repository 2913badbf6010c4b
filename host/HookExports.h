// The two exports that the host calls in every module that has them. Usable from C and C++.
#ifndef KZ_HOST_HOOKEXPORTS_H
#define KZ_HOST_HOOKEXPORTS_H

#include "HostTypes.h"

struct IDXGISwapChain;

#ifdef __cplusplus
extern "C" {
#endif
// Before every Present of the game's swap chain.
void BeforeD3D11Present(struct IDXGISwapChain* swapChain);
// Before every call of the game's window procedure; the first argument is the host's and unused.
void dbefore_WindowProc(void* hostContext, HostMessage* message);
#ifdef __cplusplus
}
#endif

#endif  // KZ_HOST_HOOKEXPORTS_H
