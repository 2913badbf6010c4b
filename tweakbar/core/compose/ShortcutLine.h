// The text of the line under a bar's rows: the keys of the row under the pointer, or what a
// press on the strip above the rows would do.
#pragma once

#include <string>

#include "model/InputState.h"

namespace tw {

// "Key: X" for one key, "Keys: X  Y" for a number's increment and decrement keys ("(none)" in
// place of a missing increment key); empty when the control has no key.
std::string shortcutLineText(const Control& control);

// What the line of the bar under the pointer shows; empty when nothing.
std::string bottomLineText(const Hover& hover);

inline constexpr const char* kFitColumnHint = "Fit column content";

}  // namespace tw
