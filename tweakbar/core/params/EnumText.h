// The text form of enum entries, as the "enum" parameter takes and reads it:
// "0 {Low},1 {Medium},5 {High}", with {}, <>, [] or () around each label.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/VarType.h"

namespace tw {

class Context;

// False when the text is not a list of entries. Plain labels ("Low, High") are numbered
// from the last value given, or from 0.
bool parseEnumText(std::string_view text, std::vector<EnumEntry>& entries);
// Each label in the first pair of brackets that does not occur in it.
std::string enumText(const std::vector<EnumEntry>& entries);

// An enum type's entries changed: every control of that type shows its value anew.
void enumTypeChanged(Context& context, const EnumType& type);

}  // namespace tw
