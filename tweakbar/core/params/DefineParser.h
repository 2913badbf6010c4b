// Define strings: "target param=value ..." entries, where the target is GLOBAL, a bar, or
// bar/control, names and values may be quoted with ' " or `, and entries follow each other
// separated by blanks or new lines.
#pragma once

#include <string>
#include <string_view>

#include "model/Bar.h"

namespace tw {

class Context;

// Applies the entries in order and stops at the first that fails; the ones before it keep
// their effect. Returns an empty text on success, else the error to report. Without a context
// (before TwInit) only the GLOBAL parameters that exist before it are accepted.
std::string applyDefine(Context* context, std::string_view text);

// Applies "param=value ..." pairs to one control: the definition string of TwAdd*.
std::string applyControlDefine(Context& context, Bar& bar, Control& control, std::string_view text);

}  // namespace tw
