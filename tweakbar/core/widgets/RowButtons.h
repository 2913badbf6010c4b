// The small buttons at the right end of the hovered row's value field, which its widget chooses
// ([-][+][o] on a writable number, colour channels and vector components included; [<>] on a
// writable bool; [v] on a writable enum): where they are, which one a point is on, which are
// greyed at a bound, and their quads, written into a block of slots of the bar's segment as
// feedback.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "draw/DisplayList.h"
#include "draw/Geometry.h"
#include "model/Segments.h"
#include "widgets/Widget.h"

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
struct Control;
struct Row;

// The quads the buttons of one row take at most: a face and up to two marks each.
inline constexpr std::uint32_t kRowButtonQuads = 9;

// 8, 10 or 12 pixels at font size 1, 2 or 3, times the font scaling.
int rowButtonWidth(int fontSize, double fontScaling);

// Whether the values column is wider than room buttons.
bool rowButtonsFit(const Context& context, const Bar& bar, int room);
// Buttons at the right end of a row's value field; none unless the values column is wider
// than room buttons.
RowButtonSet placeRowButtons(const Context& context, const Bar& bar, const Row& row, int room,
                             std::initializer_list<RowButton> kinds);

// The buttons a row shows when hovered (its widget's); none when its column is too narrow.
RowButtonSet rowButtonsOf(const Context& context, const Bar& bar, const Row& row);
RowButton rowButtonAt(const RowButtonSet& set, int x, int y);
const Rect* rowButtonRect(const RowButtonSet& set, RowButton kind);

// [-] at the minimum and [+] at the maximum do nothing and show it.
bool rowButtonGreyed(const Control& control, int channel, RowButton kind);

// The hovered row's buttons as quads (unused ones empty), and the slot block they go to;
// kNoSlot when no row shows buttons.
struct RowButtonQuads {
    std::uint32_t slot = kNoSlot;
    Vertex vertices[kRowButtonQuads * 4] = {};
};
void hoveredRowButtons(Context& context, RowButtonQuads& out);

}  // namespace tw
