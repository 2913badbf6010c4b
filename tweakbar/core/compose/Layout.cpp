#include "compose/Layout.h"

#include <algorithm>
#include <iterator>

#include "compose/FurnitureLayout.h"
#include "compose/IconLayout.h"
#include "look/Metrics.h"
#include "model/Context.h"
#include "widgets/WidgetTable.h"

namespace tw {
namespace {

int valuesWidthWanted(const Bar& bar, const FontFace& face, const BarMetrics& metrics,
                      double fontScaling) {
    switch (bar.valuesWidthMode) {
        case ValuesWidthMode::Fixed:
            return bar.valuesWidth;
        case ValuesWidthMode::FollowFont:
            return defaultValuesWidth(bar, fontScaling);
        case ValuesWidthMode::Fit:
            break;
    }
    // Wide enough for the widest value shown to stay whole (its last character may start as
    // far as the cut room before the column's end).
    int widest = 2 * metrics.fontHeight;
    for (const Row& row : bar.layout.rows) {
        const int value = row.widget->valueWidth(row, face);
        if (value >= 0) widest = std::max(widest, value + metrics.cutRoom);
    }
    return widest;
}

RowKind rowKindOf(const Control& control) {
    switch (control.kind) {
        case ControlKind::Group:
            return RowKind::Group;
        case ControlKind::Separator:
            return RowKind::Separator;
        case ControlKind::Button:
            return control.button ? RowKind::Button : RowKind::Text;
        case ControlKind::Variable:
            break;
    }
    return RowKind::Variable;
}

// Each control's row, and while it is opened, the parts its widget shows below it and then its
// members (a group's, a struct's), one level in.
void addRows(std::vector<Row>& rows, const std::vector<Control*>& controls, int depth) {
    for (Control* control : controls) {
        if (!control->visible) continue;
        Row row;
        row.kind = rowKindOf(*control);
        row.control = control;
        row.depth = depth + control->extraDepth;
        row.widget = &widgetFor(*control);
        rows.push_back(row);
        if (!control->opened) continue;
        row.widget->addParts(rows, row);
        addRows(rows, control->members, depth + 1);
    }
}

void layoutRows(Bar& bar, const FontFace& face, const BarMetrics& metrics, const Globals& globals) {
    BarLayout& layout = bar.layout;
    const Rect frame = layout.frame;
    layout.title = {frame.x, frame.y, frame.w, metrics.titleHeight};
    layout.lineHeight = metrics.fontHeight;
    layout.rowHeight = metrics.rowPitch;
    std::copy(std::begin(metrics.labelIndents), std::end(metrics.labelIndents),
              std::begin(layout.labelIndents));
    layout.labelX = labelLeft(layout, 0);
    placeTitleButtons(layout, bar.iconifiable, globals.fontResizable);
    const int valuesRight = frame.right() - metrics.valuesInset;
    layout.content = {frame.x, frame.y + metrics.rowsTop, std::max(0, valuesRight - frame.x),
                      std::max(0, frame.h - metrics.rowsTop - metrics.belowRows)};

    layout.rows.clear();
    addRows(layout.rows, bar.topLevel, 0);

    const int pitch = metrics.rowPitch;
    int total = 0;
    for (const Row& row : layout.rows)
        total += row.widget->height(pitch);
    layout.scrollable = total > layout.content.h;
    placeScrollbar(layout, metrics);

    // The first row shown: what the bar was scrolled to, no further than needed to show the
    // last row.
    int lastFirst = int(layout.rows.size());
    for (int fits = 0; lastFirst > 0;) {
        fits += layout.rows[std::size_t(lastFirst - 1)].widget->height(pitch);
        if (fits > layout.content.h) break;
        --lastFirst;
    }
    bar.scroll = std::clamp(bar.scroll, 0, std::max(lastFirst, 0));
    if (!layout.scrollable) bar.scroll = 0;
    layout.firstShown = bar.scroll;

    int scrolledAway = 0;
    for (int i = 0; i < layout.firstShown; ++i) {
        scrolledAway += layout.rows[std::size_t(i)].widget->height(pitch);
    }
    int y = layout.content.y;
    layout.shownCount = 0;
    for (std::size_t i = std::size_t(layout.firstShown); i < layout.rows.size(); ++i) {
        Row& row = layout.rows[i];
        const int height = row.widget->height(pitch);
        if (y + height > layout.content.bottom()) break;
        row.rect = {layout.content.x, y, layout.content.w, height};
        y += height;
        ++layout.shownCount;
    }
    if (layout.scrollable && total > 0) {
        const Rect& track = layout.scrollTrack;
        const int thumb = std::max(track.h * layout.content.h / total, std::min(track.h, 8));
        const int offset = (track.h - thumb) * scrolledAway / std::max(1, total - layout.content.h);
        layout.scrollThumb = {track.x, track.y + std::min(offset, track.h - thumb), track.w, thumb};
    } else {
        layout.scrollThumb = Rect{};
    }

    const int wanted = valuesWidthWanted(bar, face, metrics, globals.fontScaling);
    // Fitting is done once; from then on the column keeps the width it found.
    if (bar.valuesWidthMode == ValuesWidthMode::Fit) {
        bar.valuesWidthMode = ValuesWidthMode::Fixed;
        bar.valuesWidth = wanted;
    }
    // A column wider than the bar leaves the labels two font heights.
    const int widest = valuesRight - 2 - layout.labelX - 2 * metrics.fontHeight;
    layout.valueWidth = std::clamp(wanted, 0, std::max(0, widest));
    layout.valueX = valuesRight - 2 - layout.valueWidth;
    placeColumnStrip(layout, metrics);
    placeShortcutLine(layout, metrics);
    layout.bottomLine = bar.isHelp ? layout.shortcutLine : Rect{};
}

}  // namespace

Rect constrainedFrame(const Bar& bar, const Context& context) {
    const int windowWidth = context.windowWidth, windowHeight = context.windowHeight;
    int minWidth = 0, minHeight = 0;
    minimumSize(bar.fontSize, context.globals.fontScaling, minWidth, minHeight);
    Rect frame{bar.x, bar.y, std::max(bar.width, minWidth), std::max(bar.height, minHeight)};
    if (bar.contained && windowWidth > 0 && windowHeight > 0) {
        // Too large for the area: shrunk to it, at its edge.
        if (frame.w > windowWidth) frame.w = windowWidth, frame.x = 0;
        if (frame.h > windowHeight) frame.h = windowHeight, frame.y = 0;
        frame.x = std::clamp(frame.x, 0, windowWidth - frame.w);
        frame.y = std::clamp(frame.y, 0, windowHeight - frame.h);
    }
    return frame;
}

void layoutAll(Context& context) {
    for (auto& owned : context.bars) {
        Bar& bar = *owned;
        bar.layout.frame = constrainedFrame(bar, context);
        if (bar.shown()) {
            layoutRows(bar, context.face(bar), barMetrics(bar, context), context.globals);
        } else {
            bar.layout.rows.clear();
            bar.layout.shownCount = 0;
        }
    }
    layoutIcons(context);
    context.layoutDirty = false;
}

}  // namespace tw
