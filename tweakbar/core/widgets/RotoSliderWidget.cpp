#include "widgets/RotoSliderWidget.h"

#include <algorithm>
#include <any>
#include <cmath>

#include "draw/Painter.h"
#include "edit/ValueEdit.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/RotoSlider.h"

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;
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

// What a turn keeps from the press to the release.
struct Turning {
    int centreX = 0, centreY = 0;
    RotoTurn turn;
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

void beginRotoSlider(Context& context, Bar& bar, Control& control, int channel, int centreX,
                     int centreY) {
    Drag& drag = context.input.drag;
    drag = Drag{};
    drag.kind = DragKind::RotoSlider;
    drag.bar = &bar;
    drag.control = &control;
    drag.channel = channel;
    const NumberRange range = numberRange(control, channel);
    const double step = channel >= 0 ? channelStep(control) : effectiveStep(control);
    drag.startValue = numberOf(control, control.value.data(), channel);
    drag.widgetState =
        Turning{centreX, centreY, RotoTurn(drag.startValue, range.lo, range.hi, step)};
    context.repaintBar(bar);
}

void dragRotoSlider(Context& context, Drag& drag, int x, int y) {
    auto* turning = std::any_cast<Turning>(&drag.widgetState);
    if (!turning) return;
    turning->turn.follow(x - turning->centreX, y - turning->centreY);
    // The line to the pointer moves with it, whether the value changed or not.
    context.repaintBar(*drag.bar);
    dragNumber(context, *drag.bar, *drag.control, drag.channel, turning->turn.value());
}

int rotoSliderCursor(const Drag& drag, int x, int y) {
    const auto* turning = std::any_cast<Turning>(&drag.widgetState);
    return turning ? rotoCursorIndex(screenAngle(x - turning->centreX, y - turning->centreY)) : 0;
}

void paintRotoSlider(Painter& painter, const Context& context, const Bar& bar) {
    const Drag& drag = context.input.drag;
    const auto* turning = std::any_cast<Turning>(&drag.widgetState);
    if (drag.kind != DragKind::RotoSlider || drag.bar != &bar || !turning) return;
    // The circle reaches beyond the bar, which is in front since the press.
    painter.setClip(drawingArea(context));
    const Centre c{float(turning->centreX) + 0.5f, float(turning->centreY) + 0.5f};
    arc(painter, c, kRotoRadius, 0, 2 * kPi, 1.5f, kCircleColour);
    const RotoTurn& roto = turning->turn;
    if (roto.turning()) {
        if (roto.boundsFit()) {
            boundMark(painter, c, roto.startAngle() + roto.minAngle(), -1);
            boundMark(painter, c, roto.startAngle() + roto.maxAngle(), 1);
        }
        // The turn so far, up to one full circle.
        const double turn = std::clamp(roto.turned(), -2 * kPi, 2 * kPi);
        if (turn != 0) arc(painter, c, kRotoRadius, roto.startAngle(), turn, 3, kTurnColour);
    }
    const InputState& input = context.input;
    band(painter, {c.x, c.y, kTurnColour},
         {float(input.mouseX) + 0.5f, float(input.mouseY) + 0.5f, kTurnColour}, 1.5f);
    painter.setClip(bar.layout.frame);
}

}  // namespace tw
