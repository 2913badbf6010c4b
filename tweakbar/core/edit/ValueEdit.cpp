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
// written; null when reading it removed the control.
unsigned char* workingCopy(Context& context, Bar& bar, Control& control) {
    const unsigned char* current = actionValue(context, bar, control);
    if (!current) return nullptr;
    std::memcpy(control.incoming.data(), current, control.value.size());
    return control.incoming.data();
}

}  // namespace

const unsigned char* actionValue(Context& context, Bar& bar, Control& control) {
    if (control.kind != ControlKind::Variable) return control.value.data();
    // A member of a struct served by callbacks lives in the engine's copy of the whole struct,
    // which only the struct's get callback brings up to date.
    if (control.servedByStruct()) {
        readControl(context, bar, *control.structRoot);
        if (!stillThere(context, bar, control.structRoot)) return nullptr;
    }
    readControl(context, bar, control);
    return stillThere(context, bar, &control) ? control.value.data() : nullptr;
}

void beginTextEdit(Context& context, Bar& bar, Control& control, int channel) {
    if (!actionValue(context, bar, control)) return;
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
    if (raw && parseValue(control, edit.text, edit.channel, raw)) {
        writeControl(context, *edit.bar, control, raw);
    }
}

void cancelTextEdit(Context& context) {
    if (context.input.edit.bar) context.repaintBar(*context.input.edit.bar);
    context.input.edit = TextEdit{};
}

void toggleBool(Context& context, Bar& bar, Control& control) {
    unsigned char* raw = workingCopy(context, bar, control);
    if (!raw) return;
    writeNumber(control.typeInfo, raw, readNumber(control.typeInfo, raw) != 0 ? 0 : 1);
    writeControl(context, bar, control, raw);
}

void dragNumber(Context& context, Bar& bar, Control& control, int channel, double value) {
    unsigned char* raw = workingCopy(context, bar, control);
    if (!raw) return;
    setNumber(control, raw, channel, value);
    if (std::memcmp(raw, control.value.data(), control.value.size()) != 0) {
        writeControl(context, bar, control, raw);
    }
}

void pickEnumEntry(Context& context, Bar& bar, Control& control, int entry) {
    const auto* entries = control.enumEntries();
    if (!entries || entry < 0 || entry >= int(entries->size())) return;
    unsigned char* raw = workingCopy(context, bar, control);
    if (!raw) return;
    writeNumber(control.typeInfo, raw, (*entries)[std::size_t(entry)].value);
    writeControl(context, bar, control, raw);
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
    if (control.typeInfo.kind == ValueKind::Bool && channel < 0) {
        toggleBool(context, bar, control);
        return;
    }
    unsigned char* raw = workingCopy(context, bar, control);
    if (!raw) return;
    stepValue(control, raw, channel, direction);
    writeControl(context, bar, control, raw);
}

}  // namespace tw
