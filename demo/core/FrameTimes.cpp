#include "FrameTimes.h"

#include <algorithm>
#include <cmath>

namespace kzdemo {

Spread spreadOf(std::vector<double> samples) {
    Spread spread;
    const std::size_t n = samples.size();
    if (n == 0) return spread;
    std::sort(samples.begin(), samples.end());
    spread.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    // Nearest rank: the smallest sample with at least 90 % of all at or below it.
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));
    spread.p90 = samples[std::max<std::size_t>(rank, 1) - 1];
    return spread;
}

}  // namespace kzdemo
