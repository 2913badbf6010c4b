#include "compose/ListUpdate.h"

#include <cstring>

#include "compose/DrawList.h"
#include "compose/Feedback.h"
#include "draw/Painter.h"
#include "model/Context.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// Room for a segment to grow into without moving the others: values whose text gets longer,
// a field opened for editing. Indices stay a whole number of quads.
std::uint32_t withRoom(std::uint32_t used) {
    return used + used / 4 + 16;
}
std::uint32_t indicesWithRoom(std::uint32_t used) {
    return (withRoom(used) + 5) / 6 * 6;
}

// Paints a segment into the scratch list; a bar's slots are kept relative to its start.
void paintSegment(Context& context, Segment& segment, DisplayList& into) {
    into.clear();
    Painter painter(into, context.backend->atlas());
    switch (segment.kind) {
        case SegmentKind::WholeBar: {
            const BarSlots slots = paintBar(painter, context, *segment.bar);
            segment.hoverSlot = slots.hover;
            segment.selectionSlot = slots.selection;
            segment.caretSlot = slots.caret;
            segment.rowButtonSlots = slots.rowButtons;
            return;
        }
        case SegmentKind::Icons:
            paintIcons(painter, context);
            return;
        case SegmentKind::Popup:
            if (const Widget* owner = context.input.popup.widget)
                owner->paintPopup(painter, context);
            return;
    }
}

// The number of leading elements that a and b share, compared a block at a time.
template <typename T>
std::uint32_t sharedPrefix(const T* a, const T* b, std::uint32_t count) {
    constexpr std::uint32_t kBlock = 64;
    std::uint32_t same = 0;
    while (same + kBlock <= count && std::memcmp(a + same, b + same, kBlock * sizeof(T)) == 0)
        same += kBlock;
    while (same < count && std::memcmp(a + same, b + same, sizeof(T)) == 0)
        ++same;
    return same;
}

// The number of trailing elements of a[0, count) and b[0, count) that they share.
template <typename T>
std::uint32_t sharedSuffix(const T* a, const T* b, std::uint32_t count) {
    constexpr std::uint32_t kBlock = 64;
    std::uint32_t same = 0;
    while (same + kBlock <= count &&
           std::memcmp(a + count - same - kBlock, b + count - same - kBlock, kBlock * sizeof(T)) ==
               0)
        same += kBlock;
    while (same < count && std::memcmp(a + count - same - 1, b + count - same - 1, sizeof(T)) == 0)
        ++same;
    return same;
}

// Copies what was painted into the segment's range (its indices are moved to the range in
// place), the unused indices made into triangles of no area, and records the span of elements
// that differ from what the range held. Most of a repainted bar is what it was, so the span is
// found first and only it is written.
void placeSegment(DisplayList& list, Segment& segment, DisplayList& painted) {
    const auto vertexCount = std::uint32_t(painted.vertices.size());
    const Vertex* from = painted.vertices.data();
    Vertex* to = list.vertices.data() + segment.firstVertex;
    const std::uint32_t first = sharedPrefix(to, from, vertexCount);
    if (first < vertexCount) {
        const std::uint32_t end =
            vertexCount - sharedSuffix(to + first, from + first, vertexCount - first);
        std::memcpy(to + first, from + first, (end - first) * sizeof(Vertex));
        list.changedVertices(segment.firstVertex + first, end - first);
    }

    // The indices of the painted quads, then triangles of no area up to the capacity.
    std::vector<std::uint32_t>& wanted = painted.indices;
    for (std::uint32_t& index : wanted)
        index += segment.firstVertex;
    wanted.resize(segment.indexCapacity, segment.firstVertex);
    std::uint32_t* indices = list.indices.data() + segment.firstIndex;
    const std::uint32_t firstIndex = sharedPrefix(indices, wanted.data(), segment.indexCapacity);
    if (firstIndex < segment.indexCapacity) {
        const std::uint32_t end =
            segment.indexCapacity - sharedSuffix(indices + firstIndex, wanted.data() + firstIndex,
                                                 segment.indexCapacity - firstIndex);
        std::memcpy(indices + firstIndex, wanted.data() + firstIndex,
                    (end - firstIndex) * sizeof(std::uint32_t));
        list.changedIndices(segment.firstIndex + firstIndex, end - firstIndex);
    }

    if (segment.kind == SegmentKind::WholeBar) {
        segment.hoverSlot += segment.firstVertex;
        segment.selectionSlot += segment.firstVertex;
        segment.caretSlot += segment.firstVertex;
        segment.rowButtonSlots += segment.firstVertex;
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
    segment.vertexCapacity = withRoom(std::uint32_t(table.scratch.vertices.size()));
    segment.firstIndex = std::uint32_t(list.indices.size());
    segment.indexCapacity = indicesWithRoom(std::uint32_t(table.scratch.indices.size()));
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
    table.hoverShownAt = table.selectionShownAt = table.caretShownAt = kNoSlot;
    table.rowButtonsShownAt = kNoSlot;
    context.forEachBackToFront([&](const Bar& bar) {
        if (bar.shown()) appendSegment(context, SegmentKind::WholeBar, &bar);
    });
    for (const auto& bar : context.bars) {
        if (bar->visible && bar->iconified) {
            appendSegment(context, SegmentKind::Icons, nullptr);
            break;
        }
    }
    if (!popupArea(context).empty()) appendSegment(context, SegmentKind::Popup, nullptr);
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
        for (std::uint32_t* shownAt : {&table.hoverShownAt, &table.selectionShownAt,
                                       &table.caretShownAt, &table.rowButtonsShownAt}) {
            if (*shownAt != kNoSlot && inside(*shownAt, segment)) *shownAt = kNoSlot;
        }
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
