#include "widgets/RotationWidget.h"

#include <algorithm>
#include <any>
#include <cstring>
#include <vector>

#include "edit/ValueEdit.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "model/InputState.h"
#include "values/Refresh.h"
#include "widgets/NumberRow.h"
#include "widgets/Rotation.h"
#include "widgets/RowPaint.h"
#include "widgets/TrackballPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

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
    // Three pixels short of the value boxes' end.
    const int left = labelLeft(layout, row.depth);
    return {left, row.rect.y, layout.content.right() - 3 - left, row.rect.h};
}

namespace {

constexpr int kTrackballLines = 4;

// The trackball below an opened quaternion's or direction's heading. A press inside it starts
// turning the variable; the pointer's travel from the press is the turn, applied to the
// orientation at the press and written at once.
class TrackballRow final : public Widget {
  public:
    int height(int rowPitch) const override { return kTrackballLines * rowPitch; }

    void paint(RowPainter& p, const Row& row) const override {
        paintTrackball(p.painter, rotationWidgetArea(p.layout, row), *row.control);
    }

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
        const double half = std::max(1.0, area.h * 0.5);
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

    bool release(Context&, const Drag&, const Row*) const override { return true; }
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
        p.textRow(row, p.palette.structLabel, p.palette.readOnly, true);
    }
};

}  // namespace

const Widget& vectorRow() {
    static const VectorRow widget{};
    return widget;
}

}  // namespace tw
