#include "MessageCounts.h"

namespace kzdemo {

void MessageCounts::count(std::uint32_t message) {
    if (message >= 0x0200 && message <= 0x020E)
        ++mouse;
    else if (message >= 0x0100 && message <= 0x0107)
        ++keyboard;
    else if (message == 0)
        ++null;
}

}  // namespace kzdemo
