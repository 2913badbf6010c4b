// Timing for the Windows benchmarks: QueryPerformanceCounter around batches of calls, many
// batches after a warm-up, and the median and 90th percentile of the time per call.
#pragma once

#include <windows.h>

#include <cstdio>
#include <vector>

#include "FrameTimes.h"

namespace kzbench {

// Nanoseconds between two counter readings.
double nanosecondsBetween(const LARGE_INTEGER& start, const LARGE_INTEGER& end);

inline LARGE_INTEGER counterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// Runs body(i) for i = 0, 1, 2 ... in batches of callsPerBatch, the first warmUpBatches of
// them untimed, and between(), untimed, after each batch; returns the nanoseconds per call of
// each timed batch. The counter ticks at 10 MHz under Wine, so a batch should last some
// microseconds.
template <class Body, class Between>
std::vector<double> nanosecondsPerCall(int batches, int callsPerBatch, int warmUpBatches,
                                       Body&& body, Between&& between) {
    std::vector<double> perCall;
    perCall.reserve(static_cast<std::size_t>(batches));
    long i = 0;
    for (int batch = -warmUpBatches; batch < batches; ++batch) {
        const LARGE_INTEGER start = counterNow();
        for (int call = 0; call < callsPerBatch; ++call)
            body(i++);
        const LARGE_INTEGER end = counterNow();
        if (batch >= 0) perCall.push_back(nanosecondsBetween(start, end) / callsPerBatch);
        between();
    }
    return perCall;
}

// One figure as "name.median=<value>" and "name.p90=<value>" lines, which scripts/bench reads.
void printSpread(const char* name, const std::vector<double>& samples);
// One figure as "name=<value>".
void printFigure(const char* name, double value);

}  // namespace kzbench
