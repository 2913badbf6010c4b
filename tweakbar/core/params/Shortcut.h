// Keyboard shortcuts of controls ("key", "keyincr", "keydecr"): parsed from text such as "F",
// "SPACE" or "CTRL+z", and matched against the portable key and character events.
#pragma once

#include <string>
#include <string_view>

#include "InputEvents.h"

namespace tw {

struct Shortcut {
    std::string text;      // as the caller gave it, for TwGetParam and the help bar
    Key key = Key::Other;  // a named key, or Other for a character
    unsigned char ch = 0;  // the character, when key is Other
    int modifiers = 0;     // for characters, only Ctrl and Alt count (Shift is in the character)

    bool empty() const { return key == Key::Other && ch == 0; }
};

// False when the text names no key; an empty text gives an empty shortcut.
bool parseShortcut(std::string_view text, Shortcut& out);

bool matchesKey(const Shortcut& shortcut, Key key, int modifiers);
bool matchesChar(const Shortcut& shortcut, unsigned char c, int modifiers);

}  // namespace tw
