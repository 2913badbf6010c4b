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
        case SegmentKind::WholeBar: {
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

bool sameVertex(const Vertex& a, const Vertex& b) {
    return std::memcmp(&a, &b, sizeof(Vertex)) == 0;
}

// Copies what was painted into the segment's range, the unused indices made into triangles of
// no area, and records the span of elements that differ from what the range held. Most of a
// repainted bar is what it was, so the span is found first and only it is written.
void placeSegment(DisplayList& list, Segment& segment, const DisplayList& painted) {
    const auto vertexCount = std::uint32_t(painted.vertices.size());
    const Vertex* from = painted.vertices.data();
    Vertex* to = list.vertices.data() + segment.firstVertex;
    std::uint32_t first = 0;
    while (first < vertexCount && sameVertex(to[first], from[first]))
        ++first;
    if (first < vertexCount) {
        std::uint32_t end = vertexCount;
        while (end > first + 1 && sameVertex(to[end - 1], from[end - 1]))
            --end;
        std::memcpy(to + first, from + first, (end - first) * sizeof(Vertex));
        list.changedVertices(segment.firstVertex + first, end - first);
    }

    const auto indexCount = std::uint32_t(painted.indices.size());
    auto indexAt = [&](std::uint32_t i) {
        return segment.firstVertex + (i < indexCount ? painted.indices[i] : 0);
    };
    std::uint32_t* indices = list.indices.data() + segment.firstIndex;
    first = 0;
    while (first < segment.indexCapacity && indices[first] == indexAt(first))
        ++first;
    if (first < segment.indexCapacity) {
        std::uint32_t end = segment.indexCapacity;
        while (end > first + 1 && indices[end - 1] == indexAt(end - 1))
            --end;
        for (std::uint32_t i = first; i < end; ++i)
            indices[i] = indexAt(i);
        list.changedIndices(segment.firstIndex + first, end - first);
    }

    segment.vertexCount = vertexCount;
    segment.indexCount = indexCount;
    if (segment.kind == SegmentKind::WholeBar) {
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
        if (bar.shown()) appendSegment(context, SegmentKind::WholeBar, &bar);
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
