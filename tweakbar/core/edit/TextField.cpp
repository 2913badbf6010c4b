#include "edit/TextField.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "base/KeyPress.h"
#include "base/TextUtil.h"
#include "base/VarType.h"
#include "edit/Clipboard.h"
#include "edit/ValueEdit.h"
#include "look/Metrics.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "values/ValueText.h"

namespace tw {
namespace {

std::size_t maxLength(const TextEdit& edit) {
    if (edit.channel < 0 && isText(edit.control->typeInfo.kind)) {
        return cacheSize(edit.control->typeInfo) - 1;
    }
    return kMaxNumberText;
}

std::size_t selectionStart(const TextEdit& edit) {
    return std::min(edit.anchor, edit.caret);
}
std::size_t selectionEnd(const TextEdit& edit) {
    return std::max(edit.anchor, edit.caret);
}

// Moves the caret; without extend the selection collapses onto it.
void moveCaret(TextEdit& edit, std::size_t to, bool extend) {
    edit.caret = to;
    if (!extend) edit.anchor = to;
}

// Replaces the selection (or inserts at the caret) with as much of text as the field holds.
void replaceSelection(Context& context, std::string_view text) {
    TextEdit& edit = context.input.edit;
    const std::size_t start = selectionStart(edit);
    edit.text.erase(start, selectionEnd(edit) - start);
    const std::size_t room = maxLength(edit) - std::min(maxLength(edit), edit.text.size());
    text = text.substr(0, room);
    edit.text.insert(start, text);
    moveCaret(edit, start + text.size(), false);
    context.repaintBar(*edit.bar);
}

void erase(Context& context, bool forward) {
    TextEdit& edit = context.input.edit;
    if (edit.anchor == edit.caret) {
        if (forward && edit.caret < edit.text.size()) ++edit.caret;
        if (!forward && edit.caret > 0) --edit.caret;
    }
    replaceSelection(context, {});
}

void copySelection(const TextEdit& edit) {
    if (edit.anchor == edit.caret) return;
    const std::size_t start = selectionStart(edit);
    clipboard().setText(std::string_view(edit.text).substr(start, selectionEnd(edit) - start));
}

// A field holds one line: pasted text stops at its first line break, and other control
// characters are left out.
void paste(Context& context) {
    const std::string held = clipboard().text();
    std::string line;
    for (char c : held.substr(0, held.find_first_of("\r\n"))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte != 127) line += c;
    }
    replaceSelection(context, line);
}

bool isCtrlLetter(const KeyPress& press, char letter) {
    return press.has(TW_KMOD_CTRL) && std::tolower(press.key) == letter;
}

}  // namespace

void scrollToCaret(Context& context) {
    TextEdit& edit = context.input.edit;
    const FontFace& face = context.face(*edit.bar);
    // The box is the column and a pixel either side of the text.
    const int width = std::max(1, edit.bar->layout.valueWidth);
    const int caret = face.measure(std::string_view(edit.text).substr(0, edit.caret));
    const int scrolled = edit.scrollX;
    if (caret - edit.scrollX > width) edit.scrollX = caret - width;
    if (caret < edit.scrollX) edit.scrollX = caret;
    if (edit.scrollX != scrolled) context.repaintBar(*edit.bar);
}

void editKey(Context& context, const KeyPress& press) {
    TextEdit& edit = context.input.edit;
    const bool shift = press.has(TW_KMOD_SHIFT);
    const bool ctrl = press.has(TW_KMOD_CTRL);
    if (isCtrlLetter(press, 'c') || (ctrl && press.key == TW_KEY_INSERT)) {
        copySelection(edit);
        return;
    }
    const bool pasteKey =
        isCtrlLetter(press, 'v') || (shift && !ctrl && press.key == TW_KEY_INSERT);
    switch (pasteKey ? TW_KEY_INSERT : press.key) {
        case TW_KEY_RETURN:
        case TW_KEY_TAB:
            if (edit.readOnly) {
                cancelTextEdit(context);
            } else {
                commitTextEdit(context);
            }
            return;
        case TW_KEY_ESCAPE:
            cancelTextEdit(context);
            return;
        case TW_KEY_INSERT:
            if (!pasteKey || edit.readOnly) return;
            paste(context);
            break;
        case TW_KEY_BACKSPACE:
        case TW_KEY_DELETE:
            if (edit.readOnly) return;
            erase(context, press.key == TW_KEY_DELETE);
            break;
        case TW_KEY_LEFT:
            // Without Shift, a selection collapses to its start before the caret moves on.
            if (!shift && edit.anchor != edit.caret) {
                moveCaret(edit, selectionStart(edit), false);
            } else {
                moveCaret(edit, edit.caret > 0 ? edit.caret - 1 : 0, shift);
            }
            break;
        case TW_KEY_RIGHT:
            if (!shift && edit.anchor != edit.caret) {
                moveCaret(edit, selectionEnd(edit), false);
            } else {
                moveCaret(edit, std::min(edit.caret + 1, edit.text.size()), shift);
            }
            break;
        case TW_KEY_HOME:
            moveCaret(edit, 0, shift);
            break;
        case TW_KEY_END:
            moveCaret(edit, edit.text.size(), shift);
            break;
        default:
            return;
    }
    scrollToCaret(context);
}

void editChar(Context& context, unsigned char c) {
    TextEdit& edit = context.input.edit;
    // Control characters arrive as keys too; the key event has dealt with them.
    if (c < 32 || c == 127 || edit.readOnly) return;
    const char typed = char(c);
    const bool full =
        edit.text.size() - (selectionEnd(edit) - selectionStart(edit)) >= maxLength(edit);
    if (full) return;
    replaceSelection(context, std::string_view(&typed, 1));
    scrollToCaret(context);
}

void placeCaret(Context& context, int x, bool extend) {
    TextEdit& edit = context.input.edit;
    const FontFace& face = context.face(*edit.bar);
    int pen = edit.bar->layout.valueX + kValuePadding - edit.scrollX;
    std::size_t caret = 0;
    for (; caret < edit.text.size(); ++caret) {
        const int advance = face.glyphs[static_cast<unsigned char>(edit.text[caret])].advance;
        if (x < pen + advance / 2) break;
        pen += advance;
    }
    moveCaret(edit, caret, extend);
    scrollToCaret(context);
}

}  // namespace tw
