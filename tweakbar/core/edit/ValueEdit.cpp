#include "edit/ValueEdit.h"

#include <cstring>

#include "edit/TextField.h"
#include "model/Context.h"
#include "model/Engine.h"
#include "values/Refresh.h"
#include "values/ValueText.h"

namespace tw {
namespace {

// The value an action starts from, in the control's scratch buffer, ready to be changed and
// written.
unsigned char* workingCopy(Context& context, Bar& bar, Control& control) {
    std::memcpy(control.incoming.data(), actionValue(context, bar, control), control.value.size());
    return control.incoming.data();
}

}  // namespace

const unsigned char* actionValue(Context&, Bar&, Control& control) {
    return control.value.data();
}

void beginTextEdit(Context& context, Bar& bar, Control& control, int channel) {
    TextEdit& edit = context.input.edit;
    if (edit.bar) context.repaintBar(*edit.bar);
    edit = TextEdit{};
    edit.bar = &bar;
    edit.control = &control;
    edit.channel = channel;
    edit.text = fieldText(control, channel);
    // The whole text starts selected, to be typed over; a read-only one is only looked at.
    edit.readOnly = control.isReadOnly();
    edit.caret = edit.text.size();
    edit.anchor = edit.readOnly ? edit.caret : 0;
    scrollToCaret(context);
    context.repaintBar(bar);
}

void commitTextEdit(Context& context) {
    TextEdit edit = std::move(context.input.edit);
    context.input.edit = TextEdit{};
    context.repaint();
    if (!edit.bar || edit.readOnly) return;
    Control& control = *edit.control;
    unsigned char* raw = workingCopy(context, *edit.bar, control);
    if (parseValue(control, edit.text, edit.channel, raw)) {
        writeControl(context, *edit.bar, control, raw);
    }
}

void cancelTextEdit(Context& context) {
    if (context.input.edit.bar) context.repaintBar(*context.input.edit.bar);
    context.input.edit = TextEdit{};
}

void toggleBool(Context& context, Bar& bar, Control& control) {
    unsigned char* raw = workingCopy(context, bar, control);
    writeNumber(control.typeInfo, raw, readNumber(control.typeInfo, raw) != 0 ? 0 : 1);
    writeControl(context, bar, control, raw);
}

void dragNumber(Context& context, Bar& bar, Control& control, int channel, double value) {
    unsigned char* raw = workingCopy(context, bar, control);
    setNumber(control, raw, channel, value);
    if (std::memcmp(raw, control.value.data(), control.value.size()) != 0) {
        writeControl(context, bar, control, raw);
    }
}

void pickEnumEntry(Context& context, Bar& bar, Control& control, int entry) {
    const auto* entries = control.enumEntries();
    if (!entries || entry < 0 || entry >= int(entries->size())) return;
    unsigned char* raw = workingCopy(context, bar, control);
    writeNumber(control.typeInfo, raw, (*entries)[std::size_t(entry)].value);
    writeControl(context, bar, control, raw);
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
    unsigned char* raw = workingCopy(context, bar, control);
    stepValue(control, raw, channel, direction);
    writeControl(context, bar, control, raw);
}

}  // namespace tw
