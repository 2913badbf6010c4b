#include "base/KeyPress.h"

#include <cctype>
#include <initializer_list>

namespace tw {
namespace {

// SDL 1.2 keypad codes.
constexpr int kKeypad0 = 256, kKeypadPeriod = 266, kKeypadEquals = 272;

// The keypad's keys without Num Lock (or with Shift, which undoes it); 0 where the key (KP5)
// has no meaning then.
constexpr int kKeypadNavigation[] = {
    TW_KEY_INSERT, TW_KEY_END,  TW_KEY_DOWN, TW_KEY_PAGE_DOWN, TW_KEY_LEFT,   0,
    TW_KEY_RIGHT,  TW_KEY_HOME, TW_KEY_UP,   TW_KEY_PAGE_UP,   TW_KEY_DELETE,
};
// 267..272: the same keys whatever the locks.
constexpr int kKeypadOperators[] = {'/', '*', '-', '+', TW_KEY_RETURN, '='};

int wholeMasks(int modifiers) {
    int whole = 0;
    for (int mask : {int(TW_KMOD_SHIFT), int(TW_KMOD_CTRL), int(TW_KMOD_ALT), int(TW_KMOD_META)}) {
        if (modifiers & mask) whole |= mask;
    }
    return whole;
}

int keypadKey(int key, int modifiers) {
    if (key > kKeypadPeriod) return kKeypadOperators[key - kKeypadPeriod - 1];
    const bool digits = (modifiers & kNumLockBit) && !(modifiers & TW_KMOD_SHIFT);
    if (!digits) return kKeypadNavigation[key - kKeypad0];
    return key == kKeypadPeriod ? '.' : '0' + (key - kKeypad0);
}

}  // namespace

bool normalizeKeyPress(int key, int modifiers, KeyPress& out) {
    if (key < 1 || key > TW_KEY_F15) return false;
    KeyPress press;
    press.modifiers = wholeMasks(modifiers);
    press.key = key;
    if (key >= kKeypad0 && key <= kKeypadEquals) press.key = keypadKey(key, modifiers);
    if (press.has(TW_KMOD_CTRL) && press.key < 128 && std::isalpha(press.key)) {
        const bool upper = press.has(TW_KMOD_SHIFT) != ((modifiers & kCapsLockBit) != 0);
        press.key = upper ? std::toupper(press.key) : std::tolower(press.key);
    }
    out = press;
    return true;
}

}  // namespace tw
