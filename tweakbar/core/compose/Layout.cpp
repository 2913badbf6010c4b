#include "compose/Layout.h"

#include <algorithm>

#include "compose/FurnitureLayout.h"
#include "compose/IconLayout.h"
#include "look/Metrics.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/ColourRows.h"

namespace tw {
namespace {

constexpr int kWidgetRows = 4;  // the height of a quaternion's or direction's widget

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
        if (row.kind != RowKind::Variable && row.kind != RowKind::Channel) continue;
        const int text = row.kind == RowKind::Channel
                             ? face.measure("255")
                             : face.measure(row.control->valueText.c_str());
        widest = std::max(widest, text + 2 * kValuePadding + face.lineHeight);
    }
    return widest;
}

void addRows(std::vector<Row>& rows, const std::vector<Control*>& controls, int depth) {
    for (Control* control : controls) {
        if (!control->visible) continue;
        Row row;
        row.control = control;
        row.depth = depth + control->extraDepth;
        switch (control->kind) {
            case ControlKind::Group:
                row.kind = RowKind::Group;
                rows.push_back(row);
                if (control->opened) addRows(rows, control->members, depth + 1);
                continue;
            case ControlKind::Separator:
                row.kind = RowKind::Separator;
                break;
            case ControlKind::Button:
                row.kind = control->button ? RowKind::Button : RowKind::Text;
                break;
            case ControlKind::Variable:
                row.kind = RowKind::Variable;
                break;
        }
        rows.push_back(row);
        if (control->kind != ControlKind::Variable || !control->opened) continue;
        if (control->typeInfo.kind == ValueKind::Struct) {
            addRows(rows, control->members, depth + 1);
        } else if (isColor(control->typeInfo.kind)) {
            addColourRows(rows, row);
        } else if (isVector(control->typeInfo.kind)) {
            Row widget = row;
            widget.kind = RowKind::Widget;
            widget.channel = kWidgetRow;
            widget.depth = depth + 1;
            rows.push_back(widget);
            if (!control->showValues) continue;
            for (int c = 0; c < componentCount(control->typeInfo.kind); ++c) {
                Row component = widget;
                component.kind = RowKind::Channel;
                component.channel = c;
                rows.push_back(component);
            }
        }
    }
}

void layoutRows(Bar& bar, const FontFace& face, const Globals& globals) {
    BarLayout& layout = bar.layout;
    const Rect frame = layout.frame;
    const int title = titleHeight(face);
    layout.title = {frame.x, frame.y, frame.w, title};
    layout.lineHeight = face.lineHeight;
    layout.rowHeight = rowHeightOf(RowKind::Variable, face);
    placeTitleButtons(layout, bar.iconifiable, globals.fontResizable);
    const int above = title + fitStripHeight(face), below = belowRowsHeight(face);
    layout.content = {frame.x + kSidePadding, frame.y + above, frame.w - 2 * kSidePadding,
                      std::max(0, frame.h - above - below)};
    layout.indent = rowIndent(face);

    layout.rows.clear();
    addRows(layout.rows, bar.topLevel, 0);

    int total = 0;
    for (const Row& row : layout.rows)
        total += rowHeightOf(row.kind, face);
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
        fits += rowHeightOf(layout.rows[std::size_t(lastFirst - 1)].kind, face);
        if (fits > layout.content.h) break;
        --lastFirst;
    }
    bar.scroll = std::clamp(bar.scroll, 0, std::max(lastFirst, 0));
    if (!layout.scrollable) bar.scroll = 0;
    layout.firstShown = bar.scroll;

    int scrolledAway = 0;
    for (int i = 0; i < layout.firstShown; ++i) {
        scrolledAway += rowHeightOf(layout.rows[std::size_t(i)].kind, face);
    }
    int y = layout.content.y;
    layout.shownCount = 0;
    for (std::size_t i = std::size_t(layout.firstShown); i < layout.rows.size(); ++i) {
        Row& row = layout.rows[i];
        const int height = rowHeightOf(row.kind, face);
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

int rowHeightOf(RowKind kind, const FontFace& face) {
    if (kind == RowKind::Widget) return kWidgetRows * face.lineHeight;
    return kind == RowKind::Separator ? (face.lineHeight + 1) / 2 : face.lineHeight;
}

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
