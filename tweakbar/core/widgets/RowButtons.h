// The small buttons at the right end of the hovered row's value field: [-][+][o] on a writable
// number (colour channels and vector components included), [<>] on a writable bool, [v] on a
// writable enum; where they are, which one a point is on, which are greyed at a bound, and
// their quads, written into a block of slots of the bar's segment as feedback.
#pragma once

#include <cstdint>

#include "draw/DisplayList.h"
#include "draw/Geometry.h"
#include "model/Segments.h"

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
struct Control;
struct Row;

enum class RowButton { None, Decrement, Increment, Roto, Toggle, List };

struct RowButtonSet {
    int count = 0;
    RowButton kinds[3] = {};
    Rect rects[3];
};

// The quads the buttons of one row take at most: a face and up to two marks each.
inline constexpr std::uint32_t kRowButtonQuads = 9;

// 8, 10 or 12 pixels at font size 1, 2 or 3, times the font scaling.
int rowButtonWidth(int fontSize, double fontScaling);

// A writable number row: a variable with a number that is no enum, or a channel row.
bool isWritableNumberRow(const Row& row);
// Whether the values column is wide enough for [-][+][o]; the rotoslider needs it too.
bool numberButtonsFit(const Context& context, const Bar& bar);

// The buttons a row shows when hovered; none when its column is too narrow for them.
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
