#include "compose/Feedback.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "draw/Painter.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "model/Context.h"
#include "widgets/RowButtons.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// A quad to show in a slot this frame; empty when nothing is shown.
struct Shown {
    std::uint32_t slot = kNoSlot;
    Vertex quad[4] = {};
};

// The hovered row's band, from its label to the end of the value boxes and shading downwards
// over its text's cell, and a line under it.
struct HoverShown {
    std::uint32_t slot = kNoSlot;
    Vertex quads[kHoverQuads * 4] = {};
};

HoverShown hoverHighlight(Context& context) {
    const Hover& hover = context.input.hover;
    HoverShown shown;
    if (!hover.bar || !hover.control || !hover.bar->shown()) return shown;
    const Segment* segment = context.segments.find(hover.bar);
    const Row* row = shownRow(*hover.bar, hover.control, hover.channel);
    if (!segment || !row || !row->widget->highlighted(*row)) return shown;
    const Drag& drag = context.input.drag;
    const bool pressed =
        drag.kind == DragKind::Widget && drag.pressedLook && drag.control == hover.control;
    const Palette palette = paletteFor(*hover.bar);
    const BarLayout& layout = hover.bar->layout;
    const Rect& r = row->rect;
    const int left = labelLeft(layout, row->depth);
    const Rect band{left, r.y + 1, r.right() - left, layout.lineHeight - 1};
    const Rect line{left, r.y + layout.lineHeight, r.right() - left, 1};
    const FontAtlas& atlas = context.backend->atlas();
    Vertex* out = shown.quads;
    if (gradientQuad(band, pressed ? palette.pressedTop : palette.hoverTop,
                     pressed ? palette.pressedBottom : palette.hoverBottom, layout.frame, atlas,
                     out))
        out += 4;
    if (solidQuad(line, palette.hoverLine, layout.frame, atlas, out)) out += 4;
    if (out != shown.quads) shown.slot = segment->hoverSlot;
    return shown;
}

// The open field's row, its field and the bar's segment; null when the field is not shown.
struct OpenField {
    const Segment* segment = nullptr;
    Rect field, clip;
    int textX = 0;  // where the text's first character starts, scrolled
};

OpenField openField(Context& context) {
    const TextEdit& edit = context.input.edit;
    OpenField open;
    if (!edit.bar || !edit.bar->shown()) return open;
    const Row* row = shownRow(*edit.bar, edit.control, edit.channel);
    if (!row) return open;
    open.segment = context.segments.find(edit.bar);
    open.field = valueField(edit.bar->layout, *row);
    open.clip = intersect(edit.bar->layout.frame, open.field);
    open.textX = open.field.x + kValuePadding - edit.scrollX;
    return open;
}

int textWidth(Context& context, std::size_t from, std::size_t to) {
    const TextEdit& edit = context.input.edit;
    return context.face(*edit.bar).measure(std::string_view(edit.text).substr(from, to - from));
}

Shown caret(Context& context) {
    const OpenField open = openField(context);
    Shown shown;
    if (!open.segment) return shown;
    const TextEdit& edit = context.input.edit;
    const int x = open.textX + textWidth(context, 0, edit.caret);
    const PackedColor ink =
        edit.readOnly ? paletteFor(*edit.bar).editReadOnly : paletteFor(*edit.bar).editText;
    if (solidQuad({x, open.field.y + 1, 1, open.field.h - 2}, ink, open.clip,
                  context.backend->atlas(), shown.quad))
        shown.slot = open.segment->caretSlot;
    return shown;
}

// A translucent band over the selected characters.
Shown selectionBand(Context& context) {
    const OpenField open = openField(context);
    Shown shown;
    const TextEdit& edit = context.input.edit;
    if (!open.segment || edit.anchor == edit.caret) return shown;
    const std::size_t start = std::min(edit.anchor, edit.caret);
    const std::size_t end = std::max(edit.anchor, edit.caret);
    const int x = open.textX + textWidth(context, 0, start);
    const Rect band{x, open.field.y + 1, textWidth(context, start, end), open.field.h - 2};
    if (solidQuad(band, paletteFor(*edit.bar).selection, open.clip, context.backend->atlas(),
                  shown.quad))
        shown.slot = open.segment->selectionSlot;
    return shown;
}

// Writes the span of vertices that differ from what the list holds.
void writeSlots(DisplayList& list, std::uint32_t slot, const Vertex* vertices,
                std::uint32_t count) {
    Vertex* at = &list.vertices[slot];
    auto same = [&](std::uint32_t i) {
        return std::memcmp(at + i, vertices + i, sizeof(Vertex)) == 0;
    };
    std::uint32_t first = 0, end = count;
    while (first < end && same(first))
        ++first;
    while (end > first && same(end - 1))
        --end;
    if (first == end) return;
    std::memcpy(at + first, vertices + first, (end - first) * sizeof(Vertex));
    list.changedVertices(slot + first, end - first);
}

// Moves one kind of feedback, count vertices, from the slots that show it to the ones that
// should.
void show(DisplayList& list, std::uint32_t& shownAt, std::uint32_t wantedSlot,
          const Vertex* vertices, std::uint32_t count) {
    if (shownAt != kNoSlot && shownAt != wantedSlot && shownAt < list.vertices.size()) {
        static const Vertex nothing[kRowButtonQuads * 4] = {};
        writeSlots(list, shownAt, nothing, count);
    }
    shownAt = wantedSlot;
    if (wantedSlot != kNoSlot) writeSlots(list, wantedSlot, vertices, count);
}

void show(DisplayList& list, std::uint32_t& shownAt, const Shown& wanted) {
    show(list, shownAt, wanted.slot, wanted.quad, 4);
}

}  // namespace

void writeFeedback(Context& context) {
    SegmentTable& table = context.segments;
    const HoverShown hover = hoverHighlight(context);
    show(context.displayList, table.hoverShownAt, hover.slot, hover.quads, kHoverQuads * 4);
    show(context.displayList, table.selectionShownAt, selectionBand(context));
    show(context.displayList, table.caretShownAt, caret(context));
    RowButtonQuads buttons;
    hoveredRowButtons(context, buttons);
    show(context.displayList, table.rowButtonsShownAt, buttons.slot, buttons.vertices,
         kRowButtonQuads * 4);
}

}  // namespace tw
