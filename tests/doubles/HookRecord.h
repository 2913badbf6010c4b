// Window-hook records as the host builds them, for the module's tests: every byte the module
// must not touch holds a pattern, so a test can prove that only message and result changed.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "HostTypes.h"

namespace kztest {

struct HookRecord {
    alignas(8) std::array<std::uint8_t, 128> bytes;

    HookRecord(std::uint32_t message, std::uint64_t wParam = 0, std::int64_t lParam = 0,
               std::uint64_t hwnd = 0) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(0xA5 ^ i);
        HostMessage& r = get();
        r.message = message;
        r.wParam = wParam;
        r.lParam = lParam;
        r.hwnd = hwnd;
        r.result = 0x1122334455667788;
    }

    HostMessage& get() { return *reinterpret_cast<HostMessage*>(bytes.data()); }
    HostMessage* operator->() { return &get(); }
    operator HostMessage*() { return &get(); }
};

}  // namespace kztest
