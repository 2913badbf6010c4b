#include "BarArrangement.h"

#include <cstdint>

#include "AntTweakBar.h"

namespace kz {

void arrangeBars(int left, int top, int right, int bottom) {
    const int count = TwGetBarCount();
    // With the help bar alone, or none, there is nothing to place (and the width would be
    // shared among zero bars).
    if (count < 2) return;
    const std::int64_t bars = count - 1;

    // A client area too small for the margins and gaps gives width or height 0 instead of a
    // wrapped-around or negative size; the engine raises a bar to its minimum size when it
    // draws. For every area that fits, this is the plain division.
    const std::int64_t freeWidth =
        std::int64_t(right) - left - 2 * kArrangeMargin - std::int64_t(kArrangeGap) * (bars - 1);
    const std::int64_t freeHeight = std::int64_t(bottom) - top - 2 * kArrangeMargin;
    const int width = freeWidth > 0 ? int(freeWidth / bars) : 0;
    const int height = freeHeight > 0 ? int(freeHeight) : 0;

    std::int64_t x = kArrangeMargin;
    for (int i = 1; i < count; ++i) {
        TwBar* bar = TwGetBarByIndex(i);
        const int position[2] = {int(x), kArrangeMargin};
        const int size[2] = {width, height};
        const int valuesWidth = kArrangeValuesWidth;
        TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position);
        TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, size);
        TwSetParam(bar, nullptr, "valueswidth", TW_PARAM_INT32, 1, &valuesWidth);
        x += width + kArrangeGap;
    }
}

}  // namespace kz
