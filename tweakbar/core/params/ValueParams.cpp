// The parameters of value rows (variables that show one value, buttons, separators): their
// shortcuts, a bool's labels, an enum's entries, and "value" itself.
#include <algorithm>
#include <cstring>
#include <vector>

#include "model/Context.h"
#include "model/Engine.h"
#include "params/ControlParams.h"
#include "params/EnumText.h"
#include "values/ClientStrings.h"
#include "values/Refresh.h"
#include "values/ValueText.h"

namespace tw {
namespace {

bool isBoolVariable(const ControlRef& ref) {
    return isVariable(ref) && kindOf(ref) == ValueKind::Bool;
}

bool isEnumVariable(const ControlRef& ref) {
    return isVariable(ref) && kindOf(ref) == ValueKind::Enum;
}

// Every value row takes shortcuts and reads them back; numbers step, bools toggle, enums
// cycle and buttons press with them. A key text that names no key is refused.
template <Shortcut Control::*Member>
const char* setKey(Context& context, ControlRef& ref, const ParamValue& value) {
    Shortcut parsed;
    if (!parseShortcut(value.text, parsed)) return err::kNoReason;
    ref.control.*Member = parsed;
    context.structureChanged();
    return nullptr;
}

template <Shortcut Control::*Member>
const char* getKey(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, shortcutText(ref.control.*Member));
}

template <std::string Control::*Member>
const char* setBoolLabel(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.*Member = std::string(value.text);
    updateValueText(ref.control);
    context.structureChanged();
    return nullptr;
}

template <std::string Control::*Member>
const char* getBoolLabel(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.*Member);
}

// Entries given to an enum type replace those of every variable of that type; a list of a
// variable's own (a colour's Mode) is its own.
const char* setEnum(Context& context, ControlRef& ref, const ParamValue& value) {
    std::vector<EnumEntry> entries;
    if (!parseEnumText(value.text, entries)) return err::kBadValue;
    sortEntries(entries);
    Control& control = ref.control;
    if (const EnumType* type = control.typeInfo.enumType) {
        for (auto& registered : context.enums) {
            if (registered.get() == type) registered->entries = std::move(entries);
        }
        enumTypeChanged(context, *type);
        return nullptr;
    }
    control.ownEnum = std::move(entries);
    control.ownEnumSet = true;
    updateValueText(control);
    context.structureChanged();
    return nullptr;
}

const char* getEnum(Context&, const ControlRef& ref, ParamOutput& out) {
    const auto* entries = ref.control.enumEntries();
    return outText(out, entries ? enumText(*entries) : std::string());
}

// The bytes of a value from its text; false when the text holds none. A number is read from
// the start of the text as strtod reads it ("12abc" is 12, "0x10" 16, "1e2" 100) and stored
// as a C cast would (300 in a byte is 44, -1 is 255, any non-zero is a true bool). A string
// takes non-empty text, cut to the bytes there are: the fixed string's size, or the room the
// engine keeps for a caller's string.
bool valueFromText(const Control& control, std::string_view text, std::vector<unsigned char>& raw) {
    const TypeInfo& type = control.typeInfo;
    if (isText(type.kind)) {
        if (text.empty()) return false;
        std::fill(raw.begin(), raw.end(), 0);
        std::memcpy(raw.data(), text.data(), std::min(text.size(), raw.size() - 1));
        return true;
    }
    double number = 0;
    if (!isNumber(type.kind) && type.kind != ValueKind::Bool) return false;
    if (!leadingNumber(text, number)) return false;
    writeNumber(type, raw.data(), castToType(type, number));
    return true;
}

// Written at once, through the set callback if there is one, outside min/max and even on a
// read-only row: the caller's own program sets it. A caller's std::string without a copy
// function is left as it is; its char* cannot be written.
const char* setValue(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    const ValueKind kind = control.typeInfo.kind;
    if (control.pointer && isClientString(kind) && !canCopyToClient(kind)) {
        return kind == ValueKind::StdString ? nullptr : err::kNoReason;
    }
    std::vector<unsigned char> raw(control.value);
    if (!valueFromText(control, value.text, raw)) return err::kNoReason;
    if (!storeControl(context, ref.bar, control, raw.data())) return err::kNoReason;
    return nullptr;
}

const char* getValue(Context& context, const ControlRef& ref, ParamOutput& out) {
    Control& control = ref.control;
    readControl(context, ref.bar, control);
    if (!stillThere(context, ref.bar, &control)) return err::kInvalidParameter;
    const unsigned char* raw = control.value.data();
    if (isText(control.typeInfo.kind)) {
        const auto* end =
            static_cast<const unsigned char*>(std::memchr(raw, 0, control.value.size()));
        const std::size_t length = end ? std::size_t(end - raw) : control.value.size();
        return outText(out, std::string(reinterpret_cast<const char*>(raw), length));
    }
    return outNumbers(out, {readNumber(control.typeInfo, raw)});
}

const ParamDef<ControlRef> kValueRowParams[] = {
    {"key|keyincr", ParamShape::TextOrEmpty, setKey<&Control::key>, getKey<&Control::key>},
    {"keydecr", ParamShape::TextOrEmpty, setKey<&Control::keyDecr>, getKey<&Control::keyDecr>},
    {"true", ParamShape::TextOrEmpty, setBoolLabel<&Control::trueLabel>,
     getBoolLabel<&Control::trueLabel>, isBoolVariable},
    {"false", ParamShape::TextOrEmpty, setBoolLabel<&Control::falseLabel>,
     getBoolLabel<&Control::falseLabel>, isBoolVariable},
    {"enum|val", ParamShape::Free, setEnum, getEnum, isEnumVariable, err::kValueRequired},
    {"value", ParamShape::Free, setValue, getValue, isVariable},
};

}  // namespace

ParamRows<ControlRef> valueRowParams() {
    return rowsOf(kValueRowParams);
}

}  // namespace tw
