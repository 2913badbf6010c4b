#include "StatePathChoice.h"

#include <algorithm>
#include <cstdio>

namespace tw {

namespace {

const char* nameOf(StatePath path) {
    return path == StatePath::Swap ? "swap" : "saved";
}

// Of a copy: the times stay in the order they came.
double medianOf(std::array<double, StatePathChoice::kTimedFrames> times) {
    const auto middle = times.begin() + times.size() / 2;
    std::nth_element(times.begin(), middle, times.end());
    if (times.size() % 2) return *middle;
    return (*middle + *std::max_element(times.begin(), middle)) / 2;
}

}  // namespace

bool StatePathChoice::set(StatePathSetting setting) {
    if (setting == StatePathSetting::Swap && !swapOffered_) return false;
    setting_ = setting;
    if (setting == StatePathSetting::Auto) {
        decided_ = false;
        framesDrawn_ = 0;
    }
    return true;
}

StatePath StatePathChoice::next() const {
    if (!swapOffered_) return StatePath::Saved;
    switch (setting_) {
        case StatePathSetting::Swap:
            return StatePath::Swap;
        case StatePathSetting::Saved:
            return StatePath::Saved;
        case StatePathSetting::Auto:
            break;
    }
    if (decided_) return chosen_;
    // Turns, so that both ways meet the same moments of the machine's load.
    return framesDrawn_ % 2 == 0 ? StatePath::Swap : StatePath::Saved;
}

void StatePathChoice::recordFrame(double microseconds) {
    const int way = int(next());
    const int round = framesDrawn_ / 2 - kWarmUpFrames;
    if (round >= 0) times_[std::size_t(way)][std::size_t(round)] = microseconds;
    if (++framesDrawn_ < 2 * (kWarmUpFrames + kTimedFrames)) return;
    for (int path = 0; path < 2; ++path)
        medians_[path] = medianOf(times_[std::size_t(path)]);
    chosen_ = medians_[int(StatePath::Swap)] < medians_[int(StatePath::Saved)] ? StatePath::Swap
                                                                               : StatePath::Saved;
    decided_ = true;
}

std::string StatePathChoice::describe() const {
    const StatePath path = next();
    char text[160];
    if (!swapOffered_) {
        std::snprintf(text, sizeof text, "saved (the only way on this device)");
    } else if (setting_ != StatePathSetting::Auto) {
        std::snprintf(text, sizeof text, "%s (forced)", nameOf(path));
    } else if (!decided_) {
        std::snprintf(text, sizeof text, "auto (timing both ways)");
    } else {
        const StatePath other = path == StatePath::Swap ? StatePath::Saved : StatePath::Swap;
        std::snprintf(text, sizeof text, "%s (timed, medians of %d frames: %s %.1f us, %s %.1f us)",
                      nameOf(path), kTimedFrames, nameOf(path), medians_[int(path)], nameOf(other),
                      medians_[int(other)]);
    }
    return text;
}

}  // namespace tw
