#include "widgets/RotoSlider.h"

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFullTurnSteps = 256;
// Ranges of fewer steps than this take a third of a turn instead of 256 steps a turn.
constexpr double kFewStepsTurns = 3;

// An angle brought into (-pi, pi].
double wrapped(double angle) {
    while (angle > kPi)
        angle -= 2 * kPi;
    while (angle <= -kPi)
        angle += 2 * kPi;
    return angle;
}

}  // namespace

double rotoStepsPerTurn(double min, double max, double step) {
    if (!(step > 0) || !std::isfinite(min) || !std::isfinite(max) || max <= min) {
        return kFullTurnSteps;
    }
    const double range = (max - min) / step;
    return range < kFullTurnSteps / kFewStepsTurns ? kFewStepsTurns * range : kFullTurnSteps;
}

double screenAngle(double dx, double dy) {
    return std::atan2(-dy, dx);
}

int rotoCursorIndex(double angle) {
    const int index = int(std::lround(angle / (2 * kPi / kRotoCursorCount)));
    return ((index % kRotoCursorCount) + kRotoCursorCount) % kRotoCursorCount;
}

RotoTurn::RotoTurn(double start, double min, double max, double step)
    : start_(start),
      min_(std::min(min, max)),
      max_(std::max(min, max)),
      step_(step > 0 ? step : 1),
      stepsPerTurn_(rotoStepsPerTurn(min, max, step_)) {}

double RotoTurn::radiansPerStep() const {
    return 2 * kPi / stepsPerTurn_;
}

void RotoTurn::follow(double dx, double dy) {
    const bool outside = dx * dx + dy * dy >= double(kRotoDeadZone) * kRotoDeadZone;
    if (!outside) {
        outside_ = false;
        return;
    }
    const double angle = screenAngle(dx, dy);
    if (!engaged_) {
        engaged_ = true;
        startAngle_ = angle;
    } else if (outside_) {
        // Within the bounds, counted in steps from the start; beyond them the turn goes no
        // further, so the way back starts at the bound.
        const double lowest = std::min(0.0, (min_ - start_) / step_) * radiansPerStep();
        const double highest = std::max(0.0, (max_ - start_) / step_) * radiansPerStep();
        turned_ = std::clamp(turned_ + wrapped(angle - lastAngle_), lowest, highest);
    }
    outside_ = true;
    lastAngle_ = angle;
}

int RotoTurn::steps() const {
    return int(std::lround(turned_ / radiansPerStep()));
}

double RotoTurn::value() const {
    return std::clamp(start_ + steps() * step_, min_, max_);
}

bool RotoTurn::boundsFit() const {
    return std::isfinite(min_) && std::isfinite(max_) && (max_ - min_) / step_ <= stepsPerTurn_;
}

double RotoTurn::minAngle() const {
    return (min_ - start_) / step_ * radiansPerStep();
}

double RotoTurn::maxAngle() const {
    return (max_ - start_) / step_ * radiansPerStep();
}

}  // namespace tw
