// A key press as TwKeyPressed receives it, brought to one form: keypad codes become the keys
// they stand for, modifier masks become whole masks, and Ctrl+letter takes the case that Shift
// and Caps Lock give it.
#pragma once

#include "AntTweakBar.h"

namespace tw {

inline constexpr int kModifierMask = TW_KMOD_SHIFT | TW_KMOD_CTRL | TW_KMOD_ALT | TW_KMOD_META;
inline constexpr int kNumLockBit = 0x1000;
inline constexpr int kCapsLockBit = 0x2000;

struct KeyPress {
    int key = 0;        // a character code 1..255 or a TW_KEY_* value
    int modifiers = 0;  // whole TW_KMOD_* masks, no lock bits

    bool has(int modifier) const { return (modifiers & modifier) != 0; }
    // A character with no Ctrl, Alt or Meta: text typed into a field.
    bool isTyped() const {
        return key >= 32 && key <= 255 && key != TW_KEY_DELETE &&
               !has(TW_KMOD_CTRL | TW_KMOD_ALT | TW_KMOD_META);
    }
};

// False for keys outside 1..TW_KEY_F15.
bool normalizeKeyPress(int key, int modifiers, KeyPress& out);

}  // namespace tw
