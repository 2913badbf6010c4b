#include "widgets/RotationWidget.h"

#include <algorithm>
#include <any>
#include <cmath>
#include <cstring>
#include <vector>

#include "draw/Painter.h"
#include "edit/ValueEdit.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "model/InputState.h"
#include "values/Refresh.h"
#include "widgets/NumberRow.h"
#include "widgets/Rotation.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTranslucent = 0xB0;
constexpr double kSphereRadius = 0.75;  // of the half-size
constexpr double kAxisLength = 0.95;
constexpr double kShaftRadius = 0.07, kHeadRadius = 0.16, kHeadLength = 0.3;
constexpr int kSphereRings = 6, kSphereSectors = 24, kArrowSides = 8;
const Vec3 kLight = {-0.35, 0.45, 0.82};  // from the upper left, toward the viewer

bool isQuaternion(const Control& control) {
    return componentCount(control.typeInfo.kind) == 4;
}

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

// Axes that name one display axis twice map nothing sensibly; the widget then draws the
// variable's axes as they are.
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

bool hasArrow(const Control& control) {
    return control.arrow[0] != 0 || control.arrow[1] != 0 || control.arrow[2] != 0;
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

// Positions in units of the half-size around the centre, z toward the viewer.
struct Corner {
    Vec3 position, normal;
};

struct Facet {
    Corner corners[3];
    PackedColor color;
    double depth;
};

class WidgetPainter {
  public:
    WidgetPainter(Painter& painter, const Rect& area, int alpha)
        : painter_(painter),
          centerX_(area.x + area.w * 0.5),
          centerY_(area.y + area.h * 0.5),
          half_(std::min(area.w, area.h) * 0.5),
          alpha_(alpha) {}

    PackedColor color(int r, int g, int b, int a = 255) const {
        return packColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b),
                         std::uint8_t(a * alpha_ / 255));
    }

    // The sphere is seen from the front only: a disc shaded as the sphere's surface.
    void sphere(PackedColor color) {
        const double radius = kSphereRadius;
        auto at = [&](int ring, int sector) {
            const double rho = radius * ring / kSphereRings;
            const double angle = 2 * kPi * sector / kSphereSectors;
            const Vec3 p{rho * std::cos(angle), rho * std::sin(angle), 0};
            const double nz = std::sqrt(std::max(0.0, 1 - (rho / radius) * (rho / radius)));
            return point(p, shade(color, {p.x / radius, p.y / radius, nz}));
        };
        for (int ring = 0; ring < kSphereRings; ++ring) {
            for (int sector = 0; sector < kSphereSectors; ++sector) {
                const ShadedPoint a = at(ring, sector), b = at(ring + 1, sector),
                                  c = at(ring + 1, sector + 1), d = at(ring, sector + 1);
                painter_.triangle(a, b, c);
                if (ring > 0) painter_.triangle(a, c, d);
            }
        }
    }

    // A shaft and a cone from the centre to tip, kept as facets for sorting by depth.
    void arrow(const Vec3& tip, PackedColor color) {
        const double reach = length(tip);
        if (reach <= 1e-9) return;
        const Vec3 axis = tip * (1 / reach);
        // Two directions across the arrow.
        const Vec3 helper = std::fabs(axis.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
        const Vec3 u = normalizedCross(axis, helper), v = normalizedCross(axis, u);
        const double headStart = std::max(0.0, reach - kHeadLength);
        const double slope = std::atan2(kHeadRadius, kHeadLength);
        for (int side = 0; side < kArrowSides; ++side) {
            const Vec3 r0 = around(u, v, side), r1 = around(u, v, side + 1);
            const Vec3 s0 = r0 * kShaftRadius, s1 = r1 * kShaftRadius;
            const Vec3 end = axis * headStart;
            const Corner a{s0, r0}, b{s1, r1}, c{end + s1, r1}, d{end + s0, r0};
            facet(a, b, c, color);
            facet(a, c, d, color);
            // The cone, and the ring behind it.
            const Vec3 h0 = end + r0 * kHeadRadius, h1 = end + r1 * kHeadRadius;
            const Vec3 n0 = r0 * std::cos(slope) + axis * std::sin(slope);
            const Vec3 n1 = r1 * std::cos(slope) + axis * std::sin(slope);
            facet({h0, n0}, {h1, n1}, {tip, (n0 + n1) * 0.5}, color);
            const Vec3 back = axis * -1;
            facet({h1, back}, {h0, back}, {end, back}, color);
        }
    }

    // Facets facing away are hidden by the facets in front of them; the others are drawn
    // back to front, those behind the sphere's centre before it.
    void drawFacets(bool behind) {
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

    void legend(const FontFace& face, const Rect& area) {
        const char* letters = "xyz";
        const PackedColor inks[] = {color(255, 80, 80), color(80, 230, 80), color(110, 140, 255)};
        const int width = face.glyphOf('x').advance * 5;
        int x = area.right() - width - 2;
        const int y = area.bottom() - face.lineHeight - 1;
        for (int i = 0; i < 3; ++i) {
            painter_.glyph(face.glyphOf(letters[i]), x, y, inks[i]);
            x += 2 * face.glyphOf(letters[i]).advance;
        }
    }

  private:
    static Vec3 normalizedCross(const Vec3& a, const Vec3& b) {
        const Vec3 c = cross(a, b);
        return c * (1 / length(c));
    }

    static Vec3 around(const Vec3& u, const Vec3& v, int side) {
        const double angle = 2 * kPi * side / kArrowSides;
        return u * std::cos(angle) + v * std::sin(angle);
    }

    void facet(const Corner& a, const Corner& b, const Corner& c, PackedColor color) {
        facets_.push_back({{a, b, c}, color, (a.position.z + b.position.z + c.position.z) / 3});
    }

    ShadedPoint point(const Vec3& p, PackedColor color) const {
        return {float(centerX_ + p.x * half_), float(centerY_ - p.y * half_), color};
    }

    ShadedPoint corner(const Corner& c, PackedColor color) const {
        return point(c.position, shade(color, c.normal));
    }

    Painter& painter_;
    double centerX_, centerY_, half_;
    int alpha_;
    std::vector<Facet> facets_;
};

// The components of a quaternion (x, y, z, s) or a direction (x, y, z) to the caller.
void writeComponents(Context& context, Bar& bar, Control& control, const double (&parts)[4]) {
    unsigned char raw[4 * sizeof(double)] = {};
    std::memcpy(raw, control.value.data(), std::min(sizeof raw, control.value.size()));
    for (int i = 0; i < componentCount(control.typeInfo.kind); ++i)
        writeComponent(control.typeInfo, raw, i, parts[i]);
    if (std::memcmp(raw, control.value.data(), control.value.size()) != 0) {
        writeControl(context, bar, control, raw);
    }
}

// A drag's start: the variable's components at the press.
struct TurnStart {
    double components[4] = {};
};

}  // namespace

Rect rotationWidgetArea(const BarLayout& layout, const Row& row) {
    const int left = layout.labelX + row.depth * layout.indent;
    return {left, row.rect.y, layout.valueX + layout.valueWidth - left, row.rect.h};
}

namespace {

// Shading is worked out here, when the bar is painted, which happens only when the value (or
// the pointer's being over the widget) changed. Translucent unless opaque.
void paintRotationWidget(Painter& painter, const FontFace& face, const Rect& area,
                         const Control& control, bool opaque) {
    WidgetPainter widget(painter, area, opaque ? 255 : kTranslucent);
    painter.outline(area, widget.color(255, 255, 255, 40));
    if (!control.valueRead) return;
    const AxisMap map = axisMapOf(control);
    const PackedColor arrowColor =
        widget.color(control.arrowColor.r, control.arrowColor.g, control.arrowColor.b);
    if (!isQuaternion(control)) {
        const Vec3 direction = map.toDisplay(directionOf(control));
        const double size = length(direction);
        if (size > 0 && std::isfinite(size)) {
            widget.arrow(direction * (kAxisLength / size), arrowColor);
        }
        widget.drawFacets(true);
        widget.drawFacets(false);
        return;
    }
    const Quat q = map.toDisplay(normalized(quaternionOf(control)));
    if (hasArrow(control)) {
        const Vec3 arrow =
            map.toDisplay(Vec3{control.arrow[0], control.arrow[1], control.arrow[2]});
        widget.arrow(rotate(q, arrow) * (kAxisLength / length(arrow)), arrowColor);
        widget.drawFacets(true);
        widget.drawFacets(false);
        return;
    }
    const PackedColor axisColors[] = {widget.color(230, 40, 40), widget.color(40, 210, 40),
                                      widget.color(50, 80, 240)};
    const Vec3 units[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int i = 0; i < 3; ++i) {
        widget.arrow(rotate(q, map.toDisplay(units[i])) * kAxisLength, axisColors[i]);
    }
    widget.drawFacets(true);
    widget.sphere(widget.color(170, 170, 180, 235));
    widget.drawFacets(false);
    widget.legend(face, area);
}

constexpr int kTrackballLines = 4;

// The trackball below an opened quaternion's or direction's heading: opaque under the pointer
// and while it turns. A press inside it starts turning the variable; the pointer's travel from
// the press is the turn, applied to the orientation at the press and written at once.
class TrackballRow final : public Widget {
  public:
    int height(const FontFace& face) const override { return kTrackballLines * face.lineHeight; }

    void paint(RowPainter& p, const Row& row) const override {
        paintRotationWidget(p.painter, p.face, rotationWidgetArea(p.layout, row), *row.control,
                            active(p, row));
    }

    bool repaintsOnHover() const override { return true; }

    void press(Context& context, Bar& bar, const Row& row, int x, int y, bool) const override {
        Control& control = *row.control;
        const Rect area = rotationWidgetArea(bar.layout, row);
        if (control.isReadOnly() || !control.valueRead || !area.contains(x, y)) return;
        const unsigned char* value = actionValue(context, bar, control);
        if (!value) return;
        Drag& drag = context.input.drag;
        drag = Drag{};
        drag.kind = DragKind::Widget;
        drag.widget = this;
        drag.bar = &bar;
        drag.control = &control;
        drag.startX = x;
        drag.startY = y;
        drag.startFrame = area;
        TurnStart start;
        for (int i = 0; i < componentCount(control.typeInfo.kind); ++i)
            start.components[i] = readComponent(control.typeInfo, value, i);
        drag.widgetState = start;
    }

    void drag(Context& context, Drag& drag, int x, int y) const override {
        const Rect& area = drag.startFrame;
        const double half = std::max(1.0, std::min(area.w, area.h) * 0.5);
        const double cx = area.x + area.w * 0.5, cy = area.y + area.h * 0.5;
        const Quat turn = trackballTurn((drag.startX - cx) / half, (cy - drag.startY) / half,
                                        (x - cx) / half, (cy - y) / half);
        Control& control = *drag.control;
        const AxisMap map = axisMapOf(control);
        const auto* turnStart = std::any_cast<TurnStart>(&drag.widgetState);
        if (!turnStart) return;
        const double* start = turnStart->components;
        if (isQuaternion(control)) {
            const Quat from =
                map.toDisplay(normalized(Quat{start[0], start[1], start[2], start[3]}));
            const Quat q = map.fromDisplay(turn * from);
            writeComponents(context, *drag.bar, control, {q.x, q.y, q.z, q.s});
        } else {
            const Vec3 turned =
                map.fromDisplay(rotate(turn, map.toDisplay(Vec3{start[0], start[1], start[2]})));
            writeComponents(context, *drag.bar, control, {turned.x, turned.y, turned.z, 0});
        }
    }

    // Released away from it, the widget turns translucent again.
    bool release(Context& context, const Drag& drag, const Row*) const override {
        context.repaintBar(*drag.bar);
        return true;
    }

  private:
    // Under the pointer, or being turned.
    bool active(const RowPainter& p, const Row& row) const {
        const Hover& hover = p.context.input.hover;
        const Drag& drag = p.context.input.drag;
        return (hover.bar == &p.bar && hover.control == row.control &&
                hover.channel == kWidgetRow) ||
               (drag.kind == DragKind::Widget && drag.widget == this &&
                drag.control == row.control);
    }
};

const TrackballRow kTrackballRow{};

// A quaternion or a direction: its components as text; opened, the trackball and (with
// showval) a number row per component. A press folds and unfolds it, as do Left, Right and
// Return.
class VectorRow final : public Folding<ValueRow> {
  public:
    void addParts(std::vector<Row>& rows, const Row& heading) const override {
        static constexpr const char* kQuaternion[] = {"Quat X", "Quat Y", "Quat Z", "Quat S"};
        static constexpr const char* kDirection[] = {"Dir X", "Dir Y", "Dir Z"};
        const Control& control = *heading.control;
        Row part = heading;
        part.kind = RowKind::Widget;
        part.channel = kWidgetRow;
        part.depth = heading.depth + 1;
        part.widget = &kTrackballRow;
        rows.push_back(part);
        if (!control.showValues) return;
        const int count = componentCount(control.typeInfo.kind);
        part.kind = RowKind::Channel;
        part.widget = &numberRow();
        for (int c = 0; c < count; ++c) {
            part.channel = c;
            part.label = count == 4 ? kQuaternion[c] : kDirection[c];
            rows.push_back(part);
        }
    }

    void paint(RowPainter& p, const Row& row) const override {
        p.textRow(row, p.palette.label, true);
    }
};

}  // namespace

const Widget& vectorRow() {
    static const VectorRow widget{};
    return widget;
}

}  // namespace tw
