// Define strings: "target param=value ..." entries, where the target is GLOBAL, a bar, or
// bar/variable, names and values may be quoted with ' " or ` (also in part: ab'c d'ef), and
// only CR LF ends one target's entries and starts the next.
#pragma once

#include <string>
#include <string_view>

#include "model/Bar.h"

namespace tw {

class Context;

// Why a define failed: the text to report (empty when it went through) and, when a parameter
// gave one, that inner reason, which the error handler hears first.
struct DefineError {
    std::string text;
    const char* reason = nullptr;
};

// Applies the entries in order and stops at the first that fails; the ones before it keep
// their effect. Without a context (before TwInit) only the GLOBAL parameters that exist before
// it are accepted.
DefineError applyDefine(Context* context, std::string_view text);

// Applies "param=value ..." pairs to one control: the definition string of TwAdd*.
DefineError applyControlDefine(Context& context, Bar& bar, Control& control, std::string_view text);

}  // namespace tw
