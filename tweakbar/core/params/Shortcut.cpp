#include "Shortcut.h"

#include <cctype>

#include "TextUtil.h"

namespace tw {
namespace {

struct NamedKey {
    const char* name;
    Key key;
    unsigned char ch;
};

constexpr NamedKey kNamedKeys[] = {
    {"SPACE", Key::Other, ' '},       {"RETURN", Key::Enter, 0},  {"ENTER", Key::Enter, 0},
    {"ESC", Key::Escape, 0},          {"ESCAPE", Key::Escape, 0}, {"TAB", Key::Tab, 0},
    {"BACKSPACE", Key::Backspace, 0}, {"DEL", Key::Delete, 0},    {"DELETE", Key::Delete, 0},
    {"LEFT", Key::Left, 0},           {"RIGHT", Key::Right, 0},   {"UP", Key::Up, 0},
    {"DOWN", Key::Down, 0},           {"HOME", Key::Home, 0},     {"END", Key::End, 0},
    {"PGUP", Key::PageUp, 0},         {"PAGEUP", Key::PageUp, 0}, {"PGDOWN", Key::PageDown, 0},
    {"PAGEDOWN", Key::PageDown, 0},
};

}  // namespace

bool parseShortcut(std::string_view text, Shortcut& out) {
    Shortcut result;
    result.text = std::string(text);
    std::string_view rest = trim(text);
    if (rest.empty()) {
        out = result;
        return true;
    }
    // Modifiers come first, each followed by '+'; the last piece is the key ("CTRL++" is Ctrl
    // and the plus key).
    for (;;) {
        const auto plus = rest.find('+', 1);
        if (plus == std::string_view::npos) break;
        const std::string_view part = trim(rest.substr(0, plus));
        if (equalsNoCase(part, "CTRL")) {
            result.modifiers |= ModCtrl;
        } else if (equalsNoCase(part, "ALT")) {
            result.modifiers |= ModAlt;
        } else if (equalsNoCase(part, "SHIFT")) {
            result.modifiers |= ModShift;
        } else {
            return false;
        }
        rest = trim(rest.substr(plus + 1));
    }
    if (rest.size() == 1) {
        result.ch = static_cast<unsigned char>(rest[0]);
    } else {
        const NamedKey* found = nullptr;
        for (const auto& named : kNamedKeys) {
            if (equalsNoCase(rest, named.name)) found = &named;
        }
        if (!found) return false;
        result.key = found->key;
        result.ch = found->ch;
    }
    if (result.key == Key::Other) {
        // A character already says whether Shift was down.
        if ((result.modifiers & ModShift) && std::isalpha(result.ch)) {
            result.ch = static_cast<unsigned char>(std::toupper(result.ch));
        }
        result.modifiers &= ModCtrl | ModAlt;
    }
    out = result;
    return true;
}

bool matchesKey(const Shortcut& shortcut, Key key, int modifiers) {
    return shortcut.key != Key::Other && shortcut.key == key && shortcut.modifiers == modifiers;
}

bool matchesChar(const Shortcut& shortcut, unsigned char c, int modifiers) {
    if (shortcut.key != Key::Other || shortcut.ch == 0) return false;
    if ((modifiers & (ModCtrl | ModAlt)) != shortcut.modifiers) return false;
    if (c == shortcut.ch) return true;
    // With Ctrl held, letters arrive as control codes (Ctrl+Z is 26).
    return (modifiers & ModCtrl) && std::isalpha(shortcut.ch) &&
           c == (std::toupper(shortcut.ch) & 0x1f);
}

}  // namespace tw
