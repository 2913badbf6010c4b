#include "ValueEdit.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "Context.h"
#include "Engine.h"
#include "Refresh.h"
#include "ValueText.h"

namespace tw {
namespace {

// Longest text typed into a number.
constexpr std::size_t kMaxNumberText = 64;

std::size_t maxLength(const Control& control, int channel) {
    if (channel < 0 && isText(control.typeInfo.kind)) return cacheSize(control.typeInfo) - 1;
    return kMaxNumberText;
}

// Keeps the caret inside the visible part of the field. The caret itself is feedback; the
// field is painted again when its text moved.
void scrollToCaret(Context& context) {
    TextEdit& edit = context.input.edit;
    const FontFace& face = context.face(*edit.bar);
    const int width = std::max(1, edit.bar->layout.valueWidth - 2 * kValuePadding);
    const int caret = face.measure(std::string_view(edit.text).substr(0, edit.caret));
    const int scrolled = edit.scrollX;
    if (caret - edit.scrollX > width) edit.scrollX = caret - width;
    if (caret < edit.scrollX) edit.scrollX = caret;
    if (edit.scrollX != scrolled) context.repaintBar(*edit.bar);
}

// The control's current value, in its scratch buffer, ready to be changed and written.
unsigned char* workingCopy(Control& control) {
    std::memcpy(control.incoming.data(), control.value.data(), control.value.size());
    return control.incoming.data();
}

}  // namespace

void beginTextEdit(Context& context, Bar& bar, Control& control, int channel) {
    TextEdit& edit = context.input.edit;
    if (edit.bar) context.repaintBar(*edit.bar);
    edit = TextEdit{};
    edit.bar = &bar;
    edit.control = &control;
    edit.channel = channel;
    if (channel >= 0) {
        char text[8];
        formatValue(control, control.value.data(), channel, text, sizeof text);
        edit.text = text;
    } else {
        edit.text = control.valueText;
    }
    edit.caret = edit.text.size();
    scrollToCaret(context);
    context.repaintBar(bar);
}

void commitTextEdit(Context& context) {
    TextEdit edit = std::move(context.input.edit);
    context.input.edit = TextEdit{};
    context.repaint();
    if (!edit.bar) return;
    Control& control = *edit.control;
    unsigned char* raw = workingCopy(control);
    if (parseValue(control, edit.text, edit.channel, raw)) {
        writeControl(context, *edit.bar, control, raw);
    }
}

void cancelTextEdit(Context& context) {
    if (context.input.edit.bar) context.repaintBar(*context.input.edit.bar);
    context.input.edit = TextEdit{};
}

void editKey(Context& context, int key) {
    TextEdit& edit = context.input.edit;
    switch (key) {
        case TW_KEY_RETURN:
        case TW_KEY_TAB:
            commitTextEdit(context);
            return;
        case TW_KEY_ESCAPE:
            cancelTextEdit(context);
            return;
        case TW_KEY_BACKSPACE:
            if (edit.caret > 0) edit.text.erase(--edit.caret, 1);
            context.repaintBar(*edit.bar);
            break;
        case TW_KEY_DELETE:
            if (edit.caret < edit.text.size()) edit.text.erase(edit.caret, 1);
            context.repaintBar(*edit.bar);
            break;
        case TW_KEY_LEFT:
            if (edit.caret > 0) --edit.caret;
            break;
        case TW_KEY_RIGHT:
            if (edit.caret < edit.text.size()) ++edit.caret;
            break;
        case TW_KEY_HOME:
            edit.caret = 0;
            break;
        case TW_KEY_END:
            edit.caret = edit.text.size();
            break;
        default:
            return;
    }
    scrollToCaret(context);
}

void editChar(Context& context, unsigned char c) {
    TextEdit& edit = context.input.edit;
    // Control characters arrive as keys too; the key event has dealt with them.
    if (c < 32 || c == 127) return;
    if (edit.text.size() >= maxLength(*edit.control, edit.channel)) return;
    edit.text.insert(edit.caret++, 1, char(c));
    scrollToCaret(context);
    context.repaintBar(*edit.bar);
}

void placeCaret(Context& context, int x) {
    TextEdit& edit = context.input.edit;
    const FontFace& face = context.face(*edit.bar);
    int pen = edit.bar->layout.valueX + kValuePadding - edit.scrollX;
    std::size_t caret = 0;
    for (; caret < edit.text.size(); ++caret) {
        const int advance = face.glyphs[static_cast<unsigned char>(edit.text[caret])].advance;
        if (x < pen + advance / 2) break;
        pen += advance;
    }
    edit.caret = caret;
}

void toggleBool(Context& context, Bar& bar, Control& control) {
    unsigned char* raw = workingCopy(control);
    writeNumber(control.typeInfo, raw, readNumber(control.typeInfo, raw) != 0 ? 0 : 1);
    writeControl(context, bar, control, raw);
}

void dragNumber(Context& context, Bar& bar, Control& control, int channel, double value) {
    unsigned char* raw = workingCopy(control);
    setNumber(control, raw, channel, value);
    if (std::memcmp(raw, control.value.data(), control.value.size()) != 0) {
        writeControl(context, bar, control, raw);
    }
}

void pickEnumEntry(Context& context, Bar& bar, Control& control, int entry) {
    const auto* entries = control.enumEntries();
    if (!entries || entry < 0 || entry >= int(entries->size())) return;
    unsigned char* raw = workingCopy(control);
    writeNumber(control.typeInfo, raw, (*entries)[std::size_t(entry)].value);
    writeControl(context, bar, control, raw);
}

void openEnumList(Context& context, Bar& bar, Control& control) {
    context.openPopup(bar, control, currentEntry(control));
}

void cycleEnum(Context& context, Bar& bar, Control& control, int direction) {
    const int count = int(control.enumEntries()->size());
    if (count == 0) return;
    const int current = currentEntry(control);
    // Past either end it wraps; an unknown value goes to the first entry.
    const int next = current < 0 ? 0 : ((current + direction) % count + count) % count;
    pickEnumEntry(context, bar, control, next);
}

void runShortcut(Context& context, Bar& bar, Control& control, int direction) {
    if (control.kind == ControlKind::Button) {
        if (control.button && !control.isReadOnly()) control.button(control.clientData);
        return;
    }
    stepControl(context, bar, control, -1, direction);
}

void stepControl(Context& context, Bar& bar, Control& control, int channel, int direction) {
    if (control.kind != ControlKind::Variable || control.isReadOnly()) return;
    // The variable may have changed since the bar last read it (or the bar never showed it).
    readControl(context, bar, control);
    if (!stillThere(context, bar, &control)) return;
    if (control.typeInfo.kind == ValueKind::Bool && channel < 0) {
        toggleBool(context, bar, control);
        return;
    }
    unsigned char* raw = workingCopy(control);
    stepValue(control, raw, channel, direction);
    writeControl(context, bar, control, raw);
}

}  // namespace tw
