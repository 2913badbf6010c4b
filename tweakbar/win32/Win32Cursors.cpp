#include "Win32Cursors.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <mutex>

#include "RotoSlider.h"

namespace tw {
namespace {

constexpr int kSize = 32;  // the size every display supports for a monochrome cursor
constexpr int kCentre = 15;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRingRadius = 8;
constexpr double kRingHalfWidth = 1.3;
constexpr double kRingSpan = 1.5 * kPi;  // three quarters of a circle
constexpr double kHeadLength = 0.55;     // the arrowhead's reach along the ring, radians
constexpr double kHeadHalfWidth = 4.2;   // and its half-width across it, pixels

using Picture = std::array<std::array<bool, kSize>, kSize>;

// Whether (px, py) lies inside the triangle abc (either orientation).
bool insideTriangle(double px, double py, const double a[2], const double b[2], const double c[2]) {
    auto side = [&](const double* p, const double* q) {
        return (q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0]);
    };
    const double d0 = side(a, b), d1 = side(b, c), d2 = side(c, a);
    return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
}

// Three quarters of a ring around the hot spot with an arrowhead at its counter-clockwise end,
// which points at index × 30°: the arrow turns as the value does.
Picture rotatingArrow(int index) {
    const double head = index * 2 * kPi / kRotoCursorCount;
    const double tail = head - kRingSpan;
    auto at = [](double radius, double angle, double out[2]) {
        out[0] = kCentre + radius * std::cos(angle);
        out[1] = kCentre - radius * std::sin(angle);
    };
    double inner[2], outer[2], tip[2];
    at(kRingRadius - kHeadHalfWidth, head, inner);
    at(kRingRadius + kHeadHalfWidth, head, outer);
    at(kRingRadius, head + kHeadLength, tip);
    Picture ink{};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x - kCentre, dy = kCentre - y;
            const double radius = std::sqrt(dx * dx + dy * dy);
            // The angle back from the head, in [0, 2π).
            const double back = std::fmod(head - std::atan2(dy, dx) + 4 * kPi, 2 * kPi);
            const bool ring =
                std::fabs(radius - kRingRadius) <= kRingHalfWidth && back <= head - tail;
            const bool arrowhead = insideTriangle(x, y, inner, outer, tip);
            ink[std::size_t(y)][std::size_t(x)] =
                ring || arrowhead || (x == kCentre && y == kCentre);
        }
    }
    return ink;
}

// White ink with a black outline one pixel wide; everything else shows the screen.
HCURSOR makeCursor(const Picture& ink) {
    constexpr int kRowBytes = kSize / 8;
    std::uint8_t andMask[kSize * kRowBytes], xorMask[kSize * kRowBytes];
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            bool outline = false;
            for (int ny = y - 1; ny <= y + 1; ++ny)
                for (int nx = x - 1; nx <= x + 1; ++nx)
                    if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize &&
                        ink[std::size_t(ny)][std::size_t(nx)])
                        outline = true;
            const bool white = ink[std::size_t(y)][std::size_t(x)];
            const std::size_t byte = std::size_t(y * kRowBytes + x / 8);
            const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
            if (x % 8 == 0) andMask[byte] = xorMask[byte] = 0;
            // AND 1, XOR 0: the screen; AND 0: black, or white with XOR 1.
            if (!outline) andMask[byte] |= bit;
            if (white) xorMask[byte] |= bit;
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), kCentre, kCentre, kSize, kSize, andMask,
                        xorMask);
}

HCURSOR rotatingCursor(int index) {
    static std::array<HCURSOR, kRotoCursorCount> cursors{};
    static std::once_flag made;
    std::call_once(made, [] {
        for (int i = 0; i < kRotoCursorCount; ++i)
            cursors[std::size_t(i)] = makeCursor(rotatingArrow(i));
    });
    return cursors[std::size_t(index % kRotoCursorCount)];
}

}  // namespace

HCURSOR systemCursor(const PointerCursor& cursor) {
    switch (cursor.shape) {
        case CursorShape::Game:
            return nullptr;
        case CursorShape::Text:
            return LoadCursor(nullptr, IDC_IBEAM);
        case CursorShape::Roto:
            return rotatingCursor(cursor.rotoIndex);
        case CursorShape::NotAllowed:
            return LoadCursor(nullptr, IDC_NO);
        case CursorShape::Move:
            return LoadCursor(nullptr, IDC_SIZEALL);
        case CursorShape::ResizeNwSe:
            return LoadCursor(nullptr, IDC_SIZENWSE);
        case CursorShape::ResizeNeSw:
            return LoadCursor(nullptr, IDC_SIZENESW);
    }
    return nullptr;
}

}  // namespace tw
