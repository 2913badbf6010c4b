#include "values/Refresh.h"

#include <cstring>

#include "model/Engine.h"
#include "values/ClientStrings.h"
#include "values/ValueText.h"

namespace tw {
namespace {

// Where a variable's bytes are: the caller's memory, or, for a member of a struct served by
// callbacks, the engine's copy of that struct.
const unsigned char* sourceOf(const Control& control) {
    if (control.servedByStruct()) return control.structRoot->value.data() + control.rootOffset;
    return static_cast<const unsigned char*>(control.pointer);
}

// Reads the caller's variable into control.incoming.
void fetch(Control& control) {
    const TypeInfo& type = control.typeInfo;
    unsigned char* into = control.incoming.data();
    const std::size_t size = control.incoming.size();
    char* text = reinterpret_cast<char*>(into);
    if (control.getter) {
        if (isClientString(type.kind)) {
            readStringCallback(type.kind, control.getter, control.clientData, text, size);
            return;
        }
        // Zeroed first, so that a callback writing a shorter text leaves no stale tail.
        std::memset(into, 0, size);
        control.getter(into, control.clientData);
        if (isText(type.kind)) into[size - 1] = 0;
        return;
    }
    const unsigned char* source = sourceOf(control);
    if (isClientString(type.kind)) {
        std::memset(into, 0, size);
        readClientString(type.kind, source, text, size);
        return;
    }
    std::memcpy(into, source, size);
    if (type.kind == ValueKind::FixedString) {
        // Bytes after the end of the text mean nothing; clear them so they never count as a
        // change.
        into[size - 1] = 0;
        const std::size_t length = std::strlen(text);
        std::memset(into + length, 0, size - length);
    }
}

// A member of a struct served by callbacks: the whole struct, with the member changed, goes
// to the struct's set callback.
void writeStructMember(Control& member, const unsigned char* raw) {
    Control& root = *member.structRoot;
    std::memcpy(root.incoming.data(), root.value.data(), root.value.size());
    std::memcpy(root.incoming.data() + member.rootOffset, raw, member.typeInfo.size);
    std::memcpy(root.value.data(), root.incoming.data(), root.value.size());
    updateValueText(root);
    root.setter(root.incoming.data(), root.clientData);
}

}  // namespace

void readControl(Context& context, Bar& bar, Control& control) {
    if (control.kind != ControlKind::Variable) return;
    fetch(control);
    if (!stillThere(context, bar, &control)) return;
    const bool rawChanged =
        std::memcmp(control.incoming.data(), control.value.data(), control.value.size()) != 0;
    // valueText follows value and every parameter that changes how it is written, so the same
    // bytes have the same text: an unchanged value is not formatted again.
    if (control.valueRead && !rawChanged) return;
    char text[256];
    formatValue(control, control.incoming.data(), -1, text, sizeof text);
    std::memcpy(control.value.data(), control.incoming.data(), control.value.size());
    // Colours show their bytes as a swatch, quaternions and directions as a widget that turns
    // by less than their text shows; every other value shows only its text.
    if (!control.valueRead || control.valueText != text ||
        ((isColor(control.typeInfo.kind) || isVector(control.typeInfo.kind)) && rawChanged)) {
        control.valueText = text;
        context.valueShownChanged(bar);
    }
    control.valueRead = true;
}

void readBar(Context& context, Bar& bar) {
    // By index: a callback may add or remove controls of this bar as we go.
    for (std::size_t i = 0; i < bar.controls.size(); ++i) {
        Control& control = *bar.controls[i];
        if (!control.visible) continue;
        readControl(context, bar, control);
        if (!stillThere(context, bar)) return;
    }
}

void refreshValues(Context& context, double now) {
    for (std::size_t i = 0; i < context.bars.size(); ++i) {
        Bar& bar = *context.bars[i];
        if (!bar.shown()) continue;
        if (bar.refreshDue || now - bar.lastRefresh >= bar.refresh) {
            bar.refreshDue = false;
            bar.lastRefresh = now;
            readBar(context, bar);
        } else {
            for (std::size_t c = 0; c < bar.controls.size() && stillThere(context, bar); ++c) {
                Control& control = *bar.controls[c];
                if (!control.valueRead && control.visible) readControl(context, bar, control);
            }
        }
        if (engine().context != &context) return;
    }
}

void writeControl(Context& context, Bar& bar, Control& control, const unsigned char* raw) {
    if (!control.isReadOnly()) storeControl(context, bar, control, raw);
}

bool storeControl(Context& context, Bar& bar, Control& control, const unsigned char* raw) {
    const bool writable = control.servedByStruct() ? !control.structRoot->isBoundReadOnly()
                                                   : control.pointer || control.setter;
    if (!writable) return false;
    // raw may be the control's own buffer; take a copy before the callback can touch it.
    std::memmove(control.incoming.data(), raw, control.incoming.size());
    std::memcpy(control.value.data(), control.incoming.data(), control.value.size());
    control.valueRead = true;
    updateValueText(control);
    bar.refreshDue = true;
    context.changed();
    const ValueKind kind = control.typeInfo.kind;
    const char* text = reinterpret_cast<const char*>(control.incoming.data());
    if (control.servedByStruct()) {
        writeStructMember(control, control.incoming.data());
    } else if (control.pointer && isClientString(kind)) {
        writeClientString(kind, control.pointer, text);
    } else if (control.pointer) {
        std::memcpy(control.pointer, control.incoming.data(), control.typeInfo.size);
    } else if (isClientString(kind)) {
        writeStringCallback(kind, control.setter, control.clientData, text);
    } else {
        control.setter(control.incoming.data(), control.clientData);
    }
    return true;
}

}  // namespace tw
