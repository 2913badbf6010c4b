// The picture of the rotoslider's rotating cursors, for the window adapter to turn into system
// cursors: three quarters of a ring around the hot spot with an arrowhead at its
// counter-clockwise end; cursor n has its head at n × 30°, counter-clockwise from the right.
#pragma once

#include <array>

namespace tw {

inline constexpr int kRotoCursorSize = 32;  // every display takes a 32 × 32 monochrome cursor
inline constexpr int kRotoCursorHotSpot = 15;

// True where the cursor shows ink, by row from the top.
using RotoCursorPicture = std::array<std::array<bool, kRotoCursorSize>, kRotoCursorSize>;

RotoCursorPicture rotoCursorPicture(int index);

}  // namespace tw
