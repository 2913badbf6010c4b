#include "compose/Layout.h"

#include <algorithm>

#include "compose/FurnitureLayout.h"
#include "compose/IconLayout.h"
#include "look/Metrics.h"
#include "model/Context.h"
#include "widgets/WidgetTable.h"

namespace tw {
namespace {

int valuesWidthWanted(const Bar& bar, const FontFace& face, double fontScaling) {
    switch (bar.valuesWidthMode) {
        case ValuesWidthMode::Fixed:
            return bar.valuesWidth;
        case ValuesWidthMode::FollowFont:
            return defaultValuesWidth(bar, fontScaling);
        case ValuesWidthMode::Fit:
            break;
    }
    // Wide enough for the widest value shown, with its padding.
    int widest = 2 * face.lineHeight;
    for (const Row& row : bar.layout.rows) {
        const int value = row.widget->valueWidth(row, face);
        if (value >= 0) widest = std::max(widest, value + 2 * kValuePadding + face.lineHeight);
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

void layoutRows(Bar& bar, const FontFace& face, const Globals& globals) {
    BarLayout& layout = bar.layout;
    const Rect frame = layout.frame;
    const int title = titleHeight(face);
    layout.title = {frame.x, frame.y, frame.w, title};
    layout.lineHeight = face.lineHeight;
    layout.rowHeight = face.lineHeight;
    placeTitleButtons(layout, bar.iconifiable, globals.fontResizable);
    const int above = title + fitStripHeight(face), below = belowRowsHeight(face);
    layout.content = {frame.x + kSidePadding, frame.y + above, frame.w - 2 * kSidePadding,
                      std::max(0, frame.h - above - below)};
    layout.indent = rowIndent(face);

    layout.rows.clear();
    addRows(layout.rows, bar.topLevel, 0);

    int total = 0;
    for (const Row& row : layout.rows)
        total += row.widget->height(face);
    layout.scrollable = total > layout.content.h;
    if (layout.scrollable) {
        const int width = scrollbarWidth(face);
        layout.content.w -= width + kScrollbarGap;
        layout.scrollTrack = {layout.content.right() + kScrollbarGap, layout.content.y, width,
                              layout.content.h};
        placeScrollArrows(layout);
    }

    // The first row shown: what the bar was scrolled to, no further than needed to show the
    // last row.
    int lastFirst = int(layout.rows.size());
    for (int fits = 0; lastFirst > 0;) {
        fits += layout.rows[std::size_t(lastFirst - 1)].widget->height(face);
        if (fits > layout.content.h) break;
        --lastFirst;
    }
    bar.scroll = std::clamp(bar.scroll, 0, std::max(lastFirst, 0));
    if (!layout.scrollable) bar.scroll = 0;
    layout.firstShown = bar.scroll;

    int scrolledAway = 0;
    for (int i = 0; i < layout.firstShown; ++i) {
        scrolledAway += layout.rows[std::size_t(i)].widget->height(face);
    }
    int y = layout.content.y;
    layout.shownCount = 0;
    for (std::size_t i = std::size_t(layout.firstShown); i < layout.rows.size(); ++i) {
        Row& row = layout.rows[i];
        const int height = row.widget->height(face);
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
        layout.scrollTrack = layout.scrollThumb = layout.scrollUp = layout.scrollDown = Rect{};
    }

    layout.labelX = layout.content.x + kValuePadding;
    const int wanted = valuesWidthWanted(bar, face, globals.fontScaling);
    // Fitting is done once; from then on the column keeps the width it found.
    if (bar.valuesWidthMode == ValuesWidthMode::Fit) {
        bar.valuesWidthMode = ValuesWidthMode::Fixed;
        bar.valuesWidth = wanted;
    }
    layout.valueWidth = std::clamp(wanted, 0, std::max(0, layout.content.w - 2 * face.lineHeight));
    layout.valueX = layout.content.right() - layout.valueWidth;
    placeColumnStrip(layout, face);
    placeShortcutLine(layout, face);
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
            layoutRows(bar, context.face(bar), context.globals);
        } else {
            bar.layout.rows.clear();
            bar.layout.shownCount = 0;
        }
    }
    layoutIcons(context);
    context.layoutDirty = false;
}

}  // namespace tw
