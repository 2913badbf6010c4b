#include "widgets/TrackballPaint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/VarType.h"
#include "draw/Painter.h"
#include "model/Control.h"

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Figures in units of the half-size, around the centre, z toward the viewer.
constexpr double kSphereRadius = 0.67;
constexpr int kSphereRings = 6, kSphereSectors = 24, kConeSides = 8;
// An axis is a line this thick from -1 to its cone, whose tip is at +1.
constexpr double kAxisHead = 0.3, kAxisHeadRadius = 0.16;
constexpr double kAxisHalfThickness = 1.5;  // pixels
// A direction's arrow runs through the centre; its last third is the cone.
constexpr double kArrowReach = 0.8, kArrowHead = 0.53;
constexpr double kArrowHeadRadius = 0.19, kArrowShaftRadius = 0.07;
const Vec3 kLight = {-0.35, 0.45, 0.82};  // from the upper left, toward the viewer

constexpr PackedColor kAxisColours[3] = {packColor(209, 34, 34, 255), packColor(34, 202, 34, 255),
                                         packColor(24, 24, 160, 255)};
constexpr PackedColor kLegendColours[3] = {packColor(192, 0, 0, 255), packColor(0, 192, 0, 255),
                                           packColor(0, 0, 192, 255)};
constexpr PackedColor kFrame = packColor(0, 0, 0, 62);
// A sphere's channel that its octant turns on, at the centre and toward the rim; one turned off
// keeps this much of it.
constexpr double kLitCentre = 203, kLitRim = 90, kUnlit = 0.37;

Quat quaternionOf(const Control& control) {
    const TypeInfo& type = control.typeInfo;
    const unsigned char* raw = control.value.data();
    return {readComponent(type, raw, 0), readComponent(type, raw, 1), readComponent(type, raw, 2),
            readComponent(type, raw, 3)};
}

Vec3 directionOf(const Control& control) {
    const TypeInfo& type = control.typeInfo;
    const unsigned char* raw = control.value.data();
    return {readComponent(type, raw, 0), readComponent(type, raw, 1), readComponent(type, raw, 2)};
}

bool hasArrow(const Control& control) {
    return control.arrow[0] != 0 || control.arrow[1] != 0 || control.arrow[2] != 0;
}

Vec3 normalizedCross(const Vec3& a, const Vec3& b) {
    const Vec3 c = cross(a, b);
    return c * (1 / length(c));
}

PackedColor shade(PackedColor color, const Vec3& normal) {
    const double lit = std::max(0.0, dot(normal, kLight) / length(kLight));
    const double k = 0.45 + 0.55 * lit;
    PackedColor out = color & 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= PackedColor(std::lround(((color >> shift) & 0xff) * k)) << shift;
    }
    return out;
}

double coordinate(const Vec3& v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

// A point of the sphere's surface as the viewer sees it and in the variable's own axes.
struct SpherePoint {
    Vec3 view, object;
};

SpherePoint between(const SpherePoint& a, const SpherePoint& b, double t) {
    return {a.view + (b.view + a.view * -1) * t, a.object + (b.object + a.object * -1) * t};
}

// A convex piece of a facet; splitting a triangle by three planes leaves at most six corners.
struct Piece {
    SpherePoint corners[8];
    int count = 0;
    void add(const SpherePoint& p) { corners[count++] = p; }
};

// The parts of a piece on either side of the plane where an object axis is zero.
void split(const Piece& piece, int axis, Piece& positive, Piece& negative) {
    for (int i = 0; i < piece.count; ++i) {
        const SpherePoint& a = piece.corners[i];
        const SpherePoint& b = piece.corners[(i + 1) % piece.count];
        const double va = coordinate(a.object, axis), vb = coordinate(b.object, axis);
        if (va >= 0) positive.add(a);
        if (va <= 0) negative.add(a);
        if ((va > 0 && vb < 0) || (va < 0 && vb > 0)) {
            const SpherePoint cut = between(a, b, va / (va - vb));
            positive.add(cut);
            negative.add(cut);
        }
    }
}

// Facets of cones and shafts, kept to be drawn back to front.
struct Corner {
    Vec3 position, normal;
};

struct Facet {
    Corner corners[3];
    PackedColor color;
    double depth;
};

class TrackballPainter {
  public:
    TrackballPainter(Painter& painter, const Rect& area)
        : painter_(painter),
          centerX_(area.x + area.w * 0.5),
          centerY_(area.y + area.h * 0.5),
          half_(area.h * 0.5) {}

    // The visible half of the sphere, each triangle cut along the planes between the octants,
    // so that their borders are sharp: an octant has red on where the variable's x is positive,
    // green where its y is, blue where its z is.
    void sphere(const Quat& orientation) {
        const Quat inverse{-orientation.x, -orientation.y, -orientation.z, orientation.s};
        auto at = [&](int ring, int sector) {
            const double rho = double(ring) / kSphereRings;
            const double angle = 2 * kPi * sector / kSphereSectors;
            const Vec3 view{rho * std::cos(angle), rho * std::sin(angle),
                            std::sqrt(std::max(0.0, 1 - rho * rho))};
            return SpherePoint{view, rotate(inverse, view)};
        };
        for (int ring = 0; ring < kSphereRings; ++ring) {
            for (int sector = 0; sector < kSphereSectors; ++sector) {
                const SpherePoint a = at(ring, sector), b = at(ring + 1, sector),
                                  c = at(ring + 1, sector + 1), d = at(ring, sector + 1);
                sphereFacet(a, b, c);
                if (ring > 0) sphereFacet(a, c, d);
            }
        }
    }

    // The line of an axis from -1 to its cone's base, in the halves before and behind the
    // centre's depth; only those on the wanted side.
    void axisLine(const Vec3& axis, PackedColor color, bool behind) {
        const Vec3 base = axis * (1 - kAxisHead);
        if ((axis.z < 0) == behind) thickLine({0, 0, 0}, base, color);
        if ((axis.z > 0) == behind) thickLine(axis * -1, {0, 0, 0}, color);
    }

    // A cone toward tip from base, and a shaft from tail to its base when shaftRadius > 0.
    void arrow(const Vec3& tail, const Vec3& tip, double headLength, double headRadius,
               double shaftRadius, PackedColor color) {
        const Vec3 along = tip + tail * -1;
        const double reach = length(along);
        if (reach <= 1e-9) return;
        const Vec3 axis = along * (1 / reach);
        const Vec3 helper = std::fabs(axis.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
        const Vec3 u = normalizedCross(axis, helper), v = normalizedCross(axis, u);
        const Vec3 end = tail + axis * std::max(0.0, reach - headLength);
        const double slope = std::atan2(headRadius, headLength);
        for (int side = 0; side < kConeSides; ++side) {
            const Vec3 r0 = around(u, v, side), r1 = around(u, v, side + 1);
            if (shaftRadius > 0) {
                const Vec3 s0 = r0 * shaftRadius, s1 = r1 * shaftRadius;
                facet({tail + s0, r0}, {tail + s1, r1}, {end + s1, r1}, color);
                facet({tail + s0, r0}, {end + s1, r1}, {end + s0, r0}, color);
            }
            const Vec3 h0 = end + r0 * headRadius, h1 = end + r1 * headRadius;
            const Vec3 n0 = r0 * std::cos(slope) + axis * std::sin(slope);
            const Vec3 n1 = r1 * std::cos(slope) + axis * std::sin(slope);
            facet({h0, n0}, {h1, n1}, {tip, (n0 + n1) * 0.5}, color);
            const Vec3 back = axis * -1;
            facet({h1, back}, {h0, back}, {end, back}, color);
        }
    }

    // Facets facing away are hidden by those in front of them; the others are drawn back to
    // front, those behind the centre's depth or those before it.
    void facets(bool behind) {
        std::sort(facets_.begin(), facets_.end(),
                  [](const Facet& a, const Facet& b) { return a.depth < b.depth; });
        for (const Facet& f : facets_) {
            if ((f.depth < 0) != behind) continue;
            const Vec3 normal =
                (f.corners[0].normal + f.corners[1].normal + f.corners[2].normal) * (1.0 / 3);
            if (normal.z < -0.05) continue;
            painter_.triangle(corner(f.corners[0], f.color), corner(f.corners[1], f.color),
                              corner(f.corners[2], f.color));
        }
    }

  private:
    static Vec3 around(const Vec3& u, const Vec3& v, int side) {
        const double angle = 2 * kPi * side / kConeSides;
        return u * std::cos(angle) + v * std::sin(angle);
    }

    void facet(const Corner& a, const Corner& b, const Corner& c, PackedColor color) {
        facets_.push_back({{a, b, c}, color, (a.position.z + b.position.z + c.position.z) / 3});
    }

    ShadedPoint point(const Vec3& p, double scale, PackedColor color) const {
        return {float(centerX_ + p.x * scale * half_), float(centerY_ - p.y * scale * half_),
                color};
    }

    ShadedPoint corner(const Corner& c, PackedColor color) const {
        return point(c.position, 1, shade(color, c.normal));
    }

    void thickLine(const Vec3& from, const Vec3& to, PackedColor color) {
        const ShadedPoint a = point(from, 1, color), b = point(to, 1, color);
        const double dx = b.x - a.x, dy = b.y - a.y, reach = std::hypot(dx, dy);
        if (reach < 0.5) return;
        const auto nx = float(-dy / reach * kAxisHalfThickness);
        const auto ny = float(dx / reach * kAxisHalfThickness);
        const ShadedPoint a0{a.x + nx, a.y + ny, color}, a1{a.x - nx, a.y - ny, color};
        const ShadedPoint b0{b.x + nx, b.y + ny, color}, b1{b.x - nx, b.y - ny, color};
        painter_.triangle(a0, b0, b1);
        painter_.triangle(a0, b1, a1);
    }

    // Brightest at the centre, darkening toward the rim, a little more on the right.
    static PackedColor octantColour(const SpherePoint& p, int octant) {
        const double rim = std::min(1.0, p.view.x * p.view.x + p.view.y * p.view.y);
        const double lit = (kLitRim + (kLitCentre - kLitRim) * (1 - rim)) * (1 - 0.02 * p.view.x);
        const auto channel = [&](int bit) {
            return std::uint8_t(std::lround(octant & bit ? lit : lit * kUnlit));
        };
        return packColor(channel(1), channel(2), channel(4), 255);
    }

    void sphereFacet(const SpherePoint& a, const SpherePoint& b, const SpherePoint& c) {
        Piece pieces[8];
        int count = 1;
        pieces[0].add(a);
        pieces[0].add(b);
        pieces[0].add(c);
        for (int axis = 0; axis < 3; ++axis) {
            for (int i = count - 1; i >= 0; --i) {
                Piece positive, negative;
                split(pieces[i], axis, positive, negative);
                pieces[i] = positive;
                if (negative.count >= 3) pieces[count++] = negative;
            }
        }
        for (int i = 0; i < count; ++i)
            spherePiece(pieces[i]);
    }

    void spherePiece(const Piece& piece) {
        if (piece.count < 3) return;
        Vec3 middle;
        for (int i = 0; i < piece.count; ++i)
            middle = middle + piece.corners[i].object;
        const int octant = (middle.x > 0 ? 1 : 0) | (middle.y > 0 ? 2 : 0) | (middle.z > 0 ? 4 : 0);
        const auto shown = [&](int i) {
            const SpherePoint& p = piece.corners[i];
            return point(p.view, kSphereRadius, octantColour(p, octant));
        };
        for (int i = 1; i + 1 < piece.count; ++i)
            painter_.triangle(shown(0), shown(i), shown(i + 1));
    }

    Painter& painter_;
    double centerX_, centerY_, half_;
    std::vector<Facet> facets_;
};

// A line of single pixels, for the legend's letters.
void pixelLine(Painter& painter, int x0, int y0, int x1, int y1, PackedColor color) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const int x = x0 + int(std::lround(double(x1 - x0) * i / std::max(1, steps)));
        const int y = y0 + int(std::lround(double(y1 - y0) * i / std::max(1, steps)));
        painter.fill({x, y, 1, 1}, color);
    }
}

// x, y and z drawn as small figures of lines, one above the other, in the area's bottom right.
void paintLegend(Painter& painter, const Rect& area) {
    const int left = area.right() - 1 - 6 - 5;
    const int zTop = area.bottom() - 1 - 6 - 5, yTop = zTop - 12, xTop = yTop - 12;
    pixelLine(painter, left, xTop, left + 5, xTop + 5, kLegendColours[0]);
    pixelLine(painter, left + 5, xTop, left, xTop + 5, kLegendColours[0]);
    pixelLine(painter, left, yTop, left + 3, yTop + 4, kLegendColours[1]);
    pixelLine(painter, left + 5, yTop, left + 1, yTop + 7, kLegendColours[1]);
    pixelLine(painter, left, zTop, left + 5, zTop, kLegendColours[2]);
    pixelLine(painter, left + 4, zTop + 1, left + 1, zTop + 4, kLegendColours[2]);
    pixelLine(painter, left, zTop + 5, left + 5, zTop + 5, kLegendColours[2]);
}

void paintFrame(Painter& painter, const Rect& area) {
    painter.fill({area.x, area.y + 2, area.w, 1}, kFrame);
    painter.fill({area.x, area.bottom() - 1, area.w, 1}, kFrame);
    painter.fill({area.x, area.y + 3, 1, area.h - 4}, kFrame);
    painter.fill({area.right() - 1, area.y + 3, 1, area.h - 4}, kFrame);
}

}  // namespace

bool isQuaternion(const Control& control) {
    return componentCount(control.typeInfo.kind) == 4;
}

AxisMap axisMapOf(const Control& control) {
    AxisMap map;
    bool used[3] = {};
    for (int i = 0; i < 3; ++i) {
        const int axis = std::abs(control.axes[i]);
        if (axis < 1 || axis > 3 || used[axis - 1]) return AxisMap{};
        used[axis - 1] = true;
        map.axes[i] = control.axes[i];
    }
    return map;
}

// Shading is worked out here, when the bar is painted, which happens only when the value
// changed.
void paintTrackball(Painter& painter, const Rect& area, const Control& control) {
    paintFrame(painter, area);
    if (!control.valueRead) return;
    TrackballPainter ball(painter, area);
    const AxisMap map = axisMapOf(control);
    const PackedColor arrowColor =
        packColor(control.arrowColor.r, control.arrowColor.g, control.arrowColor.b, 255);
    Vec3 arrow;
    if (!isQuaternion(control)) {
        arrow = map.toDisplay(directionOf(control));
    } else if (hasArrow(control)) {
        const Quat q = map.toDisplay(normalized(quaternionOf(control)));
        arrow =
            rotate(q, map.toDisplay(Vec3{control.arrow[0], control.arrow[1], control.arrow[2]}));
    } else {
        const Quat q = map.toDisplay(normalized(quaternionOf(control)));
        Vec3 axes[3];
        const Vec3 units[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        for (int i = 0; i < 3; ++i) {
            axes[i] = rotate(q, map.toDisplay(units[i]));
            ball.arrow(axes[i] * (1 - kAxisHead), axes[i], kAxisHead, kAxisHeadRadius, 0,
                       kAxisColours[i]);
        }
        for (int i = 0; i < 3; ++i)
            ball.axisLine(axes[i], kAxisColours[i], true);
        ball.facets(true);
        ball.sphere(q);
        for (int i = 0; i < 3; ++i)
            ball.axisLine(axes[i], kAxisColours[i], false);
        ball.facets(false);
        paintLegend(painter, area);
        return;
    }
    const double size = length(arrow);
    if (!(size > 0) || !std::isfinite(size)) return;
    const Vec3 reach = arrow * (kArrowReach / size);
    ball.arrow(reach * -1, reach, kArrowHead, kArrowHeadRadius, kArrowShaftRadius, arrowColor);
    ball.facets(true);
    ball.facets(false);
}

}  // namespace tw
