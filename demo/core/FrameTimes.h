// How long the demo's frames took: the figures its report gives for the frames it timed.
#pragma once

#include <vector>

namespace kzdemo {

struct Spread {
    double median = 0;
    double p90 = 0;  // nine in ten samples are at most this (nearest rank)
};

// The median (the mean of the middle two for an even count) and the 90th percentile of the
// samples; zeros for none.
Spread spreadOf(std::vector<double> samples);

}  // namespace kzdemo
