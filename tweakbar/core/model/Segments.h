// The display list in segments: each shown bar, the icons and an open enum list own a range of
// vertices and indices, with room to spare, so that a change repaints and uploads only the
// segments it touched while the whole list still draws in one call, back to front.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/DisplayList.h"

struct CTwBar;

namespace tw {

enum class SegmentKind { WholeBar, Icons, Popup };

// Four vertices and six indices that show one quad of feedback (the hover highlight, the
// selection of a field, its caret),
// or nothing while all four vertices coincide.
inline constexpr std::uint32_t kNoSlot = ~std::uint32_t(0);

struct Segment {
    SegmentKind kind = SegmentKind::WholeBar;
    const CTwBar* bar = nullptr;  // for a Bar segment
    std::uint32_t firstVertex = 0, vertexCapacity = 0;
    std::uint32_t firstIndex = 0, indexCapacity = 0;
    // In a Bar segment: the hover highlight under the rows; the selection and the caret above.
    std::uint32_t hoverSlot = kNoSlot, selectionSlot = kNoSlot, caretSlot = kNoSlot;
    // The first of the slots that show the hovered row's small buttons, above the rows.
    std::uint32_t rowButtonSlots = kNoSlot;
    bool dirty = false;
};

class SegmentTable {
  public:
    std::vector<Segment> segments;  // back to front
    bool anyDirty = false;
    // Segments painted by the last TwDraw, for the frame figures.
    unsigned paintedLastFrame = 0;
    // The slots that show the hover highlight, the selection and the caret now, or kNoSlot.
    std::uint32_t hoverShownAt = kNoSlot, selectionShownAt = kNoSlot, caretShownAt = kNoSlot;
    std::uint32_t rowButtonsShownAt = kNoSlot;
    // Where each segment is painted before it is copied into its range; kept to reuse its
    // memory from frame to frame.
    DisplayList scratch;

    // Marks the segment for a repaint; false when there is none (the caller rebuilds all).
    bool markDirty(SegmentKind kind, const CTwBar* bar) {
        for (Segment& segment : segments) {
            if (segment.kind == kind && segment.bar == bar) {
                segment.dirty = anyDirty = true;
                return true;
            }
        }
        return false;
    }
    Segment* find(const CTwBar* bar) {
        for (Segment& segment : segments) {
            if (segment.kind == SegmentKind::WholeBar && segment.bar == bar) return &segment;
        }
        return nullptr;
    }
};

}  // namespace tw
