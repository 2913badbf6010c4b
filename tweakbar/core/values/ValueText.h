// The text a variable shows and the text a user types for it: formatting with the control's
// precision, hexa, enum and bool labels, and parsing back within its range.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Control.h"

namespace tw {

double effectiveMin(const Control& control);
double effectiveMax(const Control& control);
double effectiveStep(const Control& control);
// Digits after the point; -1 writes the number like %g.
int effectivePrecision(const Control& control);
// The precision that a step fixes on a number whose precision is automatic: 0 for steps of
// 1 or more, 1 from 0.1, ... 12 from 1e-12; -1 (automatic) for smaller ones.
int precisionOfStep(double step);
inline constexpr int kMaxPrecision = 12;

// The label of an enum value, or null when the value has none.
const char* enumLabel(const Control& control, int value);

// Formats a value (raw as read from the caller) into buffer, NUL-terminated; a colour channel
// when channel >= 0.
void formatValue(const Control& control, const unsigned char* raw, int channel, char* buffer,
                 std::size_t capacity);
// The text a field opens with: the whole value, however long (the text shown in the row is cut
// to what a row can show).
std::string fieldText(const Control& control, int channel);
// Reformats control.valueText from control.value.
void updateValueText(Control& control);

// Parses what was typed into a text field (a number, a colour channel or a fixed string) into
// raw, which holds the current value so that a channel changes alone. Numbers are clamped to
// the control's range. False when the text is not a value of that kind.
bool parseValue(const Control& control, std::string_view text, int channel, unsigned char* raw);

// The bounds a number, a colour channel or a component is kept within: the control's range,
// 0..255 for a colour channel, -1..1 for a quaternion's scalar part, none (infinite) for the
// other components.
struct NumberRange {
    double lo, hi;
};
NumberRange numberRange(const Control& control, int channel);
// Whether a number (not an enum), a colour channel or a component stands at its minimum or
// maximum, which its text shows in a colour of its own.
bool atBound(const Control& control, int channel);
// Sets a number, a colour channel or a quaternion's or direction's component, clamped to its
// range.
void setNumber(const Control& control, unsigned char* raw, int channel, double value);
// The number (or colour channel, or component) that raw holds.
double numberOf(const Control& control, const unsigned char* raw, int channel);
// What one step (a key, a pixel of drag) changes a colour channel or a component by.
double channelStep(const Control& control);
// Moves a number by steps within its range; enums move to the next or previous entry and
// wrap at both ends.
void stepValue(const Control& control, unsigned char* raw, int channel, int steps);
// The index of an enum control's current value among its entries, or -1.
int currentEntry(const Control& control);

// Bytes of the cached value: the variable's size, or room for the text a pointer leads to.
std::size_t cacheSize(const TypeInfo& type);

}  // namespace tw
