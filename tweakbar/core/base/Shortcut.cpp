#include "base/Shortcut.h"

#include <cctype>

#include "base/TextUtil.h"

namespace tw {
namespace {

struct KeyName {
    const char* name;  // as written back
    const char* alias;
    int key;
};

constexpr KeyName kKeyNames[] = {
    {"BackSpace", "bs", TW_KEY_BACKSPACE},
    {"Tab", nullptr, TW_KEY_TAB},
    {"Clear", "clr", TW_KEY_CLEAR},
    {"Return", "ret", TW_KEY_RETURN},
    {"Pause", nullptr, TW_KEY_PAUSE},
    {"Esc", "escape", TW_KEY_ESCAPE},
    {"Space", nullptr, TW_KEY_SPACE},
    {"Delete", "del", TW_KEY_DELETE},
    {"Up", nullptr, TW_KEY_UP},
    {"Down", nullptr, TW_KEY_DOWN},
    {"Right", nullptr, TW_KEY_RIGHT},
    {"Left", nullptr, TW_KEY_LEFT},
    {"Insert", "ins", TW_KEY_INSERT},
    {"Home", nullptr, TW_KEY_HOME},
    {"End", nullptr, TW_KEY_END},
    {"PgUp", nullptr, TW_KEY_PAGE_UP},
    {"PgDown", nullptr, TW_KEY_PAGE_DOWN},
};

struct ModifierWord {
    const char* word;
    int mask;
};

// Also the order in which they are written back.
constexpr ModifierWord kModifierWords[] = {
    {"SHIFT", TW_KMOD_SHIFT},
    {"CTRL", TW_KMOD_CTRL},
    {"ALT", TW_KMOD_ALT},
    {"META", TW_KMOD_META},
};

bool containsNoCase(std::string_view text, std::string_view word) {
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        if (equalsNoCase(text.substr(i, word.size()), word)) return true;
    }
    return false;
}

// F1..F15 as a key; -1 for another name of two or three characters starting with F, which is
// a mistyped function key rather than a name this engine does not know; 0 for anything else.
int functionKey(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || std::toupper(name[0]) != 'F') return 0;
    int number = 0;
    for (char c : name.substr(1)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
        number = number * 10 + (c - '0');
    }
    if (name[1] == '0' || number < 1 || number > 15) return -1;
    return TW_KEY_F1 + number - 1;
}

}  // namespace

bool parseShortcut(std::string_view text, Shortcut& out) {
    Shortcut result;
    const std::string_view whole = trim(text);
    for (const auto& modifier : kModifierWords) {
        if (!containsNoCase(whole, modifier.word)) continue;
        if (modifier.mask == TW_KMOD_ALT && containsNoCase(whole, "ALTGR")) continue;
        result.modifiers |= modifier.mask;
    }
    // The key follows the last '+'; a '+' at the end is the key itself ("CTRL++").
    std::string_view key = whole;
    const auto plus =
        whole.size() > 1 ? whole.rfind('+', whole.size() - 2) : std::string_view::npos;
    if (plus != std::string_view::npos) key = trim(whole.substr(plus + 1));
    if (key.size() == 1) {
        result.key = static_cast<unsigned char>(key[0]);
    } else if (const int function = functionKey(key)) {
        if (function < 0) return false;
        result.key = function;
    } else {
        for (const auto& named : kKeyNames) {
            if (equalsNoCase(key, named.name) || (named.alias && equalsNoCase(key, named.alias))) {
                result.key = named.key;
            }
        }
    }
    if (result.key == 0) result.modifiers = 0;
    out = result;
    return true;
}

std::string shortcutText(const Shortcut& shortcut) {
    if (shortcut.empty()) return "";
    std::string text;
    for (const auto& modifier : kModifierWords) {
        if (shortcut.modifiers & modifier.mask) text += std::string(modifier.word) + "+";
    }
    if (shortcut.key >= TW_KEY_F1 && shortcut.key <= TW_KEY_F15) {
        return text + "F" + std::to_string(shortcut.key - TW_KEY_F1 + 1);
    }
    for (const auto& named : kKeyNames) {
        if (named.key == shortcut.key) return text + named.name;
    }
    return text + char(shortcut.key);
}

namespace {

// Shift is already in a printable key's character.
int ignoredModifiers(int key) {
    const bool printable = key > TW_KEY_SPACE && key <= 255;
    return printable ? int(TW_KMOD_SHIFT) : 0;
}

}  // namespace

bool matchesShortcut(const Shortcut& shortcut, const KeyPress& press) {
    if (shortcut.empty() || shortcut.key != press.key) return false;
    const int ignored = ignoredModifiers(press.key);
    return (shortcut.modifiers & ~ignored) == (press.modifiers & ~ignored);
}

Shortcut shortcutOf(const KeyPress& press) {
    return Shortcut{press.key, press.modifiers & ~ignoredModifiers(press.key)};
}

}  // namespace tw
