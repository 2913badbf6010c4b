// The automatic arrangement of all bars in one row over the game window.
#pragma once

namespace kz {

constexpr int kArrangeMargin = 25;       // on each side of the client area
constexpr int kArrangeGap = 10;          // between two neighbouring bars
constexpr int kArrangeValuesWidth = 60;  // the values column of every arranged bar

// Places the bars of indices 1 to n - 1 side by side, equally wide, within the margins of a
// client rectangle, in index order from the left; the help bar (index 0) stays where it is.
void arrangeBars(int left, int top, int right, int bottom);

}  // namespace kz
