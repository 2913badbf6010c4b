#include "look/Shadow.h"

#include "draw/Painter.h"

namespace tw {

void paintShadow(Painter& painter, const Rect& frame) {
    static constexpr std::uint8_t kAlphas[3] = {95, 63, 32};
    // Each step of it is a column down the right, a row along the bottom, and the corner
    // between them, so that the corner fades like the sides.
    for (int i = 0; i < 3; ++i) {
        const PackedColor shadow = packColor(0, 0, 0, kAlphas[i]);
        painter.fill({frame.right() + i, frame.y + 2, 1, frame.h - 2 + i}, shadow);
        painter.fill({frame.x + 2, frame.bottom() + i, frame.w - 1 + i, 1}, shadow);
    }
}

}  // namespace tw
