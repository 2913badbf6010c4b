#include "ListUpdate.h"

#include <cstring>

#include "Context.h"
#include "DrawList.h"
#include "Feedback.h"
#include "Layout.h"
#include "Painter.h"

namespace tw {
namespace {

// Room for a segment to grow into without moving the others: values whose text gets longer,
// a field opened for editing. Indices stay a whole number of quads.
std::uint32_t vertexRoom(std::uint32_t used) {
    return used + used / 4 + 16;
}
std::uint32_t indexRoom(std::uint32_t used) {
    return (vertexRoom(used) + 5) / 6 * 6;
}

// Paints a segment into the scratch list; a bar's slots are kept relative to its start.
void paintSegment(Context& context, Segment& segment, DisplayList& into) {
    into.clear();
    Painter painter(into, context.backend->atlas());
    switch (segment.kind) {
        case SegmentKind::Bar: {
            const BarSlots slots = paintBar(painter, context, *segment.bar);
            segment.hoverSlot = slots.hover;
            segment.caretSlot = slots.caret;
            return;
        }
        case SegmentKind::Icons:
            paintIcons(painter, context);
            return;
        case SegmentKind::Popup:
            paintPopup(painter, context);
            return;
    }
}

// Copies what was painted into the segment's range, the unused indices made into triangles of
// no area, and records the span of elements that differ from what the range held.
void placeSegment(DisplayList& list, Segment& segment, const DisplayList& painted) {
    const auto vertexCount = std::uint32_t(painted.vertices.size());
    std::uint32_t first = vertexCount, last = 0;
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        Vertex& at = list.vertices[segment.firstVertex + i];
        if (std::memcmp(&at, &painted.vertices[i], sizeof(Vertex)) == 0) continue;
        at = painted.vertices[i];
        if (first == vertexCount) first = i;
        last = i;
    }
    if (first < vertexCount) list.changedVertices(segment.firstVertex + first, last - first + 1);

    const auto indexCount = std::uint32_t(painted.indices.size());
    first = segment.indexCapacity;
    last = 0;
    for (std::uint32_t i = 0; i < segment.indexCapacity; ++i) {
        const std::uint32_t value = segment.firstVertex + (i < indexCount ? painted.indices[i] : 0);
        std::uint32_t& at = list.indices[segment.firstIndex + i];
        if (at == value) continue;
        at = value;
        if (first == segment.indexCapacity) first = i;
        last = i;
    }
    if (first < segment.indexCapacity)
        list.changedIndices(segment.firstIndex + first, last - first + 1);

    segment.vertexCount = vertexCount;
    segment.indexCount = indexCount;
    if (segment.kind == SegmentKind::Bar) {
        segment.hoverSlot += segment.firstVertex;
        segment.caretSlot += segment.firstVertex;
    }
}

void appendSegment(Context& context, SegmentKind kind, const Bar* bar) {
    DisplayList& list = context.displayList;
    SegmentTable& table = context.segments;
    Segment segment;
    segment.kind = kind;
    segment.bar = bar;
    paintSegment(context, segment, table.scratch);
    segment.firstVertex = std::uint32_t(list.vertices.size());
    segment.vertexCapacity = vertexRoom(std::uint32_t(table.scratch.vertices.size()));
    segment.firstIndex = std::uint32_t(list.indices.size());
    segment.indexCapacity = indexRoom(std::uint32_t(table.scratch.indices.size()));
    list.vertices.resize(list.vertices.size() + segment.vertexCapacity, Vertex{});
    // Filled with a value placeSegment never writes, so that every index is written once.
    list.indices.resize(list.indices.size() + segment.indexCapacity, ~std::uint32_t(0));
    placeSegment(list, segment, table.scratch);
    table.segments.push_back(segment);
    ++table.paintedLastFrame;
}

void buildWhole(Context& context) {
    DisplayList& list = context.displayList;
    SegmentTable& table = context.segments;
    list.clear();
    table.segments.clear();
    table.anyDirty = false;
    // The slots have moved; the feedback is written again into the new ones.
    table.hoverShownAt = table.caretShownAt = kNoSlot;
    context.forEachBackToFront([&](const Bar& bar) {
        if (bar.shown()) appendSegment(context, SegmentKind::Bar, &bar);
    });
    for (const auto& bar : context.bars) {
        if (bar->visible && bar->iconified) {
            appendSegment(context, SegmentKind::Icons, nullptr);
            break;
        }
    }
    if (!enumPopupFrame(context).empty()) appendSegment(context, SegmentKind::Popup, nullptr);
    list.changedWhole();
    context.listDirty = false;
}

bool inside(std::uint32_t vertex, const Segment& segment) {
    return vertex >= segment.firstVertex && vertex - segment.firstVertex < segment.vertexCapacity;
}

// Repaints the marked segments in place; false when one outgrew its room.
bool repaintMarked(Context& context) {
    SegmentTable& table = context.segments;
    table.anyDirty = false;
    for (Segment& segment : table.segments) {
        if (!segment.dirty) continue;
        segment.dirty = false;
        paintSegment(context, segment, table.scratch);
        ++table.paintedLastFrame;
        if (table.scratch.vertices.size() > segment.vertexCapacity ||
            table.scratch.indices.size() > segment.indexCapacity)
            return false;
        // The repaint left this segment's slots empty, wherever they are now.
        if (table.hoverShownAt != kNoSlot && inside(table.hoverShownAt, segment))
            table.hoverShownAt = kNoSlot;
        if (table.caretShownAt != kNoSlot && inside(table.caretShownAt, segment))
            table.caretShownAt = kNoSlot;
        placeSegment(context.displayList, segment, table.scratch);
    }
    return true;
}

}  // namespace

void updateDisplayList(Context& context) {
    DisplayList& list = context.displayList;
    context.segments.paintedLastFrame = 0;
    list.beginChanges();
    if (context.listDirty || (context.segments.anyDirty && !repaintMarked(context)))
        buildWhole(context);
    writeFeedback(context);
    list.endChanges();
}

}  // namespace tw
