#include "widgets/RotoSlider.h"

#include <algorithm>
#include <cmath>

#include "draw/Painter.h"

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

constexpr PackedColor kTurnColour = packColor(255, 51, 51, 255);
constexpr PackedColor kCircleColour = packColor(160, 160, 160, 200);
constexpr PackedColor kBoundColour = packColor(200, 200, 200, 230);
// The bound marks: a tick from the circle out to their radius, then this much arc beyond the
// range.
constexpr double kBoundMarkArc = 10 * kPi / 180;
// Segments of a full circle; arcs use as many as their share of it.
constexpr int kCircleSegments = 64;

struct Centre {
    float x, y;
};

ShadedPoint onCircle(Centre c, double radius, double angle, PackedColor color) {
    return {c.x + float(radius * std::cos(angle)), c.y - float(radius * std::sin(angle)), color};
}

// A straight band of a width, as two triangles.
void band(Painter& painter, ShadedPoint a, ShadedPoint b, float width) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0) return;
    const float nx = -dy / length * width / 2, ny = dx / length * width / 2;
    const ShadedPoint a0{a.x + nx, a.y + ny, a.color}, a1{a.x - nx, a.y - ny, a.color};
    const ShadedPoint b0{b.x + nx, b.y + ny, b.color}, b1{b.x - nx, b.y - ny, b.color};
    painter.triangle(a0, b0, b1);
    painter.triangle(a0, b1, a1);
}

// An arc of a circle from one angle through a turn (either way), as bands.
void arc(Painter& painter, Centre c, double radius, double from, double turn, float width,
         PackedColor color) {
    const int segments = std::max(1, int(std::ceil(std::fabs(turn) / (2 * kPi) * kCircleSegments)));
    for (int i = 0; i < segments; ++i) {
        const double a0 = from + turn * i / segments, a1 = from + turn * (i + 1) / segments;
        band(painter, onCircle(c, radius, a0, color), onCircle(c, radius, a1, color), width);
    }
}

// A mark where a bound lies: a tick from the circle out, and a short arc on the side away from
// the range.
void boundMark(Painter& painter, Centre c, double angle, double awayFromRange) {
    band(painter, onCircle(c, kRotoRadius, angle, kBoundColour),
         onCircle(c, kRotoMarkRadius, angle, kBoundColour), 2);
    arc(painter, c, kRotoMarkRadius, angle, awayFromRange * kBoundMarkArc, 2, kBoundColour);
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

void paintRotoTurn(Painter& painter, int centreX, int centreY, const RotoTurn& roto, int pointerX,
                   int pointerY) {
    const Centre c{float(centreX) + 0.5f, float(centreY) + 0.5f};
    arc(painter, c, kRotoRadius, 0, 2 * kPi, 1.5f, kCircleColour);
    if (roto.turning()) {
        if (roto.boundsFit()) {
            boundMark(painter, c, roto.startAngle() + roto.minAngle(), -1);
            boundMark(painter, c, roto.startAngle() + roto.maxAngle(), 1);
        }
        // The turn so far, up to one full circle.
        const double turn = std::clamp(roto.turned(), -2 * kPi, 2 * kPi);
        if (turn != 0) arc(painter, c, kRotoRadius, roto.startAngle(), turn, 3, kTurnColour);
    }
    band(painter, {c.x, c.y, kTurnColour},
         {float(pointerX) + 0.5f, float(pointerY) + 0.5f, kTurnColour}, 1.5f);
}

}  // namespace tw
