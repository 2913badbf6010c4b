// The Windows benchmarks' main: a failure ends the program with its message and exit code 1,
// which scripts/bench stops on.
#pragma once

#include <cstdio>
#include <exception>

namespace kzbench {

template <class Run>
int runReportingFailure(const char* program, Run&& run) {
    try {
        return run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
        return 1;
    }
}

}  // namespace kzbench
