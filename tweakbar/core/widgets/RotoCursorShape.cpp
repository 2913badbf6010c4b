#include "widgets/RotoCursorShape.h"

#include <cmath>

#include "widgets/RotoSlider.h"

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRingRadius = 8;
constexpr double kRingHalfWidth = 1.3;
constexpr double kRingSpan = 1.5 * kPi;  // three quarters of a circle behind the head
constexpr double kHeadLength = 0.55;     // the arrowhead's reach along the ring, radians
constexpr double kHeadHalfWidth = 4.2;   // and its half-width across it, pixels

struct Point {
    double x, y;
};

Point onRing(double radius, double angle) {
    return {kRotoCursorHotSpot + radius * std::cos(angle),
            kRotoCursorHotSpot - radius * std::sin(angle)};
}

bool insideTriangle(Point p, Point a, Point b, Point c) {
    auto side = [&](Point from, Point to) {
        return (to.x - from.x) * (p.y - from.y) - (to.y - from.y) * (p.x - from.x);
    };
    const double d0 = side(a, b), d1 = side(b, c), d2 = side(c, a);
    return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
}

}  // namespace

RotoCursorPicture rotoCursorPicture(int index) {
    const double head = index * 2 * kPi / kRotoCursorCount;
    const Point inner = onRing(kRingRadius - kHeadHalfWidth, head);
    const Point outer = onRing(kRingRadius + kHeadHalfWidth, head);
    const Point tip = onRing(kRingRadius, head + kHeadLength);
    RotoCursorPicture ink{};
    for (int y = 0; y < kRotoCursorSize; ++y) {
        for (int x = 0; x < kRotoCursorSize; ++x) {
            const double dx = x - kRotoCursorHotSpot, dy = kRotoCursorHotSpot - y;
            const double radius = std::sqrt(dx * dx + dy * dy);
            // How far back from the head, clockwise, in [0, 2π).
            const double back = std::fmod(head - std::atan2(dy, dx) + 4 * kPi, 2 * kPi);
            const bool ring =
                std::fabs(radius - kRingRadius) <= kRingHalfWidth && back <= kRingSpan;
            const bool hotSpot = x == kRotoCursorHotSpot && y == kRotoCursorHotSpot;
            ink[std::size_t(y)][std::size_t(x)] =
                ring || hotSpot || insideTriangle({double(x), double(y)}, inner, outer, tip);
        }
    }
    return ink;
}

}  // namespace tw
