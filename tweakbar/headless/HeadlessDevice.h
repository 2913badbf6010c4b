// The device that callers of the headless backend hand to TwInit. The backend draws nothing,
// so any pointer would do, but like a real one it must not be null.
#pragma once

namespace tw {

inline void* headlessDevice() {
    static char device;
    return &device;
}

}  // namespace tw
