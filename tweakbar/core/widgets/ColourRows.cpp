#include "widgets/ColourRows.h"

#include "draw/Painter.h"
#include "look/Metrics.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "values/ColourComponents.h"

namespace tw {
namespace {

// The checker behind a translucent colour: 4 cells across, 2 down.
constexpr int kCheckerColumns = 4, kCheckerRows = 2;
constexpr PackedColor kCheckerLight = packColor(224, 224, 224, 255);
constexpr PackedColor kCheckerDark = packColor(112, 112, 112, 255);

void paintChecker(Painter& painter, const Rect& area) {
    for (int row = 0; row < kCheckerRows; ++row) {
        const int top = area.y + area.h * row / kCheckerRows;
        const int bottom = area.y + area.h * (row + 1) / kCheckerRows;
        for (int column = 0; column < kCheckerColumns; ++column) {
            const int left = area.x + area.w * column / kCheckerColumns;
            const int right = area.x + area.w * (column + 1) / kCheckerColumns;
            painter.fill({left, top, right - left, bottom - top},
                         (row + column) % 2 == 0 ? kCheckerLight : kCheckerDark);
        }
    }
}

}  // namespace

void addColourRows(std::vector<Row>& rows, const Row& heading) {
    Row row = heading;
    row.kind = RowKind::Channel;
    row.depth = heading.depth + 1;
    const Control& control = *heading.control;
    const int first = control.hlsMode ? kHue : kRed;
    for (int component = first; component < first + 3; ++component) {
        row.channel = component;
        rows.push_back(row);
    }
    if (control.colorAlpha) {
        row.channel = kAlpha;
        rows.push_back(row);
    }
    row.channel = kColourModeRow;
    rows.push_back(row);
}

const char* colourRowLabel(int channel) {
    return channel == kColourModeRow ? "Mode" : colourComponentName(channel);
}

bool isColourModeRow(const Row& row) {
    return row.kind == RowKind::Channel && row.channel == kColourModeRow;
}

void paintColourSwatch(Painter& painter, const Rect& field, const Rect& clip,
                       const Control& control) {
    const Rect swatch = field.inset(1, 1);
    painter.setClip(intersect(clip, swatch));
    const Rgba color = readColor(control.typeInfo, control.value.data());
    std::uint8_t alpha = 255;
    if (control.colorAlpha) {
        paintChecker(painter, swatch);
        alpha = color.a;
    }
    painter.fill(swatch, packColor(color.r, color.g, color.b, alpha));
    painter.outline(swatch, packColor(0, 0, 0, 150));
    painter.setClip(clip);
}

}  // namespace tw
