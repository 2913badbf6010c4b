// Keyboard shortcuts of controls ("key", "keyincr", "keydecr"): parsed from text such as "F",
// "space" or "CTRL+z", written back in one canonical form, and matched against key presses.
#pragma once

#include <string>
#include <string_view>

#include "base/KeyPress.h"

namespace tw {

struct Shortcut {
    int key = 0;  // a character code or a TW_KEY_* value; 0 for none
    int modifiers = 0;

    bool empty() const { return key == 0; }
};

// Modifier words anywhere in the text, the key after the last '+'. An unknown key name gives
// an empty shortcut; only a malformed function key name ("f0", "F16") is refused.
bool parseShortcut(std::string_view text, Shortcut& out);

// "SHIFT+CTRL+ALT+META+" as they apply, then the key's name or character; "" for none.
std::string shortcutText(const Shortcut& shortcut);

// For printable keys Shift is ignored on both sides: the character already carries it.
bool matchesShortcut(const Shortcut& shortcut, const KeyPress& press);

// The shortcut that a key press matches, written the way a caller would write it.
Shortcut shortcutOf(const KeyPress& press);

}  // namespace tw
