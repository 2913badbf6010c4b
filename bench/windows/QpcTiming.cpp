#include "QpcTiming.h"

namespace kzbench {

double nanosecondsBetween(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    static const double nanosecondsPerTick = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return 1e9 / static_cast<double>(frequency.QuadPart);
    }();
    return static_cast<double>(end.QuadPart - start.QuadPart) * nanosecondsPerTick;
}

void printSpread(const char* name, const std::vector<double>& samples) {
    const kzdemo::Spread spread = kzdemo::spreadOf(samples);
    std::printf("%s.median=%.2f\n%s.p90=%.2f\n", name, spread.median, name, spread.p90);
}

void printFigure(const char* name, double value) {
    std::printf("%s=%.2f\n", name, value);
}

}  // namespace kzbench
