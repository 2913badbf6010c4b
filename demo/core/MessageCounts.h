// What the demo counts of the window messages it receives, so that a person (and a test) can
// see whether input reached the game or was taken away before it.
#pragma once

#include <cstdint>

namespace kzdemo {

struct MessageCounts {
    long mouse = 0;     // WM_MOUSEMOVE .. WM_MOUSEHWHEEL, client-area mouse input
    long keyboard = 0;  // WM_KEYDOWN .. WM_SYSDEADCHAR
    long null = 0;      // WM_NULL: what a message taken away before the game turns into

    void count(std::uint32_t message);
};

}  // namespace kzdemo
