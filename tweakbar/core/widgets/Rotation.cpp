#include "widgets/Rotation.h"

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

double& component(Vec3& v, int index) {
    return index == 0 ? v.x : index == 1 ? v.y : v.z;
}

double componentOf(const Vec3& v, int index) {
    return index == 0 ? v.x : index == 1 ? v.y : v.z;
}

// A signed permutation of the axes is a rotation or a reflection; a rotation conjugated by a
// reflection keeps its axis reflected and reversed.
int handedness(const int axes[3]) {
    const int a = std::abs(axes[0]) - 1, b = std::abs(axes[1]) - 1;
    int sign = (a + 1) % 3 == b ? 1 : -1;  // an even permutation of x, y, z
    for (int i = 0; i < 3; ++i)
        if (axes[i] < 0) sign = -sign;
    return sign;
}

}  // namespace

double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const Vec3& v) {
    return std::sqrt(dot(v, v));
}

Vec3 operator*(const Vec3& v, double k) {
    return {v.x * k, v.y * k, v.z * k};
}

Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Quat normalized(const Quat& q) {
    const double n = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.s * q.s);
    if (n <= 0 || !std::isfinite(n)) return Quat{};
    return {q.x / n, q.y / n, q.z / n, q.s / n};
}

Quat operator*(const Quat& a, const Quat& b) {
    return {a.s * b.x + a.x * b.s + a.y * b.z - a.z * b.y,
            a.s * b.y - a.x * b.z + a.y * b.s + a.z * b.x,
            a.s * b.z + a.x * b.y - a.y * b.x + a.z * b.s,
            a.s * b.s - a.x * b.x - a.y * b.y - a.z * b.z};
}

Vec3 rotate(const Quat& q, const Vec3& v) {
    const Vec3 u{q.x, q.y, q.z};
    const Vec3 t = cross(u, v) * 2;
    return v + t * q.s + cross(u, t);
}

Quat trackballTurn(double x0, double y0, double x, double y) {
    const Vec3 from{x0, y0, 1}, to{x, y, 1};
    const Vec3 axis = cross(from, to);
    const double axisLength = length(axis);
    if (axisLength <= 1e-12) return Quat{};
    double angle = std::atan2(axisLength, dot(from, to));
    const double r = std::hypot(x, y);
    if (r > 1) angle *= 1 + 0.2 * (r - 1);
    const double half = std::sin(angle / 2) / axisLength;
    return {axis.x * half, axis.y * half, axis.z * half, std::cos(angle / 2)};
}

Vec3 AxisMap::toDisplay(const Vec3& v) const {
    Vec3 out;
    for (int i = 0; i < 3; ++i) {
        const double value = componentOf(v, i);
        component(out, std::abs(axes[i]) - 1) = axes[i] < 0 ? -value : value;
    }
    return out;
}

Vec3 AxisMap::fromDisplay(const Vec3& v) const {
    Vec3 out;
    for (int i = 0; i < 3; ++i) {
        const double value = componentOf(v, std::abs(axes[i]) - 1);
        component(out, i) = axes[i] < 0 ? -value : value;
    }
    return out;
}

Quat AxisMap::toDisplay(const Quat& q) const {
    const double sign = handedness(axes);
    const Vec3 u = toDisplay(Vec3{q.x, q.y, q.z});
    return {sign * u.x, sign * u.y, sign * u.z, q.s};
}

Quat AxisMap::fromDisplay(const Quat& q) const {
    const double sign = handedness(axes);
    const Vec3 u = fromDisplay(Vec3{q.x, q.y, q.z});
    return {sign * u.x, sign * u.y, sign * u.z, q.s};
}

}  // namespace tw
