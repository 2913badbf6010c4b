// The records that the host framework shares with its modules. Their layout is the host's, so
// every offset the module relies on is pinned at compile time. Usable from C and C++.
#ifndef KZ_HOST_HOSTTYPES_H
#define KZ_HOST_HOSTTYPES_H

#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
#define KZ_HOST_STATIC_ASSERT(condition) static_assert(condition, #condition)
#else
#include <stddef.h>
#include <stdint.h>
#define KZ_HOST_STATIC_ASSERT(condition) _Static_assert(condition, #condition)
#endif

// One call of the game's window procedure, as the host hands it to dbefore_WindowProc. The host
// owns the bytes this type leaves unnamed; the module never reads or writes them.
typedef struct HostMessage {
    uint8_t hostOwned0[48];
    int64_t lParam;
    uint64_t wParam;
    uint8_t hostOwned1[32];
    uint32_t message;  // 0 after the module swallowed the call
    uint8_t hostOwned2[4];
    uint64_t hwnd;
    int64_t result;  // 0 after the module swallowed the call
} HostMessage;

KZ_HOST_STATIC_ASSERT(offsetof(HostMessage, lParam) == 48);
KZ_HOST_STATIC_ASSERT(offsetof(HostMessage, wParam) == 56);
KZ_HOST_STATIC_ASSERT(offsetof(HostMessage, message) == 96);
KZ_HOST_STATIC_ASSERT(offsetof(HostMessage, hwnd) == 104);
KZ_HOST_STATIC_ASSERT(offsetof(HostMessage, result) == 112);
KZ_HOST_STATIC_ASSERT(sizeof(HostMessage) >= 120);

// Opaque module handle as the host stores it (an HMODULE); 8 bytes on x64.
typedef void* HostModuleHandle;

// The host's base object; the module reads only the bounds of the array of loaded modules.
typedef struct HostBase {
    HostModuleHandle* modulesBegin;
    HostModuleHandle* modulesEnd;
} HostBase;

KZ_HOST_STATIC_ASSERT(offsetof(HostBase, modulesBegin) == 0);
KZ_HOST_STATIC_ASSERT(offsetof(HostBase, modulesEnd) == 8);
KZ_HOST_STATIC_ASSERT(sizeof(HostModuleHandle) == 8);

#undef KZ_HOST_STATIC_ASSERT

#endif  // KZ_HOST_HOSTTYPES_H
