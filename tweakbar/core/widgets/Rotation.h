// Orientation math of the quaternion and direction widget: rotations as unit quaternions, the
// trackball turn a drag describes, and the mapping between a variable's own axes and the
// display's (x right, y up, z toward the viewer).
#pragma once

namespace tw {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

double dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);
double length(const Vec3& v);
Vec3 operator*(const Vec3& v, double k);
Vec3 operator+(const Vec3& a, const Vec3& b);

// x, y, z: the vector part; s: the scalar part.
struct Quat {
    double x = 0, y = 0, z = 0, s = 1;
};

Quat normalized(const Quat& q);
// The rotation b followed by a.
Quat operator*(const Quat& a, const Quat& b);
Vec3 rotate(const Quat& q, const Vec3& v);

// The turn of a drag whose press and current points are (x0, y0) and (x, y), measured from the
// widget's centre in units of its half-size with y up: the rotation taking (x0, y0, 1) to
// (x, y, 1), its angle scaled by 1 + 0.2 * (r - 1) once the current point lies r > 1 away.
Quat trackballTurn(double x0, double y0, double x, double y);

// Which display axis each of the variable's axes is drawn along: 1, 2, 3 for x, y, z, negative
// when reversed (as the axisx/axisy/axisz parameters store them).
struct AxisMap {
    int axes[3] = {1, 2, 3};

    Vec3 toDisplay(const Vec3& v) const;
    Vec3 fromDisplay(const Vec3& v) const;
    // A rotation of the variable's space as seen in the display's, and back.
    Quat toDisplay(const Quat& q) const;
    Quat fromDisplay(const Quat& q) const;
};

}  // namespace tw
