#include "Feedback.h"

#include <cstring>
#include <string_view>

#include "Context.h"
#include "DrawList.h"
#include "Layout.h"
#include "Painter.h"
#include "Palette.h"

namespace tw {
namespace {

// A quad to show in a slot this frame; empty when nothing is shown.
struct Shown {
    std::uint32_t slot = kNoSlot;
    Vertex quad[4] = {};
};

Shown hoverHighlight(Context& context) {
    const Hover& hover = context.input.hover;
    Shown shown;
    if (!hover.bar || !hover.control || !hover.bar->shown()) return shown;
    const Segment* segment = context.segments.find(hover.bar);
    const Row* row = shownRow(*hover.bar, hover.control, hover.channel);
    if (!segment || !row || !isInteractive(*row)) return shown;
    const Drag& drag = context.input.drag;
    const bool pressed = drag.kind == DragKind::PressButton && drag.control == hover.control;
    const Palette palette = paletteFor(*hover.bar);
    if (solidQuad(row->rect, pressed ? palette.pressed : palette.hover, hover.bar->layout.frame,
                  context.backend->atlas(), shown.quad))
        shown.slot = segment->hoverSlot;
    return shown;
}

Shown caret(Context& context) {
    const TextEdit& edit = context.input.edit;
    Shown shown;
    if (!edit.bar || !edit.bar->shown()) return shown;
    const Segment* segment = context.segments.find(edit.bar);
    const Row* row = shownRow(*edit.bar, edit.control, edit.channel);
    if (!segment || !row) return shown;
    const BarLayout& layout = edit.bar->layout;
    const Rect field = valueField(layout, *row);
    const std::string_view beforeCaret = std::string_view(edit.text).substr(0, edit.caret);
    const int x =
        field.x + kValuePadding - edit.scrollX + context.face(*edit.bar).measure(beforeCaret);
    if (solidQuad({x, field.y + 1, 1, field.h - 2}, paletteFor(*edit.bar).editText,
                  intersect(layout.frame, field), context.backend->atlas(), shown.quad))
        shown.slot = segment->caretSlot;
    return shown;
}

// Writes four vertices where they differ from what the list holds.
void writeSlot(DisplayList& list, std::uint32_t slot, const Vertex quad[4]) {
    Vertex* at = &list.vertices[slot];
    if (std::memcmp(at, quad, 4 * sizeof(Vertex)) == 0) return;
    std::memcpy(at, quad, 4 * sizeof(Vertex));
    list.changedVertices(slot, 4);
}

// Moves one kind of feedback from the slot that shows it to the one that should.
void show(DisplayList& list, std::uint32_t& shownAt, const Shown& wanted) {
    if (shownAt != kNoSlot && shownAt != wanted.slot && shownAt < list.vertices.size()) {
        const Vertex nothing[4] = {};
        writeSlot(list, shownAt, nothing);
    }
    shownAt = wanted.slot;
    if (wanted.slot != kNoSlot) writeSlot(list, wanted.slot, wanted.quad);
}

}  // namespace

void writeFeedback(Context& context) {
    SegmentTable& table = context.segments;
    show(context.displayList, table.hoverShownAt, hoverHighlight(context));
    show(context.displayList, table.caretShownAt, caret(context));
}

}  // namespace tw
