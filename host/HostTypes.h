// The records that the host framework shares with its modules. Their layout is the host's, so
// every offset the module relies on is pinned at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

// One call of the game's window procedure, as the host hands it to dbefore_WindowProc. The host
// owns the bytes this type leaves unnamed; the module never reads or writes them.
struct HostMessage {
    std::uint8_t hostOwned0[48];
    std::int64_t lParam;
    std::uint64_t wParam;
    std::uint8_t hostOwned1[32];
    std::uint32_t message;  // 0 after the module swallowed the call
    std::uint8_t hostOwned2[4];
    std::uint64_t hwnd;
    std::int64_t result;  // 0 after the module swallowed the call
};

static_assert(offsetof(HostMessage, lParam) == 48);
static_assert(offsetof(HostMessage, wParam) == 56);
static_assert(offsetof(HostMessage, message) == 96);
static_assert(offsetof(HostMessage, hwnd) == 104);
static_assert(offsetof(HostMessage, result) == 112);
static_assert(sizeof(HostMessage) >= 120);

// Opaque module handle as the host stores it (an HMODULE); 8 bytes on x64.
using HostModuleHandle = void*;

// The host's base object; the module reads only the bounds of the array of loaded modules.
struct HostBase {
    HostModuleHandle* modulesBegin;
    HostModuleHandle* modulesEnd;
};

static_assert(offsetof(HostBase, modulesBegin) == 0);
static_assert(offsetof(HostBase, modulesEnd) == 8);
static_assert(sizeof(HostModuleHandle) == 8);
