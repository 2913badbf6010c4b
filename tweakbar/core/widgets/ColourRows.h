// A colour variable in its bar: the swatch of the folded row, and, opened, one number row per
// component (red, green, blue, or hue, lightness, saturation; alpha when the colour has it)
// and the Mode row that switches between the two sets.
#pragma once

#include "model/BarLayout.h"

namespace tw {

bool isColourModeRow(const Row& row);

}  // namespace tw
