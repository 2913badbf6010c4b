#include "model/HelpBarState.h"

#include <tuple>

namespace tw {

bool HelpLine::operator==(const HelpLine& other) const {
    return std::tie(kind, label, value, level, indent, opened) ==
           std::tie(other.kind, other.label, other.value, other.level, other.indent, other.opened);
}

}  // namespace tw
