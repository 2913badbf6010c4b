#include "compose/ShortcutLine.h"

#include "model/Control.h"

namespace tw {

std::string shortcutLineText(const Control& control) {
    if (!control.keyDecr.empty()) {
        const std::string incr = control.key.empty() ? "(none)" : shortcutText(control.key);
        return "Keys: " + incr + "  " + shortcutText(control.keyDecr);
    }
    if (!control.key.empty()) return "Key: " + shortcutText(control.key);
    return {};
}

std::string bottomLineText(const Hover& hover) {
    if (!hover.bar) return {};
    if (hover.fitStrip) return kFitColumnHint;
    // Component rows belong to their variable, whose keys its own row shows.
    if (!hover.control || hover.channel != -1) return {};
    return shortcutLineText(*hover.control);
}

}  // namespace tw
